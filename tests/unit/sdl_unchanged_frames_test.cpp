// A canvas that skips unchanged frames draws and shows a frame only when its calls differ from
// those of the frame on show, or when the output lost what it showed; what it shows is the same
// as a canvas that draws every call at once.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <functional>

#include "app/display/game_fonts.h"
#include "platform/sdl/installed_fonts.h"
#include "platform/sdl/software_canvas.h"
#include "platform/sdl/window_canvas.h"
#include "temp_folder.h"

namespace quenlit::platform {
namespace {

// A 16 x 16 PNG file: opaque red in its left half, half-transparent blue in its right half.
std::string TwoColourPng(const test::WorkingFolder& folder, const std::string& name) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 16, 16, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_FillRect(surface, nullptr, 0xFFFF0000u);
  const SDL_Rect right{8, 0, 8, 16};
  SDL_FillRect(surface, &right, 0x800000FFu);
  const std::string path = (folder.Path() / name).string();
  IMG_SavePNG(surface, path.c_str());
  SDL_FreeSurface(surface);
  return path;
}

// What a frame draws, told by the parts that may change between two frames.
struct Frame {
  uint32_t clearRgb = 0x102030;
  const Bitmap* picture = nullptr;
  RectF place{10, 10, 42, 42};
  float opacity = 1;
  std::string text = "Loading 50%";
  Colour textColour{0xFFFFFF, 1};
  float stroke = 2;
};

void Draw(Canvas& canvas, const Frame& frame) {
  canvas.BeginDraw();
  canvas.Clear(frame.clearRgb);
  if (frame.picture) canvas.DrawBitmap(*frame.picture, frame.place, {0, 0, 16, 16}, frame.opacity);
  canvas.DrawText("微软雅黑", 14, {50, 60, 200, 90}, frame.text, frame.textColour, false);
  canvas.DrawRectangle({5, 5, 100, 100}, frame.stroke, {0x0099CC, 1});
  canvas.EndDraw();
}

bool SamePixels(const SoftwareCanvas& a, const SoftwareCanvas& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.PixelAt(x, y) != b.PixelAt(x, y)) return false;
  return true;
}

class UnchangedFrames : public testing::Test {
 protected:
  UnchangedFrames() { skipping.SkipUnchangedFrames(true); }

  test::WorkingFolder folder;
  FontLocator fonts = MakeGameFontLocator();
  SoftwareCanvas skipping{240, 120, fonts};
  SoftwareCanvas drawing{240, 120, fonts};  // draws every call at once
};

TEST_F(UnchangedFrames, AFrameLikeTheOneOnShowIsNeitherDrawnNorShown) {
  const auto picture = skipping.LoadPng(TwoColourPng(folder, "two.png"));
  ASSERT_TRUE(picture);
  const Frame frame{.picture = picture.get()};
  Draw(skipping, frame);
  EXPECT_EQ(skipping.FramesShown(), 1u);
  for (int i = 0; i < 5; ++i) Draw(skipping, frame);
  EXPECT_EQ(skipping.FramesShown(), 1u) << "the same calls again";
  EXPECT_EQ(skipping.PixelAt(12, 20), 0xFFFF0000u) << "the picture on show stays";

  skipping.Repaint();
  Draw(skipping, frame);
  EXPECT_EQ(skipping.FramesShown(), 2u) << "a lost output is drawn again";
  Draw(skipping, frame);
  EXPECT_EQ(skipping.FramesShown(), 2u);
}

