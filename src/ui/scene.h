#pragma once

#include <cstdint>

namespace quenlit::ui {

// Every game screen draws within (0, 0) to (981, 621): the map's background covers exactly this.
constexpr int kSceneWidth = 981;
constexpr int kSceneHeight = 621;
// Around a scene scaled to fit the window: the brick wall of the background art, in shadow.
constexpr uint32_t kSceneMarginRgb = 0x100E18;

}  // namespace quenlit::ui
