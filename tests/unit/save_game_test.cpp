// Saving and loading slot 1: the file's layout, a round trip, damaged or missing saves, and the
// folder the saves go to.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "base/key_codes.h"
#include "data/save_file.h"
#include "game/tiles.h"
#include "platform/user_folders.h"
#include "process.h"
#include "temp_folder.h"
#include "world.h"

namespace quenlit::test {
namespace {

namespace fs = std::filesystem;

// Runs each test in a fresh working folder: saves go to "./sav/".
class SaveGameTest : public ::testing::Test {
 protected:
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  // The temporary files left in the save folder.
  static std::vector<std::string> TemporaryFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("sav"))
      if (entry.path().extension() == ".tmp") names.push_back(entry.path().filename().string());
    return names;
  }
  static int32_t At(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
      value |= uint32_t{static_cast<uint8_t>(bytes[offset + i])} << (8 * i);
    return static_cast<int32_t>(value);
  }
  void Scramble(World& world) {
    Hero& h = world.hero;
    h.SetFloor(7);
    h.SetPosition(3, 11);
    h.hp = 4321;
    h.attack = 55;
    h.defence = 44;
    h.agility = 9;
    h.exp = 77;
    h.Items(tile::kGold) = 1234;
    h.Items(tile::kRedKey) = 5;
    h.Items(206) = 2;
    h.Items(240) = 3;
    world.game.world.floors[20].At(13, 13) = 213;
    world.game.world.floors[1].At(0, 0) = 255;
    world.game.world.reservedBytes[199] = 0xAB;
  }
  WorkingFolder working_;
  const fs::path& folder_ = working_.Path();
};

TEST_F(SaveGameTest, FileHoldsFloorsHeroAndItemsAtTheirOffsets) {
  World world;
  Scramble(world);
  ASSERT_TRUE(world.game.SaveGame(1));
  const std::string bytes = Read("sav/1.sav");
  ASSERT_EQ(bytes.size(), 4312u);
  EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 255);                        // floor 1, (0, 0)
  EXPECT_EQ(static_cast<uint8_t>(bytes[19 * 196 + 13 * 14 + 13]), 213);  // floor 20, (13, 13)
  const int32_t hero[13] = {7, 3, 11, 4321, 55, 44, 9, 0, 0, 0, 0, 1, 77};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(At(bytes, 3920 + 4 * i), hero[i]) << i;
  EXPECT_EQ(At(bytes, 3972), 2);              // item 206
  EXPECT_EQ(At(bytes, 3972 + 4 * 21), 5);     // red keys
  EXPECT_EQ(At(bytes, 3972 + 4 * 22), 1234);  // gold
  EXPECT_EQ(At(bytes, 3972 + 4 * 34), 3);     // item 240
  EXPECT_EQ(static_cast<uint8_t>(bytes[4311]), 0xAB);
  EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(SaveGameTest, SavedAndLoadedGameIsUnchangedAndSavesIdentically) {
  World saved;
  Scramble(saved);
  saved.hero.facing = Direction::Left;
  ASSERT_TRUE(saved.game.SaveGame(1));
  const std::string first = Read("sav/1.sav");
  ASSERT_TRUE(saved.game.SaveGame(1));
  EXPECT_EQ(Read("sav/1.sav"), first);

  World loaded;
  loaded.hero.facing = Direction::Right;
  loaded.game.shop.shopPrice = 25;
  ASSERT_TRUE(loaded.game.LoadGame(1));
  EXPECT_EQ(loaded.hero.floor, 7);
  EXPECT_EQ(loaded.hero.Position(), (Cell{3, 11}));
  EXPECT_EQ(loaded.hero.hp, 4321);
  EXPECT_EQ(loaded.hero.attack, 55);
  EXPECT_EQ(loaded.hero.defence, 44);
  EXPECT_EQ(loaded.hero.agility, 9);
  EXPECT_EQ(loaded.hero.exp, 77);
  EXPECT_EQ(loaded.hero.Items(tile::kGold), 1234);
  EXPECT_EQ(loaded.hero.Items(tile::kRedKey), 5);
  EXPECT_EQ(loaded.game.world.floors[20].At(13, 13), 213);
  EXPECT_EQ(loaded.game.world.reservedBytes[199], 0xAB);
  // Not in the file: the facing and the shop price stay as they were.
  EXPECT_EQ(loaded.hero.facing, Direction::Right);
  EXPECT_EQ(loaded.game.shop.shopPrice, 25);
  ASSERT_TRUE(loaded.game.SaveGame(1));
  EXPECT_EQ(Read("sav/1.sav"), first);
}

