#include "platform/sdl/renderer_canvas.h"

#include <SDL_image.h>

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
  // The PNG decoder sets itself up on first use; done here, before the loader's workers decode
  // side by side.
  IMG_Init(IMG_INIT_PNG);
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  SDL_RendererInfo info{};
  software_ = renderer_ && SDL_GetRendererInfo(renderer_, &info) == 0 &&
              (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

RendererCanvas::~RendererCanvas() {
  // Text textures and buried bitmaps go before the renderer that owns them.
  text_.Clear();
  graveyard_->Close();
  if (frame_) SDL_DestroyTexture(frame_);
  SDL_DestroyRenderer(renderer_);
}

std::shared_ptr<Bitmap> RendererCanvas::Load(PngSource source) {
  int width = 0, height = 0;
  if (decodeOnDemand_) {
    if (!ReadPngSize(source, width, height)) return nullptr;
    return std::make_shared<SurfaceBitmap>(width, height, nullptr, false, std::move(source),
                                           graveyard_);
  }
  bool opaque = false;
  SDL_Surface* pixels = DecodePngSurface(source, &opaque);
  if (!pixels) return nullptr;
  return std::make_shared<SurfaceBitmap>(pixels->w, pixels->h, pixels, opaque, std::move(source),
                                         graveyard_);
}

std::shared_ptr<Bitmap> RendererCanvas::LoadPng(const std::string& path) {
  return Load({path, nullptr, 0});
}

std::shared_ptr<Bitmap> RendererCanvas::DecodePng(const uint8_t* bytes, size_t size) {
  return Load({"", bytes, size});
}

void RendererCanvas::BeginDraw() {
  if (!painting_) return;
  graveyard_->Empty();
  int outputWidth = width_, outputHeight = height_;
  SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
  if (fit_) {
    // Fitting, the canvas maps every rectangle to pixels itself, so that text can be rendered
    // at the size it shows at instead of being stretched.
    placement_ = PlaceScene(*fit_, outputWidth, outputHeight);
    SDL_RenderSetScale(renderer_, 1, 1);
    const RectF scene = placement_.Map({0, 0, fit_->width, fit_->height});
    const SDL_Rect clip{static_cast<int>(scene.left), static_cast<int>(scene.top),
                        static_cast<int>(scene.right - scene.left),
                        static_cast<int>(scene.bottom - scene.top)};
    SDL_RenderSetClipRect(renderer_, &clip);
    return;
  }
  const bool scaled = outputWidth != width_ || outputHeight != height_;
  // The software renderer would scale every picture, text and band on its own, leaving seams
  // between the tiles; the frame is drawn at its own size and scaled once as a whole instead,
  // as a graphics processor does.
  if (software_ && scaled && !frame_) {
    frame_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                               width_, height_);
    if (frame_) SDL_SetTextureScaleMode(frame_, SDL_ScaleModeLinear);
  }
  drawingToFrame_ = software_ && scaled && frame_ && SDL_SetRenderTarget(renderer_, frame_) == 0;
  if (drawingToFrame_) {
    SDL_RenderSetScale(renderer_, 1, 1);
  } else {
    SDL_RenderSetScale(renderer_, static_cast<float>(outputWidth) / static_cast<float>(width_),
                       static_cast<float>(outputHeight) / static_cast<float>(height_));
  }
}

void RendererCanvas::EndDraw() {
  if (!painting_) return;
  if (drawingToFrame_) {
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_RenderSetScale(renderer_, 1, 1);
    SDL_RenderCopy(renderer_, frame_, nullptr, nullptr);
  }
  SDL_RenderPresent(renderer_);
}

void RendererCanvas::Clear(uint32_t rgb) {
  if (!painting_) return;
  if (!fit_) {
    SetDrawColour({rgb, 1.0f});
    SDL_RenderClear(renderer_);
    return;
  }
  // A clear reaches the whole output, whatever the clip: the margins, then the scene.
  SetDrawColour({fit_->marginRgb, 1.0f});
  SDL_RenderClear(renderer_);
  const RectF scene = ToOutput({0, 0, fit_->width, fit_->height});
  const SDL_FRect fill{scene.left, scene.top, scene.right - scene.left, scene.bottom - scene.top};
  SetDrawColour({rgb, 1.0f});
  // An opaque fill needs no blending, which the software renderer would do pixel by pixel.
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
  SDL_RenderFillRectF(renderer_, &fill);
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
}

