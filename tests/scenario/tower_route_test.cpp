// The winning route played by quenlit-sim in the built game folder, with real dodges and
// critical strikes, from a new game to the victory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "folder_link.h"
#include "json.h"
#include "platform/utf8_path.h"
#include "process.h"
#include "temp_folder.h"

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

// The route's lines, as tower/route.sim holds them.
std::vector<std::string> RouteLines() {
  std::ifstream route(QUENLIT_TOWER_SOURCES "/route.sim", std::ios::binary);
  EXPECT_TRUE(route) << "tower/route.sim is missing";
  std::vector<std::string> lines;
  for (std::string line; std::getline(route, line);) lines.push_back(line);
  return lines;
}

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Plays the script with quenlit-sim on the built game folder, with its shipped config.ini;
// each "dump" line of the script gives one state. The game folder's files are linked into a
// folder of the test's own, where the autosaves that config.ini asks for are written.
std::vector<Json> Play(const std::string& script, int seed) {
  TempFolder scratch;
  const std::filesystem::path game = scratch.Path() / "game";
  std::filesystem::create_directory(game);
  for (const auto& entry : std::filesystem::directory_iterator(QUENLIT_GAME_DIR)) {
    if (entry.path().filename() == "sav") continue;
    if (entry.is_directory()) {
      LinkFolder(entry.path(), game / entry.path().filename());
    } else {
      LinkFile(entry.path(), game / entry.path().filename());
    }
  }
  scratch.Write("route.sim", script);
  const std::filesystem::path& at = scratch.Path();
  const int exitCode =
      RunProgram({.program = QUENLIT_SIM,
                  .arguments = {"--seed", std::to_string(seed), "--root", platform::Utf8Of(game)},
                  .input = platform::Utf8Of(at / "route.sim"),
                  .output = platform::Utf8Of(at / "out"),
                  .errors = platform::Utf8Of(at / "err")});
  EXPECT_EQ(exitCode, 0) << ReadAll(at / "err");
  std::vector<Json> dumps;
  std::istringstream lines(ReadAll(at / "out"));
  for (std::string line; std::getline(lines, line);)
    if (!line.empty()) dumps.push_back(Json::Parse(line));
  return dumps;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string script;
  for (const std::string& line : lines) script += line + "\n";
  return script;
}

void ExpectVictory(const Json& state) {
  EXPECT_EQ(state["screen"].text, "Victory");
  EXPECT_EQ(state["hero"]["floor"].Int(), 9);
  EXPECT_GT(state["hero"]["hp"].Int(), 0);
  EXPECT_EQ(state["cells"].Ints()[5 * 14 + 7], 0);  // the demon king's cell is empty
}

TEST_P(TowerRoute, ReachesVictoryInGameTime) {
  const std::vector<Json> dumps = Play(Joined(RouteLines()) + "dump\n", GetParam());
  ASSERT_FALSE(dumps.empty());
  const Json& state = dumps.back();
  ExpectVictory(state);
  // The way up was not free of chance: strikes were dodged and some landed critically.
  const std::vector<std::string> played = state["played"].Strings();
  EXPECT_GT(std::count(played.begin(), played.end(), MissSound()), 0);
  EXPECT_GT(CriticalStrikes(state["started"].Strings()), 0);
}

INSTANTIATE_TEST_SUITE_P(TwentySeeds, TowerRoute, ::testing::Range(1, 21));

bool IsArrow(const std::string& line) {
  return line == "key Up" || line == "key Down" || line == "key Left" || line == "key Right";
}

// The shipped config.ini lets an arrow close a notice and take its step in one press: the
// route wins without every Enter that closes a notice before a step. The Enters that close a
// speech, the shop or anything else stay.
TEST(TowerRouteWithQuickMessages, WinsWithoutTheEntersThatCloseNotices) {
  const std::vector<std::string> route = RouteLines();
  // First the route as it is, with a look at the screen before each Enter an arrow follows.
  std::vector<std::string> looking;
  std::vector<size_t> entersBeforeArrows;
  for (size_t i = 0; i < route.size(); ++i) {
    if (route[i] == "key Enter" && i + 1 < route.size() && IsArrow(route[i + 1])) {
      looking.push_back("dump");
      entersBeforeArrows.push_back(i);
    }
    looking.push_back(route[i]);
  }
  const std::vector<Json> screens = Play(Joined(looking), 1);
  ASSERT_EQ(screens.size(), entersBeforeArrows.size());
  std::vector<bool> dropped(route.size(), false);
  for (size_t k = 0; k < screens.size(); ++k)
    dropped[entersBeforeArrows[k]] = screens[k]["screen"].text == "Message";

  std::vector<std::string> shortened;
  int entersBefore = 0, entersAfter = 0;
  for (size_t i = 0; i < route.size(); ++i) {
    entersBefore += route[i] == "key Enter";
    if (dropped[i]) continue;
    shortened.push_back(route[i]);
    entersAfter += route[i] == "key Enter";
  }
  std::cout << "the route's Enters: " << entersBefore << " as designed, " << entersAfter
            << " with an arrow closing each notice" << std::endl;
  // Most of the route's Enters close a pickup's notice.
  EXPECT_LT(entersAfter * 2, entersBefore + 20);
  for (const int seed : {1, 7, 13}) {
    SCOPED_TRACE(seed);
    const std::vector<Json> dumps = Play(Joined(shortened) + "dump\n", seed);
    ASSERT_FALSE(dumps.empty());
    ExpectVictory(dumps.back());
  }
}

}  // namespace
}  // namespace quenlit::test
