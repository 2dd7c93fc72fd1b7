// The canvas's own blend of pictures over the frame: SDL's pixels to the bit, wherever it is
// used, and SDL left to blend wherever it would give other pixels.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/display/game_fonts.h"
#include "platform/sdl/pixel_blend.h"
#include "platform/sdl/scene_fit.h"
#include "platform/sdl/software_canvas.h"
#include "platform/sdl/window_canvas.h"
#include "png_bytes.h"

namespace quenlit::platform {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr MakeSurface(int width, int height, Uint32 format) {
  return {SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, format), &SDL_FreeSurface};
}

uint32_t* Row(SDL_Surface* surface, int y) {
  return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
}

std::vector<uint32_t> PixelsOf(SDL_Surface* surface) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < surface->h; ++y)
    pixels.insert(pixels.end(), Row(surface, y), Row(surface, y) + surface->w);
  return pixels;
}

// The processors whose blend in SDL the canvas's arithmetic is.
#if defined(__x86_64__) || defined(__i386__)
constexpr bool kBlendsOnX86 = true;
#else
constexpr bool kBlendsOnX86 = false;
#endif

// The game draws into ARGB surfaces (pictures, tests) and into XRGB windows; on x86 both take
// SDL's blend that the canvas matches. SDL blends into an ABGR surface another way: the canvas
// must see that and leave it to SDL.
TEST(PixelBlend, KnowsWhichFramesItBlendsLikeSdl) {
  if (kBlendsOnX86) {
    EXPECT_TRUE(BlendsLikeSdl(SDL_PIXELFORMAT_ARGB8888));
    EXPECT_TRUE(BlendsLikeSdl(SDL_PIXELFORMAT_RGB888));
  }
  EXPECT_FALSE(BlendsLikeSdl(SDL_PIXELFORMAT_ABGR8888));
  EXPECT_FALSE(BlendsLikeSdl(SDL_PIXELFORMAT_RGB565)) << "not 32 bits a pixel";
}

