#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "data/floor.h"
#include "game/game.h"
#include "game/types.h"

namespace quenlit::tower {

// What the solver may take or fight on the floors up to the boss: every item, door, jail gate,
// monster and gift-giving character, one bit each in a state.
struct TowerObject {
  int floor = 0;
  Cell cell;
  uint8_t code = 0;
};

// What a character's gift does to the hero, as the game gives it.
struct GiftEffect {
  int32_t attack = 0, defence = 0, hp = 0, agility = 0, gold = 0;
  std::array<int32_t, 3> keys{};
};

// Which shop the hero may use.
enum class ShopRule { Both, AttackOnly, DefenceOnly };

// Ways to play the same tower under other conditions, for the figures that ask whether health,
// potions and the shop matter.
struct RuleVariant {
  std::optional<int32_t> startHp;  // the hero's starting health, when not the game's
  bool potions = true;             // false: potions give nothing
  ShopRule shop = ShopRule::Both;
};

constexpr int kMaxObjects = 512;

// The hero and the cleared objects at one moment of a line.
struct SolverState {
  std::array<uint64_t, kMaxObjects / 64> cleared{};
  int floor = 1;
  Cell position;
  int32_t hp = 0, attack = 0, defence = 0, agility = 0, gold = 0;
  std::array<int32_t, 3> keys{};  // yellow, blue, red
  int32_t attackBuys = 0, defenceBuys = 0;
  bool won = false;

  bool Cleared(int object) const { return (cleared[object / 64] >> (object % 64)) & 1; }
  void Clear(int object) { cleared[object / 64] |= uint64_t{1} << (object % 64); }
};

// One move of a line: an object taken (stepped into) or a purchase.
struct SolverAction {
  enum class Kind : uint8_t { Take, BuyAttack, BuyDefence };
  Kind kind = Kind::Take;
  int16_t object = -1;
  Cell from;  // the cell the hero steps in from, for a take
};

// A fight the line would make or can choose: its object and its cost at the manual's estimate.
struct FrontierEntry {
  int object = 0;
  Cell from;
  int floor = 0;
};

// The tower as the solver plays it: floors 1 to the boss's, the monster table, the gifts and
// the shop, with every estimate asked of the game itself.
class TowerModel {
 public:
  // Reads the tower from a loaded game (a new game on the map), which stays the solver's oracle
  // for the manual's estimate. The game's hero is used as a scratch pad for estimates.
  TowerModel(Game& game, RuleVariant variant = {});

  const std::vector<TowerObject>& objects() const { return objects_; }
  const RuleVariant& variant() const { return variant_; }
  int ObjectAt(int floor, Cell cell) const { return objectAt_[floor][Index(cell)]; }
  const Monster& Kind(uint8_t code) const { return game_.world.monsters.at(code); }
  const Floor& OriginalFloor(int floor) const { return game_.world.floors[floor]; }
  bool IsBoss(int object) const;

  // The new game's hero, with the variant's starting health.
  SolverState Start() const;

  // The manual's estimate of a monster kind at the state's numbers (-1: cannot be hurt).
  int32_t Estimate(const SolverState& state, uint8_t kind) const;
  int32_t Price(const SolverState& state) const {
    return shop_.opening + state.attackBuys + state.defenceBuys;
  }
  // What one purchase gives, as the game's shop sells it.
  struct ShopStep {
    int32_t opening = 0, attack = 0, defence = 0;
  };
  const ShopStep& shop() const { return shop_; }

  // The objects the hero can step into now, each with the cell he steps in from; floors above
  // topFloor are left out.
  std::vector<FrontierEntry> Frontier(const SolverState& state,
                                      int topFloor = kBossFloorNumber) const;

  // Whether the move can be made: a key for the door, health for the fight, gold for the buy.
  bool Allowed(const SolverState& state, const SolverAction& action) const;
  // Makes the move (Allowed must hold).
  void Apply(SolverState& state, const SolverAction& action) const;
  // Takes everything that costs nothing and cannot hurt a later choice: items, jail gates, gifts
  // and fights that cost no health, and spends the gold on the better purchase; each move is
  // appended to taken.
  void TakeFreeObjects(SolverState& state, std::vector<SolverAction>* taken,
                       int topFloor = kBossFloorNumber) const;
  // What the standing monsters of the floors reached and the next would cost at the state's
  // numbers, a monster that cannot be hurt counting as a heavy fight.
  int64_t StandingCost(const SolverState& state) const;
  // The purchase that lowers that cost more (defence on a tie), or the one the shop sells.
  std::optional<SolverAction> BetterPurchase(const SolverState& state) const;
  // Whether the move is one the solver makes without choosing.
  bool IsFree(const SolverState& state, int object) const;

  // Every cell the hero can walk to from where he stands, floor by floor, over plain floor and
  // through stairs.
  using Reach = std::array<std::array<bool, kFloorCells>, 10>;
  Reach Reachable(const SolverState& state, int topFloor = kBossFloorNumber) const;

  static constexpr int kBossFloorNumber = 9;

 private:
  static int Index(Cell cell) { return cell.row * kFloorSize + cell.column; }
  // Walks out from the hero: every cell he can stand on and, when asked, the objects next to
  // them, each with the first cell found to step in from.
  void Explore(const SolverState& state, int topFloor, Reach& reach,
               std::vector<FrontierEntry>* frontier) const;
  GiftEffect ProbeGift(int floor, Cell cell);
  void ProbeShop();

  Game& game_;
  RuleVariant variant_;
  std::vector<TowerObject> objects_;
  std::vector<GiftEffect> gifts_;  // per object; zero for all but gift characters
  std::array<std::array<int16_t, kFloorCells>, 10> objectAt_{};
  ShopStep shop_;
  SolverState start_;
};

}  // namespace quenlit::tower
