#include "data/integrity.h"

#include "data/crc32.h"
#include "data/paths.h"

namespace quenlit {

const std::vector<CheckedFile>& CheckedDataFiles() {
  static const std::vector<CheckedFile> files{
      {"Data\\1.map", 0xB342A835},  {"Data\\2.map", 0xDF9FC3BE},       {"Data\\3.map", 0x87A3481E},
      {"Data\\4.map", 0x61AA60C4},  {"Data\\5.map", 0xBB2EE111},       {"Data\\6.map", 0xB266333C},
      {"Data\\7.map", 0xA19FBFEB},  {"Data\\8.map", 0x53E0E986},       {"Data\\9.map", 0x091D5AE7},
      {"Data\\10.map", 0x958F11F0}, {"Data\\monster.dat", 0x2EF1DD68},
  };
  return files;
}

FileCheck CheckFile(const CheckedFile& file) {
  uint32_t crc = 0;
  if (!TextModeFileCrc32(ResolveGamePath(file.path), crc)) return FileCheck::Missing;
  return crc == file.crc ? FileCheck::Intact : FileCheck::Altered;
}

}  // namespace quenlit
