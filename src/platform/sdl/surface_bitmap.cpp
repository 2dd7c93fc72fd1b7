#include "platform/sdl/surface_bitmap.h"

#include <cstring>

#include "platform/sdl/pixel_blend.h"
#include "platform/sdl/stretch_blend.h"

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

namespace {

// The form's pixels from the picture's: the part cut out, stretched linearly to the form's
// size, and its alpha scaled as a draw at that opacity would scale it.
SDL_Surface* BuildForm(SDL_Surface* pixels, const DrawnForm& form) {
  SDL_Surface* built =
      SDL_CreateRGBSurfaceWithFormat(0, form.width, form.height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!built) return nullptr;
  SDL_Rect part{form.x, form.y, form.partWidth, form.partHeight};
  if (part.w == form.width && part.h == form.height) {
    for (int y = 0; y < part.h; ++y)
      std::memcpy(
          static_cast<uint8_t*>(built->pixels) + y * built->pitch,
          static_cast<const uint8_t*>(pixels->pixels) + (part.y + y) * pixels->pitch + part.x * 4,
          static_cast<size_t>(part.w) * 4);
  } else if (form.crisp) {
    StretchCrisply(pixels, part, built);
  } else if (SDL_SoftStretchLinear(pixels, &part, built, nullptr) != 0) {
    SDL_FreeSurface(built);
    return nullptr;
  }
  if (form.alpha != 255) {
    for (int y = 0; y < built->h; ++y) {
      auto* row =
          reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(built->pixels) + y * built->pitch);
      for (int x = 0; x < built->w; ++x) {
        const uint32_t alpha = (row[x] >> 24) * form.alpha / 255;
        row[x] = (row[x] & 0xFFFFFF) | (alpha << 24);
      }
    }
  }
  return built;
}

std::atomic<uint64_t> lastSerial{0};

bool Fits(const DrawnForm& form, int width, int height) {
  return form.x >= 0 && form.y >= 0 && form.partWidth > 0 && form.partHeight > 0 &&
         form.x + form.partWidth <= width && form.y + form.partHeight <= height && form.width > 0 &&
         form.height > 0;
}

}  // namespace

SurfaceBitmap::SurfaceBitmap(int width, int height, SDL_Surface* pixels, bool opaque,
                             PngSource source, std::shared_ptr<TextureGraveyard> graveyard)
    : width_(width),
      height_(height),
      serial_(++lastSerial),
      source_(std::move(source)),
      graveyard_(std::move(graveyard)),
      pixels_(pixels),
      opaque_(opaque) {}

SurfaceBitmap::~SurfaceBitmap() {
  if (texture_) graveyard_->Bury(texture_);
  if (enlarged_) graveyard_->Bury(enlarged_);
  ForgetForms();
  SDL_FreeSurface(pixels_);
}

SDL_Surface* SurfaceBitmap::Pixels() const {
  if (pixels_) return pixels_;
  bool opaque = false;
  SDL_Surface* decoded = DecodePngSurface(source_, &opaque);
  // A file changed under the running game keeps the size the picture was made with.
  if (decoded && (decoded->w != width_ || decoded->h != height_)) {
    SDL_FreeSurface(decoded);
    decoded = nullptr;
  }
  if (decoded) {
    pixels_ = decoded;
    opaque_ = opaque;
  }
  return pixels_;
}

void SurfaceBitmap::DropPixels() const {
  // Without a source the pixels could never come back.
  if (source_.path.empty() && !source_.bytes) return;
  SDL_FreeSurface(pixels_);
  pixels_ = nullptr;
}

bool SurfaceBitmap::HoldsPixels() const {
  std::lock_guard lock(mutex_);
  return pixels_ != nullptr;
}

SDL_Texture* SurfaceBitmap::MakeTexture(SDL_Renderer* renderer, SDL_Surface* pixels) const {
  SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, pixels);
  if (texture) SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
  return texture;
}

void SurfaceBitmap::MakeFormTexture(SDL_Renderer* renderer, Form& form) const {
  if (form.texture || !form.pixels) return;
  form.texture = MakeTexture(renderer, form.pixels);
  SDL_FreeSurface(form.pixels);
  form.pixels = nullptr;
}

SDL_Texture* SurfaceBitmap::TextureFor(SDL_Renderer* renderer) const {
  std::lock_guard lock(mutex_);
  if (texture_) return texture_;
  SDL_Surface* pixels = Pixels();
  if (!pixels) return nullptr;
  texture_ = MakeTexture(renderer, pixels);
  if (texture_) DropPixels();
  return texture_;
}

