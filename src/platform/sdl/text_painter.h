#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/canvas.h"
#include "platform/sdl/font_locator.h"

namespace quenlit::platform {

// Draws text with SDL_ttf on one renderer. Opened fonts, rendered pieces and whole layouts
// are kept, so a frame that redraws the texts of the last one neither lays them out nor
// renders them again. The pieces are rendered white and tinted when drawn.
class TextPainter {
 public:
  TextPainter(SDL_Renderer* renderer, FontLocator& fonts);
  ~TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;

  // False when neither the family nor the fallback font can be opened.
  bool Draw(const std::string& family, float size, const RectF& box, const std::string& utf8,
            Colour colour, bool trailing);
  // Lays the text out as Draw would, without drawing it; false when Draw would fail.
  bool CanDraw(const std::string& family, float size, float width, bool trailing,
               const std::string& utf8);
  // Forgets every kept layout and rendered piece.
  void Clear();

  // How many layouts were made since the painter was built (each cached one counts once).
  size_t LayoutsMade() const { return layoutsMade_; }

  // Past this many kept layouts, or this many bytes of rendered pieces, everything kept is
  // dropped and made again on demand: texts rendered for a large window are large.
  static constexpr size_t kMaxLayouts = 1024;
  static constexpr size_t kMaxRenderedBytes = 32 << 20;

 private:
  struct Piece {
    SDL_Texture* texture = nullptr;
    SDL_FRect place{};  // relative to the box's top-left corner
  };
  using LayoutKey = std::tuple<std::string, float, float, bool, std::string>;

  // The kept layout of the text, made when missing; nullptr when no font can be had.
  const std::vector<Piece>* Layout(const std::string& family, float size, float width,
                                   bool trailing, const std::string& utf8);
  TTF_Font* OpenFont(const FontFace& face, int pixels);
  std::vector<Piece> MakeLayout(const std::string& family, float size, float width, bool trailing,
                                const std::string& utf8, bool& ok);
  // The run rendered in the font, which is set to the size in pixels.
  SDL_Texture* Render(TTF_Font* font, int pixels, const std::string& utf8);

  SDL_Renderer* renderer_;
  FontLocator& fonts_;
  struct OpenFace {
    TTF_Font* font = nullptr;  // nullptr when the face cannot be opened
    int pixels = 0;            // the size it is set to
  };
  std::map<FontFace, OpenFace> openFonts_;
  std::map<std::tuple<TTF_Font*, int, std::string>, SDL_Texture*> rendered_;
  size_t renderedBytes_ = 0;
  std::map<LayoutKey, std::vector<Piece>> layouts_;
  size_t layoutsMade_ = 0;
};

// Brings up SDL_image and SDL_ttf once for the process.
void InitMediaLibraries();

}  // namespace quenlit::platform
