// The tower's floor and walls. The floor is drawn: flagstones of a light violet-grey with dark
// joints, lit from the top left like every figure, so that the sprites standing on it read
// clearly. The walls are the tile sheet's bricks, pushed darker and bluer than the floor.
#include <cstdint>

#include "painters.h"
#include "palette.h"
#include "pixel_ops.h"

namespace quenlit::assetgen {
namespace {

// A fixed pattern of small value changes, the same on every run.
int Grain(int x, int y) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<int>((h >> 16) % 9) - 4;
}

struct Slab {
  int left, top, width, height;
  int shade;  // each slab a little lighter or darker than its neighbours
};

// Four square flagstones (bricks would read as wall); the joints lie on the right and bottom
// edges, so that tiles side by side continue the pattern.
constexpr Slab kSlabs[] = {
    {0, 0, 16, 16, 0}, {16, 0, 16, 16, -5}, {0, 16, 16, 16, -3}, {16, 16, 16, 16, 3}};

uint32_t Shade(uint32_t rgb, int delta) {
  return delta >= 0 ? Mix(rgb, colour::kWhite, delta / 100.0)
                    : Mix(rgb, colour::kInk, -delta / 100.0);
}

Picture DrawFloor() {
  Picture tile(kTile, kTile);
  tile.Flush();
  for (const Slab& slab : kSlabs) {
    for (int y = slab.top; y < slab.top + slab.height; ++y) {
      for (int x = slab.left; x < slab.left + slab.width; ++x) {
        const bool joint = x == slab.left + slab.width - 1 || y == slab.top + slab.height - 1;
        const bool lit = x == slab.left || y == slab.top;
        const bool shadowed = x == slab.left + slab.width - 2 || y == slab.top + slab.height - 2;
        uint32_t rgb = colour::kFloor;
        int delta = slab.shade + Grain(x, y);
        if (joint) {
          rgb = colour::kFloorJoint;
          delta = Grain(x, y);
        } else if (lit) {
          delta += 10;
        } else if (shadowed) {
          delta -= 7;
        }
        tile.At(x, y) = 0xff000000u | Shade(rgb, delta);
      }
    }
  }
  tile.MarkDirty();
  return tile;
}

}  // namespace

Picture FloorTile() {
  return DrawFloor();
}

void AddTerrain(PainterTable& table) {
  table["floor"] = [](const TileSheet&, int width, int height) {
    return Enlarge(DrawFloor(), width, height);
  };
  table["wall"] = [](const TileSheet& sheet, int width, int height) {
    Picture tile = sheet.Cut(23, 21);
    MapToRamp(tile, colour::kWallDark, colour::kWallLight);
    return Enlarge(tile, width, height);
  };
}

}  // namespace quenlit::assetgen
