#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quenlit::tower {

// One meaningful line of a tower source: its text without the comment and surrounding
// spaces, and where it stands, for messages that point at it.
struct SourceLine {
  std::string text;
  std::string file;
  int number = 0;

  // "file:line: what" for a problem on this line.
  std::string Problem(const std::string& what) const;
};

// The file's lines that say something: comments (from ';' to the end of the line) and blank
// lines are left out. Nothing when the file cannot be read.
std::optional<std::vector<SourceLine>> ReadSourceLines(const std::string& path);

// The words of a line, split at spaces and tabs.
std::vector<std::string> SplitWords(const std::string& text);

// A decimal number without sign that fits the range, or nothing.
std::optional<int> ParseNumber(const std::string& text, int min, int max);

// A text value: "\n" is a line break and "\\" a backslash; anything else after a backslash
// is a mistake, and gives nothing.
std::optional<std::string> Unescape(const std::string& value);

// A C++ string literal of the text: UTF-8 bytes as they are, the rest escaped.
std::string Literal(const std::string& text);

}  // namespace quenlit::tower
