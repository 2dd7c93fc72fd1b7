#pragma once

// Comparing a drawn screen with its stored golden picture.
#include <cstdint>
#include <string>
#include <vector>

namespace quenlit::test {

// A decoded picture, 0xAARRGGBB pixels row by row.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// Reads a PNG; false when it is missing or no picture.
bool ReadPicture(const std::string& path, Picture& picture);

// How far two pictures of the same size are apart.
struct Difference {
  double meanChannel = 0;   // mean absolute difference of all colour channels, 0 to 255
  double changedShare = 0;  // share of pixels with a channel more than kChannelSlack apart
};
constexpr int kChannelSlack = 24;
Difference Compare(const Picture& a, const Picture& b);

// Small enough to be the same screen: font hinting and filtering may move a few pixels.
constexpr double kMaxMeanChannel = 1.0;
constexpr double kMaxChangedShare = 0.005;

// The stored golden picture of a screen, in tests/golden/pictures.
std::string GoldenPath(const std::string& name);

// With QUENLIT_UPDATE_GOLDEN=1 in the environment the tests store what they drew as the new
// golden pictures instead of comparing.
bool UpdatingGoldens();

// Checks the drawn picture against the golden one (or stores it when updating). On a
// mismatch the drawn picture is kept beside the test binary as "<name>.actual.png" for a look.
void ExpectMatchesGolden(const std::string& name, const std::string& drawnPng);

}  // namespace quenlit::test