TEST_F(SaveGameTest, DamagedOrMissingSavesLeaveTheGameUnchanged) {
  World source;
  ASSERT_TRUE(source.game.SaveGame(1));
  const std::string good = Read("sav/1.sav");
  const auto withNumber = [&](size_t offset, int32_t value) {
    std::string bytes = good;
    for (int i = 0; i < 4; ++i)
      bytes[offset + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    return bytes;
  };
  struct Case {
    const char* what;
    std::string bytes;
  };
  const auto item = [](uint8_t code) { return 3972 + 4 * size_t{code - 206u}; };
  // Numbers no game can reach: no health, negative statistics or counts.
  const Case cases[] = {
      {"short", good.substr(0, 4311)},
      {"empty", ""},
      {"floor 0", withNumber(3920, 0)},
      {"floor 21", withNumber(3920, 21)},
      {"row -1", withNumber(3924, -1)},
      {"column 14", withNumber(3928, 14)},
      {"health 0", withNumber(3932, 0)},
      {"health -3", withNumber(3932, -3)},
      {"attack -1", withNumber(3936, -1)},
      {"defence -1", withNumber(3940, -1)},
      {"agility -1", withNumber(3944, -1)},
      {"level -1", withNumber(3964, -1)},
      {"experience -1", withNumber(3968, -1)},
      {"yellow keys -5", withNumber(item(tile::kYellowKey), -5)},
      {"red keys at the bottom", withNumber(item(tile::kRedKey), INT32_MIN)},
      {"gold -1", withNumber(item(tile::kGold), -1)},
      {"item 240 -1", withNumber(item(240), -1)},
  };
  for (const Case& c : cases) {
    std::ofstream("sav/1.sav", std::ios::binary | std::ios::trunc) << c.bytes;
    World world;
    world.hero.hp = 555;
    world.game.world.floors[1].At(5, 5) = 230;
    EXPECT_FALSE(world.game.LoadGame(1)) << c.what;
    EXPECT_EQ(world.hero.hp, 555) << c.what;
    EXPECT_EQ(world.game.world.floors[1].At(5, 5), 230) << c.what;
  }
  fs::remove("sav/1.sav");
  World world;
  EXPECT_FALSE(world.game.LoadGame(1));
}

TEST_F(SaveGameTest, TheLargestNumbersLoad) {
  World source;
  source.hero.hp = INT32_MAX;
  source.hero.attack = INT32_MAX;
  source.hero.Items(tile::kGold) = INT32_MAX;
  ASSERT_TRUE(source.game.SaveGame(1));
  World world;
  ASSERT_TRUE(world.game.LoadGame(1));
  EXPECT_EQ(world.hero.attack, INT32_MAX);
  EXPECT_EQ(world.hero.Items(tile::kGold), INT32_MAX);
}

TEST_F(SaveGameTest, TemporaryFilesOfInterruptedSavesGoAndTheirLinksAreNotFollowed) {
  std::ofstream("target.txt") << "keep me";
  fs::create_directories("sav");
  std::ofstream("sav/1.sav.tmp") << "half a save";  // the name older versions wrote to
  std::ofstream("sav/1.sav.Ab12Cd.tmp") << "half a save";
  std::error_code refused;
  fs::create_symlink(fs::absolute("target.txt"), "sav/1.sav.Xy34Zw.tmp", refused);
  if (refused)
    GTEST_SKIP() << "this system does not let the tests make links: " << refused.message();
  std::ofstream("sav/2.sav.Ab12Cd.tmp") << "another slot's, left alone";
  World world;
  world.hero.hp = 333;
  ASSERT_TRUE(world.game.SaveGame(1));
  EXPECT_EQ(Read("target.txt"), "keep me");
  EXPECT_FALSE(fs::is_symlink("sav/1.sav"));
  EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{"2.sav.Ab12Cd.tmp"});
  World loaded;
  ASSERT_TRUE(loaded.game.LoadGame(1));
  EXPECT_EQ(loaded.hero.hp, 333);
}

TEST_F(SaveGameTest, ASaveFolderThatCannotBeMadeFailsWithTheNotice) {
  std::ofstream("sav") << "a file where the folder should be";
  World world;
  world.Press('S');
  EXPECT_EQ(world.game.messageText, "保存游戏失败：无法写入存档");
  EXPECT_EQ(Read("sav"), "a file where the folder should be");
}

TEST_F(SaveGameTest, LoadKeyReportsSuccessOrFailure) {
  World world;
  world.Press('A');
  EXPECT_EQ(world.game.messageText, "读取游戏失败：存档不存在或已损坏");
  world.Press(vk::kEnter);
  world.Press('S');
  EXPECT_EQ(world.game.messageText, "保存游戏成功");
  world.Press(vk::kEnter);
  world.Press('L');
  EXPECT_EQ(world.game.messageText, "读取游戏成功");
}

TEST_F(SaveGameTest, AFailedSaveKeepsThePreviousOne) {
  World world;
  world.hero.hp = 111;
  ASSERT_TRUE(world.game.SaveGame(1));
  const std::string before = Read("sav/1.sav");
  // A folder where the lock file should be makes the save fail.
  fs::remove("sav/1.sav.lock");
  fs::create_directories("sav/1.sav.lock/blocker");
  world.hero.hp = 222;
  world.Press('S');
  EXPECT_EQ(world.game.messageText, "保存游戏失败：无法写入存档");
  EXPECT_EQ(Read("sav/1.sav"), before);
}

