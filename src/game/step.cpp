// The step rule: everything in the tower happens when the hero tries to step into a cell.
#include <cstdio>
#include <string>

#include "data/floor.h"
#include "game/bounded.h"
#include "game/game.h"
#include "game/tiles.h"

namespace quenlit {
namespace {

// What picking an item up does: which counter grows by how much, and what the notice says
// ("%d" stands for the amount). Codes 234 to 239 are taken away without effect or notice.
struct Pickup {
  uint8_t code;
  enum Stat { Attack, Defence, Health, Agility, Counter, MasterKey, Nothing } stat;
  int32_t amount;
  const char* message;
};

constexpr Pickup kPickups[] = {
    {209, Pickup::Attack, 10, "铁剑,攻击力+%d"},
    {210, Pickup::Attack, 25, "银剑,攻击力+%d"},
    {211, Pickup::Attack, 45, "骑士剑,攻击力+%d"},
    {212, Pickup::Attack, 70, "钻石剑,攻击力+%d"},
    {213, Pickup::Attack, 100, "神圣剑,攻击力+%d"},
    {214, Pickup::Defence, 45, "骑士盾,防御力+%d"},
    {215, Pickup::Defence, 10, "铁盾,防御力+%d"},
    {216, Pickup::Defence, 25, "银盾,防御力+%d"},
    {217, Pickup::Defence, 70, "钻石盾,防御力+%d"},
    {218, Pickup::Defence, 100, "神圣盾,防御力+%d"},
    {225, Pickup::Counter, 1, "黄钥匙"},
    {226, Pickup::Counter, 1, "蓝钥匙"},
    {227, Pickup::Counter, 1, "红钥匙"},
    {228, Pickup::Counter, 200, "金币，金钱+200"},
    {229, Pickup::MasterKey, 1, "万能钥匙，所有钥匙+1"},
    {230, Pickup::Health, 150, "红药瓶，体力+150"},
    {231, Pickup::Health, 400, "蓝药瓶，体力+400"},
    {232, Pickup::Attack, 2, "红宝石，攻击力+2"},
    {233, Pickup::Defence, 2, "蓝宝石，防御力+2"},
    {234, Pickup::Nothing, 0, nullptr},
    {235, Pickup::Nothing, 0, nullptr},
    {236, Pickup::Nothing, 0, nullptr},
    {237, Pickup::Nothing, 0, nullptr},
    {238, Pickup::Nothing, 0, nullptr},
    {239, Pickup::Nothing, 0, nullptr},
    {240, Pickup::Agility, 1, "绿宝石，敏捷+1"},
};

// The doors a step can open: the key each needs (0 for none) and its opening sequence.
struct DoorKind {
  uint8_t code;
  uint8_t key;
  const char* sequence;
};

constexpr DoorKind kDoors[] = {
    {tile::kYellowDoor, tile::kYellowKey, "opendoor1"},
    {tile::kBlueDoor, tile::kBlueKey, "opendoor2"},
    {tile::kRedDoor, tile::kRedKey, "opendoor3"},
    {tile::kJail, 0, "openjail"},
};

}  // namespace

void Game::TryStep(Direction direction) {
  sound.Play("Sound 272.wav", clock);
  const Vector target = Step(hero.Position(), direction);
  if (!CellAt(target.a, target.b)) {
    hero.SetFacing(direction);
    return;
  }
  if (IsWalkable(*CellAt(target.a, target.b))) {
    hero.Move(direction, 1);
    return;
  }
  hero.SetFacing(direction);
  if (PickUpItem(*CellAt(target.a, target.b))) SetCell(target.a, target.b, tile::kFloor);
  OpenDoor(target.a, target.b);
  IsMonster(target.a, target.b);
  if (IsCharacter(*CellAt(target.a, target.b))) TalkAt(target.a, target.b);
}

bool Game::IsWalkable(uint8_t code) {
  if (code == tile::kStairsDown) return TakeStairs(-1);
  if (code == tile::kStairsUp) return TakeStairs(+1);
  return code == tile::kFloor;
}

bool Game::TakeStairs(int delta) {
  // Stairs out of the tower (below floor 1, above floor 20) lead nowhere: the hero only
  // turns towards them.
  const int32_t destination = hero.floor + delta;
  if (destination < 1 || destination > kFloorCount) return false;
  targetFloor = destination;
  fadeLevel = 0.0f;
  fadeRising = true;
  sound.Play("Sound 1617.wav", clock);
  screen = GameScreen::FloorChange;
  return true;
}

bool Game::PickUpItem(uint8_t code) {
  for (const Pickup& item : kPickups) {
    if (item.code != code) continue;
    switch (item.stat) {
      case Pickup::Attack:
        AddBounded(hero.attack, item.amount);
        break;
      case Pickup::Defence:
        AddBounded(hero.defence, item.amount);
        break;
      case Pickup::Health:
        AddBounded(hero.hp, item.amount);
        break;
      case Pickup::Agility:
        AddBounded(hero.agility, item.amount);
        break;
      case Pickup::Counter:
        AddBounded(hero.Items(code), item.amount);
        break;
      case Pickup::MasterKey:
        for (uint8_t key : {tile::kYellowKey, tile::kBlueKey, tile::kRedKey})
          AddBounded(hero.Items(key), 1);
        break;
      case Pickup::Nothing:
        return true;
    }
    char text[96];
    std::snprintf(text, sizeof text, item.message, item.amount);
    ShowMessage(text);
    return true;
  }
  return false;
}

bool Game::OpenDoor(int row, int column) {
  const std::optional<uint8_t> code = CellAt(row, column);
  if (!code) return false;
  for (const DoorKind& door : kDoors) {
    if (door.code != *code) continue;
    if (door.key != 0) {
      int32_t& keys = hero.Items(door.key);
      if (keys < 1) return false;  // a door takes one key; none, none opened
      keys -= 1;
    }
    SetCell(row, column, tile::kFloor);
    if (CD2DGif* opening = sequences.Find(door.sequence)) opening->SetAnchor(row, column);
    StartSequence(door.sequence);
    sound.Play("Sound 564.wav", clock);
    return true;
  }
  return false;
}

bool Game::IsMonster(int row, int column) {
  const std::optional<uint8_t> code = CellAt(row, column);
  if (!code || !tile::IsMonster(*code)) return false;
  BeginBattle(row, column);
  return true;
}

bool Game::IsCharacter(uint8_t code) {
  return tile::IsCharacter(code);
}

}  // namespace quenlit
