#pragma once

#include <string>
#include <vector>

namespace quenlit::platform {

// What laying out text needs to know of its two fonts: the family's own (0) and the CJK
// fallback (1) that stands in for glyphs the family lacks.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual float Advance(const std::string& utf8, int font) const = 0;
  // The font that draws this character: 0 when the family has it.
  virtual int FontFor(char32_t character) const = 0;
  virtual float Ascent(int font) const = 0;
  virtual float LineHeight() const = 0;
};

// A piece of text in one font at its place in the box (x, y of its top-left corner).
struct TextRun {
  std::string utf8;
  int font = 0;
  float x = 0;
  float y = 0;
  bool operator==(const TextRun&) const = default;
};

// Lays text out as the game's text system does: lines break at "\n", wrap at the box width
// between words and around Chinese characters (spaces hang at the line's end), tabs jump to
// the next multiple of tabStop from the box's left edge, and trailing alignment puts each
// line's last visible character at the right edge. A width of 0 or less does not wrap.
std::vector<TextRun> LayOutText(const std::string& utf8, float width, bool trailing, float tabStop,
                                const TextMetrics& metrics);

// Splits UTF-8 into characters; a broken byte stands for U+FFFD.
std::vector<std::pair<char32_t, std::string>> SplitCharacters(const std::string& utf8);

}  // namespace quenlit::platform
