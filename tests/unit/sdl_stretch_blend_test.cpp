// A picture stretched as it is drawn, a row at a time: linear between the part's pixels, the
// edges held, inside the clip and at an opacity.
#include "platform/sdl/stretch_blend.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace quenlit::platform {
namespace {

struct Surface {
  explicit Surface(int width, int height, uint32_t fill = 0xFF000000)
      : pixels(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888)) {
    SDL_FillRect(pixels, nullptr, fill);
  }
  ~Surface() { SDL_FreeSurface(pixels); }
  uint32_t& At(int x, int y) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(pixels->pixels) +
                                       y * pixels->pitch)[x];
  }
  SDL_Surface* pixels;
};

int Grey(uint32_t pixel) {
  return static_cast<int>(pixel & 0xFF);
}

TEST(StretchBlend, StretchesLinearlyBetweenPixelCentresAndHoldsTheEdges) {
  Surface picture(2, 1);
  picture.At(0, 0) = 0xFF000000;
  picture.At(1, 0) = 0xFFFFFFFF;
  Surface frame(6, 2, 0xFF0000FF);
  BlendStretched(picture.pixels, {0, 0, 2, 1}, frame.pixels, {1, 0, 4, 2}, {0, 0, 6, 2}, 255, true);
  const int expected[] = {0, 64, 191, 255};
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(frame.At(0, y), 0xFF0000FFu) << "outside the rectangle";
    EXPECT_EQ(frame.At(5, y), 0xFF0000FFu) << "outside the rectangle";
    for (int x = 0; x < 4; ++x) EXPECT_NEAR(Grey(frame.At(1 + x, y)), expected[x], 1) << x;
  }
}

TEST(StretchBlend, KeepsInsideTheClipAndTheFrameAndBlendsAtTheOpacity) {
  Surface picture(4, 4, 0xFFFFFFFF);
  Surface frame(8, 8, 0xFF000000);
  // Half outside the frame, and clipped to its left half.
  BlendStretched(picture.pixels, {0, 0, 4, 4}, frame.pixels, {-4, -4, 16, 16}, {0, 0, 4, 8}, 128,
                 true);
  EXPECT_NEAR(Grey(frame.At(0, 0)), 128, 1);
  EXPECT_NEAR(Grey(frame.At(3, 7)), 128, 1);
  EXPECT_EQ(frame.At(4, 0), 0xFF000000u) << "outside the clip";

  Surface transparent(2, 2, 0x80FFFFFF);  // white at half alpha over black
  Surface over(4, 4, 0xFF000000);
  BlendStretched(transparent.pixels, {0, 0, 2, 2}, over.pixels, {0, 0, 4, 4}, {0, 0, 4, 4}, 255,
                 false);
  EXPECT_NEAR(Grey(over.At(2, 2)), 128, 1);
}

TEST(StretchBlend, APartOfThePictureIsAllThatIsSampled) {
  Surface picture(4, 1);
  for (int x = 0; x < 4; ++x) picture.At(x, 0) = x == 2 ? 0xFFFFFFFF : 0xFF000000;
  Surface frame(3, 3);
  BlendStretched(picture.pixels, {2, 0, 1, 1}, frame.pixels, {0, 0, 3, 3}, {0, 0, 3, 3}, 255, true);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(frame.At(x, y), 0xFFFFFFFFu) << x << "," << y;
}

}  // namespace
}  // namespace quenlit::platform
