// The SDL canvas drawing into a picture in memory: colours, outlines, pictures with their
// transparency, opacity and source parts, and text.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/display/game_fonts.h"
#include "gfx/d2d_graphics.h"
#include "gfx/d2d_image.h"
#include "platform/sdl/software_canvas.h"
#include "png_bytes.h"
#include "temp_folder.h"

namespace quenlit::platform {
namespace {

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

uint32_t Opaque(uint32_t rgb) {
  return 0xFF000000u | rgb;
}

// A picture whose left half is transparent green and right half opaque blue, as PNG bytes.
std::string HalfTransparentPng(int width, int height) {
  return test::PngOf(width, height,
                     [&](int x, int) { return x < width / 2 ? 0x0000FF00u : Opaque(kBlue); });
}

class SoftwareDrawing : public testing::Test {
 protected:
  SoftwareDrawing() { canvas.BeginDraw(); }
  // The bounds of every pixel that is not the background in the area.
  SDL_Rect Ink(int left, int top, int right, int bottom, uint32_t background) const {
    int minX = right, minY = bottom, maxX = left - 1, maxY = top - 1;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if (canvas.PixelAt(x, y) == background) continue;
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
    }
    return {minX, minY, maxX - minX + 1, maxY - minY + 1};
  }
  std::shared_ptr<Bitmap> HalfTransparent(int width, int height) {
    const std::string png = HalfTransparentPng(width, height);
    return canvas.DecodePng(reinterpret_cast<const uint8_t*>(png.data()), png.size());
  }

  FontLocator fonts = MakeGameFontLocator();
  SoftwareCanvas canvas{200, 120, fonts};
};

TEST_F(SoftwareDrawing, ClearFillsEveryPixelOpaque) {
  canvas.Clear(0x123456);
  EXPECT_EQ(canvas.PixelAt(0, 0), Opaque(0x123456));
  EXPECT_EQ(canvas.PixelAt(199, 119), Opaque(0x123456));
  EXPECT_EQ(canvas.PixelAt(200, 0), 0u) << "outside the picture";
}

TEST_F(SoftwareDrawing, RectangleOutlinesAreAliased) {
  canvas.Clear(0);
  canvas.DrawRectangle({20.0f, 20.0f, 60.0f, 50.0f}, 2, {0x0099CC, 1});
  EXPECT_EQ(canvas.PixelAt(40, 20), Opaque(0x0099CC)) << "top edge";
  EXPECT_EQ(canvas.PixelAt(20, 35), Opaque(0x0099CC)) << "left edge";
  EXPECT_EQ(canvas.PixelAt(59, 49), Opaque(0x0099CC)) << "bottom right corner";
  EXPECT_EQ(canvas.PixelAt(40, 35), Opaque(0)) << "inside stays clear";
  EXPECT_EQ(canvas.PixelAt(40, 23), Opaque(0)) << "the stroke is 2 wide";
  const SDL_Rect ink = Ink(0, 0, 200, 120, Opaque(0));
  EXPECT_EQ(ink.x, 19);
  EXPECT_EQ(ink.y, 19);
  EXPECT_EQ(ink.w, 42);
  EXPECT_EQ(ink.h, 32);
  // No smoothing: every pixel is either the outline or the background.
  for (int y = 15; y < 55; ++y)
    for (int x = 15; x < 65; ++x)
      ASSERT_TRUE(canvas.PixelAt(x, y) == Opaque(0) || canvas.PixelAt(x, y) == Opaque(0x0099CC))
          << x << "," << y;
}

TEST_F(SoftwareDrawing, TransparentPixelsOfAPngStayTransparent) {
  const auto bitmap = HalfTransparent(8, 8);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Width(), 8);
  EXPECT_EQ(bitmap->Height(), 8);
  canvas.Clear(kRed);
  canvas.DrawBitmap(*bitmap, {10, 10, 18, 18}, {0, 0, 8, 8}, 1);
  EXPECT_EQ(canvas.PixelAt(10, 10), Opaque(kRed)) << "the background shows through";
  EXPECT_EQ(canvas.PixelAt(12, 15), Opaque(kRed));
  EXPECT_EQ(canvas.PixelAt(17, 17), Opaque(kBlue));
}

TEST_F(SoftwareDrawing, PicturesLoadFromFilesToo) {
  test::WorkingFolder folder;
  folder.Write("Images/half.png", HalfTransparentPng(4, 2));
  folder.Write("Images/text.png", "this is no picture");
  const auto bitmap = canvas.LoadPng("Images/half.png");
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Width(), 4);
  EXPECT_EQ(bitmap->Height(), 2);
  EXPECT_EQ(canvas.LoadPng("Images/missing.png"), nullptr);
  EXPECT_EQ(canvas.LoadPng("Images/text.png"), nullptr);
  EXPECT_EQ(canvas.DecodePng(nullptr, 0), nullptr);
}

TEST_F(SoftwareDrawing, OpacityBlendsWithWhatIsBelow) {
  const auto bitmap = HalfTransparent(8, 8);
  canvas.Clear(kRed);
  canvas.DrawBitmap(*bitmap, {0, 0, 8, 8}, {0, 0, 8, 8}, 0.5f);
  const uint32_t blended = canvas.PixelAt(6, 4);
  EXPECT_NEAR((blended >> 16) & 0xFF, 128, 2);
  EXPECT_EQ((blended >> 8) & 0xFF, 0u);
  EXPECT_NEAR(blended & 0xFF, 128, 2);
}

