#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quenlit {

// A data file and the CRC-32 its text-mode content must have.
struct CheckedFile {
  std::string path;
  uint32_t crc;
};

// The floors 1 to 10 and the monster table, in the order they are checked.
const std::vector<CheckedFile>& CheckedDataFiles();

enum class FileCheck { Intact, Missing, Altered };

FileCheck CheckFile(const CheckedFile& file);

}  // namespace quenlit
