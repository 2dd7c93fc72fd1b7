#pragma once

#include <optional>
#include <vector>

#include "game/size.h"
#include "platform/shell.h"

namespace quenlit {

// The window sizes F8 cycles through when the window must fit its display: the listed sizes
// and the configured one, smallest first, without those larger than the usable area. When
// none fits, the usable area itself is the one size. Without a known area every size stays.
std::vector<Size> FittingSizes(const std::vector<Size>& listed, Size configured,
                               std::optional<platform::Shell::Area> usable);

// The size after `current` in the cycle: the first one larger, or the first of all after the
// largest.
Size NextSize(const std::vector<Size>& sizes, Size current);

// A window of that size, its inside centred on the area.
platform::Shell::Area CentredIn(const platform::Shell::Area& area, Size size);

}  // namespace quenlit
