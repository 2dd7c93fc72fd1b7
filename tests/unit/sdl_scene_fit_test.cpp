// The scene fitted to the window: one uniform scale, centred, on a dark margin; pictures that
// touch still touch, nothing spills into the margin, and text is rendered at the scaled size.
#include <gtest/gtest.h>

#include <cmath>

#include "app/display/game_fonts.h"
#include "platform/sdl/scene_fit.h"
#include "platform/sdl/software_canvas.h"
#include "png_bytes.h"

namespace quenlit::platform {
namespace {

TEST(SceneFit, LargestUniformScaleThatFitsCentred) {
  struct Case {
    int width, height;
    float scale, x, y;
  };
  const SceneFit scene{981, 621, 0};
  const Case cases[] = {
      {981, 621, 1.0f, 0, 0},               // the scene's own size
      {1366, 768, 768.0f / 621, 76, 0},     // wide: bars left and right
      {735, 580, 735.0f / 981, 0, 57},      // narrow: bars above and below
      {1700, 1331, 1700.0f / 981, 0, 127},  // F8's largest size
      {1962, 1242, 2.0f, 0, 0},             // exactly twice
  };
  for (const Case& c : cases) {
    const Placement p = PlaceScene(scene, c.width, c.height);
    EXPECT_FLOAT_EQ(p.scale, c.scale) << c.width << "x" << c.height;
    EXPECT_EQ(p.x, c.x) << c.width << "x" << c.height;
    EXPECT_EQ(p.y, c.y) << c.width << "x" << c.height;
    // The whole scene is inside the output and touches two of its edges.
    const RectF shown = p.Map({0, 0, 981, 621});
    EXPECT_GE(shown.left, 0);
    EXPECT_GE(shown.top, 0);
    EXPECT_LE(shown.right, c.width);
    EXPECT_LE(shown.bottom, c.height);
    EXPECT_TRUE(shown.right - shown.left >= c.width - 1 ||
                shown.bottom - shown.top >= c.height - 1);
  }
  EXPECT_EQ(PlaceScene(scene, 0, 0).scale, 1.0f) << "a window without pixels changes nothing";
}

TEST(SceneFit, NeighbouringCellsShareTheirEdgeInPixels) {
  const Placement p = PlaceScene({981, 621, 0}, 1366, 768);
  for (float left = 229; left < 678; left += 32) {
    const RectF cell = p.Map({left, 34, left + 32, 66});
    const RectF next = p.Map({left + 32, 34, left + 64, 66});
    EXPECT_EQ(cell.right, next.left);
    EXPECT_NEAR(cell.right - cell.left, 32 * p.scale, 1.0f);
  }
}

class FittedDrawing : public testing::Test {
 protected:
  // A 100 x 30 scene on a 200 x 120 output: twice the size, 30 pixels of margin above and below.
  FittedDrawing() {
    canvas.FitScene({100, 30, kMargin});
    canvas.BeginDraw();
  }
  // The height of the text's ink, in pixels.
  static int InkHeight(SoftwareCanvas& canvas, int width, int height) {
    int top = height, bottom = -1;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (((canvas.PixelAt(x, y) >> 16) & 0xFF) > 128) top = std::min(top, y), bottom = y;
    return bottom - top + 1;
  }

