// What the SDL canvas keeps of a picture: a texture instead of its pixels, copies stretched
// and faded ahead for the draws that ask for them, and pixels decoded only when a draw needs
// them.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "app/display/game_fonts.h"
#include "platform/sdl/software_canvas.h"
#include "platform/sdl/surface_bitmap.h"
#include "temp_folder.h"

namespace quenlit::platform {
namespace {

int Red(uint32_t pixel) {
  return static_cast<int>((pixel >> 16) & 0xFF);
}

// An 8 x 8 PNG file: opaque red, or red at half alpha.
std::string RedPng(const test::WorkingFolder& folder, const std::string& name, uint32_t alpha) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 8, 8, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_FillRect(surface, nullptr, (alpha << 24) | 0xFF0000u);
  const std::string path = (folder.Path() / name).string();
  IMG_SavePNG(surface, path.c_str());
  SDL_FreeSurface(surface);
  return path;
}

class KeptCopies : public testing::Test {
 protected:
  // Draws the picture over black and returns the pixel at (x, y).
  uint32_t DrawOverBlack(const Bitmap& picture, const RectF& to, float opacity, int x, int y) {
    canvas.BeginDraw();
    canvas.Clear(0x000000);
    canvas.DrawBitmap(picture, to, {0, 0, 8, 8}, opacity);
    canvas.EndDraw();
    return canvas.PixelAt(x, y);
  }
  const SurfaceBitmap& Surface(const std::shared_ptr<Bitmap>& bitmap) {
    return dynamic_cast<const SurfaceBitmap&>(*bitmap);
  }

  test::WorkingFolder folder;
  FontLocator fonts = MakeGameFontLocator();
  SoftwareCanvas canvas{64, 64, fonts};
};

TEST_F(KeptCopies, APictureLetsItsPixelsGoOnceDrawnAndGetsThemBackForANewSize) {
  const auto picture = canvas.LoadPng(RedPng(folder, "red.png", 0xFF));
  ASSERT_TRUE(picture);
  EXPECT_TRUE(Surface(picture).HoldsPixels());
  EXPECT_EQ(DrawOverBlack(*picture, {0, 0, 8, 8}, 1, 4, 4), 0xFFFF0000u);
  EXPECT_FALSE(Surface(picture).HoldsPixels()) << "the texture is all that drawing needs";
  // A size never drawn before decodes the file again; the same size again does not.
  EXPECT_EQ(DrawOverBlack(*picture, {0, 0, 32, 32}, 1, 20, 20), 0xFFFF0000u);
  EXPECT_FALSE(Surface(picture).HoldsPixels());
  EXPECT_EQ(DrawOverBlack(*picture, {0, 0, 8, 8}, 1, 4, 4), 0xFFFF0000u);
}

TEST_F(KeptCopies, OpacityAndTransparencyBlendWhetherTheCopyIsFadedOrNot) {
  const auto opaque = canvas.LoadPng(RedPng(folder, "opaque.png", 0xFF));
  const auto half = canvas.LoadPng(RedPng(folder, "half.png", 0x80));
  ASSERT_TRUE(opaque && half);
  struct Case {
    const std::shared_ptr<Bitmap>* picture;
    float opacity;
    int red;  // over black, give or take one
  };
  const Case cases[] = {
      {&opaque, 1.0f, 255}, {&opaque, 0.5f, 128}, {&opaque, 0.5f, 128},  // the second: faded copy
      {&opaque, 0.25f, 64}, {&opaque, 0.25f, 64}, {&opaque, 1.0f, 255},  // a new opacity settles
      {&half, 1.0f, 128},   {&half, 0.5f, 64},    {&half, 0.5f, 64},
  };
  for (const Case& c : cases) {
    const RectF to{0, 0, 32, 32};  // stretched, as the pause picture is
    EXPECT_NEAR(Red(DrawOverBlack(**c.picture, to, c.opacity, 16, 16)), c.red, 1)
        << "opacity " << c.opacity;
  }
}

TEST_F(KeptCopies, AFormPreparedAheadIsReadyBeforeTheFirstDraw) {
  const auto picture = canvas.LoadPng(RedPng(folder, "effect.png", 0xFF));
  ASSERT_TRUE(picture);
  // Two ways of drawing it, as the battle draws one picture in two effects.
  canvas.Prepare(picture,
                 {{{0, 0, 8, 8}, {0, 0, 40, 40}, 1}, {{0, 0, 8, 8}, {0, 0, 20, 20}, 0.5f}});
  canvas.WaitForPreparedForms();
  EXPECT_TRUE(Surface(picture).HasForm({0, 0, 8, 8, 40, 40, 255}));
  EXPECT_TRUE(Surface(picture).HasForm({0, 0, 8, 8, 20, 20, 128}));
  EXPECT_NEAR(Red(DrawOverBlack(*picture, {0, 0, 20, 20}, 0.5f, 10, 10)), 128, 1);
  EXPECT_FALSE(Surface(picture).HoldsPixels()) << "the whole picture may never be drawn";
  // A draw as it was prepared shows, and nothing outside its box.
  EXPECT_EQ(DrawOverBlack(*picture, {10, 10, 50, 50}, 1, 30, 30), 0xFFFF0000u);
  EXPECT_EQ(canvas.PixelAt(52, 30), 0xFF000000u);
  EXPECT_FALSE(Surface(picture).HoldsPixels());
  // Drawn as it is, one to one: its pixels are decoded again for the texture.
  EXPECT_EQ(DrawOverBlack(*picture, {0, 0, 8, 8}, 1, 4, 4), 0xFFFF0000u);
}

TEST_F(KeptCopies, AFittedSceneHasItsCopiesMadeForTheScaleItShowsAt) {
  const auto picture = canvas.LoadPng(RedPng(folder, "effect.png", 0xFF));
  ASSERT_TRUE(picture);
  canvas.FitScene({32, 32, 0});  // twice the size in the 64 x 64 output
  canvas.Prepare(picture, {{{0, 0, 8, 8}, {2, 2, 18, 18}, 1}});
  canvas.WaitForPreparedForms();
  EXPECT_TRUE(Surface(picture).HasForm({0, 0, 8, 8, 32, 32, 255})) << "in output pixels";
  EXPECT_FALSE(Surface(picture).HasForm({0, 0, 8, 8, 16, 16, 255})) << "not in drawing units";

  // The output changes scale: the copy for the old one goes, one for the new one comes.
  canvas.FitScene({64, 64, 0});
  canvas.WaitForPreparedForms();
  EXPECT_FALSE(Surface(picture).HasForm({0, 0, 8, 8, 32, 32, 255}));
  EXPECT_TRUE(Surface(picture).HasForm({0, 0, 8, 8, 16, 16, 255}));
  EXPECT_EQ(DrawOverBlack(*picture, {2, 2, 18, 18}, 1, 10, 10), 0xFFFF0000u);
}

// Copies grow with the square of the scale: a scene fitted at more than twice its size keeps
// none, and its pictures are stretched as they are drawn.
TEST_F(KeptCopies, AboveTwiceTheSceneSizeNoCopyIsKept) {
  const auto picture = canvas.LoadPng(RedPng(folder, "effect.png", 0xFF));
  ASSERT_TRUE(picture);
  canvas.FitScene({16, 16, 0});  // four times the size in the 64 x 64 output
  canvas.Prepare(picture, {{{0, 0, 8, 8}, {0, 0, 8, 8}, 1}});
  canvas.WaitForPreparedForms();
  EXPECT_FALSE(Surface(picture).HasForm({0, 0, 8, 8, 32, 32, 255}));
  EXPECT_EQ(DrawOverBlack(*picture, {0, 0, 8, 8}, 1, 16, 16), 0xFFFF0000u);
  EXPECT_EQ(canvas.PixelAt(40, 16), 0xFF000000u) << "nothing outside its box";
  EXPECT_NEAR(Red(DrawOverBlack(*picture, {0, 0, 8, 8}, 0.5f, 16, 16)), 128, 1);
  EXPECT_FALSE(Surface(picture).HasForm({0, 0, 8, 8, 32, 32, 255}));
  EXPECT_FALSE(Surface(picture).HasForm({0, 0, 8, 8, 32, 32, 128}));

  // Back to twice the size: the copies are made again.
  canvas.FitScene({32, 32, 0});
  canvas.WaitForPreparedForms();
  EXPECT_TRUE(Surface(picture).HasForm({0, 0, 8, 8, 16, 16, 255}));
}

TEST_F(KeptCopies, DecodingOnDemandReadsOnlyTheSizeUntilTheFirstDraw) {
  canvas.SetDecodeOnDemand(true);
  const auto picture = canvas.LoadPng(RedPng(folder, "lazy.png", 0xFF));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 8);
  EXPECT_EQ(picture->Height(), 8);
  EXPECT_FALSE(Surface(picture).HoldsPixels());
  canvas.Prepare(picture, {{{0, 0, 8, 8}, {0, 0, 40, 40}, 1}});
  canvas.WaitForPreparedForms();
  EXPECT_FALSE(Surface(picture).HasForm({0, 0, 8, 8, 40, 40, 255})) << "nothing decoded ahead";
  EXPECT_EQ(DrawOverBlack(*picture, {0, 0, 8, 8}, 1, 4, 4), 0xFFFF0000u);

