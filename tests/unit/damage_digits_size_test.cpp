// The cost of each fight on the map stays legible at every window size: its digits are 12
// units high at the scene's own size, and never under 10 pixels when a window smaller than the
// scene shrinks it.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/display/game_fonts.h"
#include "platform/sdl/software_canvas.h"
#include "ui/screens.h"
#include "world.h"

namespace quenlit::test {
namespace {

// The height in pixels of the red ink (a fight the hero cannot win reads "???" in red) drawn
// for a monster in the middle of the floor, in an output of the given size.
int RedInkHeight(int width, int height) {
  platform::FontLocator fonts = MakeGameFontLocator();
  platform::SoftwareCanvas canvas(width, height, fonts);
  canvas.FitScene({981, 621, 0});
  World world(&canvas);
  world.SetCell(7, 7, 1);  // a monster the empty table knows nothing of: "???"
  canvas.BeginDraw();
  canvas.Clear(0);
  ui::DrawDamageNumbers(world.game);
  canvas.EndDraw();
  int top = height, bottom = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t pixel = canvas.PixelAt(x, y);
      const int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF;
      if (red > 128 && green < 128) top = std::min(top, y), bottom = y;
    }
  }
  return bottom - top + 1;
}

TEST(DamageDigits, StayLegibleInASmallWindow) {
  const int ownSize = RedInkHeight(981, 621);
  // "?" rises to the digits' height: about seven tenths of the text's size.
  EXPECT_GE(ownSize, 8) << "12 units at the scene's own size";
  EXPECT_LE(ownSize, 10);
  // At 0.59 times, 12 units would be 7 pixels and their ink 5; 10 pixels keep 7 of ink.
  EXPECT_GE(RedInkHeight(580, 367), 7);
  // Twice the size: twice the ink.
  EXPECT_NEAR(RedInkHeight(1962, 1242), 2 * ownSize, 2);
}

}  // namespace
}  // namespace quenlit::test
