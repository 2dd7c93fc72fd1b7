#include "gfx/d2d_graphics.h"

#include "game_texts.h"
#include "gfx/d2d_image.h"

namespace quenlit {

bool CD2DGraphics::Initialize(platform::Canvas* canvas) {
  if (canvas_ != nullptr) return false;
  canvas_ = canvas;
  return canvas_ != nullptr;
}

void CD2DGraphics::BeginDraw() {
  if (canvas_) canvas_->BeginDraw();
}

void CD2DGraphics::EndDraw() {
  if (canvas_) canvas_->EndDraw();
}

void CD2DGraphics::Clear(uint32_t rgb) {
  if (canvas_) canvas_->Clear(rgb);
}

bool CD2DGraphics::DrawText(const std::string& fontFamily, float fontSize, float left, float top,
                            float right, float bottom, const std::string& text, bool rightAlign,
                            bool highlight, float opacity) {
  if (!canvas_) return false;
  float& brushOpacity = highlight ? yellowOpacity_ : whiteOpacity_;
  const platform::Colour colour{highlight ? kYellow : kWhite, opacity};
  if (!canvas_->DrawText(fontFamily, fontSize, {left, top, right, bottom}, text, colour,
                         rightAlign)) {
    if (infoBox_) infoBox_(infoContext_, texts::kTextDrawFailed);
    return false;
  }
  brushOpacity = opacity;
  return true;
}

bool CD2DGraphics::DrawColorText(const std::string& fontFamily, float fontSize, float left,
                                 float top, float right, float bottom, const std::string& text,
                                 uint32_t rgb, float alpha, bool rightAlign) {
  // Missing edges are filled in this order, each test seeing the edges filled before it.
  if (right == 0) right = left + 400;
  if (bottom == 0) bottom = top + 200;
  if (left == 0) left = right - 400;
  if (top == 0) top = bottom - 200;
  if (!canvas_) return false;
  return canvas_->DrawText(fontFamily, fontSize, {left, top, right, bottom}, text,
                           {rgb & 0xFFFFFF, alpha}, rightAlign);
}

bool CD2DGraphics::DrawRectangle(float left, float top, float right, float bottom,
                                 float strokeWidth) {
  if (canvas_) canvas_->DrawRectangle({left, top, right, bottom}, strokeWidth, {kAccent, 1.0f});
  return true;
}

bool CD2DGraphics::DrawImage(const CD2DImage& image, float x, float y, float width, float height,
                             float opacity, int srcX, int srcY, int srcWidth, int srcHeight) {
  // A source size of 0 takes the destination size: the top-left part is shown one to one.
  if (srcWidth == 0) srcWidth = static_cast<int>(width);
  if (srcHeight == 0) srcHeight = static_cast<int>(height);
  if (!canvas_ || !image.bitmap) return true;
  const platform::RectF source{static_cast<float>(srcX), static_cast<float>(srcY),
                               static_cast<float>(srcX + srcWidth),
                               static_cast<float>(srcY + srcHeight)};
  canvas_->DrawBitmap(*image.bitmap, {x, y, x + width, y + height}, source, opacity);
  return true;
}

}  // namespace quenlit
