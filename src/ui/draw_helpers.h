#pragma once

// Small drawing helpers shared by the screens: pictures by registry name, printf-style texts
// and the geometry of the map's cells.
#include <cstdint>
#include <map>
#include <string>

#include "gfx/d2d_image.h"

namespace quenlit {
class Game;
}

namespace quenlit::ui {

// The part of a picture to show; 0 takes the picture's whole width or height.
struct Source {
  int width = 0;
  int height = 0;
};

// Draws the named picture scaled into the box. A name the registry lacks draws nothing.
void DrawPicture(const Game& game, const std::string& name, float x, float y, float width,
                 float height, float opacity = 1.0f, Source source = {});

// A picture always drawn at one place, size and opacity.
struct PictureDraw {
  const char* name;
  float x, y, width, height;
  float opacity = 1.0f;
  Source source = {};
};
void DrawPicture(const Game& game, const PictureDraw& draw);
// The part of the picture a draw shows: the source, or where it is 0 the whole picture.
platform::RectF SourceOf(const platform::Bitmap& bitmap, Source source);

// Draws text whose top-left corner is (x, y), in the default 400 by 200 box.
void DrawTextAt(const Game& game, const char* family, float size, float x, float y,
                const std::string& text, uint32_t rgb, float alpha = 1.0f);

// printf into a string, for the game's "%d" texts.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A map cell's top-left corner and centre, in render-target units.
constexpr float CellLeft(int column) {
  return 230.0f + 32.0f * static_cast<float>(column);
}
constexpr float CellTop(int row) {
  return 35.0f + 32.0f * static_cast<float>(row);
}
constexpr float CellCentreX(int column) {
  return CellLeft(column) + 16.0f;
}
constexpr float CellCentreY(int row) {
  return CellTop(row) + 16.0f;
}
constexpr float kCellSize = 32.0f;

}  // namespace quenlit::ui
