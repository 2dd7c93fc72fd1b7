#pragma once

#include <string>

#include "picture.h"

namespace quenlit::assetgen {

// The 32 x 32 tile set by David Gervais, as Debian's angband-data ships it.
inline constexpr const char* kDefaultTileSheet = "/usr/share/angband/xtra/graf/32x32.png";
inline constexpr int kTile = 32;

class TileSheet {
 public:
  explicit TileSheet(const std::string& path);
  bool Loaded() const { return sheet_.Width() >= kTile && sheet_.Height() >= kTile; }
  // The tile at the given row and column of the sheet (transparent outside the sheet).
  Picture Cut(int row, int column) const;

 private:
  Picture sheet_;
};

}  // namespace quenlit::assetgen
