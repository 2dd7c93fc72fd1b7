// The readable tower: the monster table, the legend and the floor drawings, and the data
// folder compiled from them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "checker_world.h"
#include "game_folder.h"
#include "tower_compiler.h"

namespace quenlit::tower {
namespace {

using test::GameFolder;

constexpr char kHeader[] =
    "kind name hp attack defend swift combo critical criticalRatio exp gold weapon ability";

// A small tower in a scratch folder: 44 kinds named 怪1 to 怪44, a legend of floor, wall and
// the symbol k for kind 1, and twenty floors of plain floor. Tests change single lines.
class SourceTower {
 public:
  SourceTower() {
    table_.push_back(kHeader);
    for (int n = 1; n <= 44; ++n)
      table_.push_back(std::to_string(n) + " 怪" + std::to_string(n) + " " +
                       std::to_string(10 * n) + " " + std::to_string(n + 5) + " " +
                       std::to_string(n) + " 0 1 0 0 " + std::to_string(n) + " 2 fist -");
    for (int n = 1; n <= 20; ++n) floors_[n] = std::vector<std::string>(14, std::string(14, '.'));
  }

  std::vector<std::string>& Table() { return table_; }
  std::vector<std::string>& Floor(int n) { return floors_[n]; }
  std::string& legend() { return legend_; }
  std::string& characters() { return characters_; }

  // Writes the sources and reads them back with the compiler.
  std::optional<TowerSource> Read(std::string& error) {
    folder_.WriteFile("tower/monsters.txt", Join(table_));
    folder_.WriteFile("tower/legend.txt", legend_);
    folder_.WriteFile("tower/characters.txt", characters_);
    for (const auto& [n, lines] : floors_) {
      char name[32];
      std::snprintf(name, sizeof name, "tower/floors/%02d.txt", n);
      folder_.WriteFile(name, "; floor " + std::to_string(n) + "\n" + Join(lines));
    }
    return ReadTower(folder_.Path() + "/tower", error);
  }
  const std::string& Path() const { return folder_.Path(); }
  GameFolder& Folder() { return folder_; }

