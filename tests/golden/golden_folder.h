#pragma once

// Small game folders for the golden pictures: a window of exactly the game's 981 x 621 area,
// the built game's generated pictures and fonts, and a few monsters with real pictures.
#include <string>

#include "game_folder.h"

namespace quenlit::test {

class GoldenFolder : public GameFolder {
 public:
  GoldenFolder();
  // A monster with the pictures the built game gives the same id, and the given numbers
  // ("HP=10\nAttack=5\n...").
  void SetPicturedMonster(int id, const std::string& name, const std::string& numbers);
  // Writes the folder and links the built game's pictures and fonts into it.
  void WriteWithAssets();
  // Runs the script, then "shot", and returns the picture's path; fails the test when the
  // driver does not end cleanly.
  std::string Shoot(const std::string& script, const std::string& name) const;
};

// The built game's data, pictures and fonts linked into the folder with a config.ini of its own:
// draws the new game half a second in as NAME.png there and returns its path; fails the test
// when the driver does not end cleanly.
std::string ShootBuiltGame(const GoldenFolder& folder, const std::string& config,
                           const std::string& name);

// The window size of the golden pictures.
constexpr int kGoldenWidth = 981, kGoldenHeight = 621;

}  // namespace quenlit::test
