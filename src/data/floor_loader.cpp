// Reads the twenty floors: "./data/N.map", two header bytes and then the 196 cells.
#include "data/floor_loader.h"

#include <algorithm>
#include <fstream>
#include <string>

#include "data/paths.h"
#include "platform/utf8_path.h"

namespace quenlit {

namespace {

constexpr size_t kHeaderBytes = 2;

}  // namespace

std::optional<Floor> FloorFromBytes(std::string_view bytes) {
  // A short file would leave cells undefined: refuse it. Bytes after the cells are ignored.
  if (bytes.size() < kHeaderBytes + kFloorCells) return std::nullopt;
  Floor floor;
  std::copy_n(bytes.begin() + kHeaderBytes, kFloorCells, floor.cells.begin());
  return floor;
}

bool ReadFloors(std::vector<Floor>& floors, std::string& error) {
  std::vector<Floor> read(1);  // index 0: the placeholder below floor 1
  for (int n = 1; n <= kFloorCount; ++n) {
    const std::string path = "data/" + std::to_string(n) + ".map";
    std::ifstream in(platform::PathFromUtf8(ResolveGamePath("./" + path)), std::ios::binary);
    if (!in) {
      error = path + ": missing or unreadable";
      return false;
    }
    std::string bytes(kHeaderBytes + kFloorCells, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    const std::optional<Floor> floor = FloorFromBytes(bytes);
    if (!floor) {
      error = path + ": short (" + std::to_string(bytes.size()) + " bytes, a floor needs " +
              std::to_string(kHeaderBytes + kFloorCells) + ")";
      return false;
    }
    read.push_back(*floor);
  }
  floors = std::move(read);
  return true;
}

}  // namespace quenlit
