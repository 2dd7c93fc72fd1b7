#pragma once

#include <SDL_ttf.h>

#include <map>
#include <string>

#include "platform/sdl/font_locator.h"

namespace quenlit::test {

// The browser page carries the game folder's fonts cut down to the characters the game draws
// (build/page-fonts). A text keeps its glyphs there when every character that the desktop's
// font of its family draws, or the folder's default face that stands in for the glyphs a
// family lacks, is in the page's copy of that font too.
class PageGlyphs {
 public:
  PageGlyphs(const std::string& desktopFonts, const std::string& pageFonts);
  ~PageGlyphs();
  PageGlyphs(const PageGlyphs&) = delete;
  PageGlyphs& operator=(const PageGlyphs&) = delete;

  // The characters of the text that the page loses, in order; empty when it keeps them all.
  std::string Lost(const std::string& family, const std::string& utf8);

 private:
  // A family's font in the game folder and in the page.
  struct Faces {
    TTF_Font* desktop = nullptr;
    TTF_Font* page = nullptr;
  };
  const Faces& FacesOf(const std::string& family);

  platform::FontLocator desktop_;
  platform::FontLocator page_;
  std::map<std::string, Faces> faces_;
};

}  // namespace quenlit::test
