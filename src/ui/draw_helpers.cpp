#include "ui/draw_helpers.h"

#include <cstdarg>
#include <cstdio>

#include "game/game.h"

namespace quenlit::ui {

platform::RectF SourceOf(const platform::Bitmap& bitmap, Source source) {
  return {0, 0, static_cast<float>(source.width != 0 ? source.width : bitmap.Width()),
          static_cast<float>(source.height != 0 ? source.height : bitmap.Height())};
}

void DrawPicture(const Game& game, const std::string& name, float x, float y, float width,
                 float height, float opacity, Source source) {
  const CD2DImage* image = game.assets.images.Find(name);
  if (!image || !image->bitmap) return;
  const platform::RectF part = SourceOf(*image->bitmap, source);
  game.graphics.DrawImage(*image, x, y, width, height, opacity, 0, 0, static_cast<int>(part.right),
                          static_cast<int>(part.bottom));
}

void DrawPicture(const Game& game, const PictureDraw& draw) {
  DrawPicture(game, draw.name, draw.x, draw.y, draw.width, draw.height, draw.opacity, draw.source);
}

void DrawTextAt(const Game& game, const char* family, float size, float x, float y,
                const std::string& text, uint32_t rgb, float alpha) {
  game.graphics.DrawColorText(family, size, x, y, 0, 0, text, rgb, alpha, false);
}

std::string Format(const char* format, ...) {
  char buffer[256];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);
  return buffer;
}

}  // namespace quenlit::ui
