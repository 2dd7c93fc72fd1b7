// The coloured doors and the jail gate, closed and in four opening frames: the door leaf rises
// into its stone arch like a portcullis until the doorway stands empty.
#include <string>

#include "painters.h"
#include "pixel_ops.h"

namespace quenlit::assetgen {
namespace {

constexpr int kClosedDoorRow = 22, kClosedDoorColumn = 3;
constexpr int kOpenArchRow = 22, kOpenArchColumn = 6;
constexpr int kGateRow = 23, kGateColumn = 11;
constexpr int kIronDoorRow = 23, kIronDoorColumn = 10;

// The doorway inside the arch, in tile pixels.
constexpr int kDoorwayLeft = 6, kDoorwayTop = 5, kDoorwayWidth = 20, kDoorwayHeight = 27;

struct DoorLook {
  const char* stem;  // "door1": closed; "door12" .. "door15": opening
  int row;
  int column;
  Recolour recolour;
};

// Frame 0 is closed; frame 4 leaves only the top of the leaf in sight.
Picture OpeningFrame(const TileSheet& sheet, const DoorLook& look, int frame) {
  Picture closed = sheet.Cut(look.row, look.column);
  ApplyRecolour(closed, look.recolour);
  if (frame == 0) return closed;
  Picture tile = sheet.Cut(kOpenArchRow, kOpenArchColumn);
  cairo_t* cr = tile.Cairo();
  cairo_rectangle(cr, kDoorwayLeft, kDoorwayTop, kDoorwayWidth, kDoorwayHeight);
  cairo_clip(cr);
  const double rise = frame * kDoorwayHeight / 4.6;
  cairo_set_source_surface(cr, closed.Surface(), 0, -rise);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  return tile;
}

}  // namespace

void AddDoors(PainterTable& table) {
  const DoorLook looks[] = {
      {"door1", kClosedDoorRow, kClosedDoorColumn, {18, 1.6, 1.45}},   // yellow
      {"door2", kClosedDoorRow, kClosedDoorColumn, {190, 1.5, 1.15}},  // blue
      {"door3", kClosedDoorRow, kClosedDoorColumn, {-28, 1.7, 1.05}},  // red
      {"jail", kGateRow, kGateColumn, {}},
  };
  for (const DoorLook& look : looks) {
    for (int frame = 0; frame < 5; ++frame) {
      const std::string name = frame == 0 ? look.stem : look.stem + std::to_string(frame + 1);
      table[name] = [look, frame](const TileSheet& sheet, int width, int height) {
        return Enlarge(OpeningFrame(sheet, look, frame), width, height);
      };
    }
  }
  table["door4"] = [](const TileSheet& sheet, int width, int height) {
    return Enlarge(sheet.Cut(kIronDoorRow, kIronDoorColumn), width, height);
  };
}

}  // namespace quenlit::assetgen
