#pragma once

namespace quenlit::platform {

// Lets the calling thread yield to the others: work done ahead (decoding, copies made for
// later frames) never takes a core from the thread that draws the frames.
void LowerThisThreadsPriority();

}  // namespace quenlit::platform
