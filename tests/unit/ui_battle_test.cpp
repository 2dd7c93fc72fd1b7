// The battle panel, the strike effects and the "MISS!!" indicators, and the won panel.
#include <gtest/gtest.h>

#include "ui_recorder.h"

namespace quenlit::test {
namespace {

// A battle against monster 7 with its numbers on the panel.
struct BattleWorld : UiWorld {
  BattleWorld() {
    AddMonster(7, "史莱姆", 35, 18, 2);
    for (const char* name : {"battleback", "hero1d", "Monster7_1", "Monster7_2"}) Picture(name);
    game.screen = GameScreen::Battle;
    game.battle.opponentId = 7;
    game.battle.opponent.name = "史莱姆";
    game.battle.opponent.hp = 35;
    game.battle.opponent.attack = 18;
    game.battle.opponent.defend = 2;
    game.battle.opponent.swift = 4;
    hero.hp = 990;
    hero.attack = 12;
    hero.defence = 11;
    hero.agility = 3;
  }
  // The text call whose box starts at (left, top).
  const DrawCall* TextAt(float left, float top) const {
    for (const DrawCall& call : canvas.calls)
      if (call.kind == DrawCall::Kind::Text && call.box.left == left && call.box.top == top)
        return &call;
    return nullptr;
  }
};

TEST(UiBattle, PanelFacesBothSidesNumbers) {
  BattleWorld world;
  world.game.frameClock.spritePhase = true;
  world.Draw();
  ExpectBox(world.Find("battleback"), {212, 131, 593, 256});
  // The map's hero is drawn first; the panel's hero is the later one.
  const DrawCall* hero = nullptr;
  for (const DrawCall& call : world.canvas.calls)
    if (call.what == "hero1d") hero = &call;
  ExpectBox(hero, {535, 163, 567, 195});
  ExpectBox(world.Find("Monster7_1"), {236, 163, 268, 195});

  struct Row {
    const char* heroValue;
    const char* heroLabel;
    const char* monsterValue;
    const char* monsterLabel;
  };
  const Row rows[] = {{"990", ":体力", "35", "体力:"},
                      {"12", ":攻击力", "18", "攻击力:"},
                      {"11", ":防御力", "2", "防御力:"},
                      {"3", ":敏捷", "4", "敏捷:"}};
  for (int i = 0; i < 4; ++i) {
    const float top = 160.0f + 25 * i;
    const struct {
      float left;
      const char* text;
      bool trailing;
    } cells[] = {{312, rows[i].heroValue, true},
                 {372, rows[i].heroLabel, true},
                 {343, rows[i].monsterValue, false},
                 {282, rows[i].monsterLabel, false}};
    for (const auto& cell : cells) {
      const DrawCall* text = world.TextAt(cell.left, top);
      ASSERT_NE(text, nullptr) << cell.text;
      EXPECT_EQ(text->what, cell.text);
      EXPECT_EQ(text->trailing, cell.trailing) << cell.text;
      ExpectBox(text, {cell.left, top, cell.left + 150, top + 100});
    }
  }
  ExpectBox(world.Find("VS"), {385, 135, 535, 235});
  EXPECT_EQ(world.Find("VS")->family, "迷你简娃娃篆");
  ExpectBox(world.Find("史莱姆"), {240, 138, 390, 238});
  ExpectBox(world.Find("勇者"), {535, 138, 685, 238});
  const DrawCall* retreat = world.Find("撤退(Q)");
  ExpectBox(retreat, {530, 231, 680, 331});
  EXPECT_EQ(retreat->rgb, CD2DGraphics::kYellow);

  int outlines = 0;
  for (const DrawCall& call : world.canvas.calls)
    if (call.kind == DrawCall::Kind::Rectangle) ++outlines;
  EXPECT_EQ(outlines, 1 + 3);  // the map frame, then the panel and its two picture frames
}

TEST(UiBattle, WonPanelDropsTheRetreatHintAndShowsTheReward) {
  BattleWorld world;
  world.Picture("battleendback", 381, 32);
  world.game.screen = GameScreen::BattleWon;
  world.game.battle.opponent.exp = 3;
  world.game.battle.opponent.gold = 15;
  world.Draw();
  EXPECT_FALSE(world.Shows("撤退(Q)"));
  EXPECT_TRUE(world.Shows("990"));
  EXPECT_TRUE(world.Shows("35"));
  ExpectBox(world.Find("battleendback"), {212, 256, 593, 288});
  ExpectBox(world.Find("胜利!!!"), {240, 264, 640, 464});
  EXPECT_EQ(world.Find("胜利!!!")->family, "迷你简中特广告");
  ExpectBox(world.Find("经验值:3"), {420, 264, 820, 464});
  ExpectBox(world.Find("金币:15"), {505, 264, 905, 464});
  const DrawCall* prompt = world.Find("-Enter-");
  ExpectBox(prompt, {530, 231, 680, 331});
  EXPECT_FLOAT_EQ(prompt->alpha, world.game.curtain.fadeLevel);
}

TEST(UiBattle, StrikeEffectsPlayAtTheirCentresInTheirOrder) {
  BattleWorld world;
  const char* order[] = {"heroslash",  "fistb", "waterb", "poision",  "nuclear", "greenlaser",
                         "fireswordb", "ice",   "iceb",   "barrageb", "fog",     "fogb"};
  // Started in reverse, drawn in the panel's own order.
  for (int i = 11; i >= 0; --i) world.Running(order[i]);
  world.game.keys.battleNudgeX = 3;
  world.game.keys.battleNudgeY = -2;
  world.Draw();
  std::vector<std::string> drawn;
  for (const std::string& picture : world.Pictures())
    if (std::find(std::begin(order), std::end(order), picture) != std::end(order))
      drawn.push_back(picture);
  EXPECT_EQ(drawn, std::vector<std::string>(std::begin(order), std::end(order)));

  ExpectBox(world.Find("heroslash"), {224.5f, 151.5f, 277.5f, 204.5f});
  ExpectBox(world.Find("poision"), {523, 148, 573, 208});
  ExpectBox(world.Find("nuclear"), {506, 143, 596, 203});
  ExpectBox(world.Find("ice"), {411, 53, 711, 283});
  ExpectBox(world.Find("iceb"), {51, -322, 1051, 678});
  ExpectBox(world.Find("fog"), {351, 2, 751, 402});
  // Only the strongest fog follows the arrow keys.
  ExpectBox(world.Find("fogb"), {404, 6, 704, 306});
}

TEST(UiBattle, MissRisesAndFadesBesideWhoeverDodgedThenClearsItself) {
  struct Case {
    bool heroDodged;  // else the monster dodged
    float age;
    bool drawn;
    float x, y, alpha;
  };
  const Case cases[] = {
      {true, 0.0f, true, 509, 167, 1},     {true, 0.1f, true, 509, 161, 0.67f},
      {true, 0.3f, true, 509, 149, 0.01f}, {true, 0.31f, false, 0, 0, 0},
      {false, 0.0f, true, 212, 167, 1},    {false, 0.2f, true, 212, 155, 0.34f},
      {false, 0.35f, false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    BattleWorld world;
    world.game.clock = c.age;
    bool& shown =
        c.heroDodged ? world.game.displays.monsterMissShown : world.game.displays.heroMissShown;
    float& since =
        c.heroDodged ? world.game.displays.monsterMissTime : world.game.displays.heroMissTime;
    shown = true;
    since = 0;
    world.Draw();
    const DrawCall* miss = world.Find("MISS!!");
    EXPECT_EQ(miss != nullptr, c.drawn) << c.age;
    EXPECT_EQ(shown, c.drawn) << c.age;
    if (!miss) continue;
    EXPECT_NEAR(miss->box.left, c.x, 1e-3);
    EXPECT_NEAR(miss->box.top, c.y, 1e-3);
    EXPECT_NEAR(miss->alpha, c.alpha, 1e-3);
    EXPECT_EQ(miss->rgb, RGB(255, 0, 0));
    EXPECT_EQ(miss->family, "迷你简中特广告");
    EXPECT_FLOAT_EQ(miss->size, 28);
  }
}

TEST(UiBattle, ArrowNudgesMoveTheMissIndicators) {
  BattleWorld world;
  world.game.clock = 5;
  world.game.displays.heroMissShown = world.game.displays.monsterMissShown = true;
  world.game.displays.heroMissTime = world.game.displays.monsterMissTime = 5;
  world.game.keys.battleNudgeX = -4;
  world.game.keys.battleNudgeY = 6;
  world.Draw();
  std::vector<std::pair<float, float>> corners;
  for (const DrawCall& call : world.canvas.calls)
    if (call.what == "MISS!!") corners.emplace_back(call.box.left, call.box.top);
  // The hero's dodge first, then the monster's.
  const std::vector<std::pair<float, float>> expected = {{505, 173}, {208, 173}};
  EXPECT_EQ(corners, expected);
}

}  // namespace
}  // namespace quenlit::test
