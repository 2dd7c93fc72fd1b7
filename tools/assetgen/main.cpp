// quenlit-assetgen: makes the game's pictures and sounds.
//
//   quenlit-assetgen GAME_DIR [--sheet TILES.png] [--only FILE]...
//       writes GAME_DIR/Images/ and GAME_DIR/wav/ (with --only, just the named files)
//   quenlit-assetgen --reward OUT.png
//       writes the reward picture that is built into the program
//   quenlit-assetgen --icon SIZE OUT.png
//       writes the game's icon, SIZE x SIZE pixels
//
// The output depends on nothing but the tile sheet and this program: two runs write the same
// bytes.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "painters.h"
#include "plan.h"
#include "sounds.h"
#include "synth.h"

namespace quenlit::assetgen {
namespace {

namespace fs = std::filesystem;

int Fail(const std::string& message) {
  std::cerr << "quenlit-assetgen: " << message << std::endl;
  return 1;
}

bool MakeFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  return !error;
}

int WritePictures(const fs::path& folder, const TileSheet& sheet,
                  const std::set<std::string>& only) {
  if (!MakeFolder(folder)) return Fail("cannot create the folder " + folder.string());
  for (const PlannedPicture& planned : PlanPictures()) {
    if (!only.empty() && only.count(planned.file) == 0) continue;
    const auto painter = AllPainters().find(planned.name);
    if (painter == AllPainters().end()) return Fail("no painter for the picture " + planned.name);
    const Picture picture = painter->second(sheet, planned.width, planned.height);
    if (!picture.WritePng((folder / planned.file).string())) {
      return Fail("cannot write " + (folder / planned.file).string());
    }
  }
  return 0;
}

int WriteSounds(const fs::path& folder, const std::set<std::string>& only) {
  if (!MakeFolder(folder)) return Fail("cannot create the folder " + folder.string());
  for (const std::string& file : PlanSounds()) {
    if (!only.empty() && only.count(file) == 0) continue;
    const std::vector<int16_t> samples = MakeSound(file);
    if (samples.empty()) return Fail("no recipe for the sound " + file);
    if (!WriteWave((folder / file).string(), samples)) {
      return Fail("cannot write " + (folder / file).string());
    }
  }
  return 0;
}

int Usage() {
  std::cerr << "usage: quenlit-assetgen GAME_DIR [--sheet TILES.png] [--only FILE]...\n"
               "       quenlit-assetgen --reward OUT.png\n"
               "       quenlit-assetgen --icon SIZE OUT.png"
            << std::endl;
  return 2;
}

int WritePicture(const Picture& picture, const fs::path& out) {
  if (out.has_parent_path() && !MakeFolder(out.parent_path())) {
    return Fail("cannot create the folder " + out.parent_path().string());
  }
  return picture.WritePng(out.string()) ? 0 : Fail("cannot write " + out.string());
}

int Main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--reward") return WritePicture(PaintReward(), argv[2]);
  if (argc == 4 && std::string(argv[1]) == "--icon") {
    const int size = std::atoi(argv[2]);
    if (size < 16 || size > 1024) return Usage();
    return WritePicture(PaintIcon(size), argv[3]);
  }
  if (argc < 2 || argv[1][0] == '-') return Usage();
  const fs::path gameDir = argv[1];
  std::string sheetPath = kDefaultTileSheet;
  std::set<std::string> only;
  for (int i = 2; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--sheet" && i + 1 < argc) {
      sheetPath = argv[++i];
    } else if (option == "--only" && i + 1 < argc) {
      only.insert(argv[++i]);
    } else {
      return Usage();
    }
  }
  const TileSheet sheet(sheetPath);
  if (!sheet.Loaded()) {
    return Fail("cannot read the tile sheet " + sheetPath +
                " (it comes with Debian's angband-data: run scripts/deps.sh)");
  }
  if (int failed = WritePictures(gameDir / "Images", sheet, only)) return failed;
  return WriteSounds(gameDir / "wav", only);
}

}  // namespace
}  // namespace quenlit::assetgen

int main(int argc, char** argv) {
  return quenlit::assetgen::Main(argc, argv);
}
