#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quenlit::tower {

// One text of res/texts.txt: the name the code knows it by, the kinds of the arguments the
// code formats it with ('d' a whole number, 's' a string; none for a text shown as it is),
// and the text itself with its line breaks.
struct TextSource {
  std::string name;
  std::optional<std::string> arguments;
  std::string text;
};

// Reads res/texts.txt. On a problem, nothing, and error says which line and what.
std::optional<std::vector<TextSource>> ReadTexts(const std::string& path, std::string& error);

// The C++ header of the game's texts (game_texts.h) for what the file says.
std::string TextTableSource(const std::vector<TextSource>& texts);

}  // namespace quenlit::tower
