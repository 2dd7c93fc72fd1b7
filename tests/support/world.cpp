#include "world.h"

#include <string>

namespace quenlit::test {

void World::AddSound(const std::string& file, const std::string& name, uint32_t bytes) {
  // A 44.1 kHz mono 16-bit WAVE file in a temporary folder, loaded through the real reader.
  if (!soundFolder) soundFolder.emplace();
  std::string wave = "RIFF....WAVEfmt ";
  const auto put32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) wave += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  const auto put16 = [&](uint16_t v) {
    wave += static_cast<char>(v & 0xFF);
    wave += static_cast<char>(v >> 8);
  };
  put32(16);
  put16(1);
  put16(1);
  put32(44100);
  put32(88200);
  put16(2);
  put16(16);
  wave += "data";
  put32(bytes);
  wave.append(bytes, '\0');
  const uint32_t riffSize = static_cast<uint32_t>(wave.size() - 8);
  for (int i = 0; i < 4; ++i) wave[4 + i] = static_cast<char>((riffSize >> (8 * i)) & 0xFF);
  soundFolder->Write(file, wave);
  sound.SetBasePath(soundFolder->Path().string() + "/");
  if (name.empty()) {
    sound.LoadWave(file);
  } else {
    sound.AddSound(name, file);
  }
}

}  // namespace quenlit::test
