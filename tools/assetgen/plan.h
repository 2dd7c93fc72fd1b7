#pragma once

#include <string>
#include <vector>

namespace quenlit::assetgen {

// One file of Images/ to write: its file name, the registry name whose painter makes it, and
// the least size the game shows of it.
struct PlannedPicture {
  std::string file;  // "Image 27.png"
  std::string name;  // "floor"
  int width = 0;
  int height = 0;
};

// Every picture file the game loads: the loading screen's, the catalogue's and the two of each
// monster kind, each file once, in loading order.
std::vector<PlannedPicture> PlanPictures();

// "Image N.png".
std::string ImageFileName(int number);

// The pair of files of monster kind n (1 to 44): "Image <2000 + 2n - 1>.png" and the next.
int MonsterImageNumber(int kind, int beat);

inline constexpr int kMonsterKinds = 44;

}  // namespace quenlit::assetgen
