// The built game as a new game starts, with its scene fitted to the window at its first size and
// at each size F8 gives: one uniform scale, centred, dark margins. The smoke test compares the
// real window (the shipped config.ini fits) with these.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "golden_folder.h"
#include "golden_picture.h"

namespace quenlit::test {
namespace {

TEST(GoldenFit, NewGameMapAtTheFirstSizeAndEverySizeOfF8) {
  const std::pair<int, int> sizes[] = {{1366, 768}, {735, 580},   {973, 768},
                                       {1242, 980}, {1366, 1078}, {1700, 1331}};
  for (const auto& [width, height] : sizes) {
    const std::string name = "fit_map_" + std::to_string(width) + "x" + std::to_string(height);
    GoldenFolder folder;  // a place for the game's links, its config.ini and the picture
    ExpectMatchesGolden(
        name, ShootBuiltGame(folder,
                             "[Resolution14]\nWidth=" + std::to_string(width) +
                                 "\nHeight=" + std::to_string(height) + "\n[Display]\nScale=fit\n",
                             name));
  }
}

// The same map as the shipped config.ini shows it, every comfort option on (the costs on the
// monsters, the hint, crisp pixel art): the browser page, which carries that config.ini, is
// compared with this picture.
TEST(GoldenFit, NewGameMapWithTheShippedConfig) {
  std::ifstream shipped(QUENLIT_GAME_DIR "/config.ini", std::ios::binary);
  const std::string config((std::istreambuf_iterator<char>(shipped)), {});
  ASSERT_NE(config.find("CrispPixels=1"), std::string::npos);
  ASSERT_NE(config.find("Width=1366"), std::string::npos);
  GoldenFolder folder;
  const std::string name = "fit_map_1366x768_shipped";
  ExpectMatchesGolden(name, ShootBuiltGame(folder, config, name));
}

}  // namespace
}  // namespace quenlit::test
