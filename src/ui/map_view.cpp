// The world under every overlay: background, floor label, the 14 x 14 cells with whatever
// stands on them, the hero, the map's frame and the doors that are swinging open.
#include "base/key_codes.h"
#include "game/game.h"
#include "game/tiles.h"
#include "game_texts.h"
#include "ui/draw_helpers.h"
#include "ui/scene.h"
#include "ui/screens.h"
#include "ui/sprite_names.h"

namespace quenlit::ui {
namespace {

void DrawFloorLabel(const Game& game) {
  for (const float x : {390.0f, 422.0f, 454.0f, 486.0f}) DrawPicture(game, "floor", x, 0, 32, 32);
  // Floors below the ground read as basements.
  const int32_t floor = FloorOnShow(game);
  const std::string label = floor >= 1 ? texts::kFloorLabel(floor) : texts::kBasementLabel(floor);
  game.graphics.DrawText("宋体", 18, 422, 5, 590, 153, label, false, false, 1);
}

void DrawCells(const Game& game) {
  const Floor* cells = game.world.FloorAt(FloorOnShow(game));
  if (cells == nullptr) return;
  for (int row = 0; row < kFloorSize; ++row) {
    for (int column = 0; column < kFloorSize; ++column) {
      const uint8_t code = cells->At(row, column);
      const float x = CellLeft(column), y = CellTop(row);
      const std::string picture = CellPicture(code, game.frameClock.spritePhase);
      if (!picture.empty()) DrawPicture(game, picture, x, y, kCellSize, kCellSize);
      // A monster stands on the background itself: its byte has no cell picture.
      if (tile::IsMonster(code)) {
        const std::string monster = MonsterPicture(game, code, game.frameClock.spritePhase);
        if (!monster.empty()) DrawPicture(game, monster, x, y, kCellSize, kCellSize);
      }
    }
  }
}

// The arrow key that walks the hero the way he faces.
uint32_t ArrowOf(Direction facing) {
  const DirectionFacts* facts = FactsOf(facing);
  return facts ? facts->arrowKey : 0;
}

void DrawHero(const Game& game) {
  const Hero& hero = game.hero;
  const uint32_t arrow = ArrowOf(hero.facing);
  const bool held = arrow != 0 && game.keys.keyDown[arrow] != 0;
  const std::string picture = HeroPicture(hero.facing, held, game.frameClock.spritePhase);
  if (picture.empty()) return;
  DrawPicture(game, picture, CellLeft(hero.Column()), CellTop(hero.Row()), kCellSize, kCellSize);
}

}  // namespace

int32_t FloorOnShow(const Game& game) {
  return game.curtain.floorLeftBehind.value_or(game.hero.floor);
}

void DrawMapView(const Game& game) {
  DrawPicture(game, "backbig", 0, 0, kSceneWidth, kSceneHeight);
  DrawFloorLabel(game);
  DrawCells(game);
  DrawHero(game);
  game.graphics.DrawRectangle(229, 34, 678, 483, 3);
}

void DrawDoorOpenings(const Game& game) {
  for (const tile::Meaning& meaning : tile::kMeanings) {
    if (meaning.kind != tile::Kind::Door) continue;
    const CD2DGif* opening = game.assets.sequences.Find(meaning.opening);
    if (!opening) continue;
    const auto [row, column] = opening->GetAnchor();
    opening->Draw(game.graphics.GetRenderTarget(), CellCentreX(column), CellCentreY(row), kCellSize,
                  kCellSize, 1);
  }
}

}  // namespace quenlit::ui
