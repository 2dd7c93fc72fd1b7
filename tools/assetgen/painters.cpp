#include "painters.h"

namespace quenlit::assetgen {

const PainterTable& AllPainters() {
  static const PainterTable table = [] {
    PainterTable all;
    AddSheetTiles(all);
    AddDrawnItems(all);
    AddDoors(all);
    AddHero(all);
    AddMonsters(all);
    AddPanels(all);
    AddStrikeEffects(all);
    AddSpellEffects(all);
    AddLoadingScreen(all);
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
