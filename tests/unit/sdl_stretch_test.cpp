// Stretched pictures on the software canvas: the stretched copy kept between frames shows the
// same picture at every size and opacity it is asked for.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/display/game_fonts.h"
#include "platform/sdl/software_canvas.h"
#include "platform/sdl/surface_bitmap.h"

namespace quenlit::platform {
namespace {

TEST(SoftwareStretch, KeptCopiesFollowEachDrawsSizePositionAndOpacity) {
  FontLocator fonts = MakeGameFontLocator();
  SoftwareCanvas canvas{120, 120, fonts};
  // A 4 x 4 picture: red on the left half, blue on the right.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 4, 4, 32, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < 4; ++y) {
    auto* row =
        reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < 4; ++x) row[x] = x < 2 ? 0xFFFF0000u : 0xFF0000FFu;
  }
  const SurfaceBitmap picture(4, 4, surface, true, {}, std::make_shared<TextureGraveyard>());

  struct Draw {
    RectF destination;
    float opacity;
    int x, y;      // a pixel well inside the left half
    uint32_t red;  // its expected red, give or take one
    int rightX;    // a pixel well inside the right half
  };
  const Draw draws[] = {
      {{10, 10, 50, 50}, 1.0f, 15, 30, 0xFF, 45},
      {{60, 60, 80, 80}, 0.5f, 62, 70, 0x80, 78},
      {{10, 10, 50, 50}, 1.0f, 15, 30, 0xFF, 45},  // the first size again, from its kept copy
  };
  for (const Draw& d : draws) {
    canvas.BeginDraw();
    canvas.Clear(0x000000);
    canvas.DrawBitmap(picture, d.destination, {0, 0, 4, 4}, d.opacity);
    canvas.EndDraw();
    const uint32_t left = canvas.PixelAt(d.x, d.y), right = canvas.PixelAt(d.rightX, d.y);
    EXPECT_NEAR(static_cast<int>((left >> 16) & 0xFF), static_cast<int>(d.red), 1);
    EXPECT_EQ(left & 0xFF, 0u);
    EXPECT_NEAR(static_cast<int>(right & 0xFF), static_cast<int>(d.red), 1);
    // Nothing outside the destination.
    EXPECT_EQ(canvas.PixelAt(static_cast<int>(d.destination.left) - 2, d.y) & 0xFFFFFF, 0u);
    EXPECT_EQ(canvas.PixelAt(static_cast<int>(d.destination.right) + 1, d.y) & 0xFFFFFF, 0u);
  }
}

}  // namespace
}  // namespace quenlit::platform
