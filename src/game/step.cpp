// The step rule: everything in the tower happens when the hero tries to step into a cell.
#include "data/floor.h"
#include "game/bounded.h"
#include "game/game.h"
#include "game/tiles.h"

namespace quenlit {

void Game::TryStep(Direction direction) {
  sound.Play("Sound 272.wav", clock);
  const Cell target = Step(hero.Position(), direction);
  if (!CellAt(target.row, target.column)) {
    hero.SetFacing(direction);
    return;
  }
  if (IsWalkable(*CellAt(target.row, target.column))) {
    hero.Move(direction, 1);
    comfortState.stats.steps += 1;
    return;
  }
  hero.SetFacing(direction);
  if (PickUpItem(*CellAt(target.row, target.column)))
    SetCell(target.row, target.column, tile::kFloor);
  OpenDoor(target.row, target.column);
  IsMonster(target.row, target.column);
  if (IsCharacter(*CellAt(target.row, target.column))) TalkAt(target.row, target.column);
}

bool Game::IsWalkable(uint8_t code) {
  const tile::Meaning& meaning = tile::MeaningOf(code);
  if (meaning.kind == tile::Kind::Stairs) return TakeStairs(meaning.floorChange);
  return tile::IsWalkable(code);
}

bool Game::TakeStairs(int delta) {
  // Stairs out of the tower (below floor 1, above floor 20) lead nowhere: the hero only
  // turns towards them.
  const int32_t destination = hero.floor + delta;
  if (destination < 1 || destination > kFloorCount) return false;
  curtain.targetFloor = destination;
  curtain.fadeLevel = 0.0f;
  curtain.fadeRising = true;
  sound.Play("Sound 1617.wav", clock);
  screen = GameScreen::FloorChange;
  return true;
}

bool Game::PickUpItem(uint8_t code) {
  const tile::Meaning& item = tile::MeaningOf(code);
  if (item.kind != tile::Kind::Item) return false;
  const tile::Gain& gain = item.gain;
  switch (gain.stat) {
    case tile::Gain::Attack:
      AddBounded(hero.attack, gain.amount);
      break;
    case tile::Gain::Defence:
      AddBounded(hero.defence, gain.amount);
      break;
    case tile::Gain::Health:
      AddBounded(hero.hp, gain.amount);
      break;
    case tile::Gain::Agility:
      AddBounded(hero.agility, gain.amount);
      break;
    case tile::Gain::Counter:
      AddBounded(hero.Items(code), gain.amount);
      break;
    case tile::Gain::MasterKey:
      for (uint8_t key : {tile::kYellowKey, tile::kBlueKey, tile::kRedKey})
        AddBounded(hero.Items(key), 1);
      break;
    case tile::Gain::Nothing:
      return true;
  }
  ShowMessage((*gain.message)(gain.amount));
  return true;
}

bool Game::OpenDoor(int row, int column) {
  const std::optional<uint8_t> code = CellAt(row, column);
  if (!code) return false;
  const tile::Meaning& door = tile::MeaningOf(*code);
  if (door.kind != tile::Kind::Door) return false;
  if (door.key != tile::kFloor) {
    int32_t& keys = hero.Items(door.key);
    if (keys < 1) {  // a door takes one key; none, none opened
      NoteLockedDoor(door.key);
      return false;
    }
    keys -= 1;
  }
  SetCell(row, column, tile::kFloor);
  if (CD2DGif* opening = assets.sequences.Find(door.opening)) opening->SetAnchor(row, column);
  StartSequence(door.opening);
  sound.Play("Sound 564.wav", clock);
  return true;
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
