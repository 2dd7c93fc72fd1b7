#include "plan.h"

#include <algorithm>
#include <map>

#include "catalogue/catalogue.h"
#include "game/size.h"
#include "tile_sheet.h"

namespace quenlit::assetgen {
namespace {

// Pictures the screens draw whole, at the size of their source rectangle: the backgrounds
// and panels, the 800 x 800 sources of the full-map pictures, and the loading frames.
std::map<std::string, Size> WholePictureSizes() {
  std::map<std::string, Size> sizes = {
      {"backbig", {981, 621}},  {"infoback", {161, 357}},   {"battleback", {381, 125}},
      {"talkback", {261, 132}}, {"caption", {400, 38}},     {"battleendback", {381, 32}},
      {"Dback", {800, 800}},    {"transition", {800, 800}}, {"pause", {800, 800}},
      {"loadback", {800, 800}}, {"leftarrow", {50, 50}},    {"rightarrow", {50, 50}},
      {"uparrow", {50, 50}},    {"downarrow", {50, 50}},
  };
  for (int n = 1; n <= 13; ++n) sizes["load" + std::to_string(n)] = {206, 60};
  return sizes;
}

// The largest frame any sequence shows of each picture.
std::map<std::string, Size> FrameSizes() {
  std::map<std::string, Size> sizes;
  for (const catalogue::SequenceEntry& sequence : catalogue::Sequences()) {
    for (const catalogue::FrameEntry& frame : sequence.frames) {
      Size& size = sizes[frame.image];
      size = {std::max(size.width, frame.width), std::max(size.height, frame.height)};
    }
  }
  return sizes;
}

}  // namespace

std::string ImageFileName(int number) {
  return "Image " + std::to_string(number) + ".png";
}

int MonsterImageNumber(int kind, int beat) {
  return 2000 + 2 * kind - 2 + beat;
}

std::vector<PlannedPicture> PlanPictures() {
  const std::map<std::string, Size> whole = WholePictureSizes();
  const std::map<std::string, Size> frames = FrameSizes();
  // A sequence's frame shows exactly the frame's part of the picture, so a frame picture is
  // made at its frame size; a picture drawn whole at its source size; anything else is a tile.
  auto sizeOf = [&](const std::string& name) -> Size {
    if (auto frame = frames.find(name); frame != frames.end()) return frame->second;
    if (auto drawn = whole.find(name); drawn != whole.end()) return drawn->second;
    return {kTile, kTile};
  };

  std::vector<PlannedPicture> plan;
  std::map<int, size_t> byFile;
  auto add = [&](const std::string& name, int number) {
    const Size size = sizeOf(name);
    if (auto known = byFile.find(number); known != byFile.end()) {
      PlannedPicture& shared = plan[known->second];  // one file under two names
      shared.width = std::max(shared.width, size.width);
      shared.height = std::max(shared.height, size.height);
      return;
    }
    byFile[number] = plan.size();
    plan.push_back({ImageFileName(number), name, size.width, size.height});
  };

  for (const catalogue::ImageEntry& entry : catalogue::LoadingImages()) add(entry.name, entry.file);
  for (const catalogue::ImageGroup& group : catalogue::ImageGroups()) {
    for (const catalogue::ImageEntry& entry : group.images) {
      if (!entry.embedded) add(entry.name, entry.file);
    }
  }
  for (int kind = 1; kind <= kMonsterKinds; ++kind) {
    for (int beat = 1; beat <= 2; ++beat) {
      add("Monster" + std::to_string(kind) + "_" + std::to_string(beat),
          MonsterImageNumber(kind, beat));
    }
  }
  return plan;
}

}  // namespace quenlit::assetgen
