#include "painters.h"

#include <set>

#include "palette.h"
#include "pixel_ops.h"

namespace quenlit::assetgen {
namespace {

// Pictures that the map draws alone on a cell, with no floor tile under them: they carry the
// floor in themselves, so that nothing stands on a hole in the ground.
bool StandsOnFloor(const std::string& name) {
  static const std::set<std::string> items = {
      "key1",       "key2",      "key3",       "key4",    "gold",    "gem1",      "gem2",
      "gem3",       "potion1",   "potion2",    "potion3", "potion4", "holywater", "sword1",
      "sword2",     "sword3",    "sword4",     "sword5",  "shield1", "shield2",   "shield3",
      "shield4",    "shield5",   "holyshield", "pickax1", "pickax2", "snow",      "cross",
      "wing1",      "wing2",     "wing3",      "badge1",  "badge2",  "badge3",    "upstairs",
      "downstairs", "bramble_1", "bramble_2"};
  return items.count(name) > 0 || IsFigure(name) || name.starts_with("door") ||
         name.starts_with("jail");
}

// Below this mean lightness a figure would sink into the floor's shade.
constexpr double kDarkFigure = 0.3;

// A dark figure is lifted a little and gets a pale rim, as if lit from behind.
void LightDarkFigure(Picture& figure) {
  const double lightness = MeanLightness(figure);
  if (lightness >= kDarkFigure || lightness <= 0) return;
  ApplyRecolour(figure, {0, 1.1, kDarkFigure / lightness});
  AddOutline(figure, colour::kRim);
}

Painter OnFloor(const std::string& name, Painter figurePainter) {
  const bool figure = IsFigure(name);
  return [figure, figurePainter](const TileSheet& sheet, int width, int height) {
    Picture standing = figurePainter(sheet, width, height);
    if (figure) LightDarkFigure(standing);
    Picture out = Enlarge(FloorTile(), standing.Width(), standing.Height());
    out.Blit(standing, 0, 0, standing.Width(), standing.Height());
    return out;
  };
}

}  // namespace

bool IsFigure(const std::string& name) {
  return name.starts_with("Monster") || name.starts_with("merchant_") ||
         name.starts_with("oldman_") || name.starts_with("thief_") || name.starts_with("fairy_");
}

const PainterTable& AllPainters() {
  static const PainterTable table = [] {
    PainterTable all;
    AddTerrain(all);
    AddSheetTiles(all);
    AddDrawnItems(all);
    AddStairs(all);
    AddDoors(all);
    AddHero(all);
    AddMonsters(all);
    AddPanels(all);
    AddStrikeEffects(all);
    AddSpellEffects(all);
    AddLoadingScreen(all);
    FocusStrikeEffects(all);
    for (auto& [name, painter] : all) {
      if (StandsOnFloor(name)) painter = OnFloor(name, painter);
    }
    return all;
  }();
  return table;
}

Picture Enlarge(const Picture& tile, int width, int height) {
  if (tile.Width() == width && tile.Height() == height) {
    Picture copy(width, height);
    copy.Blit(tile, 0, 0, width, height);
    return copy;
  }
  Picture out(width, height);
  out.Blit(tile, 0, 0, width, height, true);
  return out;
}

}  // namespace quenlit::assetgen
