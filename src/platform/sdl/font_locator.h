#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace quenlit::platform {

// A font file and the face inside it (collections hold several).
struct FontFace {
  std::string file;
  int index = 0;
  bool operator<(const FontFace& other) const {
    return file != other.file ? file < other.file : index < other.index;
  }
  bool operator==(const FontFace&) const = default;
};

// Finds the file of each font family the game asks for, without installing anything:
//   1. a file in the font folder named after the family ("Fonts/宋体.ttf");
//   2. the folder's "fonts.txt" list ("family<TAB>file name" lines);
//   3. an installed family of that name, or of the stand-in family given for it;
//   4. otherwise a CJK sans, announced once on stderr, so that text is never blank: an
//      installed one, or else the folder's default face.
// An empty family name (the default font) takes the face that the list names for "" (a line
// that starts with the tab), or else the CJK sans, silently.
class FontLocator {
 public:
  // folder: the game's font folder; standIns: game family -> installed family to look for.
  FontLocator(std::string folder, std::map<std::string, std::string> standIns);

  // Makes the folder's fonts known to the system's font lookup for this process only. A
  // missing folder, or one without a font file, is said once on stderr.
  void RegisterFolder() const;
  FontFace Resolve(const std::string& family);
  // The CJK sans that fills in for missing families and missing glyphs.
  FontFace Fallback();
  // Says on stderr, once for each file, that a font file cannot be used and why ("missing",
  // "damaged (...)"); the text is drawn with another font.
  void ReportUnusable(const std::string& file, const std::string& reason) const;

 private:
  std::string FileInFolder(const std::string& family) const;
  std::string ListedInFolder(const std::string& family) const;

  std::string folder_;
  std::map<std::string, std::string> standIns_;
  std::mutex mutex_;
  std::map<std::string, FontFace> resolved_;
  std::optional<FontFace> fallback_;
  mutable std::mutex reportMutex_;  // apart from mutex_, which Fallback holds while it looks
  mutable std::set<std::string> reported_;
};

}  // namespace quenlit::platform
