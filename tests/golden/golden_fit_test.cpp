// The built game as a new game starts, with its scene fitted to the window at its first size and
// at each size F8 gives: one uniform scale, centred, dark margins. The smoke test compares the
// real window (the shipped config.ini fits) with these.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quenlit::test
