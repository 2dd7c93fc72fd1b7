// Reads the 44 monster kinds of the monster table ("./data/monster.dat").
#include "data/monster_loader.h"

#include <string>

namespace quenlit {

std::map<int32_t, Monster> ReadMonsterTable(const IniFile& file) {
  std::map<int32_t, Monster> monsters;
  for (int n = 1; n <= kMonsterKinds; ++n) {
    const Monster defaults;
    Monster m;
    m.keyName = "Monster" + std::to_string(n);
    const std::string& s = m.keyName;
    m.name = file.GetString(s, "Name", defaults.name);
    m.image1 = file.GetString(s, "Image1", defaults.image1);
    m.image2 = file.GetString(s, "Image2", defaults.image2);
    m.weapon = file.GetString(s, "Weapon", defaults.weapon);
    m.hp = file.GetInt(s, "HP", 0);
    m.attack = file.GetInt(s, "Attack", 0);
    m.defend = file.GetInt(s, "Defend", 0);
    m.swift = file.GetInt(s, "Swift", 0);
    m.combo = file.GetInt(s, "Combo", 0);
    m.ability = file.GetString(s, "Ability", defaults.ability);
    m.hemophagia = file.GetInt(s, "Hemophagia", 0);
    m.critical = file.GetInt(s, "Critical", 0);
    m.criticalRatio = file.GetInt(s, "CriticalRatio", 0);
    m.exp = file.GetInt(s, "Exp", 0);
    m.gold = file.GetInt(s, "Gold", 0);
    monsters.emplace(n, m);
  }
  return monsters;
}

std::optional<std::string> FindImpossibleMonster(const IniFile& file,
                                                 const std::map<int32_t, Monster>& monsters) {
  bool anySection = false;
  for (const auto& [id, kind] : monsters) anySection = anySection || file.HasSection(kind.keyName);
  if (!anySection) return "no monster section ([Monster1] to [Monster44]) at all";
  for (const auto& [id, m] : monsters) {
    struct Number {
      const char* key;
      int32_t value;
      bool chance;
    };
    const Number numbers[] = {
        {"HP", m.hp, false},
        {"Attack", m.attack, false},
        {"Defend", m.defend, false},
        {"Swift", m.swift, true},
        {"Combo", m.combo, false},
        {"Hemophagia", m.hemophagia, true},
        {"Critical", m.critical, false},
        {"CriticalRatio", m.criticalRatio, true},
        {"Exp", m.exp, false},
        {"Gold", m.gold, false},
    };
    for (const Number& n : numbers) {
      const std::string shown =
          "[" + m.keyName + "] " + n.key + "=" + std::to_string(n.value) + " is ";
      if (n.value < 0) return shown + "below 0";
      if (n.chance && n.value > 100) return shown + "a chance above 100 percent";
    }
  }
  return std::nullopt;
}

}  // namespace quenlit