TEST_F(UnchangedFrames, AnyChangeOfACallDrawsTheFrameAsTheDirectCanvasDoes) {
  // Its texts are drawn with the machine's Chinese sans, there being no game folder.
  if (!FindInstalledChineseSans())
    GTEST_SKIP() << "this machine has no Chinese sans installed to draw the texts with";
  const auto picture = skipping.LoadPng(TwoColourPng(folder, "two.png"));
  const auto other = skipping.LoadPng(TwoColourPng(folder, "other.png"));
  const auto drawnPicture = drawing.LoadPng(TwoColourPng(folder, "two.png"));
  const auto drawnOther = drawing.LoadPng(TwoColourPng(folder, "other.png"));
  ASSERT_TRUE(picture && other && drawnPicture && drawnOther);
  const Frame base{.picture = picture.get()};
  const std::pair<const char*, std::function<void(Frame&)>> changes[] = {
      {"clear colour", [](Frame& f) { f.clearRgb = 0x405060; }},
      {"another picture", [&](Frame& f) { f.picture = other.get(); }},
      {"picture moved",
       [](Frame& f) {
         f.place = {11, 10, 43, 42};
       }},
      {"picture stretched",
       [](Frame& f) {
         f.place = {10, 10, 74, 42};
       }},
      {"picture faded", [](Frame& f) { f.opacity = 0.5f; }},
      {"text", [](Frame& f) { f.text = "Loading 51%"; }},
      {"text colour",
       [](Frame& f) {
         f.textColour = {0xFFFF00, 1};
       }},
      {"text opacity",
       [](Frame& f) {
         f.textColour = {0xFFFFFF, 0.4f};
       }},
      {"outline", [](Frame& f) { f.stroke = 3; }},
  };
  for (const auto& [what, change] : changes) {
    Frame changed = base;
    change(changed);
    Draw(skipping, base);
    const size_t shown = skipping.FramesShown();
    Draw(skipping, changed);
    EXPECT_EQ(skipping.FramesShown(), shown + 1) << what;

    // The same frame straight on the other canvas, with its own copies of the pictures.
    Frame direct = changed;
    direct.picture = changed.picture == other.get() ? drawnOther.get() : drawnPicture.get();
    Draw(drawing, direct);
    EXPECT_TRUE(SamePixels(skipping, drawing)) << what;
  }
}

TEST_F(UnchangedFrames, AFittedSceneLooksTheSameDrawnAtOnceOrAtTheEnd) {
  const auto picture = skipping.LoadPng(TwoColourPng(folder, "two.png"));
  const auto drawnPicture = drawing.LoadPng(TwoColourPng(folder, "two.png"));
  for (SoftwareCanvas* canvas : {&skipping, &drawing}) canvas->FitScene({120, 80, 0x202020});
  Draw(skipping, {.picture = picture.get(), .place = {10, 10, 74, 58}, .opacity = 0.7f});
  Draw(drawing, {.picture = drawnPicture.get(), .place = {10, 10, 74, 58}, .opacity = 0.7f});
  EXPECT_TRUE(SamePixels(skipping, drawing));
}

// The game window, on SDL's video driver that shows nothing.
class WindowFrames : public testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window = SDL_CreateWindow("Quenlit", 0, 0, 200, 100, SDL_WINDOW_HIDDEN);
    ASSERT_TRUE(window) << SDL_GetError();
    canvas = CreateWindowCanvas(window, {false, false}, fonts);
    ASSERT_TRUE(canvas) << SDL_GetError();
  }
  void TearDown() override {
    canvas.reset();
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  void Push(Uint32 windowId, SDL_WindowEventID what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = windowId;
    event.window.event = what;
    SDL_PushEvent(&event);
  }

  FontLocator fonts = MakeGameFontLocator();
  SDL_Window* window = nullptr;
  std::unique_ptr<RendererCanvas> canvas;
};

TEST_F(WindowFrames, TheWindowShowsItsFrameAgainOnlyWhenItLostIt) {
  const Frame frame;
  Draw(*canvas, frame);
  Draw(*canvas, frame);
  ASSERT_EQ(canvas->FramesShown(), 1u) << "a window skips unchanged frames";

  Push(SDL_GetWindowID(window) + 1, SDL_WINDOWEVENT_EXPOSED);
  Draw(*canvas, frame);
  EXPECT_EQ(canvas->FramesShown(), 1u) << "another window's event";
  Push(SDL_GetWindowID(window), SDL_WINDOWEVENT_MOVED);
  Draw(*canvas, frame);
  EXPECT_EQ(canvas->FramesShown(), 1u) << "moved, the window keeps its pixels";

  for (const SDL_WindowEventID lost : {SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_SHOWN,
                                       SDL_WINDOWEVENT_RESTORED, SDL_WINDOWEVENT_SIZE_CHANGED}) {
    const size_t shown = canvas->FramesShown();
    Push(SDL_GetWindowID(window), lost);
    Draw(*canvas, frame);
    EXPECT_EQ(canvas->FramesShown(), shown + 1) << "window event " << lost;
  }
  const size_t shown = canvas->FramesShown();
  SDL_Event reset{};
  reset.type = SDL_RENDER_TARGETS_RESET;
  SDL_PushEvent(&reset);
  Draw(*canvas, frame);
  EXPECT_EQ(canvas->FramesShown(), shown + 1) << "the renderer lost its textures";
}

}  // namespace
}  // namespace quenlit::platform
