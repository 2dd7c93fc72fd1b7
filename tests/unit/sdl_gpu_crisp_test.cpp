// Crisp pixel art on a graphics processor: a fitted scene's pixel-art picture is drawn from a
// copy enlarged by whole pixels, so that the processor's linear filter blends only where the
// picture's pixels meet, as the software stretch does; without crisp it blurs every edge.
// The processor is Mesa's, reached through SDL's window-less "offscreen" video driver.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/display/game_fonts.h"
#include "platform/sdl/renderer_canvas.h"
#include "png_bytes.h"

namespace quenlit::platform {
namespace {

// An 8 x 8 chequer of black and white pixels, the hardest case for a stretch.
std::string Chequer() {
  return test::PngOf(8, 8, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u; });
}

constexpr int kOutput = 14;  // the 8-unit scene at 1.75 times

// The greys of the chequer drawn as a fitted scene on a graphics processor, row after row;
// empty when this machine has no processor renderer to draw with.
std::vector<int> DrawnOnProcessor(bool crisp) {
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_OVERRIDE);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return {};
  std::vector<int> greys;
  SDL_Window* window =
      SDL_CreateWindow("crisp", 0, 0, kOutput, kOutput, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
  SDL_Renderer* renderer =
      window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE)
             : nullptr;
  SDL_RendererInfo info{};
  if (renderer && SDL_GetRendererInfo(renderer, &info) == 0 &&
      (info.flags & SDL_RENDERER_SOFTWARE) == 0) {
    // The offscreen driver's window shows nothing that can be read back: the canvas draws into
    // a texture instead.
    SDL_Texture* target = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                            SDL_TEXTUREACCESS_TARGET, kOutput, kOutput);
    FontLocator fonts = MakeGameFontLocator();
    SDL_Renderer* drawing = renderer;
    RendererCanvas canvas(renderer, 8, 8, fonts);  // owns the renderer from here on
    renderer = nullptr;
    if (target && SDL_SetRenderTarget(drawing, target) == 0) {
      canvas.FitScene({8, 8, 0, crisp});
      const std::string png = Chequer();
      const auto picture =
          canvas.DecodePng(reinterpret_cast<const uint8_t*>(png.data()), png.size());
      canvas.BeginDraw();
      canvas.Clear(0x808080);
      canvas.DrawBitmap(*picture, {0, 0, 8, 8}, {0, 0, 8, 8}, 1.0f);
      std::vector<uint32_t> pixels(kOutput * kOutput);
      if (SDL_RenderReadPixels(drawing, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                               kOutput * 4) == 0) {
        for (const uint32_t pixel : pixels) greys.push_back((pixel >> 8) & 0xFF);
      }
      canvas.EndDraw();
    }
  }
  if (renderer) SDL_DestroyRenderer(renderer);
  if (window) SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return greys;
}

int Blended(const std::vector<int>& greys) {
  int count = 0;
  for (const int grey : greys) count += grey > 8 && grey < 247;
  return count;
}

TEST(ProcessorCrispness, PixelArtBlendsOnlyWherePixelsMeet) {
  const std::vector<int> linear = DrawnOnProcessor(false);
  const std::vector<int> crisp = DrawnOnProcessor(true);
  if (linear.empty() || crisp.empty()) GTEST_SKIP() << "no graphics processor renderer here";
  // At 1.75 times, a linear stretch blends nearly every pixel of a chequer. Crisp, the 8 pixels
  // of a row meet at 7 edges, each at most one blended pixel wide: of each row of 14, at most 7
  // columns blend, and so at most 7 of every 14 rows; at least a quarter stay pure.
  EXPECT_GT(Blended(linear), kOutput * kOutput * 3 / 4);
  EXPECT_LE(Blended(crisp), kOutput * kOutput * 3 / 4);
  EXPECT_LT(Blended(crisp), Blended(linear) * 3 / 4);
  // The corners keep their colours: black at the top left, black at the bottom right.
  EXPECT_LT(crisp.front(), 8);
  EXPECT_LT(crisp.back(), 8);
}

}  // namespace
}  // namespace quenlit::platform
