#include "golden_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "folder_link.h"
#include "process.h"

namespace quenlit::test {
namespace fs = std::filesystem;
namespace {

// The "Image1=" and "Image2=" lines of a section of the built game's monster table.
std::string PictureLines(int id) {
  std::ifstream table(std::string(QUENLIT_GAME_DIR) + "/data/monster.dat");
  const std::string section = "[Monster" + std::to_string(id) + "]";
  std::string line, lines;
  bool inside = false;
  while (std::getline(table, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') inside = line == section;
    if (inside && (line.rfind("Image1=", 0) == 0 || line.rfind("Image2=", 0) == 0))
      lines += line + "\n";
  }
  return lines;
}

}  // namespace

GoldenFolder::GoldenFolder() {
  SetConfig("[Resolution14]\nWidth=" + std::to_string(kGoldenWidth) +
            "\nHeight=" + std::to_string(kGoldenHeight) + "\n[Video]\nFps=3\n");
}

void GoldenFolder::SetPicturedMonster(int id, const std::string& name, const std::string& numbers) {
  SetMonster(id, "Name=" + name + "\n" + PictureLines(id) + numbers);
}

void GoldenFolder::WriteWithAssets() {
  Write();
  for (const char* folder : {"Images", "Fonts"}) {
    const fs::path built = fs::path(QUENLIT_GAME_DIR) / folder;
    if (fs::exists(built)) LinkFolder(built, fs::path(Path()) / folder);
  }
}

std::string GoldenFolder::Shoot(const std::string& script, const std::string& name) const {
  const std::string picture = Path() + "/" + name + ".png";
  const SimRun run = Run(script + "\nshot " + picture + "\n");
  EXPECT_EQ(run.exitCode, 0) << name << ": " << run.stderrText;
  return picture;
}

std::string ShootBuiltGame(const GoldenFolder& folder, const std::string& config,
                           const std::string& name) {
  for (const char* part : {"data", "Images", "Fonts"})
    LinkFolder(fs::path(QUENLIT_GAME_DIR) / part, fs::path(folder.Path()) / part);
  folder.WriteFile("config.ini", config);
  const std::string picture = folder.Path() + "/" + name + ".png";
  folder.WriteFile("script.sim", "wait 0.5\nshot " + picture + "\n");
  EXPECT_EQ(RunProgram({.program = QUENLIT_SIM,
                        .arguments = {"--seed", "1", "--root", folder.Path()},
                        .input = folder.Path() + "/script.sim"}),
            0)
      << name;
  return picture;
}

}  // namespace quenlit::test
