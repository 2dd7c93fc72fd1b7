#pragma once

// Temporary folders of the tests: each test makes its own, with a name no other test can
// take, and removes it with everything in it when done, so that tests may run side by side.
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

#include "base/folder_visit.h"
#include "platform/utf8_path.h"

namespace quenlit::test {

// A fresh empty folder under the system's temporary directory, removed when it goes.
class TempFolder {
 public:
  // create_directory makes the folder only when no folder of that name is there, on every
  // system: a name another test took is passed over.
  TempFolder() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = "quenlit-";
      for (int i = 0; i < 10; ++i) name += kLetters[letter(random)];
      const std::filesystem::path candidate = std::filesystem::temp_directory_path() / name;
      std::error_code error;
      if (std::filesystem::create_directory(candidate, error)) {
        path_ = candidate;
        return;
      }
    }
    throw std::runtime_error("cannot make a temporary folder");
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  void Write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path file = path_ / platform::PathFromUtf8(relative);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
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
