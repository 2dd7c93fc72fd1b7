#pragma once

#include <string>
#include <vector>

namespace quenlit::catalogue {

// One picture of the game: its registry name and the number N of "Images/Image N.png"
// (0 with embedded = true for the reward picture carried inside the program).
struct ImageEntry {
  std::string name;
  int file = 0;
  bool embedded = false;
};

// The pictures loaded between two loading checkpoints.
struct ImageGroup {
  int checkpoint = 0;
  std::vector<ImageEntry> images;
};

struct FrameEntry {
  std::string image;
  int width = 0;
  int height = 0;
};

// A frame sequence. A door or gate opening plays at 30 frames a second, the strikes at 23 or
// at 50; "copyOf" names the sequence this one copies instead of having frames of its own.
struct SequenceEntry {
  std::string name;
  int fps = 23;
  std::vector<FrameEntry> frames;
  std::string copyOf;
};

struct SoundEntry {
  std::string name;  // short name; empty for a file played by its own name
  std::string file;
};

const std::vector<ImageGroup>& ImageGroups();
const std::vector<SequenceEntry>& Sequences();
const std::vector<SoundEntry>& Sounds();

// The loading screen's pictures: "loadback" and "load1" to "load13".
const std::vector<ImageEntry>& LoadingImages();

// Every checkpoint value of a full load, in order.
std::vector<int> Checkpoints();

}  // namespace quenlit::catalogue
