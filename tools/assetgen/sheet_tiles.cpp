// The tiles, items and characters cut from the tile sheet: the table that says which cell of
// the sheet each picture comes from, and how it is recoloured.
#include <string>
#include <vector>

#include "painters.h"
#include "pixel_ops.h"
#include "sprite_motion.h"

namespace quenlit::assetgen {
namespace {

struct SheetCut {
  const char* name;
  int row;
  int column;
  Recolour recolour{};
};

// Terrain and items, one picture each.
const std::vector<SheetCut>& Cuts() {
  static const std::vector<SheetCut> cuts = {
      {"floor", 23, 0, {20, 1, 1.05}},
      {"wall", 23, 21},
      {"back", 24, 61},
      {"magma", 24, 53},
      {"dirt", 23, 52},
      {"upstairs", 22, 12, {0, 1, 1.15}},
      {"downstairs", 22, 15, {0, 1, 0.9}},
      {"gold", 7, 9},
      {"gem1", 7, 15},
      {"gem2", 7, 14},
      {"gem3", 7, 17},
      {"potion1", 8, 10},
      {"potion2", 8, 16},
      {"potion3", 8, 21},
      {"potion4", 8, 19},
      {"holywater", 8, 4},
      {"sword1", 10, 1},
      {"sword2", 10, 3},
      {"sword3", 10, 13},
      {"sword4", 10, 67},
      {"sword5", 10, 68},
      {"shield1", 0, 30},
      {"shield2", 0, 31},
      {"shield3", 0, 33},
      {"shield4", 0, 88},
      {"shield5", 0, 94},
      {"holyshield", 0, 101},
      {"pickax1", 7, 27},
      {"pickax2", 7, 29},
      {"wing1", 0, 65},
      {"wing2", 0, 68},
      {"wing3", 0, 67},
      {"badge1", 5, 41},
      {"badge2", 5, 42},
      {"badge3", 5, 40},
  };
  return cuts;
}

// Two-phase sprites: the character or plant, and how it moves on its second beat.
struct SheetSprite {
  const char* stem;
  int row;
  int column;
  Motion motion;
};

const std::vector<SheetSprite>& Sprites() {
  static const std::vector<SheetSprite> sprites = {
      {"merchant", 4, 9, Motion::Breathe}, {"oldman", 4, 7, Motion::Sway},
      {"thief", 4, 23, Motion::Breathe},   {"fairy", 14, 56, Motion::Hover},
      {"bramble", 24, 90, Motion::Sway},
  };
  return sprites;
}

}  // namespace

void AddSheetTiles(PainterTable& table) {
  for (const SheetCut& cut : Cuts()) {
    table[cut.name] = [cut](const TileSheet& sheet, int width, int height) {
      Picture tile = sheet.Cut(cut.row, cut.column);
      ApplyRecolour(tile, cut.recolour);
      return Enlarge(tile, width, height);
    };
  }
  for (const SheetSprite& sprite : Sprites()) {
    const std::string stem = sprite.stem;
    table[stem + "_1"] = [sprite](const TileSheet& sheet, int width, int height) {
      return Enlarge(sheet.Cut(sprite.row, sprite.column), width, height);
    };
    table[stem + "_2"] = [sprite](const TileSheet& sheet, int width, int height) {
      return Enlarge(SecondBeat(sheet.Cut(sprite.row, sprite.column), sprite.motion), width,
                     height);
    };
  }
}

}  // namespace quenlit::assetgen
