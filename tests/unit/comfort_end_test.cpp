// The autosave and the ways out of the end screens. Each test plays in a folder of its own,
// where the saves land in sav/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/key_codes.h"
#include "data/save_file.h"
#include "game/tiles.h"
#include "game_texts.h"
#include "temp_folder.h"
#include "world.h"

namespace quenlit::test {
namespace {

namespace fs = std::filesystem;

// A game with every end and save option on, in a working folder of its own, whose floor 1
// has a red potion before the hero and stairs up on floor 1 at (2, 2).
struct Played {
  WorkingFolder folder;
  World world;
  Game& game = world.game;
  Played() {
    game.comfort.autosave = true;
    game.comfort.endScreenChoices = true;
    world.game.world.floors[1].At(11, 7) = 230;
    game.BeginPlay();
  }
  // Falls in battle: the game-over text has faded unless told otherwise.
  void Fall(bool faded = true) {
    world.hero.hp = 0;
    game.screen = GameScreen::GameOver;
    game.displays.gameOverShown = !faded;
  }
  std::string Bytes(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST(Autosave, ArrivingOnAFloorWritesItsOwnFileBesideTheSave) {
  Played played;
  // A new game arrives on floor 1.
  EXPECT_TRUE(fs::exists("sav/auto-1.sav"));
  played.world.game.world.floors[1].At(11, 7) = tile::kStairsUp;
  played.world.Press(vk::kUp);
  for (float now = 1; played.game.screen == GameScreen::FloorChange && now < 10; now += 0.02f)
    played.game.Update(now);
  ASSERT_EQ(played.world.hero.floor, 2);
  const std::vector<uint8_t> bytes = ReadSaveFile("sav/auto-2.sav");
  const std::optional<SaveRecord> record = DecodeSaveRecord(bytes);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->heroNumbers[0], 2);  // the floor
  // The player's own save is never written by it.
  EXPECT_FALSE(fs::exists("sav/1.sav"));
}

TEST(Autosave, OffWritesNothing) {
  WorkingFolder folder;
  World world;
  world.game.BeginPlay();
  EXPECT_FALSE(fs::exists("sav"));
}

TEST(Autosave, AWriteThatFailsKeepsThePreviousOneAndPlayGoesOn) {
  Played played;
  const std::string before = played.Bytes("sav/auto-1.sav");
  // The autosave's lock cannot be taken: a folder stands where the lock file goes.
  fs::remove("sav/auto-1.sav.lock");
  fs::create_directories("sav/auto-1.sav.lock");
  played.world.hero.hp = 777;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(played.game.WriteAutosave());
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("autosave of floor 1 failed"), std::string::npos) << said;
  EXPECT_EQ(played.Bytes("sav/auto-1.sav"), before);
  EXPECT_EQ(played.game.screen, GameScreen::Map);
  EXPECT_TRUE(played.world.shell.messages.empty());
}

TEST(GameOver, NoChoiceBeforeTheTextHasFaded) {
  Played played;
  played.Fall(false);
  for (uint32_t key : {'A', 'R', 'N'}) played.world.Press(key);
  EXPECT_EQ(played.game.screen, GameScreen::GameOver);
  EXPECT_FALSE(played.game.ChoicesShownAfterDefeat());
}

TEST(GameOver, ALoadsTheSave) {
  Played played;
  played.world.hero.hp = 555;
  ASSERT_TRUE(played.game.SaveGame(1));
  played.Fall();
  EXPECT_TRUE(played.game.ChoicesShownAfterDefeat());
  played.world.Press('A');
  EXPECT_EQ(played.world.hero.hp, 555);
  EXPECT_EQ(played.game.screen, GameScreen::Message);
  EXPECT_EQ(played.game.messageText, texts::kLoadedNotice);
  played.world.Press(vk::kEnter);
  EXPECT_EQ(played.game.screen, GameScreen::Map);
}

TEST(GameOver, WithoutASaveAOrRSaySoAndChangeNothing) {
  Played played;
  fs::remove("sav/auto-1.sav");
  played.Fall();
  played.world.Press('A');
  EXPECT_EQ(played.game.screen, GameScreen::GameOver);
  EXPECT_EQ(played.game.comfortState.note.text, texts::kLoadFailedNotice);
  played.world.Press('R');
  EXPECT_EQ(played.game.screen, GameScreen::GameOver);
  EXPECT_EQ(played.game.comfortState.note.text, texts::kNoAutosave);
  EXPECT_EQ(played.world.hero.hp, 0);
}

TEST(GameOver, RGoesBackToTheAutosaveOfTheFloor) {
  Played played;
  played.world.Press(vk::kUp);  // the potion: 150 more health than at the autosave
  played.world.Press(vk::kEnter);
  played.Fall();
  played.world.Press('R');
  EXPECT_EQ(played.game.screen, GameScreen::Map);
  EXPECT_EQ(played.world.hero.hp, 1000);
  EXPECT_EQ(played.world.Cell(11, 7), 230);  // the potion is back
  EXPECT_EQ(played.game.comfortState.note.text, texts::kAutosaveLoaded);
}

TEST(GameOver, ADamagedAutosaveIsRefusedAndNothingChanges) {
  Played played;
  std::string bytes = played.Bytes("sav/auto-1.sav");
  bytes.resize(100);
  std::ofstream("sav/auto-1.sav", std::ios::binary) << bytes;
  played.world.hero.attack = 33;
  played.Fall();
  played.world.Press('R');
  EXPECT_EQ(played.game.screen, GameScreen::GameOver);
  EXPECT_EQ(played.game.comfortState.note.text, texts::kNoAutosave);
  EXPECT_EQ(played.world.hero.attack, 33);
  EXPECT_EQ(played.world.hero.hp, 0);
}

TEST(GameOver, NStartsANewGameFromTheTowerAsLoaded) {
  Played played;
  played.world.Press(vk::kUp);
  played.world.Press(vk::kEnter);
  played.world.hero.Items(tile::kGold) = 300;
  played.game.shop.shopPrice = 25;
  played.Fall();
  played.world.Press('N');
  EXPECT_EQ(played.game.screen, GameScreen::Map);
  EXPECT_EQ(played.world.hero.hp, 1000);
  EXPECT_EQ(played.world.hero.floor, 1);
  EXPECT_EQ(played.world.hero.Position(), (Cell{12, 7}));
  EXPECT_EQ(played.world.hero.Items(tile::kGold), 0);
  EXPECT_EQ(played.world.hero.Items(tile::kYellowKey), 1);
  EXPECT_EQ(played.game.shop.shopPrice, 20);
  EXPECT_EQ(played.world.Cell(11, 7), 230);
  EXPECT_EQ(played.game.comfortState.stats.steps, 0);
}

TEST(GameOver, WithoutTheOptionTheKeysDoNothing) {
  Played played;
  played.game.comfort.endScreenChoices = false;
  played.Fall();
  for (uint32_t key : {uint32_t{'A'}, uint32_t{'R'}, uint32_t{'N'}, vk::kEnter})
    played.world.Press(key);
  EXPECT_EQ(played.game.screen, GameScreen::GameOver);
  EXPECT_FALSE(played.game.ChoicesShownAfterDefeat());
}

TEST(Victory, TheSummaryCountsThePlayAndNOrEnterStartsAgain) {
  for (const uint32_t again : {static_cast<uint32_t>('N'), vk::kEnter}) {
    Played played;
    played.game.clock = 100;
    played.game.BeginPlay();
    played.game.Update(100);  // the first frame of the map starts the game's time
    played.world.Press(vk::kLeft);
    played.world.Press(vk::kLeft);
    ASSERT_TRUE(played.game.SaveGame(1));
    played.game.clock = 3700;
    played.world.hero.SetFloor(tile::kBossFloor);
    played.game.battle.row = tile::kBossRow;
    played.game.battle.column = tile::kBossColumn;
    played.game.screen = GameScreen::BattleWon;
    played.world.Press(vk::kEnter);
    ASSERT_EQ(played.game.screen, GameScreen::Victory);
    const PlayStats& stats = played.game.comfortState.stats;
    EXPECT_EQ(stats.steps, 2);
    EXPECT_EQ(stats.fights, 1);
    EXPECT_EQ(stats.saves, 1);
    EXPECT_FLOAT_EQ(stats.endedAt - stats.startedAt, 3600);

    // The keys wait for the summary, a few seconds after the victory.
    EXPECT_FALSE(played.game.SummaryShownAfterVictory(3701));
    played.world.Press(again);
    EXPECT_EQ(played.game.screen, GameScreen::Victory);
    played.game.clock = 3704;
    EXPECT_TRUE(played.game.SummaryShownAfterVictory(3704));
    played.world.Press(again);
    EXPECT_EQ(played.game.screen, GameScreen::Map);
    EXPECT_EQ(played.world.hero.floor, 1);
    EXPECT_EQ(played.game.comfortState.stats.fights, 0);
  }
}

}  // namespace
}  // namespace quenlit::test