TEST_F(SaveGameTest, AGameTheLoaderWouldRefuseIsNotSavedOverAGoodSave) {
  World world;
  world.hero.hp = 111;
  ASSERT_TRUE(world.game.SaveGame(1));
  const std::string before = Read("sav/1.sav");
  struct Case {
    const char* what;
    void (*spoil)(World&);
  };
  const Case cases[] = {
      {"no health", [](World& w) { w.hero.hp = 0; }},
      {"negative experience", [](World& w) { w.hero.exp = -10; }},
      {"negative gold", [](World& w) { w.hero.Items(tile::kGold) = -1000; }},
  };
  for (const Case& c : cases) {
    World spoilt;
    c.spoil(spoilt);
    spoilt.Press('S');
    EXPECT_EQ(spoilt.game.messageText, "保存游戏失败：无法写入存档") << c.what;
    EXPECT_EQ(Read("sav/1.sav"), before) << c.what;
  }
  EXPECT_TRUE(TemporaryFiles().empty());
}

constexpr char kSaverHealth[] = "QUENLIT_TEST_SAVER_HP";

// One of the two games below, a program of its own: this test program started again with only
// this test, in the folder of the test that started it, saving a thousand times.
TEST(SaveGameSaver, SavesAThousandTimesWithoutAFailure) {
  const char* hp = std::getenv(kSaverHealth);
  if (!hp) GTEST_SKIP() << "one of the games of TwoGamesSavingAtOnceNeverFail..., started by it";
  World world;
  world.hero.hp = std::atoi(hp);
  int failures = 0;
  for (int i = 0; i < 1000; ++i) failures += world.game.SaveGame(1) ? 0 : 1;
  EXPECT_EQ(failures, 0);
}

// Two games started on one game folder save into the same file: they take turns, neither save
// fails, and whoever reads the file meanwhile finds one of their saves whole.
TEST_F(SaveGameTest, TwoGamesSavingAtOnceNeverFailAndEverySaveSeenLoads) {
  constexpr int32_t kHealth[] = {111, 222};
  const std::string here = fs::current_path().string();
  std::atomic<int> running = 2;
  int exitCodes[2] = {-1, -1};
  std::vector<std::jthread> savers;
  for (int i = 0; i < 2; ++i) {
    savers.emplace_back([&, i] {
      exitCodes[i] = RunProgram(
          {.program = platform::ExecutablePath().string(),
           .arguments = {"--gtest_filter=SaveGameSaver.SavesAThousandTimesWithoutAFailure"},
           .workingFolder = here,
           .output = here + "/saver" + std::to_string(i) + ".txt",
           .environment = {{kSaverHealth, std::to_string(kHealth[i])}}});
      --running;
    });
  }
  int seen = 0, damaged = 0;
  while (running > 0) {
    const std::vector<uint8_t> bytes = ReadSaveFile("sav/1.sav");
    if (!bytes.empty()) {
      const auto record = DecodeSaveRecord(bytes);
      const bool ours = record && std::ranges::count(kHealth, record->heroNumbers[3]) == 1;
      ++seen;
      damaged += ours ? 0 : 1;
    }
  }
  savers.clear();
  EXPECT_EQ(exitCodes[0], 0) << Read("saver0.txt");
  EXPECT_EQ(exitCodes[1], 0) << Read("saver1.txt");
  EXPECT_GT(seen, 0);
  EXPECT_EQ(damaged, 0) << "of " << seen << " saves read";
  EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(SaveGameTest, SavesGoToThePlayersFolderWhenTheGameSetsOne) {
  World saved;
  saved.game.userFiles.saveFolder = (folder_ / "home" / "quenlit" / "sav").string();
  saved.hero.hp = 333;
  ASSERT_TRUE(saved.game.SaveGame(1));  // the missing folders are made
  EXPECT_EQ(Read((folder_ / "home/quenlit/sav/1.sav").string()).size(), 4312u);
  EXPECT_FALSE(fs::exists("sav"));

  World loaded;
  loaded.game.userFiles = saved.game.userFiles;
  ASSERT_TRUE(loaded.game.LoadGame(1));
  EXPECT_EQ(loaded.hero.hp, 333);
}

// A player without any home folder has nowhere to keep saves: never the game's own folder.
TEST_F(SaveGameTest, WithNoSaveFolderAtAllSavingSaysSoAndLoadingFindsNothing) {
  World world;
  world.game.userFiles.saveFolder = "";
  world.Press('S');
  EXPECT_EQ(world.game.messageText, "保存游戏失败：无法写入存档");
  EXPECT_FALSE(world.game.LoadGame(1));
  EXPECT_TRUE(fs::is_empty(folder_)) << "nothing written anywhere";
}

TEST_F(SaveGameTest, WithNowhereToWriteSavingSaysSoAndChangesNothing) {
  std::ofstream("not-a-folder") << "a file where the save folder should be";
  World world;
  world.game.userFiles.saveFolder = (folder_ / "not-a-folder" / "sav").string();
  world.hero.hp = 444;
  world.Press('S');
  EXPECT_EQ(world.game.messageText, "保存游戏失败：无法写入存档");
  EXPECT_EQ(world.hero.hp, 444);
  EXPECT_EQ(Read("not-a-folder"), "a file where the save folder should be");
}

}  // namespace
}  // namespace quenlit::test
