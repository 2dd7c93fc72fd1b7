#include "legend.h"

namespace quenlit::tower {
namespace {

std::optional<uint8_t> CodeOf(const std::string& value, const std::vector<Monster>& kinds) {
  if (const std::optional<int> code = ParseNumber(value, 0, 255))
    return static_cast<uint8_t>(*code);
  for (size_t i = 0; i < kinds.size(); ++i) {
    if (kinds[i].name == value) return static_cast<uint8_t>(i + 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> AddLegendLine(const SourceLine& line, const std::vector<Monster>& kinds,
                                         Legend& legend) {
  const std::string& text = line.text;
  const auto equals = text.find('=');
  const std::string symbolText = text.substr(0, text.find_first_of(" \t="));
  if (equals == std::string::npos || symbolText.size() != 1 ||
      text.find_first_not_of(" \t", 1) != equals)
    return line.Problem("a legend line reads \"S = VALUE\" with a one-character symbol S");
  const char symbol = symbolText[0];
  if (symbol <= ' ' || symbol > '~') return line.Problem("a symbol is one printable character");
  const std::vector<std::string> value = SplitWords(text.substr(equals + 1));
  if (value.size() != 1) return line.Problem("the value is one tile code or one monster name");
  const std::optional<uint8_t> code = CodeOf(value[0], kinds);
  if (!code)
    return line.Problem("\"" + value[0] + "\" is neither a tile code 0-255 nor a monster's name");
  if (legend.count(symbol))
    return line.Problem(std::string("the symbol '") + symbol + "' already means " +
                        std::to_string(legend.at(symbol)));
  legend[symbol] = *code;
  return std::nullopt;
}

std::optional<Legend> ReadLegend(const std::string& path, const std::vector<Monster>& kinds,
                                 std::string& error) {
  const auto lines = ReadSourceLines(path);
  if (!lines) {
    error = path + ": cannot be read";
    return std::nullopt;
  }
  Legend legend;
  for (const SourceLine& line : *lines) {
    if (auto problem = AddLegendLine(line, kinds, legend)) {
      error = *problem;
      return std::nullopt;
    }
  }
  return legend;
}

}  // namespace quenlit::tower
