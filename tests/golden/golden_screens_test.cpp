// Golden pictures of every screen, drawn by quenlit-sim's "shot" from small game folders with
// the generated pictures, compared with the stored ones under a small tolerance.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>

#include "golden_folder.h"
#include "golden_picture.h"

namespace quenlit::test {
namespace {

// One character a cell; the legend gives the tile codes.
using Layout = std::array<const char*, 14>;

const std::map<char, int>& Legend() {
  static const std::map<char, int> legend = {
      {'.', 0},   {'#', 255}, {'<', 246}, {'>', 247}, {'Y', 241}, {'B', 242}, {'R', 243},
      {'G', 244}, {'J', 245}, {'k', 225}, {'l', 226}, {'m', 227}, {'$', 228}, {'K', 229},
      {'p', 230}, {'q', 231}, {'P', 234}, {'Q', 235}, {'e', 232}, {'f', 233}, {'E', 240},
      {'s', 209}, {'S', 214}, {'x', 236}, {'X', 237}, {'*', 238}, {'H', 239}, {'c', 219},
      {'w', 222}, {'W', 220}, {'h', 223}, {'a', 206}, {'~', 251}, {'M', 252}, {'d', 253},
      {':', 254}, {'A', 71},  {'O', 72},  {'Z', 73},  {'F', 74},  {'1', 1},   {'2', 2},
      {'3', 3},   {'4', 4},   {'5', 5},   {'6', 6},   {'9', 9},
  };
  return legend;
}

// Floor 1: something of nearly every kind, the old man at the cell where he speaks.
constexpr Layout kShowcase = {
    "##############", "#<.YBRGJ....>#", "#............#", "#sSklm$KpqefE#", "#PQxX*HcwWha.#",
    "#............#", "#O.123456.AZF#", "#............#", "#~Md:~Md:....#", "#..####.####.#",
    "#............#", "#............#", "#............#", "##############",
};
// Floor 2: four kinds of monster, for two pages of the manual.
constexpr Layout kFourKinds = {
    "##############", "#............#", "#.1...2...3..#", "#............#", "#.4..........#",
    "#............#", "#............#", "#............#", "#............#", "#............#",
    "#............#", "#............#", "#............#", "##############",
};
// A plain room with the hero's way up blocked by one cell, set per scene.
constexpr Layout kRoom = {
    "##############", "#............#", "#............#", "#............#", "#............#",
    "#............#", "#............#", "#............#", "#............#", "#............#",
    "#............#", "#............#", "#............#", "##############",
};

void Lay(GoldenFolder& folder, int floor, const Layout& layout) {
  for (int row = 0; row < 14; ++row)
    for (int column = 0; column < 14; ++column)
      folder.SetCell(floor, row, column, Legend().at(layout[row][column]));
}

// The hero every scene loads: strong enough to show real numbers, with keys and gold.
SavedHero ShowcaseHero(int floor, int row, int column) {
  SavedHero hero;
  hero.floor = floor;
  hero.row = row;
  hero.column = column;
  hero.hp = 1520;
  hero.attack = 41;
  hero.defence = 37;
  hero.agility = 9;
  hero.level = 3;
  hero.exp = 260;
  hero.items = {{225, 3}, {226, 2}, {227, 1}, {228, 135}};
  return hero;
}

struct Scene {
  const char* name;
  SavedHero hero;
  std::function<void(GoldenFolder&)> build;  // floors and monsters beyond the showcase
  const char* script;                        // after the save is loaded
};
// Listed under its name rather than as raw bytes.
void PrintTo(const Scene& c, std::ostream* out) {
  *out << c.name;
}

// The monsters every folder has: the six of the showcase, with the built game's pictures.
void AddShowcaseMonsters(GoldenFolder& folder) {
  const char* names[] = {"绿头怪", "红头怪", "青头怪", "小蝙蝠", "骷髅人", "初级法师"};
  for (int id = 1; id <= 6; ++id) {
    folder.SetPicturedMonster(
        id, names[id - 1],
        "HP=" + std::to_string(30 * id) + "\nAttack=" + std::to_string(40 + 5 * id) +
            "\nDefend=" + std::to_string(id) + "\nSwift=" + std::to_string(id) +
            "\nCombo=1\nExp=" + std::to_string(id) + "\nGold=" + std::to_string(2 * id) + "\n");
  }
}

// A room on the given floor with one monster right above the hero's start.
std::function<void(GoldenFolder&)> Duel(int floor, int id, const std::string& numbers) {
  return [=](GoldenFolder& folder) {
    Lay(folder, floor, kRoom);
    folder.SetPicturedMonster(id, "对手", numbers);
    folder.SetCell(floor, 11, 7, id);
  };
}

const Scene kScenes[] = {
    {"map_full_panel", ShowcaseHero(1, 12, 7), nullptr, "wait 0.5"},
    {"walking", ShowcaseHero(1, 12, 7), nullptr, "down Up\nwait 0.4"},
    {"message_box", ShowcaseHero(1, 12, 7), [](GoldenFolder& f) { f.SetCell(1, 11, 7, 225); },
     "key Up\nwait 0.3"},
    {"dialogue_speaker", ShowcaseHero(1, 6, 2), nullptr, "key Left\nwait 0.3"},
    // The senior student's four lines, the last one the longest, end above "-Enter-".
    {"dialogue_four_lines", ShowcaseHero(8, 1, 2),
     [](GoldenFolder& f) {
       Lay(f, 8, kRoom);
       f.SetCell(8, 1, 1, Legend().at('O'));
     },
     "key Left\nwait 0.3"},
    {"pause", ShowcaseHero(1, 12, 7), nullptr, "key P\nwait 0.2"},
    {"manual_full_page", ShowcaseHero(2, 12, 7), [](GoldenFolder& f) { Lay(f, 2, kFourKinds); },
     "key D\nwait 0.3"},
    {"manual_last_page", ShowcaseHero(2, 12, 7), [](GoldenFolder& f) { Lay(f, 2, kFourKinds); },
     "key D\nkey Right\nwait 0.3"},
    {"manual_empty_floor", ShowcaseHero(3, 12, 7), [](GoldenFolder& f) { Lay(f, 3, kRoom); },
     "key D\nwait 0.3"},
    {"manual_cannot_hurt", ShowcaseHero(4, 12, 7),
     [](GoldenFolder& f) {
       Lay(f, 4, kRoom);
       f.SetPicturedMonster(9, "铁甲卫士", "HP=500\nAttack=60\nDefend=999\nCombo=1\nExp=30\n");
       f.SetCell(4, 5, 5, 9);
     },
     "key D\nwait 0.3"},
    // The monster dodges every blow, so the hero's "MISS!!" rises just as the blaze that
    // answered his previous blow is still burning.
    {"battle_effect_miss", ShowcaseHero(5, 12, 7),
     Duel(5, 10, "HP=100\nAttack=60\nDefend=0\nSwift=100\nCombo=1\nWeapon=fire\n"),
     "key Up\nwait 0.8"},
    {"battle_won", ShowcaseHero(5, 12, 7), Duel(5, 10, "HP=20\nAttack=10\nExp=5\nGold=8\n"),
     "key Up\nuntil BattleWon 10\nwait 0.3"},
    {"game_over_1s", ShowcaseHero(5, 12, 7), Duel(5, 10, "HP=9999\nAttack=5000\nCombo=1\n"),
     "key Up\nuntil GameOver 10\nwait 1"},
    {"game_over_4s", ShowcaseHero(5, 12, 7), Duel(5, 10, "HP=9999\nAttack=5000\nCombo=1\n"),
     "key Up\nuntil GameOver 10\nwait 4"},
    {"game_over_8s", ShowcaseHero(5, 12, 7), Duel(5, 10, "HP=9999\nAttack=5000\nCombo=1\n"),
     "key Up\nuntil GameOver 10\nwait 8"},
    // The demon king stands on floor 9 at row 5, column 7.
    {"victory_0_5s", ShowcaseHero(9, 6, 7),
     [](GoldenFolder& f) {
       Lay(f, 9, kRoom);
       f.SetPicturedMonster(11, "魔王", "HP=10\nAttack=10\nExp=100\nGold=100\n");
       f.SetCell(9, 5, 7, 11);
     },
     "key Up\nuntil BattleWon 10\nkey Enter\nwait 0.5"},
    {"victory_2s", ShowcaseHero(9, 6, 7),
     [](GoldenFolder& f) {
       Lay(f, 9, kRoom);
       f.SetPicturedMonster(11, "魔王", "HP=10\nAttack=10\nExp=100\nGold=100\n");
       f.SetCell(9, 5, 7, 11);
     },
     "key Up\nuntil BattleWon 10\nkey Enter\nwait 2"},
    // 21 drawn frames raise the curtain to about half; the shot's own frame adds one.
    {"floor_change_half", ShowcaseHero(1, 12, 7), [](GoldenFolder& f) { f.SetCell(1, 11, 7, 247); },
     "key Up\nwait 0.35"},
};

class GoldenScreen : public testing::TestWithParam<Scene> {};

TEST_P(GoldenScreen, MatchesItsGoldenPicture) {
  const Scene& scene = GetParam();
  GoldenFolder folder;
  Lay(folder, 1, kShowcase);
  AddShowcaseMonsters(folder);
  if (scene.build) scene.build(folder);
  folder.WriteWithAssets();
  folder.WriteSave(scene.hero);
  // The save puts the hero where the scene wants him; its message is closed at once.
  const std::string script = std::string("key L\nkey Enter\n") + scene.script;
  ExpectMatchesGolden(scene.name, folder.Shoot(script, scene.name));
}

INSTANTIATE_TEST_SUITE_P(Screens, GoldenScreen, testing::ValuesIn(kScenes),
                         [](const testing::TestParamInfo<Scene>& info) {
                           return std::string(info.param.name);
                         });

// The built game itself as a new game starts, at the window size and scale of the game's own
// defaults (an empty config.ini): the scene at its own size in the window's corner.
TEST(GoldenGame, NewGameMapOfTheBuiltGame) {
  GoldenFolder folder;  // a place for the game's links, its config.ini and the picture
  ExpectMatchesGolden("new_game_map", ShootBuiltGame(folder, "", "new_game_map"));
}

}  // namespace
}  // namespace quenlit::test
