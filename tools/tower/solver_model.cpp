#include "solver_model.h"

#include <algorithm>

#include "base/key_codes.h"
#include "game/tiles.h"

namespace quenlit::tower {
namespace {

constexpr int kBoss = TowerModel::kBossFloorNumber;
// A monster the hero cannot hurt yet weighs as much as this much health in the standing cost.
constexpr int64_t kUnbeatableCost = 1000;

// The game's own hero, saved and put back around a probe or an estimate.
class HeroScratch {
 public:
  explicit HeroScratch(Game& game) : game_(game), saved_(game.hero) {}
  ~HeroScratch() { game_.hero = saved_; }

 private:
  Game& game_;
  Hero saved_;
};

bool Takeable(uint8_t code) {
  const tile::Kind kind = tile::MeaningOf(code).kind;
  return kind == tile::Kind::Item || kind == tile::Kind::Door || kind == tile::Kind::Monster;
}

struct Node {
  int floor;
  Cell cell;
};

}  // namespace

TowerModel::TowerModel(Game& game, RuleVariant variant) : game_(game), variant_(variant) {
  for (auto& floor : objectAt_) floor.fill(-1);
  for (int floor = 1; floor <= kBoss; ++floor) {
    for (int row = 0; row < kFloorSize; ++row) {
      for (int column = 0; column < kFloorSize; ++column) {
        const uint8_t code = game_.world.floors[floor].At(row, column);
        GiftEffect gift;
        if (tile::IsCharacter(code)) {
          gift = ProbeGift(floor, {row, column});
          const bool gives = gift.attack || gift.defence || gift.hp || gift.agility || gift.gold ||
                             gift.keys[0] || gift.keys[1] || gift.keys[2];
          if (!gives) continue;
        } else if (!Takeable(code)) {
          continue;
        }
        objectAt_[floor][Index({row, column})] = static_cast<int16_t>(objects_.size());
        objects_.push_back({floor, {row, column}, code});
        gifts_.push_back(gift);
      }
    }
  }
  ProbeShop();
  const Hero& hero = game_.hero;
  start_.floor = hero.floor;
  start_.position = hero.position;
  start_.hp = variant_.startHp.value_or(hero.hp);
  start_.attack = hero.attack;
  start_.defence = hero.defence;
  start_.agility = hero.agility;
  Hero& items = game_.hero;
  start_.gold = items.Items(tile::kGold);
  start_.keys = {items.Items(tile::kYellowKey), items.Items(tile::kBlueKey),
                 items.Items(tile::kRedKey)};
}

// Walks the hero into the character on a copy of the game's state and reads what the closed
// speech box gave him; the game is put back as it was.
GiftEffect TowerModel::ProbeGift(int floor, Cell cell) {
  HeroScratch scratch(game_);
  const std::vector<Floor> floors = game_.world.floors;
  const GameScreen screen = game_.screen;
  Hero& hero = game_.hero;
  const Hero before = hero;
  const Direction press = cell.row > 0 ? Direction::Up : Direction::Down;
  hero.floor = floor;
  hero.position = {cell.row + (press == Direction::Up ? 1 : -1), cell.column};
  game_.screen = GameScreen::Map;
  game_.TryStep(press);
  for (int i = 0; i < 4 && game_.screen != GameScreen::Map; ++i) {
    game_.HandleInput(vk::kKeyDown, vk::kEnter);
    game_.HandleInput(vk::kKeyUp, vk::kEnter);
  }
  GiftEffect gift;
  gift.attack = hero.attack - before.attack;
  gift.defence = hero.defence - before.defence;
  gift.hp = hero.hp - before.hp;
  gift.agility = hero.agility - before.agility;
  Hero old = before;
  gift.gold = hero.Items(tile::kGold) - old.Items(tile::kGold);
  for (int k = 0; k < 3; ++k) {
    const uint8_t key = tile::kYellowKey + k;
    gift.keys[k] = hero.Items(key) - old.Items(key);
  }
  game_.world.floors = floors;
  game_.screen = screen;
  return gift;
}

// Buys once of each with plenty of gold, to learn what a purchase gives; put back afterwards.
void TowerModel::ProbeShop() {
  HeroScratch scratch(game_);
  const int32_t price = game_.shop.shopPrice;
  const GameScreen screen = game_.screen;
  Hero& hero = game_.hero;
  hero.Items(tile::kGold) = 1'000'000;
  const int32_t attack = hero.attack, defence = hero.defence;
  game_.BuyAttack();
  game_.BuyDefence();
  shop_ = {price, hero.attack - attack, hero.defence - defence};
  game_.shop.shopPrice = price;
  game_.screen = screen;
}

bool TowerModel::IsBoss(int object) const {
  const TowerObject& o = objects_[object];
  return o.floor == tile::kBossFloor && o.cell == Cell{tile::kBossRow, tile::kBossColumn};
}

SolverState TowerModel::Start() const {
  return start_;
}

int32_t TowerModel::Estimate(const SolverState& state, uint8_t kind) const {
  Hero& hero = game_.hero;
  const int32_t attack = hero.attack, defence = hero.defence;
  hero.attack = state.attack;
  hero.defence = state.defence;
  const int32_t estimate = game_.EstimateDamage(kind);
  hero.attack = attack;
  hero.defence = defence;
  return estimate;
}

void TowerModel::Explore(const SolverState& state, int topFloor, Reach& reach,
                         std::vector<FrontierEntry>* frontier) const {
  reach = {};
  std::array<bool, kMaxObjects> listed{};
  std::array<Node, 10 * kFloorCells> open;
  size_t count = 0;
  open[count++] = {state.floor, state.position};
  reach[state.floor][Index(state.position)] = true;
  while (count > 0) {
    const Node node = open[--count];
    const Floor& cells = game_.world.floors[node.floor];
    for (const DirectionFacts& facts : kDirections) {
      const Cell next = Step(node.cell, facts.direction);
      if (!InsideFloor(next.row, next.column)) continue;
      const uint8_t code = cells.At(next.row, next.column);
      int floor = node.floor;
      if (code != tile::kFloor) {
        const int delta = tile::MeaningOf(code).floorChange;
        if (delta != 0) {
          // Stairs carry the hero to the same cell of the next floor, which must hold floor
          // or stairs to stand on.
          floor += delta;
          if (floor < 1 || floor > topFloor) continue;
          if (!tile::IsWalkable(game_.world.floors[floor].At(next.row, next.column))) continue;
        } else {
          const int object = objectAt_[floor][Index(next)];
          if (object < 0) continue;
          if (!state.Cleared(object)) {
            if (frontier && !listed[object]) {
              listed[object] = true;
              frontier->push_back({object, node.cell, floor});
            }
            continue;
          }
        }
      }
      bool& seen = reach[floor][Index(next)];
      if (seen) continue;
      seen = true;
      open[count++] = {floor, next};
    }
  }
}

TowerModel::Reach TowerModel::Reachable(const SolverState& state, int topFloor) const {
  Reach reach;
  Explore(state, topFloor, reach, nullptr);
  return reach;
}

std::vector<FrontierEntry> TowerModel::Frontier(const SolverState& state, int topFloor) const {
  Reach reach;
  std::vector<FrontierEntry> frontier;
  Explore(state, topFloor, reach, &frontier);
  return frontier;
}

bool TowerModel::Allowed(const SolverState& state, const SolverAction& action) const {
  if (state.won) return false;
  const int32_t price = Price(state);
  switch (action.kind) {
    case SolverAction::Kind::BuyAttack:
      return variant_.shop != ShopRule::DefenceOnly && state.gold >= price;
    case SolverAction::Kind::BuyDefence:
      return variant_.shop != ShopRule::AttackOnly && state.gold >= price;
    case SolverAction::Kind::Take:
      break;
  }
  const TowerObject& o = objects_[action.object];
  const tile::Meaning& meaning = tile::MeaningOf(o.code);
  if (meaning.kind == tile::Kind::Door)
    return meaning.key == tile::kFloor || state.keys[meaning.key - tile::kYellowKey] > 0;
  if (meaning.kind == tile::Kind::Monster) {
    const int32_t estimate = Estimate(state, o.code);
    return estimate >= 0 && estimate < state.hp;
  }
  return true;
}

void TowerModel::Apply(SolverState& state, const SolverAction& action) const {
  const int32_t price = Price(state);
  if (action.kind == SolverAction::Kind::BuyAttack) {
    state.gold -= price;
    state.attack += shop_.attack;
    ++state.attackBuys;
    return;
  }
  if (action.kind == SolverAction::Kind::BuyDefence) {
    state.gold -= price;
    state.defence += shop_.defence;
    ++state.defenceBuys;
    return;
  }
  const TowerObject& o = objects_[action.object];
  const tile::Meaning& meaning = tile::MeaningOf(o.code);
  state.Clear(action.object);
  state.floor = o.floor;
  state.position = action.from;
  switch (meaning.kind) {
    case tile::Kind::Door:
      if (meaning.key != tile::kFloor) --state.keys[meaning.key - tile::kYellowKey];
      break;
    case tile::Kind::Monster: {
      state.hp -= Estimate(state, o.code);
      state.gold += Kind(o.code).gold;
      if (IsBoss(action.object)) state.won = true;
      break;
    }
    case tile::Kind::Character: {
      const GiftEffect& gift = gifts_[action.object];
      state.attack += gift.attack;
      state.defence += gift.defence;
      state.hp += gift.hp;
      state.agility += gift.agility;
      state.gold += gift.gold;
      for (int k = 0; k < 3; ++k) state.keys[k] += gift.keys[k];
      break;
    }
    case tile::Kind::Item: {
      const tile::Gain& gain = meaning.gain;
      switch (gain.stat) {
        case tile::Gain::Attack:
          state.attack += gain.amount;
          break;
        case tile::Gain::Defence:
          state.defence += gain.amount;
          break;
        case tile::Gain::Health:
          if (variant_.potions) state.hp += gain.amount;
          break;
        case tile::Gain::Agility:
          state.agility += gain.amount;
          break;
        case tile::Gain::Counter:
          if (o.code == tile::kGold) {
            state.gold += gain.amount;
          } else {
            state.keys[o.code - tile::kYellowKey] += gain.amount;
          }
          break;
        case tile::Gain::MasterKey:
          for (int32_t& key : state.keys) key += gain.amount;
          break;
        case tile::Gain::Nothing:
          break;
      }
      break;
    }
    default:
      break;
  }
}

bool TowerModel::IsFree(const SolverState& state, int object) const {
  const TowerObject& o = objects_[object];
  const tile::Meaning& meaning = tile::MeaningOf(o.code);
  switch (meaning.kind) {
    case tile::Kind::Item:
    case tile::Kind::Character:
      return true;
    case tile::Kind::Door:
      return meaning.key == tile::kFloor;
    case tile::Kind::Monster:
      return !IsBoss(object) && Estimate(state, o.code) == 0;
    default:
      return false;
  }
}

int64_t TowerModel::StandingCost(const SolverState& state) const {
  std::array<int32_t, tile::kLastMonster + 1> estimate;
  estimate.fill(-2);
  int highest = state.floor;
  for (size_t i = 0; i < objects_.size(); ++i)
    if (state.Cleared(static_cast<int>(i))) highest = std::max(highest, objects_[i].floor);
  int64_t cost = 0;
  for (size_t i = 0; i < objects_.size(); ++i) {
    const uint8_t code = objects_[i].code;
    if (objects_[i].floor > highest + 1) break;
    if (!tile::IsMonster(code) || state.Cleared(static_cast<int>(i))) continue;
    if (estimate[code] == -2) estimate[code] = Estimate(state, code);
    cost += estimate[code] < 0 ? kUnbeatableCost : estimate[code];
  }
  return cost;
}

std::optional<SolverAction> TowerModel::BetterPurchase(const SolverState& state) const {
  const SolverAction attack{SolverAction::Kind::BuyAttack, -1, {}};
  const SolverAction defence{SolverAction::Kind::BuyDefence, -1, {}};
  const bool canAttack = Allowed(state, attack), canDefend = Allowed(state, defence);
  if (!canAttack || !canDefend) {
    if (canAttack) return attack;
    if (canDefend) return defence;
    return std::nullopt;
  }
  SolverState a = state, d = state;
  Apply(a, attack);
  Apply(d, defence);
  return StandingCost(a) < StandingCost(d) ? attack : defence;
}

void TowerModel::TakeFreeObjects(SolverState& state, std::vector<SolverAction>* taken,
                                 int topFloor) const {
  for (bool more = true; more;) {
    more = false;
    // Gold is spent as soon as it buys something: the price rises with each purchase, not
    // with time, so waiting never makes one cheaper.
    if (const auto purchase = BetterPurchase(state)) {
      Apply(state, *purchase);
      if (taken) taken->push_back(*purchase);
      more = true;
    }
    for (const FrontierEntry& entry : Frontier(state, topFloor)) {
      if (!IsFree(state, entry.object)) continue;
      const SolverAction action{SolverAction::Kind::Take, static_cast<int16_t>(entry.object),
                                entry.from};
      Apply(state, action);
      if (taken) taken->push_back(action);
      more = true;
    }
  }
}

}  // namespace quenlit::tower