  static constexpr uint32_t kMargin = 0x100E18;
  FontLocator fonts = MakeGameFontLocator();
  SoftwareCanvas canvas{200, 120, fonts};
};

TEST_F(FittedDrawing, ClearFillsTheSceneAndDarkensTheMargins) {
  canvas.Clear(0xFF0000);
  EXPECT_EQ(canvas.PixelAt(100, 10) & 0xFFFFFF, kMargin) << "above";
  EXPECT_EQ(canvas.PixelAt(0, 30) & 0xFFFFFF, 0xFF0000u) << "the scene's top-left pixel";
  EXPECT_EQ(canvas.PixelAt(199, 89) & 0xFFFFFF, 0xFF0000u) << "its bottom-right pixel";
  EXPECT_EQ(canvas.PixelAt(100, 90) & 0xFFFFFF, kMargin) << "below";
}

TEST_F(FittedDrawing, TheMarginsFollowTheSceneWhenItMoves) {
  // A scene as large as the output leaves no margin: the clear covers every pixel.
  canvas.FitScene({200, 120, kMargin});
  canvas.BeginDraw();
  canvas.Clear(0xFF0000);
  canvas.EndDraw();
  ASSERT_EQ(canvas.PixelAt(100, 10) & 0xFFFFFF, 0xFF0000u);
  // The scene shrinks: where it was is margin now.
  canvas.FitScene({100, 30, kMargin});
  for (int frame = 0; frame < 2; ++frame) {
    canvas.BeginDraw();
    canvas.Clear(0x00FF00);
    canvas.EndDraw();
    EXPECT_EQ(canvas.PixelAt(100, 10) & 0xFFFFFF, kMargin) << "above, frame " << frame;
    EXPECT_EQ(canvas.PixelAt(100, 100) & 0xFFFFFF, kMargin) << "below, frame " << frame;
    EXPECT_EQ(canvas.PixelAt(100, 60) & 0xFFFFFF, 0x00FF00u) << "the scene, frame " << frame;
  }
}

TEST_F(FittedDrawing, ShapesAreScaledAndKeptInsideTheScene) {
  canvas.Clear(0);
  // A rectangle from the scene's middle to well past its bottom-right corner.
  canvas.DrawRectangle({50, 15, 150, 90}, 1, {0x0099CC, 1});
  // Its top edge at 15 units is at 30 + 2 x 15 pixels, with a stroke scaled to two pixels.
  EXPECT_EQ(canvas.PixelAt(150, 59) & 0xFFFFFF, 0x0099CCu);
  EXPECT_EQ(canvas.PixelAt(150, 60) & 0xFFFFFF, 0x0099CCu);
  EXPECT_EQ(canvas.PixelAt(150, 61) & 0xFFFFFF, 0u);
  EXPECT_EQ(canvas.PixelAt(150, 58) & 0xFFFFFF, 0u);
  for (int x = 0; x < 200; ++x)
    ASSERT_EQ(canvas.PixelAt(x, 95) & 0xFFFFFF, kMargin) << "nothing reaches the margin, x " << x;
}

TEST_F(FittedDrawing, TextIsRenderedAtTheScaledSize) {
  FontLocator plainFonts = MakeGameFontLocator();
  SoftwareCanvas plain{100, 30, plainFonts};
  plain.FitScene({100, 30, kMargin});  // the scene's own size: scale 1
  for (SoftwareCanvas* c : {&plain, &canvas}) {
    c->BeginDraw();
    c->Clear(0);
    ASSERT_TRUE(c->DrawText("微软雅黑", 12, {2, 2, 98, 28}, "勇者", {0xFFFFFF, 1}, false));
  }
  const int once = InkHeight(plain, 100, 30), twice = InkHeight(canvas, 200, 120);
  ASSERT_GT(once, 5);
  EXPECT_NEAR(twice, 2 * once, 2);
}

// The processor skips filling the scene for a clear that an opaque picture then covers whole:
// wherever the picture leaves a pixel of the scene showing, the clear's colour is there.
TEST(ClearUnderAPicture, ShowsWhereverThePictureLeavesTheSceneUncovered) {
  constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;
  const std::string blue = test::PngOf(10, 10, [](int, int) { return 0xFF000000u | kBlue; });
  const std::string halfClear =
      test::PngOf(10, 10, [](int x, int) { return x < 5 ? 0x000000FFu : 0xFF000000u | kBlue; });
  struct Case {
    const char* name;
    const std::string& png;
    RectF place;  // in a 100 x 30 scene
    float opacity;
    int x, y;  // a pixel of the scene, in its own units
    uint32_t rgb;
  };
  const Case cases[] = {
      {"covered whole", blue, {0, 0, 100, 30}, 1, 99, 29, kBlue},
      {"covered and beyond", blue, {-5, -5, 105, 35}, 1, 0, 0, kBlue},
      {"one unit short on the right", blue, {0, 0, 99, 30}, 1, 99, 15, kRed},
      {"one unit short at the top", blue, {0, 1, 100, 30}, 1, 50, 0, kRed},
      {"half transparent picture", halfClear, {0, 0, 100, 30}, 1, 10, 10, kRed},
      {"faded picture", blue, {0, 0, 100, 30}, 0.5f, 50, 15, 0x7F0080},
  };
  FontLocator fonts = MakeGameFontLocator();
  for (const bool fitted : {false, true}) {
    // Fitted: twice the size, 30 pixels of margin above and below.
    SoftwareCanvas canvas =
        fitted ? SoftwareCanvas{200, 120, fonts} : SoftwareCanvas{100, 30, fonts};
    if (fitted) canvas.FitScene({100, 30, 0x100E18});
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (fitted ? ", fitted" : ""));
      const auto picture =
          canvas.DecodePng(reinterpret_cast<const uint8_t*>(c.png.data()), c.png.size());
      ASSERT_NE(picture, nullptr);
      canvas.BeginDraw();
      canvas.Clear(kRed);
      canvas.DrawBitmap(*picture, c.place, {0, 0, 10, 10}, c.opacity);
      canvas.EndDraw();
      const int x = fitted ? c.x * 2 : c.x, y = fitted ? 30 + c.y * 2 : c.y;
      const uint32_t pixel = canvas.PixelAt(x, y) & 0xFFFFFF;
      EXPECT_NEAR(static_cast<int>(pixel >> 16), static_cast<int>(c.rgb >> 16), 1);
      EXPECT_EQ(pixel & 0xFF00, c.rgb & 0xFF00);
      EXPECT_NEAR(static_cast<int>(pixel & 0xFF), static_cast<int>(c.rgb & 0xFF), 1);
      if (fitted) {
        EXPECT_EQ(canvas.PixelAt(100, 5) & 0xFFFFFF, 0x100E18u) << "the margin";
      }
    }
  }
}

}  // namespace
}  // namespace quenlit::platform
