#pragma once

#include "picture.h"

namespace quenlit::assetgen {

// How a two-phase sprite moves between its two beats on the map. The second beat is always a
// visibly different picture, so that a floor full of creatures seems to breathe.
enum class Motion {
  Breathe,  // stands a pixel taller, as if drawing breath
  Squash,   // a slime flattens and widens
  Flap,     // wings drawn in, the body lifted
  Hover,    // floats two pixels higher
  Sway,     // leans to one side
};

// The second beat of a sprite whose first beat is base.
Picture SecondBeat(const Picture& base, Motion motion);

}  // namespace quenlit::assetgen
