#include "sound/wave_file.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/utf8_path.h"

namespace quenlit {
namespace {

uint32_t Read32(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint16_t Read16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

}  // namespace

bool ParseWave(const std::vector<uint8_t>& bytes, WaveData& wave) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return false;
  }
  // The RIFF size may claim more than the file holds; the file's end bounds every chunk.
  const size_t end = std::min<size_t>(bytes.size(), size_t{8} + Read32(bytes.data() + 4));
  bool haveFormat = false;
  bool haveData = false;
  WaveData result;
  size_t at = 12;
  while (at + 8 <= end) {
    const uint8_t* header = bytes.data() + at;
    const uint32_t size = Read32(header + 4);
    const size_t body = at + 8;
    if (size > end - body) return false;  // truncated chunk
    if (std::memcmp(header, "fmt ", 4) == 0 && !haveFormat) {
      if (size < 16) return false;
      const uint8_t* f = bytes.data() + body;
      result.format = {Read16(f),
                       Read16(f + 2),
                       Read32(f + 4),
                       Read32(f + 8),
                       Read16(f + 12),
                       Read16(f + 14),
                       static_cast<uint16_t>(size >= 18 ? Read16(f + 16) : 0)};
      haveFormat = true;
    } else if (std::memcmp(header, "data", 4) == 0 && !haveData) {
      result.samples.assign(bytes.begin() + body, bytes.begin() + body + size);
      haveData = true;
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  if (!haveFormat || !haveData) return false;
  wave = std::move(result);
  return true;
}

bool ReadWaveFile(const std::string& path, WaveData& wave) {
  std::ifstream in(platform::PathFromUtf8(path), std::ios::binary);
  if (!in) return false;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  return ParseWave(bytes, wave);
}

}  // namespace quenlit
