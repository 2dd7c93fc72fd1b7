// Which overlay each screen stacks on the map, and the quiet ones: the curtain, the message
// box, the pause picture and the speech box.
#include <gtest/gtest.h>

#include "game/tiles.h"
#include "ui_recorder.h"

namespace quenlit::test {
namespace {

TEST(UiOverlays, EachScreenDrawsItsOwnOverlaysInOrder) {
  struct Case {
    GameScreen screen;
    std::vector<std::string> overlays;
  };
  const Case cases[] = {
      {GameScreen::Map, {}},
      {GameScreen::Victory, {"flag"}},
      {GameScreen::FloorChange, {"transition"}},
      {GameScreen::Message, {"caption"}},
      {GameScreen::Manual, {"Dback"}},
      {GameScreen::Paused, {"pause"}},
      {GameScreen::Dialogue, {"talkback"}},
      {GameScreen::Battle, {"battleback"}},
      {GameScreen::BattleWon, {"battleback", "battleendback"}},
      {GameScreen::GameOver, {"battleback"}},
  };
  const char* overlays[] = {"flag",  "transition", "caption",    "Dback",
                            "pause", "talkback",   "battleback", "battleendback"};
  for (const Case& c : cases) {
    UiWorld world;
    for (const char* name : overlays) world.Picture(name);
    world.game.displays.victoryShown = true;
    world.game.screen = c.screen;
    world.game.curtain.fadeRising = true;
    world.Draw();
    std::vector<std::string> shown;
    for (const std::string& picture : world.Pictures())
      if (std::find(std::begin(overlays), std::end(overlays), picture) != std::end(overlays))
        shown.push_back(picture);
    EXPECT_EQ(shown, c.overlays) << ScreenName(c.screen);
  }
}

TEST(UiOverlays, FloorCurtainCoversTheMapAtTheCurtainsLevelAndSwitchesFloorsBehindIt) {
  UiWorld world;
  world.Picture("transition", 800, 800);
  world.game.screen = GameScreen::FloorChange;
  world.game.curtain.targetFloor = 2;
  world.game.curtain.fadeLevel = 0.99f;
  world.game.curtain.fadeRising = true;
  world.Draw();
  // The map still shows the floor the hero left; the curtain is closed over it.
  EXPECT_TRUE(world.Shows("娥   1F"));
  const DrawCall* curtain = world.Find("transition");
  ExpectBox(curtain, {230, 35, 676, 481});
  EXPECT_FLOAT_EQ(curtain->alpha, 1.0f);
  EXPECT_FLOAT_EQ(curtain->source.right, 800);
  EXPECT_EQ(world.hero.floor, 2);

  world.Draw();
  EXPECT_TRUE(world.Shows("娥   2F"));
  EXPECT_FLOAT_EQ(world.Find("transition")->alpha, 1.0f - 0.024f);
}

TEST(UiOverlays, MessageBoxShowsTheMessageAndAPulsingPrompt) {
  UiWorld world;
  world.Picture("caption", 400, 38);
  world.game.screen = GameScreen::Message;
  world.game.messageText = "黄钥匙";
  world.game.curtain.fadeLevel = 0.5f;
  world.game.curtain.fadeRising = true;
  world.Draw();

  ExpectBox(world.Find("caption"), {251, 208, 651, 246});
  struct Text {
    const char* text;
    const char* family;
    float size, x, y;
  };
  const Text texts[] = {{"获取", "Scrivane", 24, 275, 210},
                        {"黄钥匙", "", 16, 335, 216},
                        {"-Enter-", "微软雅黑", 19, 575, 214}};
  for (const Text& t : texts) {
    const DrawCall* call = world.Find(t.text);
    ExpectBox(call, {t.x, t.y, t.x + 400, t.y + 200});
    EXPECT_EQ(call->family, t.family);
    EXPECT_FLOAT_EQ(call->size, t.size);
    EXPECT_EQ(call->rgb, 0xFFFFFFu);
  }
  EXPECT_FLOAT_EQ(world.Find("获取")->alpha, 1);
  EXPECT_FLOAT_EQ(world.Find("-Enter-")->alpha, world.game.curtain.fadeLevel);
  EXPECT_FLOAT_EQ(world.game.curtain.fadeLevel, 0.5f + 0.0192f);
}

TEST(UiOverlays, PauseDimsTheScreenAndAsksForP) {
  UiWorld world;
  world.Picture("pause", 800, 800);
  world.game.screen = GameScreen::Paused;
  world.Draw();
  const DrawCall* picture = world.Find("pause");
  ExpectBox(picture, {-10, -75, 710.2f, 601});
  EXPECT_FLOAT_EQ(picture->alpha, 0.6f);
  EXPECT_FLOAT_EQ(picture->source.bottom, 800);
  const DrawCall* text = world.Find("按P键继续");
  ExpectBox(text, {465, 300, 637, 410});
  EXPECT_FLOAT_EQ(text->alpha, 0.8f);
  EXPECT_FLOAT_EQ(text->size, 35);
}

TEST(UiOverlays, DialogueShowsTheSpeakersPictureByTheByteOfTheirCell) {
  struct Case {
    int code;
    bool phase;
    const char* picture;  // "" for none
  };
  const Case cases[] = {
      {tile::kOldMan, true, "oldman_2"}, {tile::kMerchant, false, "merchant_1"},
      {tile::kThief, true, "thief_1"},   {tile::kFairy, false, "fairy_2"},
      {9, true, "Monster9_1"},           {44, false, "Monster44_2"},
      {tile::kFloor, true, ""},          {tile::kWall, true, ""},
  };
  for (const Case& c : cases) {
    UiWorld world;
    world.game.screen = GameScreen::Dialogue;
    world.Picture("talkback", 261, 132);
    if (*c.picture) world.Picture(c.picture);
    world.SetCell(4, 5, static_cast<uint8_t>(c.code));
    world.game.dialogue.talkRow = 4;
    world.game.dialogue.talkColumn = 5;
    world.game.frameClock.spritePhase = c.phase;
    world.game.dialogue.talkSpeaker = "老人";
    world.game.dialogue.talkLines = {"勇者，你好"};
    world.Draw();
    ExpectBox(world.Find("talkback"), {323, 67, 584, 199});
    // The speaker stands in the box's corner, over it; without one the box is on top.
    const DrawCall* top = world.LastPicture();
    ASSERT_NE(top, nullptr);
    if (*c.picture) {
      EXPECT_EQ(top->what, c.picture) << c.code;
      ExpectBox(top, {339, 80, 371, 112});
    } else {
      EXPECT_EQ(top->what, "talkback") << c.code;
    }
    ExpectBox(world.Find("老人"), {448, 80, 598, 238});
    ExpectBox(world.Find("勇者，你好"), {388, 105, 688, 355});
    ExpectBox(world.Find("-Enter-"), {515, 170, 615, 320});
  }
}

TEST(UiOverlays, DialogueWithoutASpeakerCellOrWithSeveralLinesShowsNoPictureOrSpeech) {
  UiWorld world;
  world.game.screen = GameScreen::Dialogue;
  world.Picture("talkback", 261, 132);
  world.Picture("oldman_1");
  world.SetCell(0, 0, tile::kOldMan);
  world.game.dialogue.talkRow = -1;
  world.game.dialogue.talkColumn = 0;
  world.game.dialogue.talkSpeaker = "神秘人";
  world.game.dialogue.talkLines = {"第一句", "第二句"};
  world.Draw();
  EXPECT_EQ(world.LastPicture()->what, "talkback");
  EXPECT_TRUE(world.Shows("神秘人"));
  EXPECT_FALSE(world.Shows("第一句"));
  EXPECT_FALSE(world.Shows("第二句"));
}

}  // namespace
}  // namespace quenlit::test
