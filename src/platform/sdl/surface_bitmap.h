#pragma once

#include <SDL.h>

#include <atomic>
#include <compare>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/canvas.h"
#include "platform/sdl/png_decoding.h"

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

// One way a picture is shown: a part of it, at a size, faded to an opacity (255 = as it is).
struct DrawnForm {
  int x = 0, y = 0, partWidth = 0, partHeight = 0;
  int width = 0, height = 0;
  Uint8 alpha = 255;
  bool crisp = false;  // stretched crisply (stretch_blend.h), not linearly
  auto operator<=>(const DrawnForm&) const = default;
};

// A decoded picture, 32-bit ARGB with straight alpha. Its pixels become a texture the first
// time the drawing thread draws it, and then go: a texture is all that drawing needs, and the
// source gives the pixels back should another form of the picture be wanted later. A picture
// made without pixels decodes them the first time it is drawn. The forms of a canvas that
// draws them itself keep their pixels instead of a texture.
class SurfaceBitmap : public Bitmap {
 public:
  // pixels: the decoded picture (owned from now on) and whether it is opaque, or nullptr to
  // decode it when needed.
  SurfaceBitmap(int width, int height, SDL_Surface* pixels, bool opaque, PngSource source,
                std::shared_ptr<TextureGraveyard> graveyard);
  ~SurfaceBitmap() override;
  SurfaceBitmap(const SurfaceBitmap&) = delete;
  SurfaceBitmap& operator=(const SurfaceBitmap&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Unique among every picture the program makes, so that a picture is told apart from one
  // made later at the same address.
  uint64_t Serial() const { return serial_; }

  // The whole picture as a texture on the renderer, made on first use; nullptr when it
  // cannot be made.
  SDL_Texture* TextureFor(SDL_Renderer* renderer) const;
  // The whole picture enlarged `times` times by repeating its pixels, as a texture: drawn
  // from it, a graphics processor's linear filter blends only where the picture's pixels meet,
  // so pixel art stays crisp at any stretch. Kept for the latest `times`, made on first use;
  // nullptr when it cannot be made.
  SDL_Texture* EnlargedTextureFor(SDL_Renderer* renderer, int times) const;
  // A copy of the form as a texture, made on first use and kept for the frames after: a
  // software renderer would otherwise stretch and fade the whole part on every draw.
  SDL_Texture* FormTextureFor(SDL_Renderer* renderer, const DrawnForm& form) const;
  // Draws the form over the frame with its corner at (x, y), inside the clip, at the opacity
  // (blending unless opaque), making the form on first use; false when the form has no pixels
  // to draw (it became a texture, or could not be made).
  bool DrawFormOnto(SDL_Surface* frame, const DrawnForm& form, int x, int y, const SDL_Rect& clip,
                    Uint8 opacity, bool opaque) const;
  // Draws the part of the picture stretched to `to` over the frame, inside the clip, at the
  // opacity, from the picture's own pixels and keeping no copy; false when they cannot be had.
  bool DrawStretchedOnto(SDL_Surface* frame, const SDL_Rect& part, const SDL_Rect& to,
                         const SDL_Rect& clip, Uint8 opacity, bool crisp) const;
  // Builds the forms' pixels now, on any thread, so that their first frame finds them ready.
  void Prepare(const std::vector<DrawnForm>& forms) const;
  // True once the form has been made (prepared or drawn).
  bool HasForm(const DrawnForm& form) const;
  // Makes the textures of the forms made ahead, on the drawing thread.
  void MakeFormTextures(SDL_Renderer* renderer) const;
  // Lets every form go: the output's scale changed, and they no longer match any draw.
  void ForgetForms() const;
  // True when no pixel lets anything behind it show; known once the pixels were decoded.
  bool Opaque() const { return opaque_; }
  // Whether the decoded pixels are held right now (besides any texture).
  bool HoldsPixels() const;
  // True when the previous draw of this picture had the same opacity; remembers this one's.
  bool RepeatsAlpha(Uint8 alpha) const {
    const bool same = alpha == lastAlpha_;
    lastAlpha_ = alpha;
    return same;
  }

 private:
  struct Form {
    SDL_Surface* pixels = nullptr;  // until its texture is made, if ever
    SDL_Texture* texture = nullptr;
  };
  // The pixels, decoded again from the source when they went; nullptr when they cannot be.
  SDL_Surface* Pixels() const;
  void DropPixels() const;
  // The form, made when it is not yet (its pixels may be missing when it could not be);
  // nullptr when it does not fit the picture or the picture's pixels cannot be had. Called
  // under the lock.
  Form* FindOrMakeForm(const DrawnForm& form) const;
  // A picture that settles on a new opacity keeps one faded copy of each form, not one for
  // every opacity it ever held.
  void ForgetOtherFades(const DrawnForm& form) const;
  SDL_Texture* MakeTexture(SDL_Renderer* renderer, SDL_Surface* pixels) const;
  // The form's pixels become its texture, when they have not yet.
  void MakeFormTexture(SDL_Renderer* renderer, Form& form) const;

  int width_;
  int height_;
  uint64_t serial_;
  PngSource source_;
  std::shared_ptr<TextureGraveyard> graveyard_;
  mutable std::mutex mutex_;  // forms may be prepared on the loading thread
  mutable SDL_Surface* pixels_;
  mutable std::atomic<bool> opaque_ = false;
  mutable SDL_Texture* texture_ = nullptr;
  mutable SDL_Texture* enlarged_ = nullptr;
  mutable int enlargedTimes_ = 0;
  mutable std::map<DrawnForm, Form> forms_;
  mutable Uint8 lastAlpha_ = 255;  // drawing thread only
};

}  // namespace quenlit::platform
