// The winning route played by quenlit-sim in the built game folder, with real dodges and
// critical strikes, from a new game to the victory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "game_folder.h"
#include "json.h"
#include "process.h"

namespace quenlit::test {
namespace {

class TowerRoute : public ::testing::TestWithParam<int> {};

// The wave the game plays when a strike is dodged.
std::string MissSound() {
  for (const catalogue::SoundEntry& sound : catalogue::Sounds())
    if (sound.name == "miss") return sound.file;
  return "";
}

// Critical strikes start their weapon's sequence with a "b" added ("sword" becomes "swordb");
// no other sequence a battle or a door starts ends in "b".
int CriticalStrikes(const std::vector<std::string>& started) {
  int count = 0;
  for (const std::string& name : started)
    if (name.size() > 1 && name.back() == 'b') ++count;
  return count;
}

TEST_P(TowerRoute, ReachesVictoryInGameTime) {
  GameFolder scratch;
  std::ifstream route(QUENLIT_TOWER_SOURCES "/route.sim", std::ios::binary);
  ASSERT_TRUE(route) << "tower/route.sim is missing";
  const std::string script((std::istreambuf_iterator<char>(route)),
                           std::istreambuf_iterator<char>());
  scratch.WriteFile("route.sim", script + "dump\n");
  const int exitCode =
      RunProgram({.program = QUENLIT_SIM,
                  .arguments = {"--seed", std::to_string(GetParam()), "--root", QUENLIT_GAME_DIR},
                  .input = scratch.Path() + "/route.sim",
                  .output = scratch.Path() + "/out",
                  .errors = scratch.Path() + "/err"});
  ASSERT_EQ(exitCode, 0) << scratch.ReadFile("err");
  std::istringstream lines(scratch.ReadFile("out"));
  std::string last;
  for (std::string line; std::getline(lines, line);)
    if (!line.empty()) last = line;
  const Json state = Json::Parse(last);
  EXPECT_EQ(state["screen"].text, "Victory");
  EXPECT_EQ(state["hero"]["floor"].Int(), 9);
  EXPECT_GT(state["hero"]["hp"].Int(), 0);
  EXPECT_EQ(state["cells"].Ints()[5 * 14 + 7], 0);  // the demon king's cell is empty
  // The way up was not free of chance: strikes were dodged and some landed critically.
  const std::vector<std::string> played = state["played"].Strings();
  EXPECT_GT(std::count(played.begin(), played.end(), MissSound()), 0);
  EXPECT_GT(CriticalStrikes(state["started"].Strings()), 0);
}

INSTANTIATE_TEST_SUITE_P(TwentySeeds, TowerRoute, ::testing::Range(1, 21));

}  // namespace
}  // namespace quenlit::test
