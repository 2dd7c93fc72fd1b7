#include "route_runner.h"
#include "app/frame.h"
#include "base/key_codes.h"

#include <cmath>
#include <map>

#include "game/tiles.h"
#include "pathing.h"

namespace quenlit::tower {
namespace {

struct KeyName {
  uint32_t code;
  const char* name;
};

// The arrow that walks the direction (a path never holds None).
KeyName ArrowFor(Direction direction) {
  const DirectionFacts& facts = *FactsOf(direction);
  return {facts.arrowKey, facts.keyName};
}

// Game seconds a battle may take before the script gives up on it: the strikes the hero needs,
// each round at the slow 0.35 s rhythm for every exchange, twice over for the dodges.
int BattleTimeout(const Monster& m, int32_t heroDamage) {
  const double strikes = std::ceil(static_cast<double>(m.hp) / heroDamage);
  return static_cast<int>(std::ceil(2 * strikes * 0.35 * (1 + m.combo))) + 10;
}

class RouteRunner {
 public:
  explicit RouteRunner(Game& game) : game_(game), hero_(game.hero) {}

  RouteResult Run(const std::vector<PlanStep>& plan) {
    Arrive();
    for (const PlanStep& step : plan) {
      if (game_.screen == GameScreen::Victory) break;
      if (auto problem = Take(step)) {
        result_.failure = step.where.Problem(*problem);
        break;
      }
    }
    result_.visits.back().departure = NumbersOf(hero_);
    result_.finalHp = hero_.hp;
    result_.won = game_.screen == GameScreen::Victory;
    if (result_.won) {
      result_.script.push_back("until Victory 1");
    } else if (result_.failure.empty()) {
      result_.failure = "the plan ends before the boss is beaten";
    }
    return result_;
  }

 private:
  std::optional<std::string> Take(const PlanStep& step) {
    switch (step.kind) {
      case PlanStep::Kind::Floor:
        if (hero_.floor != step.a)
          return "the plan expects floor " + std::to_string(step.a) + " here, the hero is on " +
                 std::to_string(hero_.floor);
        result_.script.push_back("# floor " + std::to_string(step.a));
        return std::nullopt;
      case PlanStep::Kind::To:
        return StepInto({step.a, step.b});
      case PlanStep::Kind::Up:
        return TakeStairs(tile::kStairsUp);
      case PlanStep::Kind::Down:
        return TakeStairs(tile::kStairsDown);
      case PlanStep::Kind::BuyAttack:
        return Buy(step.a, 'G', hero_.attack);
      case PlanStep::Kind::BuyDefence:
        return Buy(step.a, 'F', hero_.defence);
      case PlanStep::Kind::Mark:
        return std::nullopt;
    }
    return std::nullopt;
  }

  std::optional<std::string> StepInto(Cell target) {
    const auto presses = PathTo(game_.CurrentFloor(), hero_.Position(), target);
    if (!presses)
      return "floor " + std::to_string(hero_.floor) + ": cannot reach " + CellText(target);
    if (presses->empty()) return "the hero already stands on " + CellText(target);
    const uint8_t before = *game_.CellAt(target.row, target.column);
    const int floorBefore = hero_.floor;
    for (size_t i = 0; i + 1 < presses->size(); ++i) Press(ArrowFor((*presses)[i]));
    const Cell standing = hero_.Position();
    acted_ = false;
    Press(ArrowFor(presses->back()));
    if (!failure_.empty()) return failure_;
    if (hero_.floor != floorBefore || !(hero_.Position() == standing)) return std::nullopt;
    if (acted_ || *game_.CellAt(target.row, target.column) != before) return std::nullopt;
    if (const tile::Meaning& door = tile::MeaningOf(before);
        door.kind == tile::Kind::Door && door.key != tile::kFloor)
      return "floor " + std::to_string(hero_.floor) + ": no " + tile::MeaningOf(door.key).name +
             " for the door at " + CellText(target);
    return "floor " + std::to_string(hero_.floor) + ": nothing happens at " + CellText(target) +
           " (tile " + std::to_string(before) + ")";
  }

  std::optional<std::string> TakeStairs(uint8_t stairs) {
    std::optional<std::vector<Direction>> shortest;
    Cell best;
    for (int row = 0; row < kFloorSize; ++row) {
      for (int column = 0; column < kFloorSize; ++column) {
        if (game_.CurrentFloor().At(row, column) != stairs) continue;
        auto path = PathTo(game_.CurrentFloor(), hero_.Position(), {row, column});
        if (path && !path->empty() && (!shortest || path->size() < shortest->size())) {
          shortest = path;
          best = {row, column};
        }
      }
    }
    const char* which = stairs == tile::kStairsUp ? "up" : "down";
    if (!shortest)
      return "floor " + std::to_string(hero_.floor) + ": no stairs " + which + " within reach";
    return StepInto(best);
  }

  std::optional<std::string> Buy(int count, char key, const int32_t& stat) {
    for (int i = 0; i < count; ++i) {
      const int32_t price = game_.shop.shopPrice;
      const int32_t gold = hero_.Items(tile::kGold);
      const int32_t statBefore = stat;
      Press({static_cast<uint32_t>(key), key == 'G' ? "G" : "F"});
      if (stat == statBefore)
        return "purchase " + std::to_string(i + 1) + " of " + std::to_string(count) + " costs " +
               std::to_string(price) + " gold, the hero has " + std::to_string(gold);
    }
    return std::nullopt;
  }