SDL_Texture* SurfaceBitmap::EnlargedTextureFor(SDL_Renderer* renderer, int times) const {
  std::lock_guard lock(mutex_);
  if (enlargedTimes_ == times) return enlarged_;
  if (enlarged_) graveyard_->Bury(enlarged_);
  enlarged_ = nullptr;
  enlargedTimes_ = times;
  SDL_Surface* pixels = Pixels();
  if (!pixels) return nullptr;
  SDL_Surface* enlarged = SDL_CreateRGBSurfaceWithFormat(0, width_ * times, height_ * times, 32,
                                                         pixels->format->format);
  // A stretch by whole times is a nearest-pixel stretch that repeats every pixel.
  if (enlarged && SDL_SoftStretch(pixels, nullptr, enlarged, nullptr) == 0)
    enlarged_ = MakeTexture(renderer, enlarged);
  SDL_FreeSurface(enlarged);
  DropPixels();
  return enlarged_;
}

void SurfaceBitmap::Prepare(const std::vector<DrawnForm>& forms) const {
  std::lock_guard lock(mutex_);
  for (const DrawnForm& form : forms) {
    if (!Fits(form, width_, height_) || forms_.count(form) != 0) continue;
    SDL_Surface* pixels = Pixels();
    if (!pixels) return;
    forms_[form].pixels = BuildForm(pixels, form);
  }
  // The texture of the whole picture may never be wanted: the pixels go until it is.
  DropPixels();
}

void SurfaceBitmap::ForgetOtherFades(const DrawnForm& form) const {
  for (auto it = forms_.begin(); it != forms_.end();) {
    DrawnForm other = it->first;
    other.alpha = form.alpha;
    if (it->first.alpha == 255 || other != form) {
      ++it;
      continue;
    }
    if (it->second.texture) graveyard_->Bury(it->second.texture);
    SDL_FreeSurface(it->second.pixels);
    it = forms_.erase(it);
  }
}

void SurfaceBitmap::MakeFormTextures(SDL_Renderer* renderer) const {
  std::lock_guard lock(mutex_);
  for (auto& [key, form] : forms_) MakeFormTexture(renderer, form);
}

void SurfaceBitmap::ForgetForms() const {
  std::lock_guard lock(mutex_);
  for (const auto& [key, form] : forms_) {
    if (form.texture) graveyard_->Bury(form.texture);
    SDL_FreeSurface(form.pixels);
  }
  forms_.clear();
}

bool SurfaceBitmap::HasForm(const DrawnForm& form) const {
  std::lock_guard lock(mutex_);
  return forms_.count(form) != 0;
}

SurfaceBitmap::Form* SurfaceBitmap::FindOrMakeForm(const DrawnForm& form) const {
  if (!Fits(form, width_, height_)) return nullptr;
  auto found = forms_.find(form);
  if (found == forms_.end()) {
    SDL_Surface* pixels = Pixels();
    if (!pixels) return nullptr;
    if (form.alpha != 255) ForgetOtherFades(form);
    // A form that could not be made is remembered too: the plain draw takes over.
    found = forms_.emplace(form, Form{BuildForm(pixels, form), nullptr}).first;
    DropPixels();
  }
  return &found->second;
}

SDL_Texture* SurfaceBitmap::FormTextureFor(SDL_Renderer* renderer, const DrawnForm& form) const {
  std::lock_guard lock(mutex_);
  Form* found = FindOrMakeForm(form);
  if (!found) return nullptr;
  MakeFormTexture(renderer, *found);
  return found->texture;
}

bool SurfaceBitmap::DrawFormOnto(SDL_Surface* frame, const DrawnForm& form, int x, int y,
                                 const SDL_Rect& clip, Uint8 opacity, bool opaque) const {
  std::lock_guard lock(mutex_);
  const Form* found = FindOrMakeForm(form);
  if (!found || !found->pixels) return false;
  BlendSurface(found->pixels, frame, x, y, clip, opacity, opaque);
  return true;
}

bool SurfaceBitmap::DrawStretchedOnto(SDL_Surface* frame, const SDL_Rect& part, const SDL_Rect& to,
                                      const SDL_Rect& clip, Uint8 opacity, bool crisp) const {
  std::lock_guard lock(mutex_);
  SDL_Surface* pixels = Pixels();
  if (!pixels || part.x < 0 || part.y < 0 || part.x + part.w > width_ || part.y + part.h > height_)
    return false;
  BlendStretched(pixels, part, frame, to, clip, opacity, opaque_ && opacity == 255, crisp);
  return true;
}

}  // namespace quenlit::platform
