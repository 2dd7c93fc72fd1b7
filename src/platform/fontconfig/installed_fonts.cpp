#include <fontconfig/fontconfig.h>
#include <strings.h>

#include "platform/sdl/installed_fonts.h"

namespace quenlit::platform {
namespace {

std::optional<FontFace> FaceOf(FcPattern* match) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
  int index = 0;
  FcPatternGetInteger(match, FC_INDEX, 0, &index);
  return FontFace{reinterpret_cast<const char*>(file), index};
}

// A pattern ready for matching: the configuration's substitutions and defaults applied.
FcPattern* MatchPattern(const char* family, const char* language) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  if (language) FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(language));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

}  // namespace

std::optional<FontFace> FindInstalledFamily(const std::string& family) {
  FcInit();
  FcPattern* pattern = MatchPattern(family.c_str(), nullptr);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;
  std::optional<FontFace> face;
  FcChar8* name = nullptr;
  // fontconfig always offers something; only a face that carries the family name counts.
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0) {
      face = FaceOf(match);
      break;
    }
  }
  FcPatternDestroy(match);
  return face;
}

void RegisterFontFolder(const std::string& folder) {
  FcInit();
  FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(folder.c_str()));
}

std::optional<FontFace> FindInstalledChineseSans() {
  FcInit();
  std::optional<FontFace> found;
  FcPattern* pattern = MatchPattern("sans-serif", "zh-cn");
  FcResult result = FcResultNoMatch;
  FcFontSet* candidates = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
  FcPatternDestroy(pattern);
  for (int i = 0; candidates && i < candidates->nfont && !found; ++i) {
    FcCharSet* characters = nullptr;
    if (FcPatternGetCharSet(candidates->fonts[i], FC_CHARSET, 0, &characters) != FcResultMatch ||
        !FcCharSetHasChar(characters, 0x4E2D)) {  // 中
      continue;
    }
    found = FaceOf(candidates->fonts[i]);
  }
  if (candidates) FcFontSetDestroy(candidates);
  return found;
}

}  // namespace quenlit::platform
