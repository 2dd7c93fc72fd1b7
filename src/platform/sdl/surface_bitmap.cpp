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