 private:
  static std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
  }
  GameFolder folder_;
  std::vector<std::string> table_;
  std::map<int, std::vector<std::string>> floors_;
  std::string legend_ = ". = 0   ; floor\n# = 255 ; wall\nk = 怪1\nc = 71\n";
  std::string characters_ =
      "[shop]\nopening price = 20\nrise = 1\nattack = 3\ndefence = 4\n"
      "attack bought = +3 %d\ndefence bought = +4 %d\ntoo poor = need %d\n";
};

TEST(TowerSource, ReadsEveryColumnOfTheMonsterTable) {
  SourceTower tower;
  tower.Table()[3] = "3 法师三 120 45 12 10 2 150 20 7 9 magic 法师";
  std::string error;
  const auto read = tower.Read(error);
  ASSERT_TRUE(read) << error;
  ASSERT_EQ(read->kinds.size(), 44u);
  const Monster& m = read->kinds[2];
  EXPECT_EQ(m.keyName, "Monster3");
  EXPECT_EQ(m.name, "法师三");
  EXPECT_EQ(m.image1, "Image 2005.png");
  EXPECT_EQ(m.image2, "Image 2006.png");
  EXPECT_EQ(std::vector<int>({m.hp, m.attack, m.defend, m.swift, m.combo, m.critical,
                              m.criticalRatio, m.exp, m.gold}),
            std::vector<int>({120, 45, 12, 10, 2, 150, 20, 7, 9}));
  EXPECT_EQ(m.weapon, "magic");
  EXPECT_EQ(m.ability, "法师");
  EXPECT_EQ(read->kinds[43].image2, "Image 2088.png");
  EXPECT_EQ(read->kinds[0].ability, "");
}

// A speech must stand on a character of its floor, and every character must have a speech:
// otherwise a character moved in a floor drawing would silently stop talking.
TEST(TowerSource, SpeechesAndCharactersMustAgree) {
  struct Case {
    const char* what;
    bool merchantOnFloor2;
    const char* speech;   // appended to characters.txt
    const char* problem;  // "" when the tower reads
  };
  const Case cases[] = {
      {"agreeing", true, "[floor 2, row 0, column 3]\nsays = hi\n", ""},
      {"a speech on an empty cell", false, "[floor 2, row 0, column 3]\nsays = hi\n",
       "the speech for floor 2 at (0, 3) has no character on its cell"},
      {"a silent character", true, "", "the character on floor 2 at (0, 3) has no speech"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SourceTower tower;
    if (c.merchantOnFloor2) tower.Floor(2)[0] = "...c..........";
    tower.characters() += c.speech;
    std::string error;
    const auto read = tower.Read(error);
    EXPECT_EQ(read.has_value(), std::string(c.problem).empty());
    EXPECT_NE(error.find(c.problem), std::string::npos) << error;
  }
}

TEST(TowerSource, RefusesAMonsterTableThatIsWrong) {
  struct Case {
    const char* what;
    size_t line;
    const char* text;  // nullptr removes the line
    const char* message;
  };
  const Case cases[] = {
      {"header", 0, "kind name hp", "monsters.txt: the first line must name the columns"},
      {"columns", 3, "3 怪3 10 10", "monsters.txt:4: expected 13 columns, found 4"},
      {"order", 2, "5 怪2 10 10 1 0 1 0 0 1 1 fist -", "monsters.txt:3: expected kind 2"},
      {"weapon", 4, "4 怪4 10 10 1 0 1 0 0 1 1 bow -", "\"bow\" is not a strike effect"},
      {"ability", 4, "4 怪4 10 10 1 0 1 0 0 1 1 fist 战士", "the only ability is \"法师\""},
      {"swift", 4, "4 怪4 10 10 1 101 1 0 0 1 1 fist -",
       "swift must be a whole number from 0 to 100"},
      {"negative", 4, "4 怪4 -10 10 1 0 1 0 0 1 1 fist -", "hp must be a whole number"},
      {"name twice", 5, "5 怪4 10 10 1 0 1 0 0 1 1 fist -", "the name 怪4 is already taken"},
      {"too few", 44, nullptr, "the tower needs 44 kinds, found 43"},
  };
  for (const Case& c : cases) {
    SourceTower tower;
    if (c.text)
      tower.Table()[c.line] = c.text;
    else
      tower.Table().erase(tower.Table().begin() + c.line);
    std::string error;
    EXPECT_FALSE(tower.Read(error)) << c.what;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
  }
}

TEST(TowerSource, DrawsFloorsThroughTheCommonAndTheFloorsOwnLegend) {
  SourceTower tower;
  tower.Floor(3)[0] = "##############";
  tower.Floor(3)[2] = "..k..m..s.....";
  tower.Floor(3).push_back("m = 怪7");
  tower.Floor(3).push_back("s = 209   ; iron sword");
  std::string error;
  const auto read = tower.Read(error);
  ASSERT_TRUE(read) << error;
  const quenlit::Floor& floor = read->floors[2];
  EXPECT_EQ(floor.At(0, 13), 255);
  EXPECT_EQ(floor.At(2, 2), 1);
  EXPECT_EQ(floor.At(2, 5), 7);
  EXPECT_EQ(floor.At(2, 8), 209);
  EXPECT_EQ(floor.At(13, 13), 0);
  // Another floor does not know the symbols of floor 3.
  tower.Floor(4)[5] = "m.............";
  EXPECT_FALSE(tower.Read(error));
  EXPECT_NE(error.find("04.txt:7: the symbol 'm' in column 0 is in no legend"), std::string::npos)
      << error;
}

TEST(TowerSource, RefusesAFloorDrawingThatIsWrong) {
  struct Case {
    const char* what;
    int floor;
    int row;  // -1 appends a legend line, -2 removes the last row
    const char* text;
    const char* message;
    const char* legendLine = nullptr;  // a symbol the case needs
  };
  const Case cases[] = {
      {"short drawing", 2, -2, "", "02.txt: a floor is drawn in 14 lines, found 13"},
      {"short row", 2, 4, ".............", "02.txt:6: a row has 14 symbols, this one 13"},
      {"unknown symbol", 5, 0, "...Z..........", "the symbol 'Z' in column 3 is in no legend"},
      {"bad code", 5, -1, "Z = 999", "\"999\" is neither a tile code 0-255 nor a monster's name"},
      {"unknown monster", 5, -1, "Z = 史莱姆", "\"史莱姆\" is neither a tile code"},
      {"symbol taken", 5, -1, ". = 255", "the symbol '.' already means 0"},
      {"not a legend line", 5, -1, "ZZ = 3", "a legend line reads \"S = VALUE\""},
      {"kind 26 below 11", 10, 0, "Q.............", "kind 26 cannot stand on floors 1 to 10",
       "Q = 怪26"},
  };
  for (const Case& c : cases) {
    SourceTower tower;
    std::vector<std::string>& lines = tower.Floor(c.floor);
    if (c.row == -2)
      lines.pop_back();
    else if (c.row == -1)
      lines.push_back(c.text);
    else
      lines[c.row] = c.text;
    if (c.legendLine) lines.push_back(c.legendLine);
    std::string error;
    EXPECT_FALSE(tower.Read(error)) << c.what;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
  }
}

TEST(TowerSource, KindTwentySixMayLiveInTheUpperTower) {
  SourceTower tower;
  tower.Floor(11)[0] = "Q.............";
  tower.Floor(11).push_back("Q = 怪26");
  std::string error;
  const auto read = tower.Read(error);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(read->floors[10].At(0, 0), 26);
}

TEST(TowerSource, CompiledDataIsWhatTheSourcesSayAndPassesTheIntegrityCheck) {
  SourceTower tower;
  tower.Floor(1)[3] = "..k....#....#.";
  tower.Floor(9)[5] = ".......k......";
  tower.Floor(15)[13] = "##############";
  std::string error;
  const auto read = tower.Read(error);
  ASSERT_TRUE(read) << error;
  ASSERT_TRUE(WriteTowerData(*read, tower.Path() + "/game/data", error)) << error;

  CheckerWorld world;
  ASSERT_TRUE(world.Load(tower.Path() + "/game", error)) << error;
  for (int n = 1; n <= 20; ++n)
    EXPECT_EQ(world.game().world.floors[n].cells, read->floors[n - 1].cells) << "floor " << n;
  for (int n = 1; n <= 44; ++n) {
    const Monster& built = world.game().world.monsters.at(n);
    const Monster& source = read->kinds[n - 1];
    EXPECT_EQ(built.name, source.name);
    EXPECT_EQ(built.image1, source.image1);
    EXPECT_EQ(built.weapon, source.weapon);
    EXPECT_EQ(built.hp, source.hp);
    EXPECT_EQ(built.attack, source.attack);
    EXPECT_EQ(built.defend, source.defend);
    EXPECT_EQ(built.exp, source.exp);
  }
}

TEST(TowerSource, AnEditedDataFileFailsTheIntegrityCheck) {
  SourceTower tower;
  std::string error;
  const auto read = tower.Read(error);
  ASSERT_TRUE(read) << error;
  ASSERT_TRUE(WriteTowerData(*read, tower.Path() + "/game/data", error)) << error;
  std::string bytes = tower.Folder().ReadFile("game/data/5.map");
  ASSERT_EQ(bytes.size(), 202u);  // the header, the cells and the four sealing bytes
  bytes[2 + 3 * 14 + 4] = static_cast<char>(233);  // a blue gem the sources do not have
  tower.Folder().WriteFile("game/data/5.map", bytes);

  CheckerWorld world;
  EXPECT_FALSE(world.Load(tower.Path() + "/game", error));
  EXPECT_EQ(error, "Data\\5.map fails the integrity check");
}

}  // namespace
}  // namespace quenlit::tower
