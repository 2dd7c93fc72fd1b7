#pragma once

namespace quenlit {

class Game;

// Whether a frame is painted: the headless driver and the tower checker let time pass with the
// frame's update alone, and paint only the stills they are asked for.
enum class Painting { On, Off };

// One turn of the main loop without input: the battle's strike while a battle runs, then the
// frame's update and, when a frame is due and painting is on, its paint under the render lock.
void RunFrame(Game& game, float now, Painting painting = Painting::On);

// The frame's update, then, when the frame cap lets one through, its paint under the render
// lock (a clock of exactly 0 is a still: no cap and no sprite clock).
void RenderFrame(Game& game, float now);

}  // namespace quenlit
