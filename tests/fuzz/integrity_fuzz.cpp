// The integrity check's text-mode read and CRC on any file: what comes out is never longer
// than what went in and never holds the byte that ends the data.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/crc32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string raw(reinterpret_cast<const char*>(data), size);
  const std::string text = quenlit::TextModeBytes(raw);
  if (text.size() > raw.size() || text.find('\x1A') != std::string::npos) __builtin_trap();
  quenlit::Crc32Update(0, reinterpret_cast<const uint8_t*>(text.data()), text.size());
  return 0;
}
