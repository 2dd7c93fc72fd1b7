#include "source_text.h"

#include <fstream>
#include <sstream>

namespace quenlit::tower {

std::string SourceLine::Problem(const std::string& what) const {
  return file + ":" + std::to_string(number) + ": " + what;
}

std::optional<std::vector<SourceLine>> ReadSourceLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<SourceLine> lines;
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    const auto comment = text.find(';');
    if (comment != std::string::npos) text.erase(comment);
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) continue;
    const auto last = text.find_last_not_of(" \t\r");
    lines.push_back({text.substr(first, last - first + 1), path, number});
  }
  return lines;
}

std::vector<std::string> SplitWords(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::optional<int> ParseNumber(const std::string& text, int min, int max) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int value = std::stoi(text);
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<std::string> Unescape(const std::string& value) {
  std::string text;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      text += value[i];
    } else if (i + 1 < value.size() && (value[i + 1] == 'n' || value[i + 1] == '\\')) {
      text += value[++i] == 'n' ? '\n' : '\\';
    } else {
      return std::nullopt;
    }
  }
  return text;
}

std::string Literal(const std::string& text) {
  std::string literal = "\"";
  for (const char c : text) {
    if (c == '\n') {
      literal += "\\n";
    } else if (c == '"' || c == '\\') {
      literal += '\\';
      literal += c;
    } else {
      literal += c;
    }
  }
  return literal + "\"";
}

}  // namespace quenlit::tower
