#include "character_source.h"

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <utility>

#include "source_text.h"

namespace quenlit::tower {
namespace {

// "[floor F, row R, column C]": the cell of a speech.
std::optional<std::tuple<int, int, int>> ParseCellHeading(const std::string& heading) {
  std::istringstream in(heading);
  std::string floorWord, rowWord, columnWord, floor, row, column;
  if (!(in >> floorWord >> floor >> rowWord >> row >> columnWord >> column) || !in.eof() ||
      floorWord != "floor" || rowWord != "row" || columnWord != "column" || floor.back() != ',' ||
      row.back() != ',')
    return std::nullopt;
  floor.pop_back();
  row.pop_back();
  const auto f = ParseNumber(floor, 0, 20), r = ParseNumber(row, 0, 13),
             c = ParseNumber(column, 0, 13);
  if (!f || !r || !c) return std::nullopt;
  return std::tuple{*f, *r, *c};
}

// Where each key of a section writes its value; a number key refuses what is not a number.
using Setter = std::function<std::optional<std::string>(const std::string&)>;

Setter NumberInto(int& target, int max) {
  return [&target, max](const std::string& value) -> std::optional<std::string> {
    const auto number = ParseNumber(value, 0, max);
    if (!number) return "a number from 0 to " + std::to_string(max);
    target = *number;
    return std::nullopt;
  };
}
Setter TextInto(std::string& target) {
  return [&target](const std::string& value) -> std::optional<std::string> {
    const auto text = Unescape(value);
    if (!text) return "a text whose only escapes are \\n and \\\\";
    target = *text;
    return std::nullopt;
  };
}

std::map<std::string, Setter> ShopKeys(ShopSource& shop) {
  return {{"opening price", NumberInto(shop.openingPrice, 1000000)},
          {"rise", NumberInto(shop.rise, 1000000)},
          {"attack", NumberInto(shop.attack, 1000000)},
          {"defence", NumberInto(shop.defence, 1000000)},
          {"attack bought", TextInto(shop.attackBought)},
          {"defence bought", TextInto(shop.defenceBought)},
          {"too poor", TextInto(shop.tooPoor)}};
}

std::map<std::string, Setter> SpeechKeys(SpeechSource& speech) {
  auto gift = [&speech]() -> GiftSource& {
    if (!speech.gift) speech.gift.emplace();
    return *speech.gift;
  };
  auto giftNumber = [gift](int GiftSource::*field) -> Setter {
    return
        [gift, field](const std::string& value) { return NumberInto(gift().*field, 1000)(value); };
  };
  return {{"speaker", TextInto(speech.speaker)},
          {"says", TextInto(speech.text)},
          {"gift attack", giftNumber(&GiftSource::attack)},
          {"gift defence", giftNumber(&GiftSource::defence)},
          {"gift yellow keys", giftNumber(&GiftSource::yellowKeys)},
          {"gift blue keys", giftNumber(&GiftSource::blueKeys)},
          {"gift red keys", giftNumber(&GiftSource::redKeys)},
          {"gift message",
           [gift](const std::string& value) { return TextInto(gift().message)(value); }}};
}

}  // namespace

std::optional<CharactersSource> ReadCharacters(const std::string& path, std::string& error) {
  const auto lines = ReadSourceLines(path);
  if (!lines) {
    error = path + ": cannot be read";
    return std::nullopt;
  }
  CharactersSource characters;
  std::map<std::string, Setter> keys;
  std::set<std::string> seen;
  bool haveShop = false;
  std::set<std::tuple<int, int, int>> cells;
  for (const SourceLine& line : *lines) {
    const std::string& text = line.text;
    if (text.front() == '[') {
      if (text.back() != ']') {
        error = line.Problem("a heading reads [shop] or [floor F, row R, column C]");
        return std::nullopt;
      }
      const std::string heading = text.substr(1, text.size() - 2);
      seen.clear();
      if (heading == "shop" && !haveShop) {
        haveShop = true;
        keys = ShopKeys(characters.shop);
        continue;
      }
      const auto cell = ParseCellHeading(heading);
      if (!cell) {
        error = line.Problem(heading == "shop" ? "a second [shop]"
                                               : "a heading reads [shop] or [floor F, row R, "
                                                 "column C], with a floor up to 20 and a row "
                                                 "and column up to 13");
        return std::nullopt;
      }
      if (!cells.insert(*cell).second) {
        error = line.Problem("a second speech for the same cell");
        return std::nullopt;
      }
      SpeechSource& speech = characters.speeches.emplace_back();
      std::tie(speech.floor, speech.row, speech.column) = *cell;
      keys = SpeechKeys(speech);
      continue;
    }
    const auto equals = text.find(" = ");
    const std::string key = equals == std::string::npos ? text : text.substr(0, equals);
    if (keys.empty()) {
      error = line.Problem("a line before the first heading");
      return std::nullopt;
    }
    const auto setter = keys.find(key);
    if (equals == std::string::npos || setter == keys.end()) {
      error = line.Problem("\"" + key + "\" is not a key here; a line reads \"KEY = VALUE\"");
      return std::nullopt;
    }
    if (!seen.insert(key).second) {
      error = line.Problem("\"" + key + "\" is given twice");
      return std::nullopt;
    }
    if (const auto problem = setter->second(text.substr(equals + 3))) {
      error = line.Problem("\"" + key + "\" takes " + *problem);
      return std::nullopt;
    }
  }
  if (!haveShop) {
    error = path + ": the [shop] section is missing";
    return std::nullopt;
  }
  // The shop's notices are formatted with the price: one "%d" each and no other '%'.
  for (const auto& [key, text] : {std::pair{"attack bought", &characters.shop.attackBought},
                                  std::pair{"defence bought", &characters.shop.defenceBought},
                                  std::pair{"too poor", &characters.shop.tooPoor}}) {
    const auto mark = text->find('%');
    if (mark == std::string::npos || text->compare(mark, 2, "%d") != 0 ||
        text->find('%', mark + 1) != std::string::npos) {
      error = path + ": [shop] \"" + key + "\" must hold the price as one %d and no other %";
      return std::nullopt;
    }
  }
  for (const SpeechSource& speech : characters.speeches) {
    if (speech.text.empty()) {
      error = path + ": the character on floor " + std::to_string(speech.floor) + " at (" +
              std::to_string(speech.row) + ", " + std::to_string(speech.column) + ") says nothing";
      return std::nullopt;
    }
  }
  return characters;
}

std::string CharacterTablesSource(const CharactersSource& characters) {
  std::ostringstream out;
  out << "// Written by quenlit-tables from tower/characters.txt: change that file, not this.\n"
         "#include \"game/characters/character_tables.h\"\n\n"
         "namespace quenlit {\n\n"
         "const ShopTerms kShopTerms{"
      << characters.shop.openingPrice << ", " << characters.shop.rise << ", "
      << characters.shop.attack << ", " << characters.shop.defence << ",\n    "
      << Literal(characters.shop.attackBought) << ",\n    "
      << Literal(characters.shop.defenceBought) << ",\n    " << Literal(characters.shop.tooPoor)
      << "};\n\nnamespace {\nconstexpr Speech kAll[] = {\n";
  for (const SpeechSource& s : characters.speeches) {
    out << "    {" << s.floor << ", " << s.row << ", " << s.column << ", " << Literal(s.speaker)
        << ",\n     " << Literal(s.text) << ",\n     ";
    if (s.gift) {
      const GiftSource& g = *s.gift;
      out << "true, {" << g.attack << ", " << g.defence << ", " << g.yellowKeys << ", "
          << g.blueKeys << ", " << g.redKeys << ", " << Literal(g.message) << "}},\n";
    } else {
      out << "false, {}},\n";
    }
  }
  out << "};\n}  // namespace\n\nconst std::span<const Speech> kSpeeches{kAll};\n\n"
         "}  // namespace quenlit\n";
  return out.str();
}

}  // namespace quenlit::tower
