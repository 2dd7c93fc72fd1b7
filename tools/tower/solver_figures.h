#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "solver_model.h"
#include "solver_search.h"

namespace quenlit::tower {

// One fight of a line at the manual's estimate.
struct LineFight {
  int floor = 0;
  int object = 0;
  uint8_t kind = 0;
  int32_t cost = 0, hpBefore = 0;
  bool compulsory = false;  // no line wins without it (see CompulsoryFights)
};

// A line's stay on one floor, counted from its first arrival until it first reaches the floor
// above (later visits count with the floor they are made on).
struct FloorFigures {
  int floor = 0;
  SolverState arrival;
  int32_t hpLost = 0;
  int fights = 0, freeFights = 0;
  int32_t potionsTaken = 0, potionsLeft = 0;  // health of the potions
  std::array<int32_t, 3> keysOnLeaving{};
};

struct LineFigures {
  int32_t budget = 0;  // starting health plus every potion up to the boss's floor
  int32_t finalHp = 0, hpBeforeBoss = 0, bossCost = 0;
  std::vector<LineFight> fights;
  std::vector<FloorFigures> floors;  // floors 1 to the boss's
  int freeFights = 0;
  int attackBuys = 0, defenceBuys = 0;
  int32_t totalDamage = 0;
};

// The figures of a winning line.
LineFigures Figures(const TowerModel& model, const SolverLine& line);

// The potions' health lying on a floor.
int32_t PotionHealth(const TowerModel& model, int floor);

// The highest defence the hero can reach: every shield, blue gem and gift, and all the gold of
// the tower and its monsters spent on defence.
int32_t DefenceCeiling(const TowerModel& model);

}  // namespace quenlit::tower
