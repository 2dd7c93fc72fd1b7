// The map view and the status panel under every game screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/key_codes.h"
#include "ui_recorder.h"

namespace quenlit::test {
namespace {

using Kind = DrawCall::Kind;

TEST(UiMapView, LayersComeInOrderOnAGreyTarget) {
  UiWorld world;
  for (const char* name : {"backbig", "floor", "hero1d", "infoback", "key1", "gold"})
    world.Picture(name);
  world.Running("opendoor1");
  world.Draw();
  const auto& calls = world.canvas.calls;
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0].kind, Kind::Clear);
  EXPECT_EQ(calls[0].rgb, 0x808080u);
  EXPECT_EQ(calls[1].what, "backbig");
  ExpectBox(&calls[1], {0, 0, 981, 621});

  const int label = world.IndexOf("娥   1F");
  const int hero = world.IndexOf("hero1d");
  const int panel = world.IndexOf("infoback");
  const int opening = world.IndexOf("opendoor1");
  int frame = -1;
  for (size_t i = 0; i < calls.size(); ++i)
    if (calls[i].kind == Kind::Rectangle) frame = static_cast<int>(i);
  EXPECT_LT(1, label);
  EXPECT_LT(label, hero);
  EXPECT_LT(hero, frame);
  EXPECT_LT(frame, panel);
  EXPECT_LT(panel, opening);
  EXPECT_EQ(opening, static_cast<int>(calls.size()) - 1);

  ExpectBox(&calls[frame], {229, 34, 678, 483});
  EXPECT_FLOAT_EQ(calls[frame].size, 3);
  // The four-tile strip behind the label, then one floor tile per cell of the empty floor.
  const auto pictures = world.Pictures();
  EXPECT_EQ(std::count(pictures.begin(), pictures.end(), "floor"), 4 + 196);
  const DrawCall* strip = world.Find("floor");
  ExpectBox(strip, {390, 0, 422, 32});
}

TEST(UiMapView, FloorLabelReadsBasementsBelowTheFirstFloor) {
  const std::pair<int, const char*> cases[] = {
      {1, "娥   1F"}, {12, "娥  12F"}, {0, "娥 B 0F"}, {-3, "娥 B-3F"}};
  for (const auto& [floor, text] : cases) {
    UiWorld world;
    world.hero.floor = floor;
    world.Draw();
    const DrawCall* label = world.Find(text);
    ASSERT_NE(label, nullptr) << "floor " << floor;
    EXPECT_EQ(label->family, "宋体");
    EXPECT_FLOAT_EQ(label->size, 18);
    EXPECT_EQ(label->rgb, 0xFFFFFFu);
    ExpectBox(label, {422, 5, 590, 153});
  }
}

TEST(UiMapView, CellsShowTheirPicturesAndMonstersStandOnTheBackground) {
  UiWorld world;
  world.AddMonster(5, "绿头怪", 50, 20, 1);
  world.SetCell(2, 3, 5);     // a monster of the table
  world.SetCell(2, 4, 7);     // a monster id the table lacks
  world.SetCell(2, 5, 50);    // a byte without any picture
  world.SetCell(0, 0, 255);   // wall
  world.SetCell(13, 13, 72);  // old man
  for (const char* name : {"floor", "wall", "oldman_1", "oldman_2", "Monster5_1", "Monster5_2"})
    world.Picture(name);
  world.game.frameClock.spritePhase = true;
  world.Draw();

  ExpectBox(world.Find("wall"), {230, 35, 262, 67});
  ExpectBox(world.Find("Monster5_1"), {326, 99, 358, 131});
  ExpectBox(world.Find("oldman_2"), {646, 451, 678, 483});
  EXPECT_FALSE(world.Shows("Monster5_2"));
  EXPECT_FALSE(world.Shows("oldman_1"));
  const auto pictures = world.Pictures();
  // 196 cells less the five set above, and the four tiles of the label strip.
  EXPECT_EQ(std::count(pictures.begin(), pictures.end(), "floor"), 191 + 4);

  world.game.frameClock.spritePhase = false;
  world.Draw();
  EXPECT_TRUE(world.Shows("Monster5_2"));
  EXPECT_TRUE(world.Shows("oldman_1"));
}

