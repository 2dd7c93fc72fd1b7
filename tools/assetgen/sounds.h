#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quenlit::assetgen {

// Every sound file the game loads, each once, in loading order.
std::vector<std::string> PlanSounds();

// The 16-bit samples of the sound of that file; empty for a file the game does not know.
std::vector<int16_t> MakeSound(const std::string& file);

}  // namespace quenlit::assetgen
