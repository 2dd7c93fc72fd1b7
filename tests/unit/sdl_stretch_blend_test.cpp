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

// The greys of a black-white-black-white row of the part stretched across `width` pixels.
std::vector<int> StretchedRow(int width, bool crisp) {
  Surface picture(4, 1);
  for (int x = 0; x < 4; ++x) picture.At(x, 0) = x % 2 ? 0xFFFFFFFF : 0xFF000000;
  Surface frame(width, 1);
  BlendStretched(picture.pixels, {0, 0, 4, 1}, frame.pixels, {0, 0, width, 1}, {0, 0, width, 1},
                 255, true, crisp);
  std::vector<int> greys;
  for (int x = 0; x < width; ++x) greys.push_back(Grey(frame.At(x, 0)));
  return greys;
}

int Blended(const std::vector<int>& greys) {
  int count = 0;
  for (const int grey : greys) count += grey > 8 && grey < 247;
  return count;
}

TEST(StretchBlend, CrispStretchesBlendAtMostOnePixelAtEachEdge) {
  // 1.25x, 1.75x, 2.5x and 3.4x: a linear stretch blurs each of the three edges over about the
  // stretch's width; a crisp one leaves each at most one blended pixel.
  for (const int width : {5, 7, 10, 14}) {
    SCOPED_TRACE(width);
    const std::vector<int> crisp = StretchedRow(width, true);
    EXPECT_LE(Blended(crisp), 3);
    EXPECT_LE(Blended(crisp), Blended(StretchedRow(width, false)));
    // The pixels keep their order and their colours at their middles.
    EXPECT_LT(crisp.front(), 8);
    EXPECT_GT(crisp.back(), 247);
  }
  EXPECT_GT(Blended(StretchedRow(14, false)), 3);
  // At whole multiples the crisp stretch repeats pixels: nothing is blended at all.
  EXPECT_EQ(StretchedRow(8, true), (std::vector<int>{0, 0, 255, 255, 0, 0, 255, 255}));
}

TEST(StretchBlend, CrispCopiesKeepAlphaAndFillTheWholeCopy) {
  Surface picture(2, 1);
  picture.At(0, 0) = 0x00000000;
  picture.At(1, 0) = 0xFFFFFFFF;
  Surface copy(6, 3, 0x12345678);
  StretchCrisply(picture.pixels, {0, 0, 2, 1}, copy.pixels);
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(copy.At(0, y), 0x00000000u);
    EXPECT_EQ(copy.At(1, y), 0x00000000u);
    EXPECT_EQ(copy.At(4, y), 0xFFFFFFFFu);
    EXPECT_EQ(copy.At(5, y), 0xFFFFFFFFu);
  }
}

}  // namespace
}  // namespace quenlit::platform
