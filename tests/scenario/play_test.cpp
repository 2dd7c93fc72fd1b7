// Whole moves of play through the headless driver, on small sealed game folders.
#include <gtest/gtest.h>

#include "game_folder.h"

namespace quenlit::test {
namespace {

TEST(Play, StairsCloseTheCurtainSwitchTheFloorAndOpenIt) {
  GameFolder folder;
  folder.SetCell(1, 11, 7, 247);
  folder.SetCell(2, 11, 7, 232);  // something to tell floor 2 by
  folder.Write();
  // 42 frames of 1/60 s close the curtain, 42 more open it.
  const SimRun run =
      folder.Run("key Up\ndump\nwait 0.69\ndump\nwait 0.03\ndump\nuntil Map 2\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.dumps.size(), 4u);
  EXPECT_EQ(run.dumps[0]["screen"].text, "FloorChange");
  EXPECT_EQ(run.dumps[0]["targetFloor"].Int(), 2);
  EXPECT_EQ(run.dumps[0]["hero"]["row"].Int(), 11);
  EXPECT_EQ(run.dumps[1]["hero"]["floor"].Int(), 1);  // still closing
  EXPECT_LT(run.dumps[1]["fadeLevel"].number, 1.0);
  EXPECT_EQ(run.dumps[2]["hero"]["floor"].Int(), 2);  // switched at the top
  EXPECT_FALSE(run.dumps[2]["fadeRising"].flag);
  EXPECT_EQ(run.dumps[2]["cells"][11 * 14 + 7].Int(), 232);
  EXPECT_EQ(run.dumps[3]["screen"].text, "Map");
  EXPECT_EQ(run.dumps[3]["fadeLevel"].number, 0.0);
  EXPECT_EQ(run.dumps[3]["hero"]["row"].Int(), 11);
  EXPECT_EQ(run.dumps[3]["hero"]["column"].Int(), 7);
}

TEST(Play, ABattleWonPaysAndTheBossEndsTheGame) {
  GameFolder folder;
  folder.SetMonster(1, "Name=绿色史莱姆\nHP=30\nAttack=15\nDefend=1\nCombo=1\nExp=3\nGold=5");
  folder.SetMonster(2, "Name=魔王\nHP=20\nAttack=30\nDefend=0\nCombo=1\nExp=50\nGold=100");
  folder.SetCell(9, 6, 6, 1);
  folder.SetCell(9, 5, 7, 2);
  folder.Write();
  SavedHero hero;
  hero.floor = 9;
  hero.row = 6;
  hero.column = 7;
  hero.attack = 20;
  hero.agility = 0;
  folder.WriteSave(hero);
  const SimRun run = folder.Run(
      "key A\nkey Enter\nkey Left\nuntil BattleWon 10\ndump\nkey Enter\ndump\n"
      "key Up\nuntil BattleWon 10\nkey Enter\nwait 0.5\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.dumps.size(), 3u);
  EXPECT_EQ(run.dumps[0]["monster"]["hp"].Int(), 0);
  EXPECT_EQ(run.dumps[1]["screen"].text, "Map");
  EXPECT_EQ(run.dumps[1]["hero"]["exp"].Int(), 3);
  EXPECT_EQ(run.dumps[1]["items"]["228"].Int(), 5);
  EXPECT_EQ(run.dumps[1]["cells"][6 * 14 + 6].Int(), 0);
  EXPECT_EQ(run.dumps[1]["hero"]["hp"].Int(),
            995);  // two strikes kill it; it strikes once for 15 - 10
  EXPECT_EQ(run.dumps[2]["screen"].text, "Victory");
  EXPECT_EQ(run.dumps[2]["hero"]["exp"].Int(), 53);
}

TEST(Play, TheHeroFallsAndTheGameIsOver) {
  GameFolder folder;
  folder.SetMonster(1, "Name=骷髅\nHP=5000\nAttack=500\nDefend=0\nCombo=3\nWeapon=sword");
  folder.SetCell(1, 11, 7, 1);
  folder.Write();
  const SimRun run = folder.Run("key Up\nuntil GameOver 10\ndump\nkey Enter\nkey Up\ndump\n", 3);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(run.dumps[0]["hero"]["hp"].Int(), 0);
  EXPECT_EQ(run.dumps[1]["screen"].text, "GameOver");
  const auto started = run.dumps[0]["started"].Strings();
  EXPECT_NE(std::find(started.begin(), started.end(), "sword"), started.end());
}

TEST(Play, SaveThenLoadThroughTheKeysWritesTheSameFile) {
  GameFolder folder;
  folder.SetCell(1, 11, 7, 228);
  folder.SetCell(1, 12, 6, 241);
  folder.Write();
  const SimRun run = folder.Run(
      "key Up\nkey Enter\nkey Left\nkey S\ndump\nkey Enter\nkey Up\nkey Up\nkey Up\n"
      "key A\ndump\nkey Enter\nkey E\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(run.dumps[0]["messageText"].text, "保存游戏成功");
  EXPECT_EQ(run.dumps[1]["messageText"].text, "读取游戏成功");
  EXPECT_EQ(run.dumps[1]["hero"]["row"].Int(), 12);
  EXPECT_EQ(run.dumps[1]["hero"]["column"].Int(), 7);
  EXPECT_EQ(run.dumps[1]["hero"]["facing"].Int(), 1);  // the facing is not saved
  EXPECT_EQ(run.dumps[1]["items"]["228"].Int(), 200);
  EXPECT_EQ(run.dumps[1]["items"]["225"].Int(), 0);
  EXPECT_EQ(folder.ReadFile("sav/1.sav").size(), 4312u);
}

TEST(Play, PickupsAndDoorsReportTheirSoundsAndSequences) {
  GameFolder folder;
  folder.SetCell(1, 11, 7, 241);
  folder.SetCell(1, 10, 7, 213);
  folder.Write();
  const SimRun run = folder.Run("wait 1\nkey Up\ndump\nwait 0.1\nkey Up\nkey Up\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(run.dumps[0]["started"].Strings(), std::vector<std::string>{"opendoor1"});
  EXPECT_EQ(run.dumps[0]["cells"][11 * 14 + 7].Int(), 0);
  EXPECT_EQ(run.dumps[1]["messageText"].text, "神圣剑,攻击力+100");
  EXPECT_EQ(run.dumps[1]["hero"]["attack"].Int(), 110);
}

}  // namespace
}  // namespace quenlit::test
