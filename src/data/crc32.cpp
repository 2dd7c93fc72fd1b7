#include "data/crc32.h"

#include <array>
#include <fstream>
#include <sstream>

#include "platform/utf8_path.h"

namespace quenlit {
namespace {

constexpr std::array<uint32_t, 256> MakeTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t value = i;
    for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
    table[i] = value;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeTable();

}  // namespace

uint32_t Crc32Update(uint32_t previous, const uint8_t* bytes, size_t length) {
  uint32_t crc = ~previous;
  for (size_t i = 0; i < length; ++i) crc = (crc >> 8) ^ kCrcTable[(crc ^ bytes[i]) & 0xFF];
  return ~crc;
}

std::string TextModeBytes(const std::string& raw) {
  std::string text;
  text.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '\x1A') break;
    if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
    text.push_back(c);
  }
  return text;
}

bool TextModeFileCrc32(const std::string& path, uint32_t& crc) {
  std::ifstream in(platform::PathFromUtf8(path), std::ios::binary);
  if (!in) return false;
  std::ostringstream raw;
  raw << in.rdbuf();
  const std::string text = TextModeBytes(raw.str());
  crc = Crc32Update(0, reinterpret_cast<const uint8_t*>(text.data()), text.size());
  return true;
}

}  // namespace quenlit
