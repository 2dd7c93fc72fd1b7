// Reads the twenty floors: "./data/N.map", two header bytes and then the 196 cells.
#include "data/floor_loader.h"

#include <fstream>
#include <string>

#include "data/paths.h"

namespace quenlit {

bool ReadFloors(std::vector<Floor>& floors) {
  std::vector<Floor> read(1);  // index 0: the placeholder below floor 1
  for (int n = 1; n <= kFloorCount; ++n) {
    std::ifstream in(ResolveGamePath("./data/" + std::to_string(n) + ".map"), std::ios::binary);
    Floor floor;
    in.seekg(2);
    in.read(reinterpret_cast<char*>(floor.cells.data()), kFloorCells);
    // A missing or short file would leave cells undefined: refuse it.
    if (!in || in.gcount() != kFloorCells) return false;
    read.push_back(floor);
  }
  floors = std::move(read);
  return true;
}

}  // namespace quenlit
