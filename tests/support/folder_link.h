#pragma once

#include <filesystem>

namespace quenlit::test {

// Makes link show the folder target: a symbolic link where the system lets the tests make one,
// else (Windows without the right to make links) a copy.
inline void LinkFolder(const std::filesystem::path& target, const std::filesystem::path& link) {
  std::error_code refused;
  std::filesystem::create_directory_symlink(target, link, refused);
  if (refused) std::filesystem::copy(target, link, std::filesystem::copy_options::recursive);
}

// The same for a file.
inline void LinkFile(const std::filesystem::path& target, const std::filesystem::path& link) {
  std::error_code refused;
  std::filesystem::create_symlink(target, link, refused);
  if (refused) std::filesystem::copy_file(target, link);
}

}  // namespace quenlit::test
