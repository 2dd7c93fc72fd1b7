#pragma once

#include <SDL.h>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/canvas.h"

namespace quenlit::platform {

// Textures whose bitmap went away, to be destroyed on the drawing thread (a renderer's
// textures belong to the thread that draws with it).
class TextureGraveyard {
 public:
  void Bury(SDL_Texture* texture);
  // Destroys every buried texture; called on the drawing thread.
  void Empty();
  // The renderer is gone (and its textures with it): nothing more is buried.
  void Close();

 private:
  std::mutex mutex_;
  std::vector<SDL_Texture*> buried_;
  bool open_ = true;
};

// A decoded picture: an RGBA surface made on any thread, turned into a texture the first
// time the drawing thread draws it.
class SurfaceBitmap : public Bitmap {
 public:
  SurfaceBitmap(SDL_Surface* surface, std::shared_ptr<TextureGraveyard> graveyard);
  ~SurfaceBitmap() override;
  SurfaceBitmap(const SurfaceBitmap&) = delete;
  SurfaceBitmap& operator=(const SurfaceBitmap&) = delete;

  int Width() const override { return surface_->w; }
  int Height() const override { return surface_->h; }
  // The texture on the renderer, made on first use; nullptr when it cannot be made.
  SDL_Texture* TextureFor(SDL_Renderer* renderer) const;
  // The part of the picture stretched once to width x height and kept for the frames after; a
  // software renderer would otherwise convert and stretch the whole part on every draw.
  // nullptr when it cannot be made.
  SDL_Texture* StretchedTextureFor(SDL_Renderer* renderer, const SDL_Rect& part, int width,
                                   int height) const;

 private:
  SDL_Surface* surface_;
  std::shared_ptr<TextureGraveyard> graveyard_;
  mutable SDL_Texture* texture_ = nullptr;
  // Stretched copies by part (x, y, w, h) and size (w, h).
  mutable std::map<std::array<int, 6>, SDL_Texture*> stretched_;
};

// Decodes PNG bytes or a PNG file into a 32-bit RGBA surface; nullptr when it is no picture.
SDL_Surface* DecodePngSurface(const uint8_t* bytes, size_t size);
SDL_Surface* LoadPngSurface(const std::string& path);

}  // namespace quenlit::platform
