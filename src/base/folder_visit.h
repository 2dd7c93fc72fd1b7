#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace quenlit {

// Makes a folder the working directory for as long as it lives, then returns to the one
// before. The game reads every file by a path relative to its game folder, so tools and tests
// that read a game folder visit it this way.
class FolderVisit {
 public:
  explicit FolderVisit(const std::filesystem::path& folder) {
    previous_ = std::filesystem::current_path(error_);
    if (!error_) std::filesystem::current_path(folder, error_);
    entered_ = !error_;
  }
  ~FolderVisit() {
    std::error_code ignored;  // a destructor has no one to tell; the folder before was valid
    if (entered_) std::filesystem::current_path(previous_, ignored);
  }
  FolderVisit(const FolderVisit&) = delete;
  FolderVisit& operator=(const FolderVisit&) = delete;

  bool Entered() const { return entered_; }
  // Why the folder could not be entered.
  std::string Reason() const { return error_.message(); }

 private:
  std::filesystem::path previous_;
  std::error_code error_;
  bool entered_ = false;
};

}  // namespace quenlit
