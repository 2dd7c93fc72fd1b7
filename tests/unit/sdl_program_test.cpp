// The game program's start-up failures, where no display is needed to see them: the message
// on stderr ("CAPTION: TEXT") and exit code 1. Its command line answers before any of that.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "temp_folder.h"

namespace quenlit {
namespace {

struct Outcome {
  int exitCode = -1;
  std::string output;
  std::string errors;
};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the game without a display, with the working folder as its working directory and the
// player's log of failures in its "state" folder.
Outcome RunGame(const test::WorkingFolder& folder, const std::string& arguments = "") {
  const auto output = folder.Path() / "stdout.txt";
  const auto errors = folder.Path() / "stderr.txt";
  const std::string command =
      "env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy "
      "XDG_STATE_HOME='" +
      (folder.Path() / "state").string() + "' '" + std::string(QUENLIT_GAME_DIR) + "/quenlit' " +
      arguments + " </dev/null >'" + output.string() + "' 2>'" + errors.string() + "'";
  const int status = std::system(command.c_str());
  Outcome outcome;
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.output = ReadAll(output);
  outcome.errors = ReadAll(errors);
  return outcome;
}

// The arguments that make the game play the folder.
std::string RootOf(const test::WorkingFolder& folder) {
  return "--root '" + folder.Path().string() + "'";
}

TEST(Program, WithoutConfigurationItSaysSoAndEndsWithOne) {
  test::WorkingFolder folder;
  const Outcome outcome = RunGame(folder, RootOf(folder));
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.errors.find("ERROR: 找不到配置文件\n"), std::string::npos) << outcome.errors;
  // Told in the player's log as well, for a game started without a terminal.
  const std::string logged = ReadAll(folder.Path() / "state/quenlit/quenlit.log");
  EXPECT_NE(logged.find("quenlit: config.ini: missing or unreadable\nERROR: 找不到配置文件\n"),
            std::string::npos)
      << logged;
}

TEST(Program, AGameFolderThatIsNotThereIsNamed) {
  test::WorkingFolder folder;
  const Outcome outcome = RunGame(folder, "--root no-such-folder");
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.errors.find("ERROR: 找不到游戏文件夹：no-such-folder\n"), std::string::npos)
      << outcome.errors;
}

TEST(Program, FindsItsGameFolderFromAnyWorkingDirectory) {
  test::WorkingFolder folder;  // empty: the game folder is the one beside the program
  const Outcome outcome = RunGame(folder);
  EXPECT_EQ(outcome.exitCode, 1);
  // Past the configuration, it stops only for want of a display.
  EXPECT_EQ(outcome.errors.find("找不到配置文件"), std::string::npos) << outcome.errors;
  EXPECT_NE(outcome.errors.find("ERROR: 创建窗口失败\n"), std::string::npos) << outcome.errors;
}

TEST(Program, WithoutADisplayTheWindowCannotBeCreated) {
  test::WorkingFolder folder;
  folder.Write("config.ini", "[Video]\nFps=3\n");
  const Outcome outcome = RunGame(folder, RootOf(folder));
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.errors.find("ERROR: 创建窗口失败\n"), std::string::npos) << outcome.errors;
}

TEST(Program, AFullScreenSizeTheDisplayLacksIsRefused) {
  test::WorkingFolder folder;
  folder.Write("config.ini",
               "[Resolution14]\nWidth=1234\nHeight=567\n[Resolution]\nFullScreen=1\n");
  const Outcome outcome = RunGame(folder, RootOf(folder));
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.errors.find("ERROR: 无法全屏游戏，请使用窗口模式\n"), std::string::npos)
      << outcome.errors;
}

TEST(Program, AnswersHelpAndVersionWithoutStarting) {
  test::WorkingFolder folder;  // no configuration: starting would fail
  const Outcome version = RunGame(folder, "--version");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.output.rfind("Quenlit ", 0), 0u) << version.output;
  EXPECT_EQ(version.errors, "");
  const Outcome help = RunGame(folder, "--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.output.find("--version"), std::string::npos) << help.output;
}

TEST(Program, AnUnknownOptionEndsWithTwo) {
  test::WorkingFolder folder;
  folder.Write("config.ini", "[Video]\nFps=3\n");
  const Outcome outcome = RunGame(folder, "--fly");
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_EQ(outcome.output, "");
  EXPECT_EQ(outcome.errors,
            "quenlit: unknown option '--fly'\nTry 'quenlit --help' for more information.\n");
}

// Named from the working folder, although the game works in its own: a script that cannot be
// replayed ends with 2 and a recording that cannot be written with 1, before any window.
TEST(Program, AScriptOrARecordingThatCannotBeHadIsNamed) {
  test::WorkingFolder folder;
  folder.Write("damaged.sim", "key Up\nwait 1\n\njump\nkey Down\n");
  folder.Write("unknown_key.sim", "seed 5\r\nkey Space\r\n");
  const struct {
    std::string arguments;
    int exitCode;
    std::string message;
  } cases[] = {
      {"--replay damaged.sim", 2,
       "quenlit: " + (folder.Path() / "damaged.sim").string() +
           ": line 4: cannot understand \"jump\"\n"},
      {"--replay unknown_key.sim", 2,
       "quenlit: " + (folder.Path() / "unknown_key.sim").string() +
           ": line 2: cannot understand \"key Space\"\n"},
      {"--replay .", 2,
       "quenlit: cannot read the script " + (folder.Path() / ".").string() + ": it is a folder\n"},
      {"--replay missing.sim", 2,
       "quenlit: cannot read the script " + (folder.Path() / "missing.sim").string() +
           ": No such file or directory\n"},
      {"--record no-such-folder/session.sim", 1,
       "quenlit: cannot write the recording " +
           (folder.Path() / "no-such-folder/session.sim").string() +
           ": No such file or directory\n"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunGame(folder, c.arguments);
    EXPECT_EQ(outcome.exitCode, c.exitCode) << c.arguments;
    EXPECT_EQ(outcome.errors, c.message) << c.arguments;
  }
}

}  // namespace
}  // namespace quenlit
