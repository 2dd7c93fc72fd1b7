// The recipes of the game's sounds. Every one is made from tones and filtered noise, so that
// each strike sounds like what it shows: a blade rings, a fist thuds, water splashes, fire
// roars; a critical strike is always the heavier version of its ordinary one.
#include "sounds.h"

#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "catalogue/catalogue.h"
#include "synth.h"

namespace quenlit::assetgen {
namespace {

using Recipe = std::function<void(Track&)>;

struct SoundRecipe {
  double seconds;
  Recipe recipe;
};

// A blade cutting the air and ringing once.
void Slash(Track& t, double at, double ring, double gain) {
  t.Noise(at, 0.14, {1500, 7000, true}, 0.9 * gain, {0.01, 0.04});
  t.Tone(at + 0.03, 0.35, ring, ring * 0.92, Wave::Sine, 0.35 * gain, {0.002, 0.09});
  t.Tone(at + 0.03, 0.3, ring * 2.7, ring * 2.5, Wave::Sine, 0.12 * gain, {0.002, 0.05});
}

// A blow that lands: a falling low tone and a dull slap.
void Thud(Track& t, double at, double pitch, double gain) {
  t.Tone(at, 0.25, pitch, pitch * 0.4, Wave::Sine, gain, {0.003, 0.07});
  t.Noise(at, 0.08, {900, 300}, 0.6 * gain, {0.001, 0.025});
}

// An explosion: a wide burst of noise closing down to a low rumble.
void Boom(Track& t, double at, double length, double gain) {
  t.Noise(at, length, {5000, 150}, gain, {0.004, length / 3});
  t.Tone(at, length, 90, 35, Wave::Sine, 0.8 * gain, {0.005, length / 2.5});
}

// Quick rising chirps, as of bubbles.
void Bubbles(Track& t, double from, double to, int count, double low, double high) {
  for (int i = 0; i < count; ++i) {
    const double at = from + (to - from) * t.Random();
    const double f = low + (high - low) * t.Random();
    t.Tone(at, 0.06, f, f * 1.8, Wave::Sine, 0.35, {0.004, 0.02});
  }
}

// Crackles of a fire: short clicks of bright noise at random moments.
void Crackles(Track& t, double from, double to, int count) {
  for (int i = 0; i < count; ++i) {
    t.Noise(from + (to - from) * t.Random(), 0.02, {3000, 6000, true}, 0.7, {0.0005, 0.005});
  }
}

// A bright descending zap.
void Zap(Track& t, double at, double f0, double f1, Wave wave, double length, double gain) {
  t.Tone(at, length, f0, f1, wave, gain, {0.002, length / 2});
}

// Shimmering high notes, as of magic or ice.
void Sparkle(Track& t, double from, double to, int count, double low, double high, Wave wave) {
  for (int i = 0; i < count; ++i) {
    const double f = low * std::pow(high / low, t.Random());
    t.Tone(from + (to - from) * t.Random(), 0.25, f, f, wave, 0.25, {0.002, 0.06});
  }
}

const std::map<std::string, SoundRecipe>& Recipes() {
  static const std::map<std::string, SoundRecipe> recipes = {
      // A footstep on stone.
      {"Sound 272.wav", {0.12, [](Track& t) { Thud(t, 0, 160, 0.7); }}},
      // A heavy door grinding open and knocking against its frame.
      {"Sound 564.wav",
       {0.6,
        [](Track& t) {
          t.Tone(0, 0.45, 140, 95, Wave::Saw, 0.35, {0.05, 0.3}, 0.06, 23);
          t.Noise(0, 0.45, {700, 400}, 0.5, {0.05, 0.3});
          Thud(t, 0.45, 110, 0.9);
        }}},
      // The battle is won: a short bright fanfare.
      {"Sound 1350.wav",
       {1.1,
        [](Track& t) {
          const double notes[] = {523.25, 659.25, 783.99, 1046.5};
          for (int i = 0; i < 4; ++i) {
            t.Tone(0.11 * i, i == 3 ? 0.75 : 0.2, notes[i], notes[i], Wave::Square, 0.3,
                   {0.005, i == 3 ? 0.3 : 0.1});
            t.Tone(0.11 * i, 0.6, notes[i] / 2, notes[i] / 2, Wave::Triangle, 0.3, {0.005, 0.2});
          }
        }}},
      // The hero falls: a slow descent in a minor key.
      {"Sound 1375.wav",
       {1.8,
        [](Track& t) {
          const double notes[] = {392.0, 349.23, 311.13, 233.08};
          for (int i = 0; i < 4; ++i) {
            t.Tone(0.32 * i, 0.9, notes[i], notes[i] * (i == 3 ? 0.94 : 1.0), Wave::Triangle, 0.45,
                   {0.01, 0.35}, 0.01, 5);
          }
          t.Tone(0, 1.8, 65, 55, Wave::Sine, 0.3, {0.2, 0.8});
        }}},
      // A notice: something was obtained. Two clear chime notes.
      {"Sound 1615.wav",
       {0.5,
        [](Track& t) {
          t.Tone(0, 0.5, 880, 880, Wave::Sine, 0.5, {0.002, 0.12});
          t.Tone(0.09, 0.41, 1318.5, 1318.5, Wave::Sine, 0.5, {0.002, 0.15});
          t.Tone(0.09, 0.41, 2637, 2637, Wave::Sine, 0.1, {0.002, 0.05});
        }}},
      // Stairs: a run of quick footsteps and an airy swirl.
      {"Sound 1617.wav",
       {0.7,
        [](Track& t) {
          for (int i = 0; i < 5; ++i) Thud(t, 0.1 * i, 150 + 25 * i, 0.5);
          t.Noise(0, 0.7, {500, 3000}, 0.25, {0.3, 0.2});
        }}},
      // A page of the manual turning.
      {"Sound 1618.wav",
       {0.25,
        [](Track& t) {
          t.Noise(0, 0.22, {1200, 5000, true}, 0.8, {0.06, 0.06});
          t.Noise(0.15, 0.08, {2000, 800}, 0.4, {0.002, 0.02});
        }}},
      // A door that will not open: the latch rattles twice, dull and short.
      {"locked.wav",
       {0.3,
        [](Track& t) {
          Thud(t, 0, 220, 0.6);
          t.Noise(0, 0.04, {3000, 1200}, 0.5, {0.001, 0.02});
          Thud(t, 0.11, 200, 0.5);
          t.Noise(0.11, 0.04, {3000, 1200}, 0.4, {0.001, 0.02});
        }}},
      // The blow misses: only a swish of air.
      {"Sound 1041.wav",
       {0.22,
        [](Track& t) {
          t.Noise(0, 0.22, {600, 4000, true}, 0.8, {0.09, 0.05});
        }}},
      {"Sound 1088.wav", {0.4, [](Track& t) { Slash(t, 0, 1900, 1); }}},
      {"Sound 929.wav",
       {0.6,
        [](Track& t) {
          Slash(t, 0, 1500, 1);
          Slash(t, 0.12, 1200, 1);
          Thud(t, 0.12, 120, 0.8);
        }}},
      {"Sound 1065.wav", {0.25, [](Track& t) { Thud(t, 0, 170, 1); }}},
      {"Sound 907.wav",
       {0.45,
        [](Track& t) {
          Thud(t, 0, 130, 1);
          t.Noise(0, 0.05, {6000, 2000, true}, 0.8, {0.001, 0.015});
          Thud(t, 0.09, 90, 1);
        }}},
      // A life-draining pull: a wavering tone sinking.
      {"Sound 1076.wav",
       {0.45,
        [](Track& t) {
          t.Tone(0, 0.45, 900, 220, Wave::Triangle, 0.6, {0.03, 0.2}, 0.05, 14);
        }}},
      {"Sound 918.wav",
       {0.8,
        [](Track& t) {
          t.Tone(0, 0.8, 1100, 120, Wave::Triangle, 0.6, {0.03, 0.35}, 0.08, 11);
          t.Tone(0, 0.8, 550, 60, Wave::Sine, 0.5, {0.05, 0.35});
          t.Noise(0, 0.8, {3000, 300}, 0.2, {0.05, 0.3});
        }}},
      {"Sound 1125.wav",
       {0.45,
        [](Track& t) {
          t.Noise(0, 0.3, {2500, 600}, 0.7, {0.005, 0.1});
          Bubbles(t, 0.02, 0.3, 6, 350, 900);
        }}},
      {"Sound 969.wav",
       {0.8,
        [](Track& t) {
          t.Noise(0, 0.7, {4000, 400}, 0.9, {0.005, 0.2});
          Bubbles(t, 0.05, 0.6, 14, 250, 800);
          t.Tone(0, 0.5, 200, 80, Wave::Sine, 0.4, {0.01, 0.15});
        }}},
      {"Sound 1114.wav", {0.25, [](Track& t) { Zap(t, 0, 2400, 300, Wave::Square, 0.2, 0.6); }}},
      {"Sound 958.wav",
       {0.5,
        [](Track& t) {
          Zap(t, 0, 2600, 250, Wave::Square, 0.2, 0.6);
          Zap(t, 0.14, 3000, 200, Wave::Square, 0.3, 0.6);
          Crackles(t, 0, 0.45, 12);
        }}},
      {"Sound 1134.wav", {0.3, [](Track& t) { Zap(t, 0, 900, 2200, Wave::Saw, 0.25, 0.5); }}},
      {"Sound 978.wav",
       {0.6,
        [](Track& t) {
          for (int i = 0; i < 3; ++i) Zap(t, 0.13 * i, 800, 2400, Wave::Saw, 0.22, 0.5);
        }}},
      {"Sound 1165.wav", {0.3, [](Track& t) { Zap(t, 0, 3200, 700, Wave::Sine, 0.28, 0.7); }}},
      {"Sound 1009.wav",
       {0.7,
        [](Track& t) {
          Zap(t, 0, 3400, 600, Wave::Sine, 0.2, 0.7);
          t.Tone(0.1, 0.55, 700, 690, Wave::Saw, 0.3, {0.02, 0.25}, 0.02, 30);
        }}},
      {"Sound 1172.wav", {0.6, [](Track& t) { Boom(t, 0, 0.6, 0.9); }}},
      {"Sound 998.wav",
       {1.0,
        [](Track& t) {
          Boom(t, 0, 1.0, 1);
          Crackles(t, 0.05, 0.6, 10);
        }}},
      {"Sound 1143.wav",
       {0.9,
        [](Track& t) {
          t.Tone(0, 0.35, 200, 900, Wave::Saw, 0.25, {0.25, 0.1});
          Boom(t, 0.3, 0.6, 0.9);
        }}},
      {"Sound 987.wav",
       {1.3,
        [](Track& t) {
          t.Tone(0, 0.4, 150, 1200, Wave::Saw, 0.25, {0.3, 0.1});
          Boom(t, 0.35, 0.95, 1);
          t.Echo(0.12, 0.35);
        }}},
      // Poison: sour bubbling.
      {"Sound 1101.wav",
       {0.45,
        [](Track& t) {
          Bubbles(t, 0, 0.35, 8, 200, 500);
          t.Noise(0, 0.4, {3000, 3000, true}, 0.2, {0.05, 0.15});
        }}},
      {"Sound 942.wav",
       {0.8,
        [](Track& t) {
          Bubbles(t, 0, 0.6, 16, 150, 450);
          t.Tone(0, 0.7, 311, 300, Wave::Square, 0.15, {0.05, 0.3});
          t.Tone(0, 0.7, 440, 425, Wave::Square, 0.15, {0.05, 0.3});
        }}},
      {"Sound 1154.wav",
       {0.5,
        [](Track& t) {
          const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};
          for (int i = 0; i < 4; ++i) {
            t.Tone(0.05 * i, 0.3, notes[i], notes[i], Wave::Triangle, 0.4, {0.002, 0.08});
          }
          Sparkle(t, 0.1, 0.4, 8, 2500, 5000, Wave::Sine);
        }}},
      // Fire: a roar of low noise with crackles.
      {"fire.wav",
       {0.9,
        [](Track& t) {
          t.Noise(0, 0.9, {400, 1500}, 1, {0.1, 0.4});
          Crackles(t, 0, 0.8, 18);
        }}},
      {"fireb.wav",
       {1.3,
        [](Track& t) {
          t.Noise(0, 1.3, {300, 2500}, 1, {0.15, 0.5});
          t.Tone(0, 1.2, 70, 45, Wave::Saw, 0.3, {0.1, 0.5});
          Crackles(t, 0, 1.2, 30);
        }}},
      {"firesword.wav",
       {0.6,
        [](Track& t) {
          Slash(t, 0, 1700, 1);
          t.Noise(0.05, 0.5, {500, 1800}, 0.6, {0.05, 0.15});
          Crackles(t, 0.05, 0.5, 8);
        }}},
      {"fireswordb.wav",
       {1.0,
        [](Track& t) {
          Slash(t, 0, 1400, 1);
          Slash(t, 0.12, 1100, 1);
          t.Noise(0.1, 0.9, {300, 2200}, 0.9, {0.08, 0.3});
          Crackles(t, 0.1, 0.9, 20);
        }}},
      // Ice: a crack, then crystals ringing.
      {"ice.wav",
       {0.8,
        [](Track& t) {
          t.Noise(0, 0.06, {8000, 3000, true}, 0.9, {0.001, 0.02});
          Sparkle(t, 0.02, 0.6, 14, 2200, 4500, Wave::Sine);
        }}},
      {"iceb.wav",
       {1.2,
        [](Track& t) {
          t.Noise(0, 0.1, {9000, 2000, true}, 1, {0.001, 0.04});
          Sparkle(t, 0.05, 0.9, 28, 1800, 5000, Wave::Sine);
          t.Tone(0, 1.1, 150, 100, Wave::Triangle, 0.3, {0.01, 0.4});
          t.Echo(0.09, 0.3);
        }}},
      // A curse: a dark, trembling tritone.
      {"curse.wav",
       {1.0,
        [](Track& t) {
          t.Tone(0, 1.0, 146.8, 140, Wave::Saw, 0.35, {0.15, 0.4});
          t.Tone(0, 1.0, 207.7, 198, Wave::Saw, 0.3, {0.15, 0.4});
          t.Tremolo(9, 0.6);
        }}},
      {"curseb.wav",
       {1.5,
        [](Track& t) {
          t.Tone(0, 1.5, 98, 90, Wave::Saw, 0.4, {0.4, 0.5});
          t.Tone(0, 1.5, 138.6, 127, Wave::Saw, 0.35, {0.4, 0.5});
          t.Tone(0, 1.5, 185, 170, Wave::Square, 0.2, {0.4, 0.5});
          t.Noise(0, 1.5, {200, 900}, 0.4, {0.5, 0.5});
          t.Tremolo(6, 0.5);
        }}},
      // A barrage: a rapid hail of small blasts.
      {"barrage.wav",
       {0.9,
        [](Track& t) {
          for (int i = 0; i < 10; ++i) {
            t.Noise(0.07 * i, 0.08, {4000, 600}, 0.8, {0.001, 0.025});
            t.Tone(0.07 * i, 0.06, 300, 120, Wave::Sine, 0.4, {0.001, 0.02});
          }
        }}},
      {"barrageb.wav",
       {1.3,
        [](Track& t) {
          for (int i = 0; i < 18; ++i) {
            t.Noise(0.05 * i, 0.08, {5000, 500}, 0.8, {0.001, 0.025});
            t.Tone(0.05 * i, 0.06, 260, 100, Wave::Sine, 0.4, {0.001, 0.02});
          }
          Boom(t, 0.85, 0.45, 0.9);
        }}},
      // Fog: a soft swelling hush.
      {"fog.wav",
       {1.2,
        [](Track& t) {
          t.Noise(0, 1.2, {300, 1200}, 1, {0.5, 0.35});
          t.Tone(0, 1.2, 220, 210, Wave::Sine, 0.15, {0.5, 0.4}, 0.02, 3);
        }}},
      {"fogb.wav",
       {1.6,
        [](Track& t) {
          t.Noise(0, 1.6, {200, 1600}, 1, {0.7, 0.45});
          t.Tone(0, 1.6, 110, 98, Wave::Triangle, 0.35, {0.6, 0.5}, 0.03, 2);
          t.Tone(0, 1.6, 164.8, 147, Wave::Triangle, 0.25, {0.6, 0.5}, 0.03, 2.5);
        }}},
  };
  return recipes;
}

// Every sound plays at one loudness (RMS of full scale, about -17 dB), so that none drowns
// another; a critical strike comes a decibel louder than its ordinary one, on top of being
// longer and lower.
constexpr double kLoudness = 0.141;
constexpr double kCriticalLoudness = 0.158;

// The file of a critical strike: its short name is an ordinary strike's name followed by "b".
bool IsCriticalStrike(const std::string& file) {
  std::set<std::string> names;
  for (const catalogue::SoundEntry& entry : catalogue::Sounds()) names.insert(entry.name);
  for (const catalogue::SoundEntry& entry : catalogue::Sounds()) {
    if (entry.file == file && entry.name.ends_with("b") &&
        names.count(entry.name.substr(0, entry.name.size() - 1))) {
      return true;
    }
  }
  return false;
}

uint32_t SeedOf(const std::string& file) {
  uint32_t seed = 2166136261u;  // FNV-1a: every sound its own fixed noise
  for (unsigned char c : file) seed = (seed ^ c) * 16777619u;
  return seed;
}

}  // namespace

std::vector<std::string> PlanSounds() {
  std::vector<std::string> files;
  std::set<std::string> seen;
  for (const catalogue::SoundEntry& entry : catalogue::Sounds()) {
    if (seen.insert(entry.file).second) files.push_back(entry.file);
  }
  return files;
}

std::vector<int16_t> MakeSound(const std::string& file) {
  const auto found = Recipes().find(file);
  if (found == Recipes().end()) return {};
  Track track(found->second.seconds, SeedOf(file));
  found->second.recipe(track);
  return track.ToPcm(IsCriticalStrike(file) ? kCriticalLoudness : kLoudness);
}

}  // namespace quenlit::assetgen
