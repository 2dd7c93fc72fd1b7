#include "platform/sdl/surface_bitmap.h"

#include <SDL_image.h>

namespace quenlit::platform {

void TextureGraveyard::Bury(SDL_Texture* texture) {
  std::lock_guard lock(mutex_);
  if (open_) buried_.push_back(texture);
}

void TextureGraveyard::Empty() {
  std::lock_guard lock(mutex_);
  for (SDL_Texture* texture : buried_) SDL_DestroyTexture(texture);
  buried_.clear();
}

void TextureGraveyard::Close() {
  Empty();
  std::lock_guard lock(mutex_);
  open_ = false;
}

SurfaceBitmap::SurfaceBitmap(SDL_Surface* surface, std::shared_ptr<TextureGraveyard> graveyard)
    : surface_(surface), graveyard_(std::move(graveyard)) {}

SurfaceBitmap::~SurfaceBitmap() {
  if (texture_) graveyard_->Bury(texture_);
  for (const auto& [key, stretched] : stretched_)
    if (stretched) graveyard_->Bury(stretched);
  SDL_FreeSurface(surface_);
}

SDL_Texture* SurfaceBitmap::TextureFor(SDL_Renderer* renderer) const {
  if (texture_) return texture_;
  texture_ = SDL_CreateTextureFromSurface(renderer, surface_);
  if (!texture_) return nullptr;
  // Straight alpha blended by the renderer gives the same picture as premultiplied alpha:
  // transparent pixels stay transparent.
  SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeLinear);
  return texture_;
}

SDL_Texture* SurfaceBitmap::StretchedTextureFor(SDL_Renderer* renderer, const SDL_Rect& part,
                                                int width, int height) const {
  const std::array<int, 6> key{part.x, part.y, part.w, part.h, width, height};
  const auto found = stretched_.find(key);
  if (found != stretched_.end()) return found->second;
  SDL_Texture* texture = nullptr;
  if (SDL_Surface* stretched =
          SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, surface_->format->format)) {
    SDL_Rect from = part;
    if (SDL_SoftStretchLinear(surface_, &from, stretched, nullptr) == 0)
      texture = SDL_CreateTextureFromSurface(renderer, stretched);
    SDL_FreeSurface(stretched);
  }
  if (texture) SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  stretched_[key] = texture;  // a failure is remembered too: the plain draw takes over
  return texture;
}

namespace {

SDL_Surface* ToRgba(SDL_Surface* decoded) {
  if (!decoded) return nullptr;
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(decoded);
  return rgba;
}

}  // namespace

SDL_Surface* DecodePngSurface(const uint8_t* bytes, size_t size) {
  if (!bytes || size == 0) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(bytes, static_cast<int>(size));
  return ToRgba(IMG_LoadTyped_RW(stream, 1, "PNG"));
}

SDL_Surface* LoadPngSurface(const std::string& path) {
  SDL_RWops* stream = SDL_RWFromFile(path.c_str(), "rb");
  if (!stream) return nullptr;
  return ToRgba(IMG_LoadTyped_RW(stream, 1, "PNG"));
}

}  // namespace quenlit::platform
