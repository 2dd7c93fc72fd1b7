// What the player meets when files are missing or damaged: the game goes on where it can, and
// every failure names its file and its cause on stderr, once.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game_folder.h"

namespace quenlit::test {
namespace {

namespace fs = std::filesystem;
const fs::path kGameDir = QUENLIT_GAME_DIR;

size_t Count(const std::string& text, const std::string& line) {
  size_t count = 0;
  for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++count;
  return count;
}

TEST(Failures, MissingOrDamagedPicturesAndSoundsAreNamedOnceAndTheGameGoesOn) {
  GameFolder folder;
  folder.Write();
  const fs::path root = folder.Path();
  fs::copy(kGameDir / "Images", root / "Images", fs::copy_options::recursive);
  fs::copy(kGameDir / "wav", root / "wav", fs::copy_options::recursive);
  fs::remove(root / "Images" / "Image 12.png");
  folder.WriteFile("Images/Image 70.png", "not a picture");
  folder.WriteFile("wav/Sound 564.wav", "RIFF");
  const SimRun run = folder.Run("key Up\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(run.dumps.at(0)["screen"].text, "Map");
  for (const char* line : {"quenlit: Images/Image 12.png: missing; it is left out\n",
                           "quenlit: Images/Image 70.png: damaged (not a PNG picture); it is "
                           "left out\n",
                           "quenlit: wav/Sound 564.wav: damaged (not a WAVE sound); it stays "
                           "silent\n"}) {
    EXPECT_EQ(Count(run.stderrText, line), 1u) << line << run.stderrText;
  }
  EXPECT_EQ(Count(run.stderrText, "quenlit: "), 3u) << run.stderrText;
}

TEST(Failures, AFolderWithoutPicturesOrSoundsSaysSoOnce) {
  GameFolder folder;
  folder.Write();
  const SimRun run = folder.Run("dump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(run.stderrText,
            "quenlit: Images/: missing; no picture is shown\n"
            "quenlit: wav/: missing; the game is silent\n");
}

TEST(Failures, AWindowTooLargeForAPictureFailsTheShotWithItsCause) {
  GameFolder folder;
  folder.SetConfig("[Resolution14]\nWidth=99999999\nHeight=99999999\n");
  folder.Write();
  const SimRun run = folder.Run("dump\nshot big.png\n");
  EXPECT_EQ(run.exitCode, 4) << run.stderrText;
  EXPECT_EQ(run.dumps.size(), 1u) << "the game itself runs";
  EXPECT_NE(run.stderrText.find("shot big.png: no picture of 99999999 x 99999999 can be made"),
            std::string::npos)
      << run.stderrText;
}

// A sealed table can still hold numbers no game can be played with; loading stops before the
// game starts, naming the file and the section.
TEST(Failures, ImpossibleMonsterNumbersAreRefusedAtLoading) {
  struct Case {
    const char* table;
    const char* named;
  };
  const Case cases[] = {
      {"[Monster3]\nHP=35\nGold=-1000\n", "[Monster3] Gold=-1000 is below 0"},
      {"[Monster7]\nExp=-10\n", "[Monster7] Exp=-10 is below 0"},
      {"[Monster1]\nHP=-1\n", "[Monster1] HP=-1 is below 0"},
      {"[Monster2]\nCombo=-2\n", "[Monster2] Combo=-2 is below 0"},
      {"[Monster9]\nSwift=101\n", "[Monster9] Swift=101 is a chance above 100 percent"},
      {"[Monster44]\nCriticalRatio=150\n",
       "[Monster44] CriticalRatio=150 is a chance above 100 percent"},
      {"", "no monster section ([Monster1] to [Monster44]) at all"},
      {"; the kinds went missing\n[Monsters]\nHP=3\n",
       "no monster section ([Monster1] to [Monster44]) at all"},
  };
  for (const Case& c : cases) {
    GameFolder folder;
    folder.SetMonsterTable(c.table);
    folder.Write();
    const SimRun run = folder.Run("dump\n");
    EXPECT_EQ(run.exitCode, 1) << c.table;
    EXPECT_TRUE(run.dumps.empty()) << c.table;
    EXPECT_EQ(Count(run.stderrText, std::string("quenlit: data/monster.dat: ") + c.named + "\n"),
              1u)
        << run.stderrText;
    EXPECT_EQ(Count(run.stderrText, "ERROR: 游戏初始化失败\n"), 1u) << run.stderrText;
  }
  GameFolder critical;  // a critical strike may well do more than an ordinary one
  critical.SetMonster(5, "HP=10\nCritical=200\nCriticalRatio=100\nSwift=100\nHemophagia=100");
  critical.Write();
  EXPECT_EQ(critical.Run("dump\n").exitCode, 0);
}

TEST(Failures, ADamagedConfigurationFallsBackOnTheDefaults) {
  GameFolder folder;
  folder.SetConfig(std::string("\xff\xfe[Resolution14\nWidth=\x1a\x00zz\n[Video]\nFps=-") +
                   std::string(5000, '9') + "\n");
  folder.Write();
  const SimRun run = folder.Run("wait 0.5\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(run.dumps.at(0)["screen"].text, "Map");
}

}  // namespace
}  // namespace quenlit::test
