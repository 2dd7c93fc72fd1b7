// The initialisation-file reader on any text: config.ini's settings and every lookup a
// reader of the game makes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/settings/config.h"
#include "data/ini_file.h"
#include "fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const quenlit::IniFile ini = quenlit::IniFile::Parse(text);
  quenlit::fuzz::FuzzWorld world;
  quenlit::ApplyConfig(ini, world.game);
  // Sections and keys the text itself names, found or not.
  for (const char* section : {"Resolution14", "resolution", "Video", "Monster1", ""}) {
    for (const char* key : {"Width", "HP", "Name", "", "="}) {
      ini.GetInt(section, key, -1);
      ini.GetString(section, key, "default", 8);
    }
  }
  return 0;
}
