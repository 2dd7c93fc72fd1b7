// A failed start told in the player's log: what the program said on stderr before it, and the
// message box's text, while the terminal still gets every line.
#include "app/settings/failure_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <iterator>

#include "temp_folder.h"
#include "world.h"

namespace quenlit {
namespace {

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FailureLog, AnErrorBoxIsLoggedAfterWhatStderrSaidAndStillShown) {
  test::TempFolder folder;
  const std::filesystem::path log = folder.Path() / "state" / "quenlit" / "quenlit.log";
  testing::internal::CaptureStderr();
  std::string terminal;
  {
    StderrLog said;
    test::RecordingShell boxes;
    FailureLoggingShell shell(boxes, said, log.string());
    std::cerr << "quenlit: data/monster.dat: [Monster3] Gold=-1000 is below 0" << std::endl;
    shell.ShowMessage("Info", "not a failure");
    EXPECT_FALSE(std::filesystem::exists(log));
    shell.ShowMessage("ERROR", "游戏初始化失败");
    EXPECT_EQ(boxes.messages.size(), 2u);
  }
  terminal = testing::internal::GetCapturedStderr();
  EXPECT_EQ(terminal, "quenlit: data/monster.dat: [Monster3] Gold=-1000 is below 0\n");
  const std::string logged = Read(log);
  EXPECT_EQ(logged.rfind("--- ", 0), 0u) << logged;
  EXPECT_NE(logged.find("\nquenlit: data/monster.dat: [Monster3] Gold=-1000 is below 0\n"
                        "ERROR: 游戏初始化失败\n"),
            std::string::npos)
      << logged;
}

TEST(FailureLog, OnlyTheLastLinesAreKeptWhole) {
  testing::internal::CaptureStderr();
  std::string kept;
  {
    StderrLog said;
    const std::string line(99, 'x');
    for (int i = 0; i < 2000; ++i) std::cerr << line << '\n';
    std::cerr << "the last" << std::endl;
    kept = said.Text();
  }
  testing::internal::GetCapturedStderr();
  EXPECT_LE(kept.size(), StderrLog::kKept);
  EXPECT_EQ(kept.front(), 'x');
  EXPECT_EQ(kept.substr(kept.size() - 9), "the last\n");
  EXPECT_EQ(kept.size() % 100, 9u) << "whole lines";
}

TEST(FailureLog, ALogThatCannotBeWrittenChangesNothing) {
  test::TempFolder folder;
  folder.Write("blocker", "a file where the log's folder should be");
  StderrLog said;
  test::RecordingShell boxes;
  FailureLoggingShell shell(boxes, said, (folder.Path() / "blocker" / "quenlit.log").string());
  shell.ShowMessage("ERROR", "创建窗口失败");
  ASSERT_EQ(boxes.messages.size(), 1u);
  EXPECT_EQ(boxes.messages[0].second, "创建窗口失败");
}

}  // namespace
}  // namespace quenlit
