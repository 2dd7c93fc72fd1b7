#include "platform/sdl/renderer_canvas.h"

#include <algorithm>
#include <cmath>

namespace quenlit::platform {
namespace {

Uint8 ToByte(float fraction) {
  return static_cast<Uint8>(std::lround(std::clamp(fraction, 0.0f, 1.0f) * 255));
}

}  // namespace

RendererCanvas::RendererCanvas(SDL_Renderer* renderer, int width, int height, FontLocator& fonts)
    : renderer_(renderer), width_(width), height_(height), text_(renderer, fonts) {
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  SDL_RendererInfo info{};
  software_ = renderer_ && SDL_GetRendererInfo(renderer_, &info) == 0 &&
              (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

RendererCanvas::~RendererCanvas() {
  // Text textures and buried bitmaps go before the renderer that owns them.
  text_.Clear();
  graveyard_->Close();
  SDL_DestroyRenderer(renderer_);
}

std::shared_ptr<Bitmap> RendererCanvas::Wrap(SDL_Surface* surface) {
  if (!surface) return nullptr;
  return std::make_shared<SurfaceBitmap>(surface, graveyard_);
}

std::shared_ptr<Bitmap> RendererCanvas::LoadPng(const std::string& path) {
  return Wrap(LoadPngSurface(path));
}

std::shared_ptr<Bitmap> RendererCanvas::DecodePng(const uint8_t* bytes, size_t size) {
  return Wrap(DecodePngSurface(bytes, size));
}

void RendererCanvas::BeginDraw() {
  if (!painting_) return;
  graveyard_->Empty();
  int outputWidth = width_, outputHeight = height_;
  SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
  SDL_RenderSetScale(renderer_, static_cast<float>(outputWidth) / static_cast<float>(width_),
                     static_cast<float>(outputHeight) / static_cast<float>(height_));
}

void RendererCanvas::EndDraw() {
  if (painting_) SDL_RenderPresent(renderer_);
}

void RendererCanvas::Clear(uint32_t rgb) {
  if (!painting_) return;
  SetDrawColour({rgb, 1.0f});
  SDL_RenderClear(renderer_);
}

bool RendererCanvas::DrawText(const std::string& family, float size, const RectF& box,
                              const std::string& utf8, Colour colour, bool trailing) {
  if (!painting_) return true;
  return text_.Draw(family, size, box, utf8, colour, trailing);
}

void RendererCanvas::SetDrawColour(Colour colour) {
  SDL_SetRenderDrawColor(renderer_, (colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF,
                         colour.rgb & 0xFF, ToByte(colour.alpha));
}

void RendererCanvas::DrawRectangle(const RectF& rect, float strokeWidth, Colour colour) {
  if (!painting_) return;
  // The stroke is centred on the rectangle's edges; drawn as four filled bands with no
  // smoothing. The side bands stop short of the top and bottom bands so no pixel is blended
  // twice.
  const float half = strokeWidth / 2;
  const float outerLeft = rect.left - half, outerRight = rect.right + half;
  const float innerTop = rect.top + half, innerBottom = rect.bottom - half;
  const SDL_FRect bands[4] = {
      {outerLeft, rect.top - half, outerRight - outerLeft, strokeWidth},
      {outerLeft, rect.bottom - half, outerRight - outerLeft, strokeWidth},
      {outerLeft, innerTop, strokeWidth, innerBottom - innerTop},
      {rect.right - half, innerTop, strokeWidth, innerBottom - innerTop},
  };
  SetDrawColour(colour);
  for (const SDL_FRect& band : bands)
    if (band.w > 0 && band.h > 0) SDL_RenderFillRectF(renderer_, &band);
}

void RendererCanvas::DrawBitmap(const Bitmap& bitmap, const RectF& destination, const RectF& source,
                                float opacity) {
  if (!painting_) return;
  const auto* picture = dynamic_cast<const SurfaceBitmap*>(&bitmap);
  if (!picture) return;
  SDL_Texture* texture = picture->TextureFor(renderer_);
  if (!texture) return;
  const SDL_Rect from{static_cast<int>(std::lround(source.left)),
                      static_cast<int>(std::lround(source.top)),
                      static_cast<int>(std::lround(source.right - source.left)),
                      static_cast<int>(std::lround(source.bottom - source.top))};
  const SDL_FRect to{destination.left, destination.top, destination.right - destination.left,
                     destination.bottom - destination.top};
  if (from.w <= 0 || from.h <= 0 || to.w <= 0 || to.h <= 0) return;
  // On the processor a stretched draw converts and stretches the whole source every time; a
  // copy stretched once makes the large battle effects a plain blend.
  const int width = static_cast<int>(std::lround(to.w));
  const int height = static_cast<int>(std::lround(to.h));
  if (software_ && (width != from.w || height != from.h)) {
    if (SDL_Texture* stretched = picture->StretchedTextureFor(renderer_, from, width, height)) {
      SDL_SetTextureAlphaMod(stretched, ToByte(opacity));
      const SDL_FRect at{to.x, to.y, static_cast<float>(width), static_cast<float>(height)};
      SDL_RenderCopyF(renderer_, stretched, nullptr, &at);
      return;
    }
  }
  SDL_SetTextureAlphaMod(texture, ToByte(opacity));
  SDL_RenderCopyF(renderer_, texture, &from, &to);
}

}  // namespace quenlit::platform
