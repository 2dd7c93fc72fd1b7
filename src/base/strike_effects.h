#pragma once

// Every strike a battle can show, one row each: the frame sequence it starts, the sound that
// plays with it and where the battle panel draws it. The battle rules start them, the
// catalogue loads their sounds, the battle screen draws them and the art generator paints each
// big one for its place, all from this one table.
#include <array>
#include <string>
#include <string_view>

namespace quenlit {

struct StrikeEffect {
  // The frame sequence, and the short name its sound plays by.
  const char* name;
  // The wave file of that sound; nullptr for a silent one.
  const char* sound;
  // The sequence is drawn centred at (centreX, centreY), width x height; 0 x 0 for a strike
  // that only sounds (no sequence of that name is made).
  float centreX, centreY;
  float width, height;
  // A monster may strike with it (its critical form is the row named with "b" added).
  bool weapon = false;
  // The impact flash starts with it.
  bool flashFirst = false;
  // The arrow keys on the battle screen move it about.
  bool nudged = false;

  constexpr bool HasSequence() const { return width > 0 && height > 0; }
};

// In the panel's drawing order. The hero's slash lands on the monster's picture (left), every
// monster strike on the hero's (right); the big spells spill over the panel around it.
inline constexpr std::array<StrikeEffect, 37> kStrikeEffects{{
    {"heroslash", nullptr, 251, 178, 53, 53},
    {"heroslashb", nullptr, 251, 178, 50, 50},
    {"fist", "Sound 1065.wav", 553, 178, 48, 48, true},
    {"fistb", "Sound 907.wav", 553, 178, 55, 55},
    {"water", "Sound 1125.wav", 551, 178, 58, 58, true},
    {"waterb", "Sound 969.wav", 551, 165, 63, 63},
    {"sword", "Sound 1088.wav", 551, 178, 53, 53, true},
    {"swordb", "Sound 929.wav", 552, 179, 57, 57},
    {"suck", "Sound 1076.wav", 551, 178, 48, 48, true},
    {"suckb", "Sound 918.wav", 548, 179, 60, 60},
    {"flash", "Sound 1114.wav", 551, 178, 52, 52, true},
    {"flashb", "Sound 958.wav", 0, 0, 0, 0},
    {"explode", "Sound 1172.wav", 551, 178, 75, 75, true},
    {"explodeb", "Sound 998.wav", 551, 166, 75, 75},
    {"poision", "Sound 1101.wav", 548, 178, 50, 60, true},
    {"poisionb", "Sound 942.wav", 0, 0, 0, 0},
    {"nuclear", "Sound 1143.wav", 551, 173, 90, 60, true},
    {"nuclearb", "Sound 987.wav", 551, 166, 75, 75},
    {"greenlaser", "Sound 1134.wav", 549, 181, 63, 63, true},
    {"greenlaserb", "Sound 978.wav", 0, 0, 0, 0},
    {"laser", "Sound 1165.wav", 549, 181, 63, 63, true},
    {"laserb", "Sound 1009.wav", 0, 0, 0, 0},
    {"magic", "Sound 1154.wav", 551, 178, 53, 53, true},
    {"magicb", "Sound 998.wav", 551, 166, 75, 75},
    {"firesword", "firesword.wav", 551, 178, 53, 53, true},
    {"fire", "fire.wav", 551, 178, 400, 400, true, true},
    {"fireb", "fireb.wav", 551, 158, 300, 300},
    {"fireswordb", "fireswordb.wav", 516, 178, 200, 200},
    {"ice", "ice.wav", 561, 168, 300, 230, true},
    {"iceb", "iceb.wav", 551, 178, 1000, 1000},
    {"curse", "curse.wav", 551, 178, 500, 500, true},
    {"curseb", "curseb.wav", 556, 178, 500, 500},
    {"barrage", "barrage.wav", 511, 148, 400, 400, true, true},
    {"barrageb", "barrageb.wav", 551, 168, 650, 650},
    {"hit", nullptr, 551, 168, 400, 400},
    {"fog", "fog.wav", 551, 202, 400, 400, true},
    // The arrow keys nudge the fog of the strongest breath around.
    {"fogb", "fogb.wav", 551, 158, 300, 300, false, false, true},
}};

// The hero's strike, which sounds like a sword; the impact flash ahead of the big spells that
// have flashFirst.
inline constexpr const char* kHeroSlash = "heroslash";
inline constexpr const char* kHeroSlashSound = "sword";
inline constexpr const char* kImpactFlash = "hit";

// A dodged strike plays this sound, by this name.
inline constexpr const char* kMissSound = "miss";
inline constexpr const char* kMissSoundFile = "Sound 1041.wav";

// The critical form of a weapon: "fist" strikes "fistb".
inline std::string CriticalStrike(const std::string& weapon) {
  return weapon + "b";
}

// The row of a name; nullptr when no strike has it.
constexpr const StrikeEffect* FindStrikeEffect(std::string_view name) {
  for (const StrikeEffect& effect : kStrikeEffects)
    if (name == effect.name) return &effect;
  return nullptr;
}

}  // namespace quenlit
