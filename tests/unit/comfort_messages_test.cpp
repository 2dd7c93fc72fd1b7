// Messages that do not block: with QuickMessages an arrow on a notice closes it and walks on in
// the same press, and Esc closes a notice, a speech or the manual as Enter does. Without the
// option both keys do nothing there.
#include <gtest/gtest.h>

#include "base/key_codes.h"
#include "game/tiles.h"
#include "world.h"

namespace quenlit::test {
namespace {

// A hero at (12, 7) who has just picked up a red potion from (11, 7).
struct PickedUp : World {
  explicit PickedUp(bool quick) {
    game.comfort.quickMessages = quick;
    SetCell(11, 7, 230);
    Press(vk::kUp);
  }
};

TEST(QuickMessages, AnArrowClosesTheNoticeAndTakesTheStep) {
  struct Case {
    uint32_t arrow;
    Cell after;
  };
  for (const Case c : {Case{vk::kUp, {11, 7}}, Case{vk::kLeft, {12, 6}}, Case{vk::kRight, {12, 8}},
                       Case{vk::kDown, {13, 7}}}) {
    PickedUp world(true);
    ASSERT_EQ(world.game.screen, GameScreen::Message);
    world.game.HandleInput(vk::kKeyDown, c.arrow);
    EXPECT_EQ(world.game.screen, GameScreen::Map);
    EXPECT_EQ(world.hero.Position(), c.after);
    // Held, the arrow draws the hero walking, as on the map; its release ends that.
    EXPECT_EQ(world.game.keys.keyDown[c.arrow], 1);
    world.game.HandleInput(vk::kKeyUp, c.arrow);
    EXPECT_EQ(world.game.keys.keyDown[c.arrow], 0);
  }
}

TEST(QuickMessages, TheStepActsOnWhatItMeets) {
  // Walking on into the next item takes it and shows its own notice.
  PickedUp world(true);
  world.SetCell(11, 7, 232);
  world.Press(vk::kUp);
  EXPECT_EQ(world.game.screen, GameScreen::Message);
  EXPECT_EQ(world.game.messageText, "红宝石，攻击力+2");
  EXPECT_EQ(world.hero.attack, 12);
}

TEST(QuickMessages, WithoutTheOptionTheNoticeWaitsForEnter) {
  PickedUp world(false);
  for (uint32_t key : {vk::kUp, vk::kLeft, vk::kEscape}) {
    world.Press(key);
    EXPECT_EQ(world.game.screen, GameScreen::Message);
    EXPECT_EQ(world.hero.Position(), (Cell{12, 7}));
  }
  world.Press(vk::kEnter);
  EXPECT_EQ(world.game.screen, GameScreen::Map);
}

TEST(QuickMessages, EscClosesNoticeSpeechAndManualAsEnterDoes) {
  for (const bool quick : {true, false}) {
    SCOPED_TRACE(quick ? "quick" : "as designed");
    const GameScreen closedBy = quick ? GameScreen::Map : GameScreen::Message;
    PickedUp notice(quick);
    notice.Press(vk::kEscape);
    EXPECT_EQ(notice.game.screen, closedBy);

    World manual;
    manual.game.comfort.quickMessages = quick;
    manual.Press('D');
    manual.Press(vk::kEscape);
    EXPECT_EQ(manual.game.screen, quick ? GameScreen::Map : GameScreen::Manual);

    // A speech that carries a gift gives it when Esc closes it, as Enter would.
    World speech;
    speech.game.comfort.quickMessages = quick;
    speech.hero.SetFloor(2);
    speech.hero.SetPosition(4, 2);
    speech.SetCell(3, 2, tile::kThief);
    speech.Press(vk::kUp);
    ASSERT_EQ(speech.game.screen, GameScreen::Dialogue);
    ASSERT_TRUE(speech.game.dialogue.giftPending);
    speech.Press(vk::kEscape);
    // The gift's own notice follows the speech, as it does after Enter.
    EXPECT_EQ(speech.game.screen, quick ? GameScreen::Message : GameScreen::Dialogue);
    EXPECT_EQ(speech.hero.attack, quick ? 30 : 10);
  }
}

TEST(QuickMessages, ArrowsDoNotCloseSpeechesOrTheManual) {
  World world;
  world.game.comfort.quickMessages = true;
  world.game.Talk("你好", 11, 7, "老人");
  world.Press(vk::kLeft);
  EXPECT_EQ(world.game.screen, GameScreen::Dialogue);
  EXPECT_EQ(world.hero.Position(), (Cell{12, 7}));
}

}  // namespace
}  // namespace quenlit::test