  // One key press, then whatever the screen asks for until the map (or the end) shows again.
  void Press(KeyName key) {
    result_.script.push_back(std::string("key ") + key.name);
    game_.HandleInput(vk::kKeyDown, key.code);
    game_.HandleInput(vk::kKeyUp, key.code);
    Settle();
  }

  // What the screen after a press asks for: Enter on a notice or a speech box, the battle
  // settled at its estimate, the floor change completed. Each of them ends in another press
  // or on the map.
  void Settle() {
    if (!failure_.empty()) return;
    switch (game_.screen.load()) {
      case GameScreen::Message:
      case GameScreen::Dialogue:
        acted_ = true;
        Press({vk::kEnter, "Enter"});
        break;
      case GameScreen::Battle:
        acted_ = true;
        if (!SettleBattle()) break;
        result_.script.push_back("until BattleWon " + std::to_string(battleTimeout_));
        Press({vk::kEnter, "Enter"});
        break;
      case GameScreen::FloorChange:
        result_.visits.back().departure = NumbersOf(hero_);
        // The curtain closes, the floor switches behind it, and it opens on the map.
        if (!RunFramesWhile(GameScreen::FloorChange)) {
          failure_ = "floor " + std::to_string(hero_.floor) + ": the floor change never ends";
          break;
        }
        result_.script.push_back("until Map");
        Arrive();
        break;
      default:
        break;
    }
  }

  bool SettleBattle() {
    Fight fight;
    fight.floor = hero_.floor;
    fight.cell = {game_.battle.row, game_.battle.column};
    fight.kind = game_.battle.opponentId;
    fight.name = game_.battle.opponent.name;
    fight.estimate = game_.EstimateDamage(fight.kind);
    fight.hpBefore = hero_.hp;
    const std::string where =
        "floor " + std::to_string(fight.floor) + ": " + fight.name + " at " + CellText(fight.cell);
    if (fight.estimate < 0) {
      failure_ = where + " cannot be hurt: attack " + std::to_string(hero_.attack) +
                 " against defence " + std::to_string(game_.battle.opponent.defend);
      return false;
    }
    if (fight.estimate >= hero_.hp) {
      failure_ = where + " costs " + std::to_string(fight.estimate) + " health, the hero has " +
                 std::to_string(hero_.hp);
      return false;
    }
    const Monster& kind = game_.world.monsters.at(fight.kind);
    battleTimeout_ = BattleTimeout(kind, hero_.attack - kind.defend);
    // The fight costs its estimate; the battle then ends as the game ends it, on the next
    // strike after the monster's health is gone.
    hero_.hp -= fight.estimate;
    game_.battle.opponent.hp = 0;
    if (!RunFramesWhile(GameScreen::Battle) || game_.screen != GameScreen::BattleWon) {
      failure_ = where + " does not end in a won battle";
      return false;
    }
    result_.visits.back().fights.push_back(fight);
    result_.lastFight = fight;
    return true;
  }

  // Runs the game's frames, on a clock of the runner's own, while the screen stays the same;
  // false when it never leaves it.
  bool RunFramesWhile(GameScreen screen) {
    constexpr float kFrameTime = 0.02f;
    constexpr int kMostFrames = 1000;
    for (int frame = 0; frame < kMostFrames && game_.screen == screen; ++frame) {
      now_ += kFrameTime;
      RunFrame(game_, now_, Painting::Off);
    }
    return game_.screen != screen;
  }

  void Arrive() {
    FloorVisit visit;
    visit.floor = hero_.floor;
    visit.arrival = NumbersOf(hero_);
    std::map<int, int> counts;
    for (uint8_t code : game_.CurrentFloor().cells)
      if (tile::IsMonster(code)) ++counts[code];
    for (const auto& [kind, count] : counts)
      visit.monstersOnArrival.push_back(
          {kind, game_.world.monsters.at(kind).name, count, game_.EstimateDamage(kind)});
    result_.visits.push_back(visit);
  }

  Game& game_;
  Hero& hero_;
  RouteResult result_;
  std::string failure_;  // a battle the route cannot win
  bool acted_ = false;   // the last press opened a screen (talk, notice, battle)
  int battleTimeout_ = 0;
  float now_ = 0;  // the clock of the frames the runner lets pass
};

}  // namespace

HeroNumbers NumbersOf(Hero& hero) {
  return {hero.hp,
          hero.attack,
          hero.defence,
          hero.agility,
          hero.Items(tile::kGold),
          hero.Items(tile::kYellowKey),
          hero.Items(tile::kBlueKey),
          hero.Items(tile::kRedKey)};
}

RouteResult RunRoute(Game& game, const std::vector<PlanStep>& plan) {
  return RouteRunner(game).Run(plan);
}

std::string ScriptText(const RouteResult& route) {
  std::string text =
      "# The winning route, played by quenlit-sim from a new game. It is written by\n"
      "# \"quenlit-tower check --sim\" from the route plan: change the plan, not this file.\n";
  for (const std::string& line : route.script) text += line + "\n";
  return text;
}

}  // namespace quenlit::tower