// Every alpha over every pair of channel values, in rows whose lengths leave every tail after
// the wider steps, against SDL's blit of the same pixels: every way of drawing (a copy, a
// blend at the picture's own alpha, blends at opacities), into frames with and without alpha,
// with every step this processor takes.
TEST(PixelBlend, EveryAlphaOverEveryPairOfValuesGivesSdlsPixels) {
  if (!kBlendsOnX86) GTEST_SKIP() << "SDL blends in another way off x86";
  constexpr int kSide = 256, kTails = 8;
  const auto length = [](int row) { return kSide + row % kTails; };
  std::vector<BlendSteps> stepsHere;
  for (int steps = 0; steps <= static_cast<int>(WidestBlendSteps()); ++steps)
    stepsHere.push_back(static_cast<BlendSteps>(steps));
  struct Way {
    Uint8 opacity;
    bool opaque;
  };
  const Way ways[] = {{255, true}, {255, false}, {254, false}, {128, false}, {1, false}};
  const SurfacePtr source = MakeSurface(kSide + kTails, kSide, SDL_PIXELFORMAT_ARGB8888);
  for (const Uint32 format : {SDL_PIXELFORMAT_ARGB8888, SDL_PIXELFORMAT_RGB888}) {
    const SurfacePtr frame = MakeSurface(kSide + kTails, kSide, format);
    for (const Way& way : ways) {
      SDL_SetSurfaceBlendMode(source.get(), way.opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
      SDL_SetSurfaceAlphaMod(source.get(), way.opacity);
      const Blend blend{way.opacity, way.opaque, format == SDL_PIXELFORMAT_ARGB8888};
      for (uint32_t alpha = 0; alpha < 256; ++alpha) {
        for (int y = 0; y < kSide; ++y) {
          for (int x = 0; x < kSide + kTails; ++x) {
            const uint32_t s = static_cast<uint32_t>(x) & 0xFF, d = static_cast<uint32_t>(y);
            Row(source.get(), y)[x] = alpha << 24 | s << 16 | d << 8 | (255 - s);
            Row(frame.get(), y)[x] = (s ^ d) << 24 | d << 16 | s << 8 | (255 - d);
          }
        }
        std::vector<std::vector<uint32_t>> ours(stepsHere.size(), PixelsOf(frame.get()));
        const std::vector<uint32_t> theirs = PixelsOf(source.get());
        for (size_t steps = 0; steps < stepsHere.size(); ++steps)
          for (int y = 0; y < kSide; ++y) {
            const size_t at = static_cast<size_t>(y) * (kSide + kTails);
            BlendRow(theirs.data() + at, ours[steps].data() + at, length(y), blend,
                     stepsHere[steps]);
          }
        for (int y = 0; y < kSide; ++y) {
          SDL_Rect part{0, y, length(y), 1}, to{0, y, 0, 0};
          SDL_BlitSurface(source.get(), &part, frame.get(), &to);
        }
        const std::vector<uint32_t> sdl = PixelsOf(frame.get());
        for (size_t steps = 0; steps < stepsHere.size(); ++steps)
          for (size_t i = 0; i < sdl.size(); ++i)
            ASSERT_EQ(ours[steps][i], sdl[i])
                << SDL_GetPixelFormatName(format) << ", opacity " << int{way.opacity}
                << (way.opaque ? " copied" : "") << ", alpha " << alpha << ", pixel " << i
                << ", steps " << static_cast<int>(stepsHere[steps]);
      }
    }
  }
}

// A picture partly outside the frame or the clip blends just the pixels SDL's blit reaches.
TEST(PixelBlend, APicturePartlyOutsideBlendsWhatSdlWouldReach) {
  if (!kBlendsOnX86) GTEST_SKIP() << "SDL blends in another way off x86";
  struct Case {
    int x, y;
    SDL_Rect clip;
  };
  const Case cases[] = {
      {5, 7, {0, 0, 40, 30}},     // inside
      {-6, -4, {0, 0, 40, 30}},   // over the top-left corner
      {30, 25, {0, 0, 40, 30}},   // over the bottom-right corner
      {3, 2, {10, 8, 15, 12}},    // cut by the clip on every side
      {-20, 40, {0, 0, 40, 30}},  // wholly outside
      {12, 10, {20, 20, 0, 0}},   // an empty clip
  };
  const SurfacePtr picture = MakeSurface(17, 13, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 17; ++x)
      Row(picture.get(), y)[x] =
          static_cast<uint32_t>(x * 15) << 24 | (0x30A0F0u + static_cast<uint32_t>(y));
  SDL_SetSurfaceBlendMode(picture.get(), SDL_BLENDMODE_BLEND);
  for (const Case& c : cases) {
    const SurfacePtr ours = MakeSurface(40, 30, SDL_PIXELFORMAT_RGB888);
    const SurfacePtr sdl = MakeSurface(40, 30, SDL_PIXELFORMAT_RGB888);
    SDL_FillRect(ours.get(), nullptr, 0x204060);
    SDL_FillRect(sdl.get(), nullptr, 0x204060);
    BlendSurface(picture.get(), ours.get(), c.x, c.y, c.clip, 255, false);
    SDL_SetClipRect(sdl.get(), &c.clip);
    SDL_Rect to{c.x, c.y, 0, 0};
    SDL_BlitSurface(picture.get(), nullptr, sdl.get(), &to);
    EXPECT_EQ(PixelsOf(ours.get()), PixelsOf(sdl.get())) << "at " << c.x << ", " << c.y;
  }
}

// A software canvas that cannot reach its pixels, so that SDL blends every picture.
class SdlBlendingCanvas : public SoftwareCanvas {
 public:
  using SoftwareCanvas::SoftwareCanvas;

 protected:
  SDL_Surface* DrawnSurface() const override { return nullptr; }
};

constexpr int kWidth = 300, kHeight = 200;

// Four frames of faded, stretched and partly hidden pictures over a band and text, at whole
// and fractional places; the last frames draw from the copies the first ones kept.
void DrawFrames(RendererCanvas& canvas, bool fitted) {
  if (fitted) canvas.FitScene({250, 180, 0x101010});
  const std::string png = test::PngOf(64, 48, [](int x, int y) {
    return static_cast<uint32_t>((x * 4 + y) % 256) << 24 | static_cast<uint32_t>(x * 3) << 16 |
           static_cast<uint32_t>(y * 5) << 8 | 0x80u;
  });
  const std::string opaquePng = test::PngOf(40, 40, [](int x, int y) {
    return 0xFF000000u | static_cast<uint32_t>(x * 6) << 16 | static_cast<uint32_t>(y * 6);
  });
  const auto* bytes = reinterpret_cast<const uint8_t*>(png.data());
  // One picture keeps its opacity, and is blended from a faded copy after its first frame;
  // the other changes opacity from draw to draw; an opaque one, like the curtain, is copied
  // at full opacity and blended at the others.
  const auto steady = canvas.DecodePng(bytes, png.size());
  const auto changing = canvas.DecodePng(bytes, png.size());
  const auto curtain =
      canvas.DecodePng(reinterpret_cast<const uint8_t*>(opaquePng.data()), opaquePng.size());
  ASSERT_TRUE(steady && changing && curtain);
  for (int frame = 0; frame < 4; ++frame) {
    canvas.BeginDraw();
    canvas.Clear(0x336699);
    canvas.DrawRectangle({20, 20, 200, 150}, 6, {0xFFCC00, 0.8f});
    canvas.DrawText("微软雅黑", 18, {10, 10, 240, 40}, "暂停 pause", {0xFFFFFF, 1}, false);
    canvas.DrawBitmap(*steady, {-10.5f, -7.25f, 130, 90}, {0, 0, 64, 48}, 0.6f);
    canvas.DrawBitmap(*changing, {200.7f, 140.6f, 290.7f, 220.6f}, {8, 4, 56, 40}, 1);
    canvas.DrawBitmap(*changing, {40.4f, 60.6f, 104.4f, 108.6f}, {0, 0, 64, 48}, 0.25f);
    const float curtainOpacity[] = {0.3f, 1, 0.55f, 0};
    canvas.DrawBitmap(*curtain, {150.2f, 30.7f, 240.2f, 120.7f}, {0, 0, 40, 40},
                      curtainOpacity[frame]);
    canvas.EndDraw();
  }
}

TEST(PixelBlend, ACanvasBlendingItselfDrawsSdlsFrames) {
  FontLocator fonts = MakeGameFontLocator();
  for (const bool fitted : {false, true}) {
    SoftwareCanvas own(kWidth, kHeight, fonts);
    SdlBlendingCanvas sdl(kWidth, kHeight, fonts);
    DrawFrames(own, fitted);
    DrawFrames(sdl, fitted);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) differing += own.PixelAt(x, y) != sdl.PixelAt(x, y);
    EXPECT_EQ(differing, 0) << (fitted ? "fitted" : "at the canvas's own size");
  }
}

