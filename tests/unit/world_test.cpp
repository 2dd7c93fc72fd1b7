// The tower's lookups: floors and cells by number, kinds by id, none of them adding anything.
#include <gtest/gtest.h>

#include "game/world/world.h"

namespace quenlit {
namespace {

World ThreeFloors() {
  World world;
  world.floors.assign(3, Floor{});
  world.floors[2].At(13, 0) = 71;
  world.monsters[4].name = "蝙蝠";
  return world;
}

TEST(World, CellsInsideTheTowerAreReadAndWritten) {
  World world = ThreeFloors();
  EXPECT_EQ(world.CellAt(2, 13, 0), std::optional<uint8_t>(71));
  world.SetCell(1, 0, 13, 225);
  EXPECT_EQ(world.floors[1].At(0, 13), 225);
  EXPECT_EQ(world.FloorAt(2), &world.floors[2]);
}

TEST(World, CellsOutsideTheGridOrTheTowerAreAbsentAndLeftAlone) {
  struct Case {
    const char* what;
    int32_t floor;
    int row, column;
  };
  const Case cases[] = {
      {"row above the grid", 1, -1, 0},    {"row below the grid", 1, 14, 0},
      {"column left of it", 1, 0, -1},     {"column right of it", 1, 0, 14},
      {"floor below the tower", -1, 0, 0}, {"floor above the tower", 3, 0, 0},
  };
  for (const Case& c : cases) {
    World world = ThreeFloors();
    const std::vector<Floor> before = world.floors;
    EXPECT_EQ(world.CellAt(c.floor, c.row, c.column), std::nullopt) << c.what;
    world.SetCell(c.floor, c.row, c.column, 9);
    ASSERT_EQ(world.floors.size(), before.size()) << c.what;
    for (size_t f = 0; f < before.size(); ++f)
      EXPECT_EQ(world.floors[f].cells, before[f].cells) << c.what;
  }
  EXPECT_EQ(ThreeFloors().FloorAt(3), nullptr);
  EXPECT_EQ(ThreeFloors().FloorAt(-1), nullptr);
}

TEST(World, AKindIsFoundByIdAndAMissingOneIsNotAdded) {
  const World world = ThreeFloors();
  ASSERT_NE(world.FindMonster(4), nullptr);
  EXPECT_EQ(world.FindMonster(4)->name, "蝙蝠");
  EXPECT_EQ(world.FindMonster(5), nullptr);
  EXPECT_EQ(world.FindMonster(0), nullptr);
  EXPECT_EQ(world.monsters.size(), 1u);
}

}  // namespace
}  // namespace quenlit
