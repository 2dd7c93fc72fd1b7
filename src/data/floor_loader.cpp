// Reads the twenty floors: "./data/N.map", two header bytes and then the 196 cells.
#include <fstream>
#include <string>

#include "data/paths.h"
#include "game/game.h"

namespace quenlit {

bool Game::LoadFloors() {
  floors.assign(1, Floor{});  // index 0: the placeholder below floor 1
  for (int n = 1; n <= kFloorCount; ++n) {
    std::ifstream in(ResolveGamePath("./data/" + std::to_string(n) + ".map"), std::ios::binary);
    Floor floor;
    in.seekg(2);
    in.read(reinterpret_cast<char*>(floor.cells.data()), kFloorCells);
    // A missing or short file would leave cells undefined: refuse it.
    if (!in || in.gcount() != kFloorCells) return false;
    floors.push_back(floor);
  }
  return true;
}

}  // namespace quenlit
