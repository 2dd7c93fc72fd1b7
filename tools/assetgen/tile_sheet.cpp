#include "tile_sheet.h"

namespace quenlit::assetgen {

TileSheet::TileSheet(const std::string& path) : sheet_(ReadPng(path)) {}

Picture TileSheet::Cut(int row, int column) const {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_set_source_surface(cr, sheet_.Surface(), -column * kTile, -row * kTile);
  cairo_paint(cr);
  return tile;
}

}  // namespace quenlit::assetgen
