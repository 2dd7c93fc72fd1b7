// The driver's "shot" command: the picture's size, a still that changes nothing on the map,
// and its failures.
#include <gtest/gtest.h>

#include "golden_folder.h"
#include "golden_picture.h"

namespace quenlit::test {
namespace {

TEST(Shot, PictureHasTheRenderTargetsSize) {
  const std::pair<int, int> sizes[] = {{kGoldenWidth, kGoldenHeight}, {640, 480}};
  for (const auto& [width, height] : sizes) {
    GoldenFolder folder;
    folder.SetConfig("[Resolution14]\nWidth=" + std::to_string(width) +
                     "\nHeight=" + std::to_string(height) + "\n");
    folder.WriteWithAssets();
    Picture picture;
    ASSERT_TRUE(ReadPicture(folder.Shoot("wait 0.1", "size"), picture));
    EXPECT_EQ(picture.width, width);
    EXPECT_EQ(picture.height, height);
  }
}

TEST(Shot, AStillOfTheMapLeavesTheGameAsItWas) {
  GoldenFolder folder;
  folder.WriteWithAssets();
  const SimRun run = folder.Run("wait 0.5\ndump\nshot " + folder.Path() + "/a.png\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.dumps.size(), 2u);
  const Json &before = run.dumps[0], &after = run.dumps[1];
  EXPECT_EQ(after["screen"].text, before["screen"].text);
  EXPECT_EQ(after["clock"].number, before["clock"].number);
  EXPECT_EQ(after["fadeLevel"].number, before["fadeLevel"].number);
  EXPECT_EQ(after["cells"].Ints(), before["cells"].Ints());
  // Nothing was started or played by the still.
  EXPECT_TRUE(after["started"].Strings().empty());
  EXPECT_TRUE(after["played"].Strings().empty());
}

TEST(Shot, FailuresEndTheRunWithAReason) {
  GoldenFolder folder;
  folder.WriteWithAssets();
  struct Case {
    std::string script;
    int exitCode;
    std::string message;
  };
  const Case cases[] = {
      {"shot /nonexistent/folder/a.png\n", 4,
       "shot /nonexistent/folder/a.png: cannot write the picture"},
      {"shot\n", 2, "line 1: cannot understand \"shot\""},
      {"shot a.png b.png\n", 2, "line 1: cannot understand"},
  };
  for (const Case& c : cases) {
    const SimRun run = folder.Run(c.script);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.script;
    EXPECT_NE(run.stderrText.find(c.message), std::string::npos) << run.stderrText;
  }
}

}  // namespace
}  // namespace quenlit::test
