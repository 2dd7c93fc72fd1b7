#include "game/loading/loading_bar.h"

namespace quenlit {

void LoadingBar::Step(int32_t progress) {
  if (loadingBarX < progress * 6 + 100) loadingBarX += 30;
  if (shownPercent < static_cast<float>(progress)) {
    shownPercent += 5;
    if (shownPercent < static_cast<float>(progress - 10)) shownPercent += 10;
  }
}

}  // namespace quenlit
