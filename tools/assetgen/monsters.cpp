// The 44 monster kinds: which figure of the tile sheet each one is, its colouring, its crown
// if it rules, and how it moves between its two beats (see monster_looks.md).
#include <optional>
#include <string>
#include <vector>

#include "painters.h"
#include "palette.h"
#include "pixel_ops.h"
#include "slimes.h"
#include "sprite_motion.h"

namespace quenlit::assetgen {
namespace {

struct MonsterLook {
  int row;
  int column;
  Motion motion;
  Recolour recolour{};
  int crownBase = 0;                    // the row the crown's band rests on; 0: no crown
  std::optional<SlimeColours> slime{};  // drawn as a slime of these colours instead
  bool large = false;
};

// Kind n is entry n - 1.
const std::vector<MonsterLook>& Looks() {
  static const std::vector<MonsterLook> looks = {
      {0, 0, Motion::Squash, {}, 0, SlimeColours{0x3fae4a, 0x9be87a, 0x1f6a2a}},  // 1 green slime
      {0, 0, Motion::Squash, {}, 0, SlimeColours{0xd6362e, 0xff8a6a, 0x7a1818}},  // 2 red slime
      {0, 0, Motion::Squash, {}, 0, SlimeColours{0x3a78e0, 0x8fc4ff, 0x1c3470}},  // 3 blue slime
      {0, 0, Motion::Squash, {}, 8, SlimeColours{0x9ad62a, 0xe4ff9a, 0x3f7a14}, true},  // 4 king
      {16, 0, Motion::Flap},                      // 5 small bat
      {16, 2, Motion::Flap},                      // 6 big bat
      {16, 4, Motion::Flap},                      // 7 vampire bat
      {20, 28, Motion::Breathe},                  // 8 skeleton
      {20, 41, Motion::Breathe},                  // 9 skeleton soldier
      {20, 55, Motion::Breathe},                  // 10 skeleton captain
      {13, 5, Motion::Sway},                      // 11 junior mage
      {13, 8, Motion::Sway},                      // 12 linen-robed mage
      {13, 10, Motion::Sway},                     // 13 senior mage
      {14, 20, Motion::Sway},                     // 14 red-robed mage
      {21, 1, Motion::Breathe, {0, 0.05, 1.15}},  // 15 junior guard, silver
      {21, 1, Motion::Breathe},                   // 16 middle guard, gold
      {21, 17, Motion::Breathe},                  // 17 senior guard
      {13, 11, Motion::Breathe},                  // 18 orc
      {13, 13, Motion::Breathe},                  // 19 orc warrior
      {21, 46, Motion::Breathe},                  // 20 stone golem
      {20, 22, Motion::Hover},                    // 21 ghost
      {17, 48, Motion::Sway},                     // 22 mummy
      {20, 50, Motion::Breathe},                  // 23 vampire
      {21, 11, Motion::Breathe},                  // 24 knight
      {21, 31, Motion::Breathe},                  // 25 dark knight
      {21, 34, Motion::Squash},                   // 26 small red spider
      {21, 27, Motion::Squash},                   // 27 giant spider
      {16, 14, Motion::Sway},                     // 28 viper
      {18, 72, Motion::Sway},                     // 29 scorpion
      {15, 88, Motion::Breathe},                  // 30 red wolf
      {13, 22, Motion::Breathe},                  // 31 minotaur
      {21, 36, Motion::Hover},                    // 32 fire spirit
      {21, 47, Motion::Hover},                    // 33 ice spirit
      {21, 40, Motion::Sway},                     // 34 medusa
      {16, 12, Motion::Hover},                    // 35 evil eye
      {12, 11, Motion::Breathe},                  // 36 green dragon
      {12, 13, Motion::Breathe},                  // 37 red dragon
      {13, 32, Motion::Breathe},                  // 38 red demon
      {21, 38, Motion::Breathe},                  // 39 fire demon
      {20, 44, Motion::Hover},                    // 40 lich
      {21, 32, Motion::Breathe},                  // 41 death knight
      {14, 30, Motion::Sway},                     // 42 archmage
      {13, 31, Motion::Breathe},                  // 43 demon general
      {12, 32, Motion::Breathe, {}, 9},           // 44 demon king
  };
  return looks;
}

// A small gold crown with three points and a red jewel, resting on the given row.
void DrawCrown(Picture& tile, double base) {
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_move_to(cr, 11, base);
  cairo_line_to(cr, 11, base - 5);
  cairo_line_to(cr, 13.5, base - 2);
  cairo_line_to(cr, 16, base - 6);
  cairo_line_to(cr, 18.5, base - 2);
  cairo_line_to(cr, 21, base - 5);
  cairo_line_to(cr, 21, base);
  cairo_close_path(cr);
  SetColour(cr, colour::kGold);
  cairo_fill_preserve(cr);
  SetColour(cr, colour::kInk);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SetColour(cr, colour::kGoldLight);
  cairo_rectangle(cr, 12, base - 2, 8, 1);
  cairo_fill(cr);
  SetColour(cr, colour::kRed);
  cairo_rectangle(cr, 15, base - 3, 2, 2);
  cairo_fill(cr);
}

Picture FirstBeat(const TileSheet& sheet, const MonsterLook& look) {
  Picture tile = look.slime ? DrawSlime(*look.slime, look.large) : sheet.Cut(look.row, look.column);
  ApplyRecolour(tile, look.recolour);
  if (look.crownBase > 0) DrawCrown(tile, look.crownBase);
  return tile;
}

}  // namespace

void AddMonsters(PainterTable& table) {
  for (size_t i = 0; i < Looks().size(); ++i) {
    const MonsterLook look = Looks()[i];
    const std::string stem = "Monster" + std::to_string(i + 1);
    table[stem + "_1"] = [look](const TileSheet& sheet, int width, int height) {
      return Enlarge(FirstBeat(sheet, look), width, height);
    };
    table[stem + "_2"] = [look](const TileSheet& sheet, int width, int height) {
      return Enlarge(SecondBeat(FirstBeat(sheet, look), look.motion), width, height);
    };
  }
}

}  // namespace quenlit::assetgen
