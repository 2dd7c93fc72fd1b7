#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace quenlit {

// A WAVE file's format and sample bytes.
struct WaveData {
  platform::WaveFormat format;
  std::vector<uint8_t> samples;
};

// Reads a RIFF/WAVE file by walking its chunks in whatever order they come: "fmt " and "data"
// are required, every other chunk is skipped. False (and nothing kept) for a missing,
// truncated or non-WAVE file; nothing past the file's end is ever read.
bool ReadWaveFile(const std::string& path, WaveData& wave);
bool ParseWave(const std::vector<uint8_t>& bytes, WaveData& wave);

}  // namespace quenlit
