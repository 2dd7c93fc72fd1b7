#include "page_glyphs.h"

#include <stdexcept>

#include "platform/sdl/text_layout.h"

namespace quenlit::test {
namespace {

// Any size does: whether a font has a glyph does not depend on it.
constexpr int kPointSize = 16;

TTF_Font* Open(const platform::FontFace& face) {
  TTF_Font* font = TTF_OpenFontIndex(face.file.c_str(), kPointSize, face.index);
  if (!font) throw std::runtime_error("cannot open " + face.file + ": " + TTF_GetError());
  return font;
}

bool Has(TTF_Font* font, char32_t character) {
  return TTF_GlyphIsProvided32(font, character) != 0;
}

}  // namespace

PageGlyphs::PageGlyphs(const std::string& desktopFonts, const std::string& pageFonts)
    : desktop_(desktopFonts, {}), page_(pageFonts, {}) {
  if (TTF_Init() != 0) throw std::runtime_error(TTF_GetError());
}

PageGlyphs::~PageGlyphs() {
  for (const auto& [family, faces] : faces_) {
    TTF_CloseFont(faces.desktop);
    TTF_CloseFont(faces.page);
  }
  TTF_Quit();
}

const PageGlyphs::Faces& PageGlyphs::FacesOf(const std::string& family) {
  auto known = faces_.find(family);
  if (known == faces_.end()) {
    known =
        faces_.emplace(family, Faces{Open(desktop_.Resolve(family)), Open(page_.Resolve(family))})
            .first;
  }
  return known->second;
}

std::string PageGlyphs::Lost(const std::string& family, const std::string& utf8) {
  const Faces& own = FacesOf(family);
  const Faces& standIn = FacesOf("");
  std::string lost;
  for (const auto& [character, bytes] : platform::SplitCharacters(utf8)) {
    if (character < U' ') continue;  // line breaks and tabs draw nothing
    const bool kept = Has(own.desktop, character)
                          ? Has(own.page, character)
                          : Has(standIn.desktop, character) == Has(standIn.page, character);
    if (!kept) lost += bytes;
  }
  return lost;
}

}  // namespace quenlit::test
