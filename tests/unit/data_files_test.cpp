// The data readers: initialisation files, the monster table, the text-mode CRC and sealing.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/crc32.h"
#include "data/ini_file.h"
#include "data/paths.h"
#include "seal.h"
#include "temp_folder.h"

namespace quenlit {
namespace {

uint32_t CrcOf(const std::string& text) {
  return Crc32Update(0, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

TEST(IniFile, ReadsSectionsKeysIntegersAndDefaults) {
  const IniFile ini = IniFile::Parse(
      "; a comment\n[Monster3]\r\nName=骷髅队长\r\nHP = 35\nAttack=12abc\nDefend=-4\n"
      "Empty=\n[monster3]\nHP=99\n[Other]\nHP=7\n");
  EXPECT_EQ(ini.GetString("Monster3", "Name", ""), "骷髅队长");
  EXPECT_EQ(ini.GetInt("Monster3", "HP", 0), 35);
  EXPECT_EQ(ini.GetInt("MONSTER3", "hp", 0), 35);  // names match whatever their case
  EXPECT_EQ(ini.GetInt("Monster3", "Attack", 0), 12);
  EXPECT_EQ(ini.GetInt("Monster3", "Defend", 0), -4);
  EXPECT_EQ(ini.GetInt("Monster3", "Empty", 5), 0);
  EXPECT_EQ(ini.GetInt("Monster3", "Swift", 9), 9);
  EXPECT_EQ(ini.GetInt("Missing", "HP", 3), 3);
  EXPECT_EQ(ini.GetString("Monster3", "Weapon", "fist"), "fist");
  EXPECT_EQ(ini.GetInt("Other", "HP", 0), 7);
}

TEST(IniFile, KeysOutsideTheirSectionAreNotSeen) {
  const IniFile ini = IniFile::Parse("Width=800\n[Resolution]\nWidth=1024\n");
  EXPECT_EQ(ini.GetInt("Resolution14", "Width", 1366), 1366);
  EXPECT_EQ(ini.GetInt("Resolution", "Width", 0), 1024);
}

TEST(TextMode, CrLfBecomesLfAndByte26EndsTheData) {
  EXPECT_EQ(TextModeBytes("a\r\nb\rc\n\r"), "a\nb\rc\n\r");
  EXPECT_EQ(TextModeBytes(std::string("ab\x1A"
                                      "cd",
                                      5)),
            "ab");
  EXPECT_EQ(CrcOf(TextModeBytes("x=1\r\ny=2\r\n")), CrcOf("x=1\ny=2\n"));
  EXPECT_EQ(CrcOf(TextModeBytes(std::string("same\x1A"
                                            "anything",
                                            13))),
            CrcOf("same"));
}

TEST(Sealing, ForcedSuffixReachesAnyTarget) {
  for (uint32_t target : {0u, 0xFFFFFFFFu, 0xB342A835u, 0x12345678u}) {
    const std::string prefix = "some floor bytes";
    const std::string sealed = prefix + tower::ForceCrcSuffix(CrcOf(prefix), target);
    EXPECT_EQ(CrcOf(sealed), target);
  }
}

TEST(Sealing, SealedFloorsAndTablesPassTheirTextModeCheck) {
  std::string cells(196, '\0');
  cells[195] = '\r';  // a CR at the end must not swallow a sealing LF
  cells[10] = '\r';
  cells[11] = '\n';
  const auto floor = tower::SealFloor(std::string(2, '\0'), cells, 0x091D5AE7);
  ASSERT_TRUE(floor);
  EXPECT_EQ(floor->size(), 202u);
  EXPECT_EQ(floor->substr(2, 196), cells);
  EXPECT_EQ(CrcOf(TextModeBytes(*floor)), 0x091D5AE7u);

  const auto table = tower::SealMonsterTable("[Monster1]\nName=史莱姆\n", 0x2EF1DD68);
  ASSERT_TRUE(table);
  EXPECT_EQ(CrcOf(TextModeBytes(*table)), 0x2EF1DD68u);
  const auto resealed = tower::SealMonsterTable(*table + "", 0x12345678);
  ASSERT_TRUE(resealed);
  EXPECT_EQ(resealed->find("; seal "), resealed->rfind("; seal "));  // the old seal is replaced
  for (char c : table->substr(table->rfind('\n') + 1)) EXPECT_TRUE(c >= ' ' && c < 0x7F);

  cells[50] = '\x1A';
  EXPECT_FALSE(tower::SealFloor(std::string(2, '\0'), cells, 0x091D5AE7));
}

}  // namespace
}  // namespace quenlit

namespace quenlit {
namespace {

// The game names its files with backslashes and in any case ("Data\1.map"); they are found
// as they lie on disk.
TEST(GamePaths, BackslashesSeparateFoldersAndNamesMatchInAnyCase) {
  test::WorkingFolder folder;
  folder.Write("data/1.map", "x");
  folder.Write("Images/Image 3.png", "x");
#ifdef _WIN32
  // Windows takes backslashes and finds names in any case itself: the paths need only lead to
  // the files.
  EXPECT_TRUE(std::filesystem::is_regular_file(ResolveGamePath("Data\\1.MAP")));
  EXPECT_TRUE(std::filesystem::is_regular_file(ResolveGamePath(".\\images\\image 3.png")));
  EXPECT_FALSE(std::filesystem::exists(ResolveGamePath("Data\\9.map")));
#else
  EXPECT_EQ(ResolveGamePath("Data\\1.MAP"), "data/1.map");
  EXPECT_EQ(ResolveGamePath(".\\images\\image 3.png"), "./Images/Image 3.png");
  EXPECT_EQ(ResolveGamePath("Data\\9.map"), "data/9.map") << "a missing name keeps its spelling";
#endif
}

}  // namespace
}  // namespace quenlit
