#include "platform/sdl/text_painter.h"

#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <mutex>
#include <string>

#include "platform/sdl/text_layout.h"
#include "platform/utf8_path.h"

namespace quenlit::platform {
namespace {

class TtfMetrics : public TextMetrics {
 public:
  TtfMetrics(TTF_Font* family, TTF_Font* fallback) : fonts_{family, fallback} {}

  float Advance(const std::string& utf8, int font) const override {
    int width = 0;
    TTF_SizeUTF8(fonts_[font], utf8.c_str(), &width, nullptr);
    return static_cast<float>(width);
  }
  int FontFor(char32_t character) const override {
    if (TTF_GlyphIsProvided32(fonts_[0], character) || fonts_[1] == fonts_[0]) return 0;
    return TTF_GlyphIsProvided32(fonts_[1], character) ? 1 : 0;
  }
  float Ascent(int font) const override { return static_cast<float>(TTF_FontAscent(fonts_[font])); }
  float LineHeight() const override { return static_cast<float>(TTF_FontLineSkip(fonts_[0])); }

 private:
  TTF_Font* fonts_[2];
};

}  // namespace

void InitMediaLibraries() {
  static std::once_flag once;
  std::call_once(once, [] {
    IMG_Init(IMG_INIT_PNG);
    TTF_Init();
  });
}

TextPainter::TextPainter(SDL_Renderer* renderer, FontLocator& fonts)
    : renderer_(renderer), fonts_(fonts) {
  InitMediaLibraries();
}

TextPainter::~TextPainter() {
  Clear();
  for (auto& [face, opened] : openFonts_)
    if (opened.font) TTF_CloseFont(opened.font);
}

void TextPainter::Clear() {
  for (auto& [key, texture] : rendered_)
    if (texture) SDL_DestroyTexture(texture);
  rendered_.clear();
  renderedBytes_ = 0;
  layouts_.clear();
}

TTF_Font* TextPainter::OpenFont(const FontFace& face, int pixels) {
  // One open font a face, set to each size as it is wanted: a face opened once for every size
  // holds a megabyte of its tables each time, and the sizes grow in number with the window.
  if (const auto open = openFonts_.find(face); open != openFonts_.end()) {
    OpenFace& opened = open->second;
    if (opened.font && opened.pixels != pixels && TTF_SetFontSize(opened.font, pixels) == 0)
      opened.pixels = pixels;
    return opened.pixels == pixels ? opened.font : nullptr;
  }
  TTF_Font* font =
      face.file.empty() ? nullptr : TTF_OpenFontIndex(face.file.c_str(), pixels, face.index);
  if (!font && !face.file.empty()) {
    std::error_code ignored;
    fonts_.ReportUnusable(face.file, std::filesystem::exists(PathFromUtf8(face.file), ignored)
                                         ? std::string("damaged (") + TTF_GetError() + ")"
                                         : std::string("missing"));
  }
  openFonts_[face] = {font, pixels};
  return font;
}

SDL_Texture* TextPainter::Render(TTF_Font* font, int pixels, const std::string& utf8) {
  const auto key = std::make_tuple(font, pixels, utf8);
  if (const auto done = rendered_.find(key); done != rendered_.end()) return done->second;
  SDL_Texture* texture = nullptr;
  if (SDL_Surface* surface = TTF_RenderUTF8_Blended(font, utf8.c_str(), {255, 255, 255, 255})) {
    texture = SDL_CreateTextureFromSurface(renderer_, surface);
    renderedBytes_ += static_cast<size_t>(surface->w) * static_cast<size_t>(surface->h) * 4;
    SDL_FreeSurface(surface);
    if (texture) {
      SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
      SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    }
  }
  return rendered_[key] = texture;
}

std::vector<TextPainter::Piece> TextPainter::MakeLayout(const std::string& family, float size,
                                                        float width, bool trailing,
                                                        const std::string& utf8, bool& ok) {
  // The font size is the em height in drawing units; SDL_ttf takes whole pixels at 72 dpi.
  const int pixels = std::max(1, static_cast<int>(std::lround(size)));
  TTF_Font* fallback = OpenFont(fonts_.Fallback(), pixels);
  TTF_Font* own = OpenFont(fonts_.Resolve(family), pixels);
  if (!own) own = fallback;
  if (!own) {
    ok = false;
    return {};
  }
  if (!fallback) fallback = own;
  const TtfMetrics metrics(own, fallback);
  // Tab stops every four ems, as the game's text system places them.
  const std::vector<TextRun> runs = LayOutText(utf8, width, trailing, 4.0f * pixels, metrics);
  std::vector<Piece> pieces;
  for (const TextRun& run : runs) {
    SDL_Texture* texture = Render(run.font == 0 ? own : fallback, pixels, run.utf8);
    int w = 0, h = 0;
    if (!texture || SDL_QueryTexture(texture, nullptr, nullptr, &w, &h) != 0) continue;
    pieces.push_back({texture, {run.x, run.y, static_cast<float>(w), static_cast<float>(h)}});
  }
  ++layoutsMade_;
  ok = true;
  return pieces;
}

const std::vector<TextPainter::Piece>* TextPainter::Layout(const std::string& family, float size,
                                                           float width, bool trailing,
                                                           const std::string& utf8) {
  LayoutKey key{family, size, width, trailing, utf8};
  auto layout = layouts_.find(key);
  if (layout == layouts_.end()) {
    if (layouts_.size() >= kMaxLayouts || renderedBytes_ >= kMaxRenderedBytes) Clear();
    bool ok = false;
    std::vector<Piece> pieces = MakeLayout(family, size, width, trailing, utf8, ok);
    if (!ok) return nullptr;
    layout = layouts_.emplace(std::move(key), std::move(pieces)).first;
  }
  return &layout->second;
}

bool TextPainter::CanDraw(const std::string& family, float size, float width, bool trailing,
                          const std::string& utf8) {
  return Layout(family, size, width, trailing, utf8) != nullptr;
}

bool TextPainter::Draw(const std::string& family, float size, const RectF& box,
                       const std::string& utf8, Colour colour, bool trailing) {
  const std::vector<Piece>* pieces = Layout(family, size, box.right - box.left, trailing, utf8);
  if (!pieces) return false;
  const auto alpha = static_cast<Uint8>(std::lround(std::clamp(colour.alpha, 0.0f, 1.0f) * 255));
  for (const Piece& piece : *pieces) {
    SDL_SetTextureColorMod(piece.texture, (colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF,
                           colour.rgb & 0xFF);
    SDL_SetTextureAlphaMod(piece.texture, alpha);
    SDL_FRect place = piece.place;
    place.x += box.left;
    place.y += box.top;
    SDL_RenderCopyF(renderer_, piece.texture, nullptr, &place);
  }
  return true;
}

}  // namespace quenlit::platform
