// The WAVE reader on any file, and the conversion of what it accepts to the output's format.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sdl/sdl_audio.h"
#include "sound/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  quenlit::WaveData wave;
  if (!quenlit::ParseWave(bytes, wave)) return 0;
  quenlit::platform::ConvertToOutput(wave.format, wave.samples.data(),
                                     static_cast<uint32_t>(wave.samples.size()), 2, 44100);
  return 0;
}
