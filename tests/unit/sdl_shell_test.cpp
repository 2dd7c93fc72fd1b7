// The program's shell where no display can show a message box: each message becomes one line
// "CAPTION: TEXT" on stderr.
#include "platform/sdl/sdl_shell.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quenlit::platform {
namespace {

TEST(Shell, WithoutADisplayMessagesGoToStderrOneLineEach) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
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
