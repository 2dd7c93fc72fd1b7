// The game program's start-up failures, where no display is needed to see them: the message
// on stderr ("CAPTION: TEXT") and exit code 1.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "temp_folder.h"

namespace quenlit {
namespace {

struct Outcome {
  int exitCode = -1;
  std::string errors;
};

// Runs the game in the working folder without a display.
Outcome RunGame(const test::WorkingFolder& folder) {
  const std::string errors = (folder.Path() / "stderr.txt").string();
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy '" +
                              std::string(QUENLIT_GAME_DIR) +
                              "/quenlit' </dev/null >/dev/null 2>'" + errors + "'";
  const int status = std::system(command.c_str());
  Outcome outcome;
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream in(errors);
  outcome.errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return outcome;
}

TEST(Program, WithoutConfigurationItSaysSoAndEndsWithOne) {
  test::WorkingFolder folder;
  const Outcome outcome = RunGame(folder);
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.errors.find("ERROR: 找不到配置文件\n"), std::string::npos) << outcome.errors;
}

TEST(Program, WithoutADisplayTheWindowCannotBeCreated) {
  test::WorkingFolder folder;
  folder.Write("config.ini", "[Video]\nFps=3\n");
  const Outcome outcome = RunGame(folder);
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.errors.find("ERROR: 创建窗口失败\n"), std::string::npos) << outcome.errors;
}

TEST(Program, AFullScreenSizeTheDisplayLacksIsRefused) {
  test::WorkingFolder folder;
  folder.Write("config.ini",
               "[Resolution14]\nWidth=1234\nHeight=567\n[Resolution]\nFullScreen=1\n");
  const Outcome outcome = RunGame(folder);
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.errors.find("ERROR: 无法全屏游戏，请使用窗口模式\n"), std::string::npos)
      << outcome.errors;
}

}  // namespace
}  // namespace quenlit
