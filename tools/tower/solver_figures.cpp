#include "solver_figures.h"

#include "game/tiles.h"

namespace quenlit::tower {
namespace {

constexpr int kTop = TowerModel::kBossFloorNumber;

bool IsPotion(uint8_t code) {
  return tile::MeaningOf(code).gain.stat == tile::Gain::Health;
}

}  // namespace

int32_t PotionHealth(const TowerModel& model, int floor) {
  int32_t health = 0;
  for (const TowerObject& o : model.objects())
    if (o.floor == floor && IsPotion(o.code)) health += tile::MeaningOf(o.code).gain.amount;
  return health;
}

int32_t DefenceCeiling(const TowerModel& model) {
  SolverState state = model.Start();
  int32_t gold = state.gold;
  for (size_t i = 0; i < model.objects().size(); ++i) {
    const TowerObject& o = model.objects()[i];
    if (tile::IsMonster(o.code)) {
      gold += model.Kind(o.code).gold;
      continue;
    }
    const tile::Meaning& meaning = tile::MeaningOf(o.code);
    if (meaning.kind == tile::Kind::Door) continue;
    // Items and gifts as the game gives them; only their defence and gold matter here.
    SolverState taken = state;
    taken.gold = 0;
    model.Apply(taken, {SolverAction::Kind::Take, static_cast<int16_t>(i), o.cell});
    state.defence = taken.defence;
    gold += taken.gold;
  }
  int32_t defence = state.defence;
  for (int32_t price = model.shop().opening; gold >= price; ++price) {
    gold -= price;
    defence += model.shop().defence;
  }
  return defence;
}

LineFigures Figures(const TowerModel& model, const SolverLine& line) {
  LineFigures figures;
  SolverState state = model.Start();
  figures.budget = state.hp;
  for (int floor = 1; floor <= kTop; ++floor) {
    if (model.variant().potions) figures.budget += PotionHealth(model, floor);
    FloorFigures f;
    f.floor = floor;
    f.potionsLeft = PotionHealth(model, floor);
    figures.floors.push_back(f);
  }
  int highest = state.floor;
  figures.floors[highest - 1].arrival = state;
  for (const SolverAction& action : line.actions) {
    if (action.kind != SolverAction::Kind::Take) {
      model.Apply(state, action);
      ++(action.kind == SolverAction::Kind::BuyAttack ? figures.attackBuys : figures.defenceBuys);
      continue;
    }
    const TowerObject& o = model.objects()[action.object];
    // The line counts as on a new floor from the moment it acts there first.
    while (o.floor > highest) {
      figures.floors[highest - 1].keysOnLeaving = state.keys;
      ++highest;
      figures.floors[highest - 1].arrival = state;
    }
    FloorFigures& here = figures.floors[o.floor - 1];
    const int32_t hpBefore = state.hp;
    model.Apply(state, action);
    if (tile::IsMonster(o.code)) {
      const int32_t cost = hpBefore - state.hp;
      figures.fights.push_back({o.floor, action.object, o.code, cost, hpBefore});
      here.hpLost += cost;
      ++here.fights;
      figures.totalDamage += cost;
      if (cost == 0) {
        ++here.freeFights;
        ++figures.freeFights;
      }
      if (model.IsBoss(action.object)) {
        figures.bossCost = cost;
        figures.hpBeforeBoss = hpBefore;
      }
    } else if (IsPotion(o.code)) {
      const int32_t health = tile::MeaningOf(o.code).gain.amount;
      here.potionsTaken += health;
      here.potionsLeft -= health;
    }
  }
  figures.floors[highest - 1].keysOnLeaving = state.keys;
  figures.finalHp = state.hp;
  return figures;
}

}  // namespace quenlit::tower
