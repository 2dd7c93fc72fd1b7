#include "platform/sdl/text_layout.h"

#include <cmath>

namespace quenlit::platform {
namespace {

// Chinese characters and full-width punctuation: a line may break before and after each.
bool BreaksAround(char32_t c) {
  return c >= 0x2E80;
}

// One unbreakable piece of a paragraph: a word, a Chinese character, spaces or a tab.
struct Token {
  enum Kind { Word, Spaces, Tab } kind = Word;
  std::vector<std::pair<std::string, int>> pieces;  // text in its font
};

std::vector<Token> Tokenise(const std::vector<std::pair<char32_t, std::string>>& characters,
                            const TextMetrics& metrics) {
  std::vector<Token> tokens;
  bool open = false;  // the last token may still grow
  for (const auto& [c, bytes] : characters) {
    if (c == '\t') {
      tokens.push_back({Token::Tab, {}});
      open = false;
      continue;
    }
    const Token::Kind kind = c == ' ' ? Token::Spaces : Token::Word;
    const int font = kind == Token::Spaces ? 0 : metrics.FontFor(c);
    if (!open || tokens.back().kind != kind || BreaksAround(c)) tokens.push_back({kind, {}});
    auto& pieces = tokens.back().pieces;
    if (pieces.empty() || pieces.back().second != font) pieces.emplace_back("", font);
    pieces.back().first += bytes;
    open = !BreaksAround(c);
  }
  return tokens;
}

class LineBuilder {
 public:
  LineBuilder(float width, bool trailing, float tabStop, const TextMetrics& metrics,
              std::vector<TextRun>& out)
      : width_(width), trailing_(trailing), tabStop_(tabStop), metrics_(metrics), out_(out) {}

  void Add(const Token& token) {
    if (token.kind == Token::Tab) {
      x_ = tabStop_ > 0 ? (std::floor(x_ / tabStop_ + 1e-4f) + 1) * tabStop_ : x_;
      joinable_ = false;
      return;
    }
    std::vector<float> advances;
    float advance = 0;
    for (const auto& [text, font] : token.pieces)
      advance += advances.emplace_back(metrics_.Advance(text, font));
    if (token.kind == Token::Word && width_ > 0 && hasContent_ && x_ + advance > width_) {
      EndLine();
    }
    for (size_t i = 0; i < token.pieces.size(); ++i) {
      Place(token.pieces[i].first, token.pieces[i].second);
      x_ += advances[i];
    }
    if (token.kind == Token::Word) {
      hasContent_ = true;
      contentRight_ = x_;
    }
  }

  void EndLine() {
    // Spaces at the end of a line hang past it and draw nothing.
    while (lineStart_ < out_.size() && IsBlank(out_.back().utf8)) out_.pop_back();
    const float shift = trailing_ ? width_ - contentRight_ : 0;
    const float baseline = top_ + metrics_.Ascent(0);
    for (size_t i = lineStart_; i < out_.size(); ++i) {
      out_[i].x += shift;
      out_[i].y = baseline - metrics_.Ascent(out_[i].font);
    }
    top_ += metrics_.LineHeight();
    lineStart_ = out_.size();
    x_ = contentRight_ = 0;
    hasContent_ = joinable_ = false;
  }

 private:
  static bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
  }

  // Runs that follow each other in one font are drawn as one, so that they are shaped
  // together.
  void Place(const std::string& text, int font) {
    if (joinable_ && out_.size() > lineStart_ && out_.back().font == font) {
      out_.back().utf8 += text;
    } else {
      out_.push_back({text, font, x_, 0});
    }
    joinable_ = true;
  }

  float width_;
  bool trailing_;
  float tabStop_;
  const TextMetrics& metrics_;
  std::vector<TextRun>& out_;
  size_t lineStart_ = 0;
  float x_ = 0;
  float contentRight_ = 0;
  float top_ = 0;
  bool hasContent_ = false;
  bool joinable_ = false;
};

}  // namespace

std::vector<std::pair<char32_t, std::string>> SplitCharacters(const std::string& utf8) {
  std::vector<std::pair<char32_t, std::string>> characters;
  size_t at = 0;
  while (at < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    bool valid = length > 0 && at + length <= utf8.size();
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; valid && i < length; ++i) {
      const auto next = static_cast<unsigned char>(utf8[at + i]);
      valid = (next & 0xC0) == 0x80;
      c = c << 6 | (next & 0x3F);
    }
    if (!valid) {
      characters.emplace_back(0xFFFD, "\xEF\xBF\xBD");
      at += 1;
      continue;
    }
    characters.emplace_back(c, utf8.substr(at, length));
    at += length;
  }
  return characters;
}

std::vector<TextRun> LayOutText(const std::string& utf8, float width, bool trailing, float tabStop,
                                const TextMetrics& metrics) {
  std::vector<TextRun> runs;
  LineBuilder lines(width, trailing, tabStop, metrics, runs);
  std::vector<std::pair<char32_t, std::string>> paragraph;
  const auto characters = SplitCharacters(utf8);
  for (size_t i = 0; i <= characters.size(); ++i) {
    if (i < characters.size() && characters[i].first != '\n') {
      if (characters[i].first != '\r') paragraph.push_back(characters[i]);
      continue;
    }
    for (const Token& token : Tokenise(paragraph, metrics)) lines.Add(token);
    lines.EndLine();
    paragraph.clear();
  }
  return runs;
}

}  // namespace quenlit::platform
