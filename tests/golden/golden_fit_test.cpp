// The built game as a new game starts, with its scene fitted to each window size F8 gives: one
// uniform scale, centred, dark margins. The smoke test compares the real window with these.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "golden_folder.h"
#include "golden_picture.h"

namespace quenlit::test {
namespace {

TEST(GoldenFit, NewGameMapAtEveryWindowSizeOfF8) {
  const std::pair<int, int> sizes[] = {
      {735, 580}, {973, 768}, {1242, 980}, {1366, 1078}, {1700, 1331}};
  for (const auto& [width, height] : sizes) {
    const std::string name = "fit_map_" + std::to_string(width) + "x" + std::to_string(height);
    // The built game's data, pictures and fonts with a configuration of the window's size.
    GoldenFolder game;
    for (const char* folder : {"data", "Images", "Fonts"}) {
      std::filesystem::create_directory_symlink(std::filesystem::path(QUENLIT_GAME_DIR) / folder,
                                                std::filesystem::path(game.Path()) / folder);
    }
    game.WriteFile("config.ini", "[Resolution14]\nWidth=" + std::to_string(width) + "\nHeight=" +
                                     std::to_string(height) + "\n[Display]\nScale=fit\n");
    const std::string picture = game.Path() + "/" + name + ".png";
    game.WriteFile("script.sim", "wait 0.5\nshot " + picture + "\n");
    const std::string command = "'" QUENLIT_SIM "' --seed 1 --root '" + game.Path() + "' < '" +
                                game.Path() + "/script.sim' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << name;
    ExpectMatchesGolden(name, picture);
  }
}

}  // namespace
}  // namespace quenlit::test
