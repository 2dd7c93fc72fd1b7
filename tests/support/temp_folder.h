#pragma once

// Temporary folders of the tests: each test makes its own, with a name no other test can
// take, and removes it with everything in it when done, so that tests may run side by side.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "base/folder_visit.h"

namespace quenlit::test {

// A fresh empty folder under the system's temporary directory, removed when it goes.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quenlit-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  void Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories((path_ / relative).parent_path());
    std::ofstream(path_ / relative, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_;
};

// A temporary folder that is the working directory while it lives, as the game folder is for
// the game: relative paths such as "./config.ini" land in it.
class WorkingFolder : public TempFolder {
 private:
  FolderVisit inside_{Path()};
};

}  // namespace quenlit::test