TEST(UiMapView, HeroWalksAtTheSpriteClockWhileTheArrowIsHeldAndFreezesOnPause) {
  UiWorld world;
  for (const char* name : {"hero1u", "hero1wu1", "hero1wu2"}) world.Picture(name);
  world.hero.facing = Direction::Up;
  world.hero.SetPosition(4, 2);
  world.game.keys.keyDown[vk::kUp] = 1;

  world.Draw(1.0f);  // a third of a second has passed: the phase flips to set
  ExpectBox(world.Find("hero1wu1"), {294, 163, 326, 195});
  world.Draw(1.2f);  // too early for the next flip
  EXPECT_TRUE(world.Shows("hero1wu1"));
  world.Draw(1.34f);
  EXPECT_TRUE(world.Shows("hero1wu2"));

  world.game.screen = GameScreen::Paused;
  world.Draw(1.7f);
  EXPECT_TRUE(world.Shows("hero1wu2"));
  world.game.screen = GameScreen::Map;
  world.Draw(2.1f);
  EXPECT_TRUE(world.Shows("hero1wu1"));

  world.game.keys.keyDown[vk::kUp] = 0;
  world.Draw(2.2f);
  EXPECT_TRUE(world.Shows("hero1u"));
  EXPECT_FALSE(world.Shows("hero1wu1"));
}

TEST(UiMapView, StatusPanelLinesUpTheHerosNumbers) {
  UiWorld world;
  Hero& hero = world.hero;
  hero.level = 3;
  hero.hp = 1520;
  hero.attack = 41;
  hero.defence = 37;
  hero.agility = 9;
  hero.exp = 260;
  world.Draw();
  const char* lines[] = {"等级:\t  3",    "体力:\t  1520", "攻击力:\t  41",
                         "防御力:\t  37", "敏捷:\t  9",    "经验值:\t  260"};
  for (int i = 0; i < 6; ++i) {
    const DrawCall* line = world.Find(lines[i]);
    ASSERT_NE(line, nullptr) << lines[i];
    EXPECT_EQ(line->family, "汉仪雁翎体简");
    EXPECT_FLOAT_EQ(line->size, 16);
    EXPECT_FALSE(line->trailing);
    ExpectBox(line, {55, 60.0f + 25 * i, 205, 160.0f + 25 * i});
  }
}

TEST(UiMapView, KeysAndGoldPadTheirCountsAndNeverCreateCounters) {
  UiWorld world;
  world.hero.items = {{225, 2}, {227, 123}};  // no blue key, no gold yet
  for (const char* name : {"key1", "key2", "key3", "gold"}) world.Picture(name);
  world.Draw();
  const char* counts[] = {" 2 ", " 0 ", " 123", " 0 "};
  const char* pictures[] = {"key1", "key2", "key3", "gold"};
  const auto& calls = world.canvas.calls;
  for (int i = 0; i < 4; ++i) {
    ExpectBox(world.Find(pictures[i]), {53, 247.0f + 33 * i, 85, 279.0f + 33 * i});
    // The count sits beside its picture: the n-th padded count drawn belongs to the n-th line.
    const auto text = std::find_if(calls.begin(), calls.end(), [&](const DrawCall& c) {
      return c.kind == Kind::Text && c.box.top == 250.0f + 33 * i && c.size == 24;
    });
    ASSERT_NE(text, calls.end());
    EXPECT_EQ(text->what, counts[i]);
    ExpectBox(&*text, {97, 250.0f + 33 * i, 247, 350.0f + 33 * i});
  }
  EXPECT_EQ(world.hero.items.size(), 2u);
}

TEST(UiMapView, TheNewFloorShowsFromTheFrameAfterTheCurtainClosed) {
  UiWorld world;
  world.hero.SetFloor(3);
  world.game.curtain.targetFloor = 4;
  world.game.screen = GameScreen::FloorChange;
  world.game.curtain.fadeLevel = 0.99f;
  world.game.curtain.fadeRising = true;
  // The map of this frame is drawn before the curtain closes: it still shows floor 3.
  world.Draw(1.0f);
  EXPECT_EQ(world.hero.floor, 4);
  EXPECT_TRUE(world.Shows("娥   3F"));
  world.Draw(1.02f);
  EXPECT_TRUE(world.Shows("娥   4F"));
}

TEST(UiMapView, OpeningsPlayOnTheirAnchorCellAndStoppedOnesDrawNothing) {
  UiWorld world;
  world.Running("opendoor2");
  world.game.assets.sequences.at("opendoor2").SetAnchor(3, 5);
  world.Running("openjail");
  world.game.assets.sequences.at("openjail").Stop();
  world.Draw();
  ExpectBox(world.Find("opendoor2"), {390, 131, 422, 163});
  EXPECT_FALSE(world.Shows("openjail"));
}

}  // namespace
}  // namespace quenlit::test