  // What is no PNG gives no picture, as when decoding at once.
  folder.Write("text.png", "not a picture at all, only some words");
  EXPECT_FALSE(canvas.LoadPng((folder.Path() / "text.png").string()));
  EXPECT_FALSE(canvas.LoadPng((folder.Path() / "missing.png").string()));
}

TEST_F(KeptCopies, DecodingAheadTakesThePicturesLoadedOnDemandWithinItsTime) {
  canvas.SetDecodeOnDemand(true);
  const std::string firstPath = RedPng(folder, "first.png", 0xFF);
  const std::string secondPath = RedPng(folder, "second.png", 0xFF);
  const auto first = canvas.LoadPng(firstPath);
  const auto second = canvas.LoadPng(secondPath);
  ASSERT_TRUE(first && second);
  EXPECT_TRUE(canvas.DecodeAhead(std::chrono::steady_clock::duration::zero()))
      << "no time, nothing decoded";
  EXPECT_FALSE(canvas.DecodeAhead(std::chrono::seconds(10))) << "both decoded";

  // Decoded ahead, they draw though their files are gone; one loaded since is not decoded yet.
  const auto late = canvas.LoadPng(RedPng(folder, "late.png", 0xFF));
  ASSERT_TRUE(late);
  for (const char* name : {"first.png", "second.png", "late.png"})
    std::filesystem::remove(folder.Path() / name);
  EXPECT_EQ(DrawOverBlack(*first, {0, 0, 8, 8}, 1, 4, 4), 0xFFFF0000u);
  EXPECT_EQ(DrawOverBlack(*second, {0, 0, 8, 8}, 1, 4, 4), 0xFFFF0000u);
  EXPECT_EQ(DrawOverBlack(*late, {0, 0, 8, 8}, 1, 4, 4), 0xFF000000u);
}

}  // namespace
}  // namespace quenlit::platform
