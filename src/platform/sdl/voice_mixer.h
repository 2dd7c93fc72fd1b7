#pragma once

#include <cstddef>
#include <map>
#include <vector>

namespace quenlit::platform {

// The one-shot voices of the sound output, already in the output's sample format (float,
// interleaved channels). Mixing adds the playing voices and keeps the sum within [-1, 1].
class VoiceMixer {
 public:
  // Returns the voice's handle.
  int Start(std::vector<float> samples);
  bool IsPlaying(int voice) const;
  void Release(int voice) { voices_.erase(voice); }
  // Fills count samples of output.
  void Mix(float* out, size_t count);

 private:
  struct Voice {
    std::vector<float> samples;
    size_t position = 0;
  };
  std::map<int, Voice> voices_;
  int nextVoice_ = 0;
};

}  // namespace quenlit::platform
