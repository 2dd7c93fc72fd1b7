#pragma once

#include <filesystem>

namespace quenlit::platform {

// Removes the temporary files ("NAME.XXXXXX.tmp") that interrupted replacements of target left
// in its folder. Only a caller holding target's lock may: a replacement under way holds it.
// A link is removed itself, never what it points at.
void RemoveInterruptedSaves(const std::filesystem::path& target);

}  // namespace quenlit::platform
