#include "slimes.h"

#include <numbers>

#include "palette.h"
#include "pixel_ops.h"

namespace quenlit::assetgen {

// A jelly dome sitting on the floor, lit from the top left, with two eyes that look at the
// hero: a slime at a glance, never a puddle.
Picture DrawSlime(const SlimeColours& c, bool large) {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  const double left = large ? 2 : 5, right = large ? 30 : 27, top = large ? 7 : 11, base = 28;
  const double middle = (left + right) / 2;
  cairo_move_to(cr, left, base);
  cairo_curve_to(cr, left - 1, top + 6, middle - 7, top, middle, top);
  cairo_curve_to(cr, middle + 7, top, right + 1, top + 6, right, base);
  cairo_close_path(cr);
  SetColour(cr, c.body);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  Px(cr, 0, base - 4, kTile, 4, c.dark);  // the shaded underside
  SetColour(cr, c.light);
  cairo_arc(cr, middle - 5, top + 5, large ? 3.5 : 2.5, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  cairo_restore(cr);
  Px(cr, middle - 6, top + 3, 2, 2, colour::kWhite);
  const double eyes = base - (large ? 11 : 9);
  for (double x : {middle - 4, middle + 2}) {
    Px(cr, x, eyes, 2, 3, colour::kInk);
    Px(cr, x, eyes, 1, 1, colour::kWhite);
  }
  Px(cr, middle - 2, eyes + 5, 4, 1, c.dark);  // the mouth
  AddOutline(tile, colour::kInk);
  return tile;
}

}  // namespace quenlit::assetgen
