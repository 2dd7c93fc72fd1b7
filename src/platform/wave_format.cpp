// Which sounds the game can play, whatever the device: the formats its mixer converts.
#include "platform/audio.h"

namespace quenlit::platform {
namespace {

constexpr uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

// The rates a sound may have. Far below a thousand samples a second no sound is real, and
// converting one to the output's rate would multiply it: a damaged header saying one sample
// a second made a 5 KB file ask for gigabytes.
constexpr uint32_t kSlowestRate = 1000, kFastestRate = 384000;
constexpr uint16_t kMostChannels = 8;

}  // namespace

bool IsPlayable(const WaveFormat& format) {
  const bool pcm = format.formatTag == kPcm || format.formatTag == kExtensible;
  const bool samples = (pcm && (format.bitsPerSample == 8 || format.bitsPerSample == 16 ||
                                format.bitsPerSample == 32)) ||
                       (format.formatTag == kFloat && format.bitsPerSample == 32);
  return samples && format.channels >= 1 && format.channels <= kMostChannels &&
         format.samplesPerSecond >= kSlowestRate && format.samplesPerSecond <= kFastestRate;
}

}  // namespace quenlit::platform
