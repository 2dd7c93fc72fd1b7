#include "ui/draw_helpers.h"

#include <cstdarg>
#include <cstdio>

#include "game/game.h"

namespace quenlit::ui {

void DrawPicture(Game& game, const std::string& name, float x, float y, float width, float height,
                 float opacity, Source source) {
  const CD2DImage& image = game.images[name];
  if (!image.bitmap) return;
  const int sourceWidth = source.width != 0 ? source.width : image.bitmap->Width();
  const int sourceHeight = source.height != 0 ? source.height : image.bitmap->Height();
  game.graphics.DrawImage(image, x, y, width, height, opacity, 0, 0, sourceWidth, sourceHeight);
}

void DrawTextAt(Game& game, const char* family, float size, float x, float y,
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
