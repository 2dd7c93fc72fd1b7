#include "platform/sdl/font_locator.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/sdl/installed_fonts.h"
#include "platform/utf8_path.h"

namespace quenlit::platform {
namespace {

bool IsFontFile(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".ttf" || extension == ".otf" || extension == ".ttc";
}

}  // namespace

FontLocator::FontLocator(std::string folder, std::map<std::string, std::string> standIns)
    : folder_(std::move(folder)), standIns_(std::move(standIns)) {}

void FontLocator::RegisterFolder() const {
  namespace fs = std::filesystem;
  const fs::path folder = PathFromUtf8(folder_);
  const std::string shown = Utf8Of(folder.lexically_normal()) + "/";
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    std::cerr << "quenlit: " << shown << ": missing; the system's fonts stand in" << std::endl;
    return;
  }
  bool anyFont = false;
  for (const auto& entry : fs::directory_iterator(folder, error))
    anyFont = anyFont || IsFontFile(entry.path());
  if (!anyFont)
    std::cerr << "quenlit: " << shown << ": holds no font file; the system's fonts stand in"
              << std::endl;
  RegisterFontFolder(folder_);
}

std::string FontLocator::FileInFolder(const std::string& family) const {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder_), error)) {
    if (Utf8Of(entry.path().stem()) == family && IsFontFile(entry.path()))
      return Utf8Of(entry.path());
  }
  return "";
}

std::string FontLocator::ListedInFolder(const std::string& family) const {
  std::ifstream list(PathFromUtf8(folder_) / "fonts.txt");
  std::string line;
  while (std::getline(list, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t tab = line.find('\t');
    if (tab == std::string::npos || line.compare(0, tab, family) != 0 || tab != family.size())
      continue;
    const std::filesystem::path file = PathFromUtf8(folder_) / PathFromUtf8(line.substr(tab + 1));
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) return Utf8Of(file);
    ReportUnusable(Utf8Of(file), "missing");
  }
  return "";
}

void FontLocator::ReportUnusable(const std::string& file, const std::string& reason) const {
  const std::string shown = Utf8Of(PathFromUtf8(file).lexically_normal());
  std::lock_guard lock(reportMutex_);
  if (!reported_.insert(shown).second) return;
  std::cerr << "quenlit: " << shown << ": " << reason << "; another font stands in" << std::endl;
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
  fallback_ = FindInstalledChineseSans();
  // A machine without Chinese fonts (a browser, say) has the game folder's default face.
  if (!fallback_) {
    if (const std::string file = ListedInFolder(""); !file.empty()) fallback_ = FontFace{file, 0};
  }
  if (!fallback_) {
    fallback_ = FontFace{};
    std::cerr << "quenlit: no Chinese font is installed" << std::endl;
  }
  return *fallback_;
}

}  // namespace quenlit::platform
