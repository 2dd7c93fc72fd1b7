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
