#include "platform/sdl/font_locator.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <filesystem>
#include <fstream>
#include <iostream>

namespace quenlit::platform {
namespace {

bool IsFontFile(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".ttf" || extension == ".otf" || extension == ".ttc";
}

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

FontLocator::FontLocator(std::string folder, std::map<std::string, std::string> standIns)
    : folder_(std::move(folder)), standIns_(std::move(standIns)) {}

void FontLocator::RegisterFolder() const {
  FcInit();
  std::error_code error;
  if (!std::filesystem::is_directory(folder_, error)) return;
  FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(folder_.c_str()));
}

std::string FontLocator::FileInFolder(const std::string& family) const {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    if (entry.path().stem().string() == family && IsFontFile(entry.path()))
      return entry.path().string();
  }
  return "";
}

std::string FontLocator::ListedInFolder(const std::string& family) const {
  std::ifstream list(std::filesystem::path(folder_) / "fonts.txt");
  std::string line;
  while (std::getline(list, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t tab = line.find('\t');
    if (tab == std::string::npos || line.compare(0, tab, family) != 0 || tab != family.size())
      continue;
    const std::filesystem::path file = std::filesystem::path(folder_) / line.substr(tab + 1);
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) return file.string();
  }
  return "";
}

FontFace FontLocator::Resolve(const std::string& family) {
  if (family.empty()) {
    // The folder's list may name the default face (a line with no family before the tab).
    const std::string file = ListedInFolder("");
    return file.empty() ? Fallback() : FontFace{file, 0};
  }
  {
    std::lock_guard lock(mutex_);
    if (const auto known = resolved_.find(family); known != resolved_.end()) return known->second;
  }
  std::optional<FontFace> face;
  if (std::string file = FileInFolder(family); !file.empty()) face = FontFace{file, 0};
  if (!face) {
    if (std::string file = ListedInFolder(family); !file.empty()) face = FontFace{file, 0};
  }
  if (!face) face = FindInstalledFamily(family);
  if (!face) {
    if (const auto standIn = standIns_.find(family); standIn != standIns_.end())
      face = FindInstalledFamily(standIn->second);
  }
  if (!face) {
    face = Fallback();
    std::cerr << "quenlit: no font for the family \"" << family << "\"; drawing it with "
              << (face->file.empty() ? "nothing" : face->file) << std::endl;
  }
  std::lock_guard lock(mutex_);
  return resolved_.emplace(family, *face).first->second;
}

FontFace FontLocator::Fallback() {
  std::lock_guard lock(mutex_);
  if (fallback_) return *fallback_;
  FcInit();
  fallback_ = FontFace{};
  // The first sans face that holds Chinese characters.
  FcPattern* pattern = MatchPattern("sans-serif", "zh-cn");
  FcResult result = FcResultNoMatch;
  FcFontSet* candidates = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
  FcPatternDestroy(pattern);
  for (int i = 0; candidates && i < candidates->nfont; ++i) {
    FcCharSet* characters = nullptr;
    if (FcPatternGetCharSet(candidates->fonts[i], FC_CHARSET, 0, &characters) != FcResultMatch ||
        !FcCharSetHasChar(characters, 0x4E2D)) {  // 中
      continue;
    }
    if (const auto face = FaceOf(candidates->fonts[i])) {
      fallback_ = *face;
      break;
    }
  }
  if (candidates) FcFontSetDestroy(candidates);
  if (fallback_->file.empty()) std::cerr << "quenlit: no Chinese font is installed" << std::endl;
  return *fallback_;
}

}  // namespace quenlit::platform
