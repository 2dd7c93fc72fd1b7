#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quenlit::assetgen {

inline constexpr int kSampleRate = 22050;

enum class Wave { Sine, Square, Saw, Triangle };

// Loudness over time: a linear rise, then an exponential fall with the given time constant.
struct Envelope {
  double attack = 0.004;
  double decay = 0.1;
};

// Filtered noise: a one-pole low-pass whose cut-off glides from cutoffStart to cutoffEnd (Hz);
// highPass keeps what the filter removes instead, for hiss and air.
struct NoiseShape {
  double cutoffStart = 4000;
  double cutoffEnd = 4000;
  bool highPass = false;
};

// A mono sound being composed in floating point, written as 16-bit PCM.
class Track {
 public:
  explicit Track(double seconds, uint32_t seed = 1);

  // A tone whose pitch glides exponentially from f0 to f1 Hz over its length; vibrato is a
  // pitch wobble of the given depth (fraction) at vibratoRate Hz.
  void Tone(double start, double length, double f0, double f1, Wave wave, double gain,
            Envelope envelope, double vibratoDepth = 0, double vibratoRate = 0);
  void Noise(double start, double length, NoiseShape shape, double gain, Envelope envelope);
  // A feedback echo, as of a stone hall.
  void Echo(double delay, double feedback);
  // Amplitude wobble over the whole track.
  void Tremolo(double rate, double depth);

  // Scaled to the given loudness (RMS, of full scale), with a soft knee that rounds off the
  // rare peaks that would pass full scale, and a short fade at the end so that it stops
  // without a click.
  std::vector<int16_t> ToPcm(double rms) const;

  double Random();  // 0..1, deterministic for a given seed

 private:
  std::vector<double> samples_;
  uint32_t state_;
};

// A RIFF/WAVE file: PCM, 16 bits, mono, kSampleRate. False when it cannot be written.
bool WriteWave(const std::string& path, const std::vector<int16_t>& samples);

}  // namespace quenlit::assetgen
