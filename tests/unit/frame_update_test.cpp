// The frame's update and its paint: time moves the game on through the update alone, so a
// game whose frames are never painted (the headless driver) plays exactly as one on screen,
// and painting a frame changes nothing.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/frame.h"
#include "app/session/state_dump.h"
#include "game/tiles.h"
#include "ui/paint.h"
#include "world.h"

namespace quenlit::test {
namespace {

class FramePicture : public platform::Bitmap {
 public:
  int Width() const override { return 32; }
  int Height() const override { return 32; }
};

// A game with a door before the hero, stairs behind it and a monster on the floor above,
// whose door opening and strikes have frames to play.
struct PlayedWorld : World {
  PlayedWorld() {
    for (const char* name : {"opendoor1", "heroslash", "fist", "fistb"}) {
      CD2DGif& sequence = game.assets.sequences.Put(name, CD2DGif(30));
      for (int i = 0; i < 4; ++i)
        sequence.frames.push_back({std::make_shared<FramePicture>(), 32, 32});
    }
    SetCell(11, 7, tile::kYellowDoor);
    SetCell(10, 7, tile::kStairsUp);
    game.world.floors[2].At(9, 7) = 12;
    Monster& monster = game.world.monsters[12];
    monster.keyName = "Monster12";
    monster.name = "slime";
    monster.hp = 40;
    monster.attack = 14;
    monster.defend = 0;
    monster.swift = 30;  // dodges now and then: misses show and end
    monster.exp = 5;
  }

  // One turn of the main loop, 1 ms after the last.
  void Turn(Painting painting) {
    wallClock.AdvanceMs(1);
    RunFrame(game, game.UpdateClock(), painting);
  }
  void Run(float seconds, Painting painting) {
    for (int ms = 0; ms < static_cast<int>(seconds * 1000); ++ms) Turn(painting);
  }

  // The game as the driver dumps it, with where every sequence stands.
  std::string State() {
    std::string state = DumpState(game, played, started);
    for (const auto& [name, sequence] : game.assets.sequences) {
      state += " " + name + ":" + std::to_string(sequence.current) + "@" +
               std::to_string(sequence.lastTime);
    }
    return state;
  }
};

TEST(FrameUpdate, UpdatesAlonePlayTheGameAsPaintedFramesDo) {
  PlayedWorld painted, unpainted;
  // Each phase of play, then the time it is given.
  const std::pair<std::function<void(PlayedWorld&)>, float> phases[] = {
      {[](PlayedWorld&) {}, 0.5f},
      {[](PlayedWorld& w) { w.Press(vk::kUp); }, 0.6f},  // the door swings open
      {[](PlayedWorld& w) { w.Press(vk::kUp); }, 0.2f},
      {[](PlayedWorld& w) { w.Press(vk::kUp); }, 2.0f},   // up the stairs behind the curtain
      {[](PlayedWorld& w) { w.Press(vk::kUp); }, 10.0f},  // the fight
      {[](PlayedWorld& w) { w.Press(vk::kEnter); }, 0.3f},
      {[](PlayedWorld& w) { w.Press('D'); }, 0.4f},  // the manual
      {[](PlayedWorld& w) { w.Press(vk::kEnter); }, 0.3f},
  };
  int phase = 0;
  for (const auto& [act, seconds] : phases) {
    act(painted);
    act(unpainted);
    // Compared every few frames: a difference that the next frames would hide counts too.
    for (int ms = 1; ms <= static_cast<int>(seconds * 1000); ++ms) {
      painted.Turn(Painting::On);
      unpainted.Turn(Painting::Off);
      if (ms % 10 != 0) continue;
      const std::string expected = painted.State();
      ASSERT_EQ(unpainted.State(), expected) << "phase " << phase << ", " << ms << " ms in";
    }
    ++phase;
  }
  // The play reached what it meant to: a door opened, a floor climbed, a fight fought.
  EXPECT_EQ(painted.hero.floor, 2);
  EXPECT_EQ(painted.game.screen, GameScreen::Map);
  EXPECT_EQ(painted.hero.exp, 5);
  EXPECT_GT(painted.game.loading.framesDrawn, 500u);
  EXPECT_EQ(unpainted.game.loading.framesDrawn, 0u);
}

TEST(FrameUpdate, PaintingAFrameChangesNothing) {
  struct Case {
    const char* name;
    std::function<void(PlayedWorld&)> pose;
  };
  const Case cases[] = {
      {"map", [](PlayedWorld&) {}},
      {"loading",
       [](PlayedWorld& w) {
         w.game.screen = GameScreen::Loading;
         w.game.loading.loadProgress = 40;
       }},
      {"floor change",
       [](PlayedWorld& w) {
         w.game.curtain.targetFloor = 2;
         w.game.curtain.fadeLevel = 0.99f;
         w.game.curtain.fadeRising = true;
         w.game.screen = GameScreen::FloorChange;
       }},
      {"battle with misses",
       [](PlayedWorld& w) {
         w.hero.SetFloor(2);
         w.game.BeginBattle(9, 7);
         w.game.displays.heroMissShown = w.game.displays.monsterMissShown = true;
         w.game.displays.heroMissTime = w.game.displays.monsterMissTime = 0.9f;
       }},
      {"game over",
       [](PlayedWorld& w) {
         w.game.screen = GameScreen::GameOver;
         w.game.displays.gameOverShown = true;
         w.game.displays.gameOverTime = 0.5f;
       }},
      {"manual", [](PlayedWorld& w) { w.game.OpenManual(); }},
  };
  for (const Case& c : cases) {
    PlayedWorld world;
    c.pose(world);
    world.game.assets.sequences.at("opendoor1").Start();
    world.Run(1.0f, Painting::On);
    const std::string before = world.State();
    ui::Paint(world.game, 1.0f);
    ui::Paint(world.game, 0.0f);
    EXPECT_EQ(world.State(), before) << c.name;
  }
}

}  // namespace
}  // namespace quenlit::test
