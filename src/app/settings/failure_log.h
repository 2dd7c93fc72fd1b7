#pragma once

#include <mutex>
#include <streambuf>
#include <string>
#include <utility>

#include "platform/shell.h"

namespace quenlit {

// Keeps the last lines the program writes to standard error, while they go on to the terminal
// as before: a player who started the game from the desktop's menu sees no terminal, and a
// failure is told to him in a log file instead.
class StderrLog {
 public:
  StderrLog();  // from now on, std::cerr passes through the log
  ~StderrLog();
  StderrLog(const StderrLog&) = delete;
  StderrLog& operator=(const StderrLog&) = delete;

  // What was written so far: at most the last kKept bytes, from the start of a line.
  std::string Text() const;
  static constexpr size_t kKept = 64 * 1024;

 private:
  class Tee : public std::streambuf {
   public:
    Tee(std::streambuf* terminal, StderrLog& log) : terminal_(terminal), log_(log) {}
    std::streambuf* Terminal() const { return terminal_; }

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override { return terminal_->pubsync(); }

   private:
    std::streambuf* terminal_;
    StderrLog& log_;
  };
  void Keep(const char* text, size_t count);

  mutable std::mutex mutex_;  // the loading thread writes too
  std::string kept_;
  Tee tee_;
};

// The desktop's shell: every "ERROR" box is first written to the log file, after what the
// program had said on standard error, with the date. The boxes keep the game's own texts; the
// log names the files and causes. A log that cannot be written changes nothing.
class FailureLoggingShell : public platform::Shell {
 public:
  FailureLoggingShell(platform::Shell& shell, const StderrLog& said, std::string logFile)
      : shell_(shell), said_(said), logFile_(std::move(logFile)) {}
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void MoveWindow(int x, int y, int width, int height) override {
    shell_.MoveWindow(x, y, width, height);
  }
  std::optional<Area> UsableArea() const override { return shell_.UsableArea(); }
  [[noreturn]] void Exit(int code) override;

 private:
  platform::Shell& shell_;
  const StderrLog& said_;
  std::string logFile_;
};

}  // namespace quenlit
