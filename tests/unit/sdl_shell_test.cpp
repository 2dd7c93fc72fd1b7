// The program's shell where no display can show a message box: each message becomes one line
// "CAPTION: TEXT" on stderr.
#include "platform/sdl/sdl_shell.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "process.h"

namespace quenlit::platform {
namespace {

TEST(Shell, WithoutADisplayMessagesGoToStderrOneLineEach) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows always has a desktop to show a message box on, which would wait for "
                  "a player to close it";
#endif
  test::SetEnvironment("DISPLAY", std::nullopt);
  test::SetEnvironment("WAYLAND_DISPLAY", std::nullopt);
  SdlShell shell;
  testing::internal::CaptureStderr();
  shell.ShowMessage("ERROR", "找不到配置文件");
  shell.ShowMessage("Info", "第一行\n第二行");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ERROR: 找不到配置文件\nInfo: 第一行 第二行\n");
}

TEST(ShellDeathTest, ExitEndsTheProcessWithTheCode) {
  SdlShell shell;
  EXPECT_EXIT(shell.Exit(3), testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace quenlit::platform
