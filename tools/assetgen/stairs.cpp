// The stairs, drawn so that up and down cannot be mistaken: the way up is a flight of light
// steps climbing to the right under a gold arrow pointing up; the way down is a dark stairwell
// sinking into the ground under a pale blue arrow pointing down.
#include "painters.h"
#include "palette.h"
#include "pixel_ops.h"

namespace quenlit::assetgen {
namespace {

// An arrow five pixels wide at the given column, pointing up or down from its top row.
void Arrow(cairo_t* cr, int x, int top, bool up, uint32_t body, uint32_t light) {
  for (int i = 0; i < 4; ++i) {
    const int y = up ? top + i : top + 9 - i;
    Px(cr, x + 2 - i, y, 1 + 2 * i, 1, body);
  }
  Px(cr, x, up ? top + 4 : top, 3, 6, body);
  Px(cr, x, up ? top + 4 : top, 1, 6, light);
  Px(cr, x + 2, up ? top : top + 9, 1, 1, light);
}

Picture DrawUpstairs() {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  // Five steps rising to the right, each higher one lighter, as if lit from the floor above.
  for (int i = 0; i < 5; ++i) {
    const int left = 6 + 4 * i, top = 25 - 5 * i;
    const uint32_t face = Mix(colour::kStoneLight, colour::kParchment, 0.25 + 0.17 * i);
    Px(cr, left, top, 28 - left, 29 - top, face);
    Px(cr, left, top, 28 - left, 1, colour::kWhite);
    Px(cr, left, top + 4, 28 - left, 1, Mix(face, colour::kInk, 0.35));
  }
  Arrow(cr, 6, 3, true, colour::kGold, colour::kGoldLight);
  AddOutline(tile, colour::kInk);
  return tile;
}

Picture DrawDownstairs() {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  // The stairwell: a stone rim around steps that grow darker the deeper they go.
  Px(cr, 3, 12, 26, 18, colour::kStone);
  Px(cr, 3, 12, 26, 1, colour::kStoneLight);
  for (int i = 0; i < 5; ++i) {
    const int top = 14 + 3 * i, left = 5 + 3 * i;
    const uint32_t face = Mix(colour::kStoneLight, colour::kStoneDark, 0.2 * i);
    Px(cr, left, top, 27 - left, 3, face);
    Px(cr, left, top, 27 - left, 1, Mix(face, colour::kWhite, 0.3));
  }
  Arrow(cr, 21, 1, false, colour::kBlueLight, colour::kWhite);
  AddOutline(tile, colour::kInk);
  return tile;
}

}  // namespace

void AddStairs(PainterTable& table) {
  table["upstairs"] = [](const TileSheet&, int width, int height) {
    return Enlarge(DrawUpstairs(), width, height);
  };
  table["downstairs"] = [](const TileSheet&, int width, int height) {
    return Enlarge(DrawDownstairs(), width, height);
  };
}

}  // namespace quenlit::assetgen
