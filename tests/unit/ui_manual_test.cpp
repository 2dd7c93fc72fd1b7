// The monster manual: pages of three, dimmed arrows at the ends, each entry's numbers in its
// colour and the cost of a fight.
#include <gtest/gtest.h>

#include "ui_recorder.h"

namespace quenlit::test {
namespace {

// A floor with the given monsters (ids 1 to 44), named "怪N", and the manual open on it.
struct ManualWorld : UiWorld {
  explicit ManualWorld(std::vector<int> ids) {
    for (const char* name : {"Dback", "leftarrow", "rightarrow"}) Picture(name, 800, 800);
    for (size_t i = 0; i < ids.size(); ++i) {
      AddMonster(ids[i], "怪" + std::to_string(ids[i]), 50, 20, 1);
      SetCell(0, static_cast<int>(i), static_cast<uint8_t>(ids[i]));
    }
    game.OpenManual();
  }
  float ArrowOpacity(const char* arrow) const { return Find(arrow)->alpha; }
};

TEST(UiManual, PagesListThreeEntriesThenTheRemainderWithArrowsDimmedAtTheEnds) {
  struct Case {
    std::vector<int> ids;
    int page;
    std::vector<std::string> names;
    float left, right;
  };
  const Case cases[] = {
      {{1, 2, 3, 4}, 1, {"怪1", "怪2", "怪3"}, 0.3f, 1},
      {{1, 2, 3, 4}, 2, {"怪4"}, 1, 0.3f},
      {{9, 2, 30}, 1, {"怪2", "怪9", "怪30"}, 0.3f, 0.3f},
      {{5, 6, 7, 8, 9}, 2, {"怪8", "怪9"}, 1, 0.3f},
      {{}, 1, {}, 0.3f, 0.3f},
  };
  for (const Case& c : cases) {
    ManualWorld world(c.ids);
    world.game.manual.manualPage = c.page;
    world.Draw();
    EXPECT_EQ(world.game.manual.manualPageEntries, static_cast<int>(c.names.size()));
    EXPECT_FLOAT_EQ(world.ArrowOpacity("leftarrow"), c.left);
    EXPECT_FLOAT_EQ(world.ArrowOpacity("rightarrow"), c.right);
    ExpectBox(world.Find("leftarrow"), {594, 419, 619, 444});
    ExpectBox(world.Find("rightarrow"), {639, 419, 664, 444});
    EXPECT_FLOAT_EQ(world.Find("rightarrow")->source.right, 50);
    // Names in ascending id order, one entry every 136 units down the page.
    std::vector<std::string> names;
    for (const DrawCall& call : world.canvas.calls) {
      if (call.kind != DrawCall::Kind::Text || call.rgb != RGB(221, 253, 210)) continue;
      EXPECT_FLOAT_EQ(call.box.top, 57.0f + 136 * static_cast<float>(names.size()));
      names.push_back(call.what);
    }
    EXPECT_EQ(names, c.names);
    const auto texts = world.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "名称:"), static_cast<long>(c.names.size()));
  }
}

TEST(UiManual, EntryShowsEveryNumberInItsColourBesideThePicture) {
  ManualWorld world({12});
  Monster& m = world.game.world.monsters[12];
  m.hp = 50, m.attack = 20, m.defend = 1, m.swift = 5, m.combo = 1, m.exp = 7, m.gold = 1234;
  world.Picture("Monster12_1");
  world.Picture("Monster12_2");
  world.game.frameClock.spritePhase = false;
  world.Draw();

  struct Value {
    float x, y;
    const char* text;
    uint32_t rgb;
  };
  // Six blows of 9 fell it; the first five are answered once each with 10.
  const Value values[] = {
      {295, 57, "怪12", RGB(221, 253, 210)}, {295, 112, "50 ", RGB(102, 255, 0)},
      {358, 112, "20 ", RGB(200, 51, 200)},  {435, 112, "1  ", RGB(255, 153, 102)},
      {515, 112, "5  ", RGB(0, 153, 0)},     {295, 164, "1  ", RGB(0, 147, 196)},
      {389, 164, "50 ", RGB(255, 0, 0)},     {481, 164, "7  ", RGB(102, 255, 255)},
      {538, 164, "1234", RGB(255, 255, 0)},
  };
  for (const Value& v : values) {
    const auto call =
        std::find_if(world.canvas.calls.begin(), world.canvas.calls.end(), [&](const DrawCall& c) {
          return c.kind == DrawCall::Kind::Text && c.box.left == v.x && c.box.top == v.y;
        });
    ASSERT_NE(call, world.canvas.calls.end()) << v.text;
    EXPECT_EQ(call->what, v.text);
    EXPECT_EQ(call->rgb, v.rgb) << v.text;
    EXPECT_EQ(call->family, "汉仪雁翎体简");
    EXPECT_FLOAT_EQ(call->size, 17);
  }
  EXPECT_EQ(world.Find("估计伤害:")->rgb, 0xFFFFFFu);
  // The map shows the monster on its cell too; the entry's picture is the last one drawn.
  EXPECT_EQ(world.LastPicture()->what, "Monster12_2");
  ExpectBox(world.LastPicture(), {251, 96, 283, 128});
  const DrawCall* prompt = world.Find("-Enter-");
  ExpectBox(prompt, {591, 444, 814, 569});
  EXPECT_FLOAT_EQ(prompt->alpha, world.game.curtain.fadeLevel);
}

TEST(UiManual, AMonsterTheHeroCannotHurtShowsNoEstimateInRed) {
  ManualWorld world({3});
  world.game.world.monsters[3].defend = world.hero.attack;
  world.Draw();
  const DrawCall* estimate = world.Find("无法估计");
  ExpectBox(estimate, {389, 164, 789, 364});
  EXPECT_EQ(estimate->rgb, RGB(255, 0, 0));
}

}  // namespace
}  // namespace quenlit::test
