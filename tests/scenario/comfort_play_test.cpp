// The shipped config.ini's comfort options, played through the headless driver: a notice that
// an arrow walks past, and the way out of the game-over screen.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "game_folder.h"

namespace quenlit::test {
namespace {

std::string ShippedConfig() {
  std::ifstream in(QUENLIT_GAME_DIR "/config.ini", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A folder played with the shipped config.ini, a red potion before the hero, and a monster
// beside him that no hero survives.
struct ComfortFolder : GameFolder {
  ComfortFolder() {
    SetConfig(ShippedConfig());
    SetCell(1, 11, 7, 230);
    SetMonster(1, "Name=死神\nHP=5000\nAttack=5000\nDefend=0\nCombo=1\nExp=1\nGold=1");
    SetCell(1, 12, 6, 1);
    Write();
  }
};

TEST(ShippedComfort, AnArrowOnANoticeWalksOn) {
  ComfortFolder folder;
  const SimRun run = folder.Run("key Up\ndump\nkey Up\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.dumps.size(), 2u);
  EXPECT_EQ(run.dumps[0]["screen"].text, "Message");
  EXPECT_EQ(run.dumps[1]["screen"].text, "Map");
  EXPECT_EQ(run.dumps[1]["hero"]["row"].Int(), 11);
  EXPECT_EQ(run.dumps[1]["hero"]["hp"].Int(), 1150);
}

// The fight is lost in a few strikes; "Game Over~" fades within 9 s.
constexpr const char* kFall = "key Left\nuntil GameOver 30\nwait 9.5\n";

TEST(ShippedComfort, AfterADefeatNStartsANewGame) {
  ComfortFolder folder;
  const SimRun run = folder.Run(std::string("key Up\nkey Enter\n") + kFall + "key N\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.dumps.size(), 1u);
  EXPECT_EQ(run.dumps[0]["screen"].text, "Map");
  EXPECT_EQ(run.dumps[0]["hero"]["hp"].Int(), 1000);
  EXPECT_EQ(run.dumps[0]["hero"]["row"].Int(), 12);
  EXPECT_EQ(run.dumps[0]["cells"][11 * 14 + 7].Int(), 230);  // the potion is back
}

TEST(ShippedComfort, AfterADefeatALoadsTheSave) {
  ComfortFolder folder;
  SavedHero saved;
  saved.hp = 555;
  saved.row = 5;
  folder.WriteSave(saved);
  const SimRun run = folder.Run(std::string(kFall) + "key A\ndump\nkey Enter\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.dumps.size(), 2u);
  EXPECT_EQ(run.dumps[0]["screen"].text, "Message");
  EXPECT_EQ(run.dumps[1]["screen"].text, "Map");
  EXPECT_EQ(run.dumps[1]["hero"]["hp"].Int(), 555);
  EXPECT_EQ(run.dumps[1]["hero"]["row"].Int(), 5);
}

TEST(ShippedComfort, AfterADefeatRGoesBackToTheFloorsAutosave) {
  ComfortFolder folder;
  // The potion is taken after the autosave of the new game's floor: R brings it back.
  const SimRun run = folder.Run(std::string("key Up\nkey Enter\n") + kFall + "key R\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.dumps.size(), 1u);
  EXPECT_EQ(run.dumps[0]["screen"].text, "Map");
  EXPECT_EQ(run.dumps[0]["hero"]["hp"].Int(), 1000);
  EXPECT_EQ(run.dumps[0]["cells"][11 * 14 + 7].Int(), 230);
  EXPECT_TRUE(folder.ReadFile("sav/1.sav").empty());  // the player's own slot is never written
}

}  // namespace
}  // namespace quenlit::test