TEST_F(SoftwareDrawing, TheSourcePartIsScaledIntoTheDestination) {
  const auto bitmap = HalfTransparent(16, 16);
  canvas.Clear(kGreen);
  // The opaque right half (8 x 16) shrunk into 4 x 8.
  canvas.DrawBitmap(*bitmap, {50, 50, 54, 58}, {8, 0, 16, 16}, 1);
  const SDL_Rect ink = Ink(40, 40, 70, 70, Opaque(kGreen));
  EXPECT_EQ(ink.x, 50);
  EXPECT_EQ(ink.y, 50);
  EXPECT_EQ(ink.w, 4);
  EXPECT_EQ(ink.h, 8);
  EXPECT_EQ(canvas.PixelAt(51, 54), Opaque(kBlue));
}

TEST_F(SoftwareDrawing, TextWrapsAtTheBoxWidthAndAlignsTrailing) {
  canvas.Clear(0);
  ASSERT_TRUE(canvas.DrawText("微软雅黑", 16, {10, 10, 90, 110}, "勇者走进了高塔的第一层",
                              {kRed, 1}, false));
  const SDL_Rect wrapped = Ink(0, 0, 200, 120, Opaque(0));
  EXPECT_GE(wrapped.x, 10);
  EXPECT_LE(wrapped.x + wrapped.w, 91) << "no line is wider than the box";
  EXPECT_GT(wrapped.h, 32) << "the text took more than one line";

  canvas.Clear(0);
  ASSERT_TRUE(canvas.DrawText("微软雅黑", 16, {10, 10, 190, 40}, "1000", {kRed, 1}, true));
  const SDL_Rect trailing = Ink(0, 0, 200, 120, Opaque(0));
  EXPECT_NEAR(trailing.x + trailing.w, 190, 3) << "the right edge of the box";
  EXPECT_GT(trailing.x, 120);
  EXPECT_EQ(canvas.PixelAt(trailing.x + trailing.w / 2, trailing.y + trailing.h / 2) & 0xFFFF, 0u)
      << "drawn in red";
}

TEST_F(SoftwareDrawing, TabsJumpToStopsInsteadOfDrawingABox) {
  canvas.Clear(0);
  ASSERT_TRUE(canvas.DrawText("微软雅黑", 16, {0, 0, 200, 40}, "1\t2", {0xFFFFFF, 1}, false));
  // Between the "1" and the first tab stop (four ems, 64) nothing is drawn.
  const SDL_Rect gap = Ink(14, 0, 63, 40, Opaque(0));
  EXPECT_LE(gap.w, 0) << "something was drawn in the tab's gap";
  const SDL_Rect two = Ink(63, 0, 200, 40, Opaque(0));
  EXPECT_GE(two.x, 64);
  EXPECT_LE(two.x, 70);
}

TEST_F(SoftwareDrawing, RedrawingTheSameTextDoesNotLayItOutAgain) {
  const RectF box{10, 10, 190, 60};
  canvas.DrawText("宋体", 18, box, "娥  3F", {0xFFFFFF, 1}, false);
  const size_t first = canvas.Text().LayoutsMade();
  for (int frame = 0; frame < 5; ++frame) {
    canvas.DrawText("宋体", 18, box, "娥  3F", {0xFFFF00, 0.5f}, false);
  }
  EXPECT_EQ(canvas.Text().LayoutsMade(), first);
  canvas.DrawText("宋体", 18, box, "娥  4F", {0xFFFFFF, 1}, false);
  EXPECT_EQ(canvas.Text().LayoutsMade(), first + 1);
}

TEST_F(SoftwareDrawing, EmbeddedPicturesDecodeFromTheProgramsBytes) {
  const std::string png = HalfTransparentPng(6, 4);
  CD2DImage reward;
  EXPECT_TRUE(
      reward.LoadFromResource(&canvas, reinterpret_cast<const uint8_t*>(png.data()), png.size()));
  ASSERT_NE(reward.bitmap, nullptr);
  EXPECT_EQ(reward.bitmap->Width(), 6);
  CD2DImage broken;
  const uint8_t junk[] = {1, 2, 3};
  EXPECT_TRUE(broken.LoadFromResource(&canvas, junk, sizeof junk));
  EXPECT_EQ(broken.bitmap, nullptr);
  EXPECT_FALSE(broken.LoadFromResource(nullptr, junk, sizeof junk)) << "nothing to decode with";
}

TEST_F(SoftwareDrawing, AMissingNameInTheRegistryIsAnEmptyPictureThatDrawsNothing) {
  test::WorkingFolder folder;
  CD2DGraphics graphics;
  ASSERT_TRUE(graphics.Initialize(&canvas));
  std::map<std::string, CD2DImage> images;
  images["gone"].LoadFromFile(&canvas, "Images/Image 9999.png");
  canvas.Clear(kRed);
  EXPECT_TRUE(graphics.DrawImage(images["gone"], 0, 0, 100, 100, 1));
  EXPECT_TRUE(graphics.DrawImage(images["never loaded"], 0, 0, 100, 100, 1));
  EXPECT_EQ(images.size(), 2u) << "looking a name up adds it";
  EXPECT_LE(Ink(0, 0, 200, 120, Opaque(kRed)).w, 0);
}

TEST_F(SoftwareDrawing, SavesThePictureAsPng) {
  canvas.Clear(0x336699);
  canvas.EndDraw();
  test::TempFolder folder;
  const std::string path = (folder.Path() / "shot.png").string();
  ASSERT_TRUE(canvas.SavePng(path));
  SDL_Surface* saved = IMG_Load(path.c_str());
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->w, 200);
  EXPECT_EQ(saved->h, 120);
  SDL_FreeSurface(saved);
  EXPECT_FALSE(canvas.SavePng("/no/such/folder/shot.png"));
}

}  // namespace
}  // namespace quenlit::platform
