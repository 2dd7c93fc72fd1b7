// Items the tile sheet lacks or draws too small, drawn in its style: the four keys, the iron
// and silver swords, the round shield, the holy cross, the snow crystal and the starry sky. Pixel
// art on the 32 x 32 grid with an ink outline.
#include <cmath>
#include <numbers>

#include "painters.h"
#include "palette.h"
#include "pixel_ops.h"

namespace quenlit::assetgen {
namespace {

struct KeyColours {
  uint32_t body;
  uint32_t light;
  uint32_t dark;
  uint32_t gem;  // 0: none
};

// A key lying diagonally: a round bow at the top left, the shaft, two teeth at the bottom right.
Picture DrawKey(const KeyColours& c) {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_translate(cr, 16, 16);
  cairo_rotate(cr, std::numbers::pi / 4);
  SetColour(cr, c.body);
  cairo_arc(cr, 0, -8, 6.5, 0, 2 * std::numbers::pi);  // bow
  cairo_fill(cr);
  cairo_rectangle(cr, -1.5, -2, 3.5, 15);  // shaft
  cairo_fill(cr);
  cairo_rectangle(cr, 2, 6, 4, 2.5);  // teeth
  cairo_rectangle(cr, 2, 10, 5, 2.5);
  cairo_fill(cr);
  SetColour(cr, c.light);
  cairo_rectangle(cr, -1.5, -1, 1.2, 13);
  cairo_fill(cr);
  cairo_arc(cr, -2, -10, 2, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  SetColour(cr, c.dark);
  cairo_arc(cr, 0, -8, 2.6, 0, 2 * std::numbers::pi);  // hole in the bow
  cairo_fill(cr);
  if (c.gem) {
    SetColour(cr, c.gem);
    cairo_rectangle(cr, -2, 0, 4, 4);
    cairo_fill(cr);
  }
  cairo_identity_matrix(cr);
  // The hole shows through.
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_translate(cr, 16, 16);
  cairo_rotate(cr, std::numbers::pi / 4);
  cairo_arc(cr, 0, -8, 1.6, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  AddOutline(tile, colour::kInk);
  return tile;
}

Picture DrawCross() {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetColour(cr, colour::kGold);
  cairo_rectangle(cr, 14, 4, 5, 25);
  cairo_rectangle(cr, 7, 10, 19, 5);
  cairo_fill(cr);
  SetColour(cr, colour::kGoldLight);
  cairo_rectangle(cr, 14, 4, 2, 25);
  cairo_rectangle(cr, 7, 10, 19, 2);
  cairo_fill(cr);
  SetColour(cr, colour::kRed);
  cairo_rectangle(cr, 15, 11, 3, 3);
  cairo_fill(cr);
  AddOutline(tile, colour::kInk);
  return tile;
}

// A six-armed snow crystal in ice blue.
Picture DrawSnow() {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_translate(cr, 16, 16);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int arm = 0; arm < 6; ++arm) {
    cairo_save(cr);
    cairo_rotate(cr, arm * std::numbers::pi / 3);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, -12);
    cairo_move_to(cr, 0, -7);
    cairo_line_to(cr, -4, -10);
    cairo_move_to(cr, 0, -7);
    cairo_line_to(cr, 4, -10);
    SetColour(cr, colour::kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    SetColour(cr, colour::kBlueLight);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  SetColour(cr, colour::kWhite);
  cairo_arc(cr, 0, 0, 2.5, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  return tile;
}

// Night sky: deep blue with a few fixed stars.
Picture DrawStar() {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  SetColour(cr, 0x0c0a24);
  cairo_paint(cr);
  const int stars[][3] = {{5, 6, 1},   {20, 4, 2}, {27, 15, 1}, {11, 18, 2},
                          {24, 26, 1}, {4, 27, 1}, {16, 11, 1}};
  for (const auto& s : stars) {
    SetColour(cr, s[2] == 2 ? colour::kGoldLight : colour::kWhite);
    cairo_rectangle(cr, s[0], s[1], 1, 1);
    cairo_fill(cr);
    if (s[2] == 2) {
      SetColour(cr, colour::kGoldLight, 0.5);
      cairo_rectangle(cr, s[0] - 1, s[1], 3, 1);
      cairo_rectangle(cr, s[0], s[1] - 1, 1, 3);
      cairo_fill(cr);
    }
  }
  return tile;
}

struct SwordColours {
  uint32_t blade;
  uint32_t edge;
  uint32_t guard;
  uint32_t grip;
};

// A sword long enough to read at a glance: a bright blade from the bottom left to the top
// right, a guard and a grip.
Picture DrawSword(const SwordColours& c) {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  for (int i = 0; i < 17; ++i) {  // the blade, one diagonal step a pixel
    Px(cr, 10 + i, 20 - i, 3, 2, c.blade);
    Px(cr, 10 + i, 20 - i, 1, 1, c.edge);
  }
  Px(cr, 27, 3, 2, 2, c.edge);                                         // the point
  for (int i = -3; i <= 3; ++i) Px(cr, 9 + i, 19 + i, 2, 2, c.guard);  // the guard
  Px(cr, 6, 16, 1, 1, colour::kWhite);
  for (int i = 0; i < 4; ++i) Px(cr, 7 - i, 23 + i, 2, 2, c.grip);  // the grip
  Px(cr, 2, 27, 3, 3, c.guard);                                     // the pommel
  AddOutline(tile, colour::kInk);
  return tile;
}

// The round wooden shield: planks inside an iron rim, with a bright iron boss.
Picture DrawRoundShield() {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetColour(cr, colour::kSilver);
  cairo_arc(cr, 16, 16, 13, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  SetColour(cr, colour::kWood);
  cairo_arc(cr, 16, 16, 10.5, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  for (int x = 9; x <= 23; x += 5) Px(cr, x, 6, 1, 21, colour::kWoodDark);  // plank joints
  Px(cr, 8, 9, 3, 2, Mix(colour::kWood, colour::kWhite, 0.3));              // light, top left
  SetColour(cr, 0x6a6e80);
  cairo_arc(cr, 16, 16, 4.5, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  SetColour(cr, colour::kSilver);
  cairo_arc(cr, 16, 16, 3, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  Px(cr, 14, 14, 2, 2, colour::kWhite);
  Px(cr, 6, 8, 2, 2, colour::kWhite);  // the rim catches the light
  AddOutline(tile, colour::kInk);
  return tile;
}

Painter Fixed(Picture (*draw)()) {
  return [draw](const TileSheet&, int width, int height) { return Enlarge(draw(), width, height); };
}

Painter Sword(SwordColours colours) {
  return [colours](const TileSheet&, int width, int height) {
    return Enlarge(DrawSword(colours), width, height);
  };
}

Painter Key(KeyColours colours) {
  return [colours](const TileSheet&, int width, int height) {
    return Enlarge(DrawKey(colours), width, height);
  };
}

}  // namespace

void AddDrawnItems(PainterTable& table) {
  table["key1"] = Key({colour::kYellow, colour::kGoldLight, colour::kGoldDark, 0});
  table["key2"] = Key({colour::kBlue, colour::kBlueLight, 0x1c3470, 0});
  table["key3"] = Key({colour::kRed, colour::kRedLight, 0x6a1010, 0});
  table["key4"] = Key({colour::kSilver, colour::kWhite, 0x5a5e70, 0x9b3fd6});  // master key
  // The iron sword: grey steel, a gold guard, a leather grip; the silver sword gleams white
  // over a blue grip.
  table["sword1"] = Sword({colour::kSilver, colour::kWhite, colour::kGold, colour::kWood});
  table["sword2"] = Sword({colour::kWhite, colour::kBlueLight, colour::kSilver, colour::kBlue});
  table["shield1"] = Fixed(DrawRoundShield);
  table["cross"] = Fixed(DrawCross);
  table["snow"] = Fixed(DrawSnow);
  table["star"] = Fixed(DrawStar);
}

}  // namespace quenlit::assetgen