// A window's renderer holds draws back until it must draw them: the canvas has them drawn
// before it blends over them itself. Compared with a window whose canvas leaves blending to SDL.
class SdlBlendingWindowCanvas : public RendererCanvas {
 public:
  SdlBlendingWindowCanvas(SDL_Window* window, FontLocator& fonts)
      : RendererCanvas(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE), kWidth, kHeight,
                       fonts) {
    SkipUnchangedFrames(true);
  }

 protected:
  SDL_Surface* DrawnSurface() const override { return nullptr; }
};

TEST(PixelBlend, AWindowBlendingItselfDrawsSdlsFrames) {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  FontLocator fonts = MakeGameFontLocator();
  SDL_Window* windows[2] = {SDL_CreateWindow("Quenlit", 0, 0, kWidth, kHeight, SDL_WINDOW_HIDDEN),
                            SDL_CreateWindow("Quenlit", 0, 0, kWidth, kHeight, SDL_WINDOW_HIDDEN)};
  ASSERT_TRUE(windows[0] && windows[1]) << SDL_GetError();
  {
    std::unique_ptr<RendererCanvas> own = CreateWindowCanvas(windows[0], {false, false}, fonts);
    ASSERT_TRUE(own) << SDL_GetError();
    SdlBlendingWindowCanvas sdl(windows[1], fonts);
    DrawFrames(*own, true);
    DrawFrames(sdl, true);
    SDL_Surface* ownPixels = SDL_GetWindowSurface(windows[0]);
    SDL_Surface* sdlPixels = SDL_GetWindowSurface(windows[1]);
    ASSERT_TRUE(ownPixels && sdlPixels);
    ASSERT_EQ(ownPixels->format->format, sdlPixels->format->format);
    EXPECT_EQ(PixelsOf(ownPixels), PixelsOf(sdlPixels));
  }
  for (SDL_Window* window : windows) SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
}  // namespace quenlit::platform
