#include "game/comfort/comfort_state.h"

namespace quenlit {

void ComfortState::EndTimed(float shownAt) {
  if (stats.startedAt == kNotYet) stats.startedAt = shownAt;
  if (hintSince == kNotYet) hintSince = shownAt;
  if (note.shown && shownAt - note.since > Note::kShownFor) note.shown = false;
  if (hintShown && shownAt - hintSince > kHintShownFor) hintShown = false;
}

}  // namespace quenlit
