// The tiles, items and characters cut from the tile sheet: the table that says which cell of
// the sheet each picture comes from, and how it is recoloured.
#include <string>
#include <vector>

#include "painters.h"
#include "palette.h"
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
      {"back", 24, 61},   {"magma", 24, 53},  {"dirt", 23, 52},   {"gold", 7, 9},
      {"gem1", 7, 15},    {"gem2", 7, 14},    {"gem3", 7, 17},    {"potion1", 8, 10},
      {"potion2", 8, 16}, {"potion3", 8, 21}, {"potion4", 8, 19}, {"holywater", 8, 4},
      {"sword3", 10, 13}, {"sword4", 10, 67}, {"sword5", 10, 68}, {"shield2", 0, 31},
      {"shield3", 0, 33}, {"shield4", 0, 88}, {"shield5", 0, 94}, {"holyshield", 0, 101},
      {"pickax1", 7, 27}, {"pickax2", 7, 29}, {"wing1", 0, 65},   {"wing2", 0, 68},
      {"wing3", 0, 67},   {"badge1", 5, 41},  {"badge2", 5, 42},  {"badge3", 5, 40},
  };
  return cuts;
}

// Two-phase sprites: the character or plant, and how it moves on its second beat.
struct SheetSprite {
  const char* stem;
  int row;
  int column;
  Motion motion;
  bool coinSack = false;  // the merchant's sign of trade
};

// A bulging sack of gold at the figure's feet, bottom left.
void DrawCoinSack(Picture& tile) {
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  Px(cr, 1, 23, 9, 7, colour::kWood);
  Px(cr, 2, 22, 7, 1, colour::kWood);
  Px(cr, 3, 20, 5, 2, colour::kWoodDark);  // the tied neck
  Px(cr, 2, 24, 2, 2, Mix(colour::kWood, colour::kWhite, 0.35));
  Px(cr, 4, 25, 3, 3, colour::kGold);  // a coin on the sack
  Px(cr, 4, 25, 1, 1, colour::kGoldLight);
  Picture sack(kTile, kTile);
  sack.Blit(tile, 0, 0, kTile, kTile);
  AddOutline(sack, colour::kInk);
  // Only the sack's own edge is inked: the outline pass ran over a copy, keep its lower left.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 19, 11, 13);
  cairo_clip(cr);
  cairo_set_source_surface(cr, sack.Surface(), 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
}

Picture CutSprite(const TileSheet& sheet, const SheetSprite& sprite) {
  Picture tile = sheet.Cut(sprite.row, sprite.column);
  if (sprite.coinSack) DrawCoinSack(tile);
  return tile;
}

const std::vector<SheetSprite>& Sprites() {
  static const std::vector<SheetSprite> sprites = {
      {"merchant", 4, 2, Motion::Breathe, true}, {"oldman", 4, 7, Motion::Sway},
      {"thief", 4, 23, Motion::Breathe},         {"fairy", 14, 56, Motion::Hover},
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
      return Enlarge(CutSprite(sheet, sprite), width, height);
    };
    table[stem + "_2"] = [sprite](const TileSheet& sheet, int width, int height) {
      return Enlarge(SecondBeat(CutSprite(sheet, sprite), sprite.motion), width, height);
    };
  }
}

}  // namespace quenlit::assetgen
