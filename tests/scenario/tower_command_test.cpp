// quenlit-tower as a player or a designer runs it: building the data, checking the tower.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game_folder.h"
#include "process.h"

namespace quenlit::test {
namespace {

const std::string kTool = QUENLIT_GAME_DIR "/quenlit-tower";
const std::string kSources = QUENLIT_TOWER_SOURCES;

struct Outcome {
  int exitCode = -1;
  std::string out, err;
};

Outcome RunTool(const GameFolder& scratch, const std::vector<std::string>& arguments) {
  const int exitCode = RunProgram({.program = kTool,
                                   .arguments = arguments,
                                   .output = scratch.Path() + "/out",
                                   .errors = scratch.Path() + "/err"});
  return {exitCode, scratch.ReadFile("out"), scratch.ReadFile("err")};
}

std::string Shown(const std::vector<std::string>& arguments) {
  std::string shown;
  for (const std::string& argument : arguments) shown += " " + argument;
  return shown;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(TowerCommand, ChecksTheShippedTowerAndWritesItsRoute) {
  GameFolder scratch;
  const Outcome won = RunTool(scratch, {"check", "--root", QUENLIT_GAME_DIR, "--sim",
                                        scratch.Path() + "/route.sim", kSources + "/route.txt"});
  EXPECT_EQ(won.exitCode, 0) << won.err;
  EXPECT_TRUE(EndsWith(won.out, "The tower can be won.\n")) << won.out;
  for (const char* part : {"Floor 1: entered at (12, 7)", "keys lying here: yellow",
                           "fights 骷髅队长 at (1, 4)", "Boss 魔王 at floor 9 (5, 7)", "margin"})
    EXPECT_NE(won.out.find(part), std::string::npos) << part;
  EXPECT_EQ(scratch.ReadFile("route.sim"), ReadWhole(kSources + "/route.sim"));
}

TEST(TowerCommand, SaysWhyACarelessPlanLoses) {
  GameFolder scratch;
  const Outcome lost =
      RunTool(scratch, {"check", "--root", QUENLIT_GAME_DIR, kSources + "/careless/wrong_key.txt"});
  EXPECT_EQ(lost.exitCode, 1);
  EXPECT_NE(lost.out.find("The route fails: "), std::string::npos);
  EXPECT_TRUE(EndsWith(lost.out, "The tower cannot be won.\n")) << lost.out;
}

TEST(TowerCommand, RefusesWrongInputWithAClearMessage) {
  GameFolder scratch;
  scratch.WriteFile("tower/monsters.txt", "kind name hp\n");
  scratch.WriteFile("plan.txt", "to 1 1\n");
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{}, "usage: quenlit-tower build TOWER_DIR DATA_DIR"},
      {{"check", "--root"}, "usage:"},
      {{"check", "--fast", "x", "plan.txt"}, "usage:"},
      {{"check", "--root", scratch.Path(), scratch.Path() + "/plan.txt"},
       "quenlit-tower: Data\\1.map is missing"},
      {{"check", scratch.Path() + "/nothing.txt"}, "nothing.txt: cannot be read"},
      {{"build", scratch.Path() + "/tower", scratch.Path() + "/data"},
       "monsters.txt: the first line must name the columns"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = RunTool(scratch, c.arguments);
    EXPECT_EQ(outcome.exitCode, 2) << Shown(c.arguments);
    EXPECT_NE(outcome.err.find(c.message), std::string::npos)
        << Shown(c.arguments) << ": " << outcome.err;
  }
  // A tower that cannot be read writes nothing.
  EXPECT_FALSE(std::filesystem::exists(scratch.Path() + "/data"));
}

}  // namespace
}  // namespace quenlit::test
