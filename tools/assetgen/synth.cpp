#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace quenlit::assetgen {
namespace {

double Shape(Wave wave, double phase) {
  const double p = phase - std::floor(phase);
  switch (wave) {
    case Wave::Sine:
      return std::sin(2 * std::numbers::pi * p);
    case Wave::Square:
      return p < 0.5 ? 0.7 : -0.7;
    case Wave::Saw:
      return 2 * p - 1;
    case Wave::Triangle:
      return 1 - 4 * std::abs(p - 0.5);
  }
  return 0;
}

double Level(const Envelope& envelope, double t) {
  if (t < envelope.attack) return t / envelope.attack;
  return std::exp(-(t - envelope.attack) / envelope.decay);
}

void PutLittleEndian(std::ofstream& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

}  // namespace

Track::Track(double seconds, uint32_t seed)
    : samples_(static_cast<size_t>(seconds * kSampleRate)), state_(seed ? seed : 1) {}

double Track::Random() {
  // xorshift32: the same seed gives the same sound on every build.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_ / 4294967296.0;
}

void Track::Tone(double start, double length, double f0, double f1, Wave wave, double gain,
                 Envelope envelope, double vibratoDepth, double vibratoRate) {
  const size_t first = static_cast<size_t>(start * kSampleRate);
  const size_t count = static_cast<size_t>(length * kSampleRate);
  double phase = 0;
  for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
    const double t = double(i) / kSampleRate;
    double f = f0 * std::pow(f1 / f0, t / length);
    f *= 1 + vibratoDepth * std::sin(2 * std::numbers::pi * vibratoRate * t);
    phase += f / kSampleRate;
    samples_[first + i] += gain * Level(envelope, t) * Shape(wave, phase);
  }
}

void Track::Noise(double start, double length, NoiseShape shape, double gain, Envelope envelope) {
  const size_t first = static_cast<size_t>(start * kSampleRate);
  const size_t count = static_cast<size_t>(length * kSampleRate);
  double low = 0;
  for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
    const double t = double(i) / kSampleRate;
    const double cutoff =
        shape.cutoffStart * std::pow(shape.cutoffEnd / shape.cutoffStart, t / length);
    const double k = 1 - std::exp(-2 * std::numbers::pi * cutoff / kSampleRate);
    const double white = 2 * Random() - 1;
    low += k * (white - low);
    const double value = shape.highPass ? white - low : low;
    samples_[first + i] += gain * Level(envelope, t) * value;
  }
}

void Track::Echo(double delay, double feedback) {
  const size_t offset = static_cast<size_t>(delay * kSampleRate);
  for (size_t i = offset; i < samples_.size(); ++i) samples_[i] += feedback * samples_[i - offset];
}

void Track::Tremolo(double rate, double depth) {
  for (size_t i = 0; i < samples_.size(); ++i) {
    const double t = double(i) / kSampleRate;
    samples_[i] *= 1 - depth * (0.5 + 0.5 * std::sin(2 * std::numbers::pi * rate * t));
  }
}

namespace {

// Above the knee, samples bend smoothly towards (never onto) the ceiling.
double SoftLimit(double s) {
  constexpr double kKnee = 0.75, kCeiling = 0.98;
  const double magnitude = std::abs(s);
  if (magnitude <= kKnee) return s;
  const double bent =
      kKnee + (kCeiling - kKnee) * std::tanh((magnitude - kKnee) / (kCeiling - kKnee));
  return std::copysign(bent, s);
}

double Rms(const std::vector<double>& samples) {
  double sum = 0;
  for (double s : samples) sum += s * s;
  return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

}  // namespace

std::vector<int16_t> Track::ToPcm(double rms) const {
  const size_t fade = std::min<size_t>(samples_.size(), kSampleRate / 100);
  std::vector<double> out(samples_.size());
  double gain = rms / std::max(Rms(samples_), 1e-9);
  // The knee takes a little loudness off the peakiest sounds: measure and make it up again.
  for (int pass = 0; pass < 4; ++pass) {
    for (size_t i = 0; i < samples_.size(); ++i) {
      const size_t left = samples_.size() - i;
      out[i] = SoftLimit(samples_[i] * gain) * (left < fade ? double(left) / fade : 1.0);
    }
    gain *= rms / std::max(Rms(out), 1e-9);
  }
  std::vector<int16_t> pcm(out.size());
  for (size_t i = 0; i < out.size(); ++i)
    pcm[i] = static_cast<int16_t>(std::lround(out[i] * 32767));
  return pcm;
}

bool WriteWave(const std::string& path, const std::vector<int16_t>& samples) {
  std::ofstream out(path, std::ios::binary);
  if (!out) return false;
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  PutLittleEndian(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  PutLittleEndian(out, 16, 4);  // format chunk size
  PutLittleEndian(out, 1, 2);   // PCM
  PutLittleEndian(out, 1, 2);   // mono
  PutLittleEndian(out, kSampleRate, 4);
  PutLittleEndian(out, kSampleRate * 2, 4);  // bytes per second
  PutLittleEndian(out, 2, 2);                // block align
  PutLittleEndian(out, 16, 2);               // bits per sample
  out.write("data", 4);
  PutLittleEndian(out, dataBytes, 4);
  for (int16_t s : samples) PutLittleEndian(out, static_cast<uint16_t>(s), 2);
  return static_cast<bool>(out);
}

}  // namespace quenlit::assetgen
