#include "monster_source.h"

#include <set>
#include <sstream>

#include "base/strike_effects.h"
#include "source_text.h"

namespace quenlit::tower {
namespace {

// The columns of the readable table, in the order they are written.
const std::vector<std::string> kColumns = {"kind",  "name",   "hp",       "attack",        "defend",
                                           "swift", "combo",  "critical", "criticalRatio", "exp",
                                           "gold",  "weapon", "ability"};

// "-" stands for a monster with no ability.
constexpr char kNoAbility[] = "-";

std::optional<std::string> FillKind(const std::vector<std::string>& words, int expectedKind,
                                    Monster& m) {
  if (words.size() != kColumns.size())
    return "expected " + std::to_string(kColumns.size()) + " columns, found " +
           std::to_string(words.size());
  if (ParseNumber(words[0], 1, kMonsterKinds) != expectedKind)
    return "expected kind " + std::to_string(expectedKind) + ", found \"" + words[0] + "\"";
  m.keyName = "Monster" + words[0];
  m.name = words[1];
  struct NumberColumn {
    int32_t* field;
    int max;
  };
  const NumberColumn numbers[] = {{&m.hp, 999999},         {&m.attack, 99999}, {&m.defend, 99999},
                                  {&m.swift, 100},         {&m.combo, 9},      {&m.critical, 1000},
                                  {&m.criticalRatio, 100}, {&m.exp, 99999},    {&m.gold, 99999}};
  for (size_t i = 0; i < std::size(numbers); ++i) {
    const std::optional<int> value = ParseNumber(words[2 + i], 0, numbers[i].max);
    if (!value)
      return kColumns[2 + i] + " must be a whole number from 0 to " +
             std::to_string(numbers[i].max) + ", found \"" + words[2 + i] + "\"";
    *numbers[i].field = *value;
  }
  m.weapon = words[11];
  const StrikeEffect* strike = FindStrikeEffect(m.weapon);
  if (!strike || !strike->weapon) return "\"" + m.weapon + "\" is not a strike effect";
  m.ability = words[12] == kNoAbility ? "" : words[12];
  if (!m.ability.empty() && m.ability != kMageAbility)
    return "the only ability is \"" + std::string(kMageAbility) + "\" (or \"-\" for none)";
  m.image1 = MonsterPicture(expectedKind, 1);
  m.image2 = MonsterPicture(expectedKind, 2);
  return std::nullopt;
}

}  // namespace

std::string MonsterPicture(int kind, int phase) {
  return "Image " + std::to_string(2000 + 2 * kind - 2 + phase) + ".png";
}

std::optional<std::vector<Monster>> ReadMonsterTable(const std::string& path, std::string& error) {
  const auto lines = ReadSourceLines(path);
  if (!lines) {
    error = path + ": cannot be read";
    return std::nullopt;
  }
  if (lines->empty() || SplitWords(lines->front().text) != kColumns) {
    std::ostringstream header;
    for (const std::string& column : kColumns) header << column << ' ';
    error = path + ": the first line must name the columns: " + header.str();
    return std::nullopt;
  }
  std::vector<Monster> kinds;
  std::set<std::string> names;
  for (size_t i = 1; i < lines->size(); ++i) {
    const SourceLine& line = (*lines)[i];
    Monster m;
    if (auto problem = FillKind(SplitWords(line.text), static_cast<int>(kinds.size()) + 1, m)) {
      error = line.Problem(*problem);
      return std::nullopt;
    }
    if (!names.insert(m.name).second) {
      error = line.Problem("the name " + m.name + " is already taken");
      return std::nullopt;
    }
    kinds.push_back(m);
  }
  if (kinds.size() != kMonsterKinds) {
    error = path + ": the tower needs " + std::to_string(kMonsterKinds) + " kinds, found " +
            std::to_string(kinds.size());
    return std::nullopt;
  }
  return kinds;
}

std::string MonsterDataText(const std::vector<Monster>& kinds) {
  std::ostringstream out;
  for (const Monster& m : kinds) {
    out << '[' << m.keyName << "]\n"
        << "Name=" << m.name << "\nImage1=" << m.image1 << "\nImage2=" << m.image2
        << "\nWeapon=" << m.weapon << "\nHP=" << m.hp << "\nAttack=" << m.attack
        << "\nDefend=" << m.defend << "\nSwift=" << m.swift << "\nCombo=" << m.combo;
    if (!m.ability.empty()) out << "\nAbility=" << m.ability;
    out << "\nCritical=" << m.critical << "\nCriticalRatio=" << m.criticalRatio << "\nExp=" << m.exp
        << "\nGold=" << m.gold << "\n\n";
  }
  return out.str();
}

}  // namespace quenlit::tower
