#include "app/settings/failure_log.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/utf8_path.h"

namespace quenlit {

StderrLog::StderrLog() : tee_(std::cerr.rdbuf(), *this) {
  std::cerr.rdbuf(&tee_);
}

StderrLog::~StderrLog() {
  std::cerr.rdbuf(tee_.Terminal());
}

StderrLog::Tee::int_type StderrLog::Tee::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char one = traits_type::to_char_type(c);
  log_.Keep(&one, 1);
  return terminal_->sputc(one);
}

std::streamsize StderrLog::Tee::xsputn(const char* text, std::streamsize count) {
  log_.Keep(text, static_cast<size_t>(count));
  return terminal_->sputn(text, count);
}

void StderrLog::Keep(const char* text, size_t count) {
  std::lock_guard lock(mutex_);
  kept_.append(text, count);
  if (kept_.size() <= kKept) return;
  // The oldest lines go, whole.
  const size_t cut = kept_.find('\n', kept_.size() - kKept);
  kept_.erase(0, cut == std::string::npos ? kept_.size() - kKept : cut + 1);
}

std::string StderrLog::Text() const {
  std::lock_guard lock(mutex_);
  return kept_;
}

void FailureLoggingShell::ShowMessage(const std::string& caption, const std::string& text) {
  if (caption == "ERROR" && !logFile_.empty()) {
    std::error_code ignored;
    const std::filesystem::path file = platform::PathFromUtf8(logFile_);
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::ofstream log(file, std::ios::app);
    const std::time_t now = std::time(nullptr);
    char when[32] = "";
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
    log << "--- " << when << ", Quenlit " << QUENLIT_VERSION << "\n"
        << said_.Text() << caption << ": " << text << std::endl;
  }
  shell_.ShowMessage(caption, text);
}

void FailureLoggingShell::Exit(int code) {
  shell_.Exit(code);
  std::abort();  // not reached: a shell's Exit ends the process
}

}  // namespace quenlit