bool RendererCanvas::DrawText(const std::string& family, float size, const RectF& box,
                              const std::string& utf8, Colour colour, bool trailing) {
  if (!painting_) return true;
  if (!fit_) return text_.Draw(family, size, box, utf8, colour, trailing);
  // Laid out and rendered at the size it shows at, from a whole pixel.
  const float scale = placement_.scale;
  const RectF corner = placement_.Map({box.left, box.top, box.left, box.top});
  const RectF scaled{corner.left, corner.top, corner.left + (box.right - box.left) * scale,
                     corner.top + (box.bottom - box.top) * scale};
  return text_.Draw(family, size * scale, scaled, utf8, colour, trailing);
}

void RendererCanvas::SetDrawColour(Colour colour) {
  SDL_SetRenderDrawColor(renderer_, (colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF,
                         colour.rgb & 0xFF, ToByte(colour.alpha));
}

void RendererCanvas::DrawRectangle(const RectF& shape, float width, Colour colour) {
  if (!painting_) return;
  const RectF rect = ToOutput(shape);
  const float strokeWidth = fit_ ? std::max(1.0f, std::round(width * placement_.scale)) : width;
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

void RendererCanvas::Show(SDL_Texture* texture, const SDL_Rect* part, const SDL_FRect& to,
                          bool opaque, Uint8 alpha) {
  // Blending costs the software renderer several times a plain copy; an opaque picture drawn
  // at full opacity looks the same without it.
  SDL_SetTextureBlendMode(texture,
                          opaque && alpha == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  SDL_SetTextureAlphaMod(texture, alpha);
  SDL_RenderCopyF(renderer_, texture, part, &to);
}

void RendererCanvas::DrawBitmap(const Bitmap& bitmap, const RectF& place, const RectF& source,
                                float opacity) {
  if (!painting_) return;
  const RectF destination = ToOutput(place);
  const auto* picture = dynamic_cast<const SurfaceBitmap*>(&bitmap);
  if (!picture) return;
  const SDL_Rect from{static_cast<int>(std::lround(source.left)),
                      static_cast<int>(std::lround(source.top)),
                      static_cast<int>(std::lround(source.right - source.left)),
                      static_cast<int>(std::lround(source.bottom - source.top))};
  const SDL_FRect to{destination.left, destination.top, destination.right - destination.left,
                     destination.bottom - destination.top};
  if (from.w <= 0 || from.h <= 0 || to.w <= 0 || to.h <= 0) return;
  const Uint8 alpha = ToByte(opacity);
  if (software_) {
    // On the processor a stretched draw converts and stretches the whole part every time, and
    // a draw at an opacity blends far slower than a plain one: a copy stretched once, and
    // faded once when the picture keeps one opacity, makes such draws a plain blend.
    DrawnForm form{from.x,
                   from.y,
                   from.w,
                   from.h,
                   static_cast<int>(std::lround(to.w)),
                   static_cast<int>(std::lround(to.h)),
                   alpha};
    const bool faded = alpha != 255 && (picture->RepeatsAlpha(alpha) || picture->HasForm(form));
    if (!faded) form.alpha = 255;
    if (faded || form.width != from.w || form.height != from.h) {
      if (SDL_Texture* copy = picture->FormTextureFor(renderer_, form)) {
        const SDL_FRect at{to.x, to.y, static_cast<float>(form.width),
                           static_cast<float>(form.height)};
        Show(copy, nullptr, at, picture->Opaque() && !faded, faded ? 255 : alpha);
        return;
      }
    }
  }
  if (SDL_Texture* texture = picture->TextureFor(renderer_))
    Show(texture, &from, to, picture->Opaque(), alpha);
}

void RendererCanvas::Prepare(const Bitmap& bitmap, const std::vector<Drawing>& drawings) {
  // Only the software renderer keeps copies; a picture not decoded yet stays so.
  if (!software_ || decodeOnDemand_) return;
  const auto* picture = dynamic_cast<const SurfaceBitmap*>(&bitmap);
  if (!picture) return;
  std::vector<DrawnForm> forms;
  for (const Drawing& d : drawings) {
    const DrawnForm form{static_cast<int>(std::lround(d.source.left)),
                         static_cast<int>(std::lround(d.source.top)),
                         static_cast<int>(std::lround(d.source.right - d.source.left)),
                         static_cast<int>(std::lround(d.source.bottom - d.source.top)),
                         static_cast<int>(std::lround(d.width)),
                         static_cast<int>(std::lround(d.height)),
                         ToByte(d.opacity)};
    if (form.alpha != 255 || form.width != form.partWidth || form.height != form.partHeight)
      forms.push_back(form);
  }
  if (!forms.empty()) picture->Prepare(forms);
}

}  // namespace quenlit::platform
