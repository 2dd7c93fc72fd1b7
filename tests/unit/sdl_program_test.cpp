// The game program's start-up failures, where no display is needed to see them: the message
// on stderr ("CAPTION: TEXT") and exit code 1. Its command line answers before any of that.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "process.h"
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
Outcome RunGame(const test::WorkingFolder& folder, const std::vector<std::string>& arguments = {}) {
  const auto output = folder.Path() / "stdout.txt";
  const auto errors = folder.Path() / "stderr.txt";
  Outcome outcome;
  outcome.exitCode =
      test::RunProgram({.program = std::string(QUENLIT_GAME_DIR) + "/quenlit",
                        .arguments = arguments,
                        .output = output.string(),
                        .errors = errors.string(),
                        .environment = {{"DISPLAY", std::nullopt},
                                        {"WAYLAND_DISPLAY", std::nullopt},
                                        {"SDL_AUDIODRIVER", "dummy"},
                                        {"XDG_STATE_HOME", (folder.Path() / "state").string()}}});
  outcome.output = ReadAll(output);
  outcome.errors = ReadAll(errors);
  return outcome;
}

// A failed start shows its "ERROR" box; only without a display does it go to stderr instead.
#ifdef _WIN32
#define SKIP_WHERE_A_BOX_WOULD_SHOW() \
  GTEST_SKIP() << "Windows always shows the box, which waits for a player to close it"
#else
#define SKIP_WHERE_A_BOX_WOULD_SHOW() (void)0
#endif

// The arguments that make the game play the folder.
std::vector<std::string> RootOf(const test::WorkingFolder& folder) {
  return {"--root", folder.Path().string()};
}

TEST(Program, WithoutConfigurationItSaysSoAndEndsWithOne) {
  SKIP_WHERE_A_BOX_WOULD_SHOW();
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
  SKIP_WHERE_A_BOX_WOULD_SHOW();
  test::WorkingFolder folder;
  const Outcome outcome = RunGame(folder, {"--root", "no-such-folder"});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.errors.find("ERROR: 找不到游戏文件夹：no-such-folder\n"), std::string::npos)
      << outcome.errors;
}

TEST(Program, FindsItsGameFolderFromAnyWorkingDirectory) {
  SKIP_WHERE_A_BOX_WOULD_SHOW();
  test::WorkingFolder folder;  // empty: the game folder is the one beside the program
  const Outcome outcome = RunGame(folder);
  EXPECT_EQ(outcome.exitCode, 1);
  // Past the configuration, it stops only for want of a display.
  EXPECT_EQ(outcome.errors.find("找不到配置文件"), std::string::npos) << outcome.errors;
  EXPECT_NE(outcome.errors.find("ERROR: 创建窗口失败\n"), std::string::npos) << outcome.errors;
}

TEST(Program, WithoutADisplayTheWindowCannotBeCreated) {
  SKIP_WHERE_A_BOX_WOULD_SHOW();
  test::WorkingFolder folder;
  folder.Write("config.ini", "[Video]\nFps=3\n");
  const Outcome outcome = RunGame(folder, RootOf(folder));
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.errors.find("ERROR: 创建窗口失败\n"), std::string::npos) << outcome.errors;
}

TEST(Program, AFullScreenSizeTheDisplayLacksIsRefused) {
  SKIP_WHERE_A_BOX_WOULD_SHOW();
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
  const Outcome version = RunGame(folder, {"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.output.rfind("Quenlit ", 0), 0u) << version.output;
  EXPECT_EQ(version.errors, "");
  const Outcome help = RunGame(folder, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.output.find("--version"), std::string::npos) << help.output;
}

TEST(Program, AnUnknownOptionEndsWithTwo) {
  test::WorkingFolder folder;
  folder.Write("config.ini", "[Video]\nFps=3\n");
  const Outcome outcome = RunGame(folder, {"--fly"});
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
  // The file as the game names it: made absolute from the working folder.
  const auto named = [](const std::string& file) {
    return std::filesystem::absolute(file).string();
  };
  const struct {
    std::vector<std::string> arguments;
    int exitCode;
    std::string message;
    std::string reason;  // the system's words, which differ on Windows
  } cases[] = {
      {{"--replay", "damaged.sim"},
       2,
       "quenlit: " + named("damaged.sim") + ": line 4: cannot understand \"jump\"\n",
       ""},
      {{"--replay", "unknown_key.sim"},
       2,
       "quenlit: " + named("unknown_key.sim") + ": line 2: cannot understand \"key Space\"\n",
       ""},
      {{"--replay", "."},
       2,
       "quenlit: cannot read the script " + named(".") + ": it is a folder\n",
       ""},
      {{"--replay", "missing.sim"},
       2,
       "quenlit: cannot read the script " + named("missing.sim") + ": ",
       "No such file or directory\n"},
      {{"--record", "no-such-folder/session.sim"},
       1,
       "quenlit: cannot write the recording " + named("no-such-folder/session.sim") + ": ",
       "No such file or directory\n"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunGame(folder, c.arguments);
    EXPECT_EQ(outcome.exitCode, c.exitCode) << c.arguments[1];
#ifdef _WIN32
    EXPECT_EQ(outcome.errors.rfind(c.message, 0), 0u) << c.arguments[1] << ": " << outcome.errors;
#else
    EXPECT_EQ(outcome.errors, c.message + c.reason) << c.arguments[1];
#endif
  }
}

}  // namespace
}  // namespace quenlit
