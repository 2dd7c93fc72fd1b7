#include "golden_picture.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace quenlit::test {
namespace fs = std::filesystem;

bool ReadPicture(const std::string& path, Picture& picture) {
  SDL_Surface* loaded = IMG_Load(path.c_str());
  if (!loaded) return false;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (!argb) return false;
  picture.width = argb->w;
  picture.height = argb->h;
  picture.pixels.resize(static_cast<size_t>(argb->w) * argb->h);
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                        y * argb->pitch);
    std::copy(row, row + argb->w, picture.pixels.begin() + static_cast<ptrdiff_t>(y) * argb->w);
  }
  SDL_FreeSurface(argb);
  return true;
}

Difference Compare(const Picture& a, const Picture& b) {
  Difference difference;
  if (a.pixels.empty() || a.pixels.size() != b.pixels.size()) return {255, 1};
  double total = 0;
  size_t changed = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    int largest = 0;
    for (int shift : {16, 8, 0}) {
      const int delta = std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                                 static_cast<int>((b.pixels[i] >> shift) & 0xFF));
      total += delta;
      largest = std::max(largest, delta);
    }
    if (largest > kChannelSlack) ++changed;
  }
  const double count = static_cast<double>(a.pixels.size());
  difference.meanChannel = total / (3 * count);
  difference.changedShare = static_cast<double>(changed) / count;
  return difference;
}

std::string GoldenPath(const std::string& name) {
  return std::string(QUENLIT_GOLDEN_DIR) + "/" + name + ".png";
}

bool UpdatingGoldens() {
  const char* update = std::getenv("QUENLIT_UPDATE_GOLDEN");
  return update && std::string(update) == "1";
}

void ExpectMatchesGolden(const std::string& name, const std::string& drawnPng) {
  Picture drawn;
  ASSERT_TRUE(ReadPicture(drawnPng, drawn)) << name << ": nothing was drawn to " << drawnPng;
  if (UpdatingGoldens()) {
    fs::copy_file(drawnPng, GoldenPath(name), fs::copy_options::overwrite_existing);
    std::cout << "stored the golden picture " << GoldenPath(name) << std::endl;
    return;
  }
  Picture golden;
  ASSERT_TRUE(ReadPicture(GoldenPath(name), golden))
      << name << ": no golden picture at " << GoldenPath(name)
      << " (QUENLIT_UPDATE_GOLDEN=1 stores one)";
  const Difference difference = Compare(drawn, golden);
  const bool same = drawn.width == golden.width && drawn.height == golden.height &&
                    difference.meanChannel <= kMaxMeanChannel &&
                    difference.changedShare <= kMaxChangedShare;
  if (!same) fs::copy_file(drawnPng, name + ".actual.png", fs::copy_options::overwrite_existing);
  EXPECT_TRUE(same) << name << ": drawn " << drawn.width << " x " << drawn.height << ", golden "
                    << golden.width << " x " << golden.height << ", mean channel difference "
                    << difference.meanChannel << ", pixels changed "
                    << 100 * difference.changedShare << " %; the drawn picture is in "
                    << fs::absolute(name + ".actual.png").string();
}

}  // namespace quenlit::test
