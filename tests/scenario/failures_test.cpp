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

// A WAVE file with the format and a second of silence as its data.
std::string Wave(uint16_t channels, uint32_t rate, uint16_t bits) {
  std::string bytes = "RIFF....WAVEfmt ";
  const auto put = [&](uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  const uint32_t frame = channels * bits / 8u;
  put(16, 4);
  put(1, 2);
  put(channels, 2);
  put(rate, 4);
  put(rate * frame, 4);
  put(frame, 2);
  put(bits, 2);
  bytes += "data";
  put(frame * 100, 4);
  bytes.append(frame * 100, '\0');
  return bytes;
}

TEST(Failures, MissingOrDamagedPicturesAndSoundsAreNamedOnceAndTheGameGoesOn) {
  GameFolder folder;
  folder.Write();
  const fs::path root = folder.Path();
  fs::copy(kGameDir / "Images", root / "Images", fs::copy_options::recursive);
  fs::copy(kGameDir / "wav", root / "wav", fs::copy_options::recursive);
  fs::copy(kGameDir / "Fonts", root / "Fonts", fs::copy_options::recursive);
  fs::remove(root / "Images" / "Image 12.png");
  folder.WriteFile("Images/Image 70.png", "not a picture");
  folder.WriteFile("wav/Sound 564.wav", "RIFF");
  folder.WriteFile("wav/Sound 1350.wav", Wave(2, 44100, 24));
  folder.WriteFile("wav/Sound 1375.wav", Wave(9, 44100, 16));
  const SimRun run = folder.Run("key Up\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(run.dumps.at(0)["screen"].text, "Map");
  for (const char* line : {"quenlit: Images/Image 12.png: missing; it is left out\n",
                           "quenlit: Images/Image 70.png: damaged (not a PNG picture); it is "
                           "left out\n",
                           "quenlit: wav/Sound 564.wav: damaged (not a WAVE sound); it stays "
                           "silent\n",
                           "quenlit: wav/Sound 1350.wav: in a format the game cannot play (2 "
                           "channels, 44100 samples a second, 24 bits, format 1); it stays "
                           "silent\n",
                           "quenlit: wav/Sound 1375.wav: in a format the game cannot play (9 "
                           "channels, 44100 samples a second, 16 bits, format 1); it stays "
                           "silent\n"}) {
    EXPECT_EQ(Count(run.stderrText, line), 1u) << line << run.stderrText;
  }
  EXPECT_EQ(Count(run.stderrText, "quenlit: "), 5u) << run.stderrText;
}

TEST(Failures, AFolderWithoutFontsPicturesOrSoundsSaysSoOnce) {
  GameFolder folder;
  folder.Write();
  const SimRun run = folder.Run("dump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(run.stderrText,
            "quenlit: Fonts/: missing; the system's fonts stand in\n"
            "quenlit: Images/: missing; no picture is shown\n"
            "quenlit: wav/: missing; the game is silent\n");
  folder.WriteFile("Fonts/fonts.txt", "宋体\tgone.ttf\n");
  EXPECT_EQ(folder.Run("dump\n").stderrText.find("quenlit: Fonts/: holds no font file; the "
                                                 "system's fonts stand in\n"),
            0u);
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
