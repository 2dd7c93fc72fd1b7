// Start-up through the headless driver: the data checks, the loaders' failures, the script.
#include <gtest/gtest.h>

#include <filesystem>

#include "game_folder.h"

namespace quenlit::test {
namespace {

TEST(Startup, NewGameStartsWithTheHerosNumbers) {
  GameFolder folder;
  folder.Write();
  const SimRun run = folder.Run("dump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const Json& state = run.dumps.at(0);
  EXPECT_EQ(state["screen"].text, "Map");
  EXPECT_EQ(state["loadProgress"].Int(), 100);
  EXPECT_EQ(state["shopPrice"].Int(), 20);
  EXPECT_EQ(state["displayModeIndex"].Int(), 0);
  const Json& hero = state["hero"];
  EXPECT_EQ(hero["floor"].Int(), 1);
  EXPECT_EQ(hero["row"].Int(), 12);
  EXPECT_EQ(hero["column"].Int(), 7);
  EXPECT_EQ(hero["facing"].Int(), 2);
  EXPECT_EQ(hero["hp"].Int(), 1000);
  EXPECT_EQ(hero["attack"].Int(), 10);
  EXPECT_EQ(hero["defence"].Int(), 10);
  EXPECT_EQ(hero["agility"].Int(), 2);
  EXPECT_EQ(hero["level"].Int(), 1);
  EXPECT_EQ(hero["exp"].Int(), 0);
  EXPECT_EQ(state["items"]["225"].Int(), 1);
  EXPECT_EQ(state["items"]["226"].Int(), 1);
  EXPECT_EQ(state["items"]["227"].Int(), 1);
  EXPECT_FALSE(state["items"].Has("228"));
  EXPECT_EQ(state["cells"].items.size(), 196u);
}

TEST(Startup, DataChecksStopAtTheFirstBadFile) {
  // Each failure keeps its message box and names the file and the cause on a line of its own.
  struct Case {
    const char* what;
    void (*spoil)(const GameFolder&);
    const char* message;
    const char* cause;
  };
  const Case cases[] = {
      {"missing floor 3",
       [](const GameFolder& f) { std::filesystem::remove(f.Path() + "/data/3.map"); }, ": 文件损坏",
       "quenlit: Data/3.map: missing or unreadable"},
      {"edited floor 4",
       [](const GameFolder& f) {
         std::string bytes = f.ReadFile("data/4.map");
         bytes[100] = 1;
         f.WriteFile("data/4.map", bytes);
       },
       ": 童鞋 想拿flag是不可以乱改游戏文件的哟~",
       "quenlit: Data/4.map: damaged (fails the integrity check)"},
      {"edited monster table",
       [](const GameFolder& f) {
         f.WriteFile("data/monster.dat", f.ReadFile("data/monster.dat") + "\n[Monster1]\nHP=1\n");
       },
       ": 童鞋 想拿flag是不可以乱改游戏文件的哟~",
       "quenlit: Data/monster.dat: damaged (fails the integrity check)"},
      {"missing floor 15",
       [](const GameFolder& f) { std::filesystem::remove(f.Path() + "/data/15.map"); },
       "ERROR: 游戏初始化失败", "quenlit: data/15.map: missing or unreadable"},
      {"short floor 12",
       [](const GameFolder& f) {
         f.WriteFile("data/12.map", f.ReadFile("data/12.map").substr(0, 150));
       },
       "ERROR: 游戏初始化失败", "quenlit: data/12.map: short (150 bytes, a floor needs 198)"},
      {"missing configuration",
       [](const GameFolder& f) { std::filesystem::remove(f.Path() + "/config.ini"); },
       "ERROR: 找不到配置文件", "quenlit: config.ini: missing or unreadable"},
  };
  for (const Case& c : cases) {
    GameFolder folder;
    folder.Write();
    c.spoil(folder);
    const SimRun run = folder.Run("dump\n");
    EXPECT_EQ(run.exitCode, 1) << c.what;
    const std::string last = std::string(c.message) + "\n";
    EXPECT_EQ(
        run.stderrText.substr(run.stderrText.size() - std::min(run.stderrText.size(), last.size())),
        last)
        << c.what << ": " << run.stderrText;
    EXPECT_NE(run.stderrText.find(std::string(c.cause) + "\n"), std::string::npos)
        << c.what << ": " << run.stderrText;
    EXPECT_TRUE(run.dumps.empty()) << c.what;
  }
}

TEST(Startup, CrLfLineEndingsInTheMonsterTableStillPass) {
  GameFolder folder;
  folder.SetMonster(1, "Name=史莱姆\nHP=35");
  folder.Write();
  std::string table = folder.ReadFile("data/monster.dat");
  std::string crlf;
  for (char c : table) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  folder.WriteFile("data/monster.dat", crlf);
  std::filesystem::rename(folder.Path() + "/data", folder.Path() + "/Data");
  const SimRun run = folder.Run("dump\n");
  EXPECT_EQ(run.exitCode, 0) << run.stderrText;
}

TEST(Startup, MonsterTableDefaults) {
  GameFolder folder;
  folder.SetMonster(3, "Name=骷髅队长\nHP=35");
  folder.SetMonster(45, "Name=不存在\nHP=1");
  folder.SetCell(1, 11, 7, 3);
  folder.SetCell(1, 10, 7, 5);
  folder.Write();
  const SimRun run = folder.Run("key Up\ndump\nkey Q\nkey Right\nkey Up\nkey Up\nkey Left\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const Json& monster = run.dumps.at(0)["monster"];
  EXPECT_EQ(run.dumps[0]["screen"].text, "Battle");
  EXPECT_EQ(monster["id"].Int(), 3);
  EXPECT_EQ(monster["name"].text, "骷髅队长");
  EXPECT_EQ(monster["hp"].Int(), 35);
  EXPECT_EQ(monster["attack"].Int(), 0);
  EXPECT_EQ(monster["weapon"].text, "fist");
  EXPECT_EQ(monster["ability"].text, "");
  EXPECT_EQ(run.dumps.at(1)["monster"]["name"].text, "");  // kind 5 has no section
}

TEST(Script, MalformedLinesAndTimeoutsEndTheRun) {
  GameFolder folder;
  folder.Write();
  const SimRun ok = folder.Run("# a comment\n\nkey 13\nkey F8\ndown Up\nup Up\nwait 0.5\ndump\n");
  EXPECT_EQ(ok.exitCode, 0) << ok.stderrText;
  EXPECT_EQ(ok.dumps.size(), 1u);

  for (const char* bad : {"jump\n", "key Space\n", "wait soon\n", "until Nowhere\n", "dump now\n",
                          "key A B\n", "key 256\n"}) {
    const SimRun run = folder.Run(std::string("dump\n") + bad);
    EXPECT_EQ(run.exitCode, 2) << bad;
    EXPECT_NE(run.stderrText.find("line 2"), std::string::npos) << run.stderrText;
  }

  const SimRun timeout = folder.Run("until Battle 0.2\ndump\n");
  EXPECT_EQ(timeout.exitCode, 3);
  EXPECT_TRUE(timeout.dumps.empty());
}

}  // namespace
}  // namespace quenlit::test
