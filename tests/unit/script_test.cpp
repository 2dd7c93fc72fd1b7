// The script language of the driver, recordings and replays: reading lines, writing a session,
// and playing a script in a running game against the clock.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "app/session/script.h"
#include "app/session/script_player.h"
#include "app/session/scripted_session.h"
#include "app/session/session_recorder.h"
#include "base/key_codes.h"
#include "temp_folder.h"
#include "world.h"

namespace quenlit {
namespace {

using Kind = ScriptCommand::Kind;

TEST(Script, ReadsEveryCommand) {
  struct Case {
    const char* line;
    Kind kind;
    uint32_t key = 0;
    double seconds = 0;
  };
  const Case cases[] = {
      {"", Kind::Nothing},
      {"# a comment", Kind::Nothing},
      {"key Enter", Kind::Key, 13},
      {"down Left", Kind::Down, 37},
      {"up 65", Kind::Up, 65},
      {"key Q", Kind::Key, 'Q'},
      {"wait 0.25", Kind::Wait, 0, 0.25},
      {"until Battle 3", Kind::Until, 0, 3},
      {"until Map", Kind::Until, 0, 60},
      {"wait 1000000", Kind::Wait, 0, 1e6},
      {"dump", Kind::Dump},
      {"shot a.png", Kind::Shot},
      {"seed 4294967295", Kind::Seed},
  };
  for (const Case& c : cases) {
    const auto command = ParseScriptLine(c.line);
    ASSERT_TRUE(command) << c.line;
    EXPECT_EQ(command->kind, c.kind) << c.line;
    EXPECT_EQ(command->key, c.key) << c.line;
    EXPECT_EQ(command->seconds, c.seconds) << c.line;
  }
  EXPECT_EQ(ParseScriptLine("seed 42")->seed, 42u);
  EXPECT_EQ(ParseScriptLine("until Battle")->screen, GameScreen::Battle);
  EXPECT_EQ(ParseScriptLine("shot a.png")->file, "a.png");
}

TEST(Script, RefusesDamagedAndUnknownLines) {
  for (const char* line : {"jump",
                           "key",
                           "key Space",
                           "key a",
                           "key 256",
                           "key A B",
                           "wait",
                           "wait -1",
                           "wait x",
                           "wait 1e300",
                           "wait nan",
                           "until Map 1000001",
                           "until Nowhere",
                           "until Map soon",
                           "dump now",
                           "shot",
                           "shot a b",
                           "seed -1",
                           "seed 4294967296",
                           "seed x"}) {
    EXPECT_FALSE(ParseScriptLine(line)) << line;
  }
  EXPECT_EQ(ScriptLineError(3, "jump"), "line 3: cannot understand \"jump\"");
  // A damaged line is quoted short and harmless.
  const struct {
    std::string line, shown;
  } quoted[] = {
      {"\x1b[2Jwipe\tout", "\\x1B[2Jwipe\\x09out"},
      {std::string(10'000'000, 'z'), std::string(80, 'z') + "..."},
      {std::string(79, 'a') + "塔", std::string(79, 'a') + "..."},  // not cut inside 塔
      {std::string(80, 'a'), std::string(80, 'a')},
  };
  for (const auto& q : quoted) EXPECT_EQ(ShownLine(q.line), q.shown) << q.shown;
}

TEST(Script, KeyNamesReadBackAsTheirKeys) {
  for (uint32_t key : {13u, 37u, 38u, 39u, 40u, 119u, 65u, 90u, 8u, 255u}) {
    const std::string name = ScriptKeyName(key);
    const auto command = ParseScriptLine("key " + name);
    ASSERT_TRUE(command) << name;
    EXPECT_EQ(command->key, key) << name;
  }
  EXPECT_EQ(ScriptKeyName(13), "Enter");
  EXPECT_EQ(ScriptKeyName('D'), "D");
}

TEST(SessionRecorder, WritesTheSeedTheKeysAtTheirTimesAndTheEnd) {
  std::ostringstream out;
  SessionRecorder recorder(out);
  recorder.Key(vk::kKeyDown, vk::kUp, 500);  // before the start: not part of the session
  recorder.Start(42, 1000);
  recorder.Key(vk::kKeyDown, vk::kUp, 1000);
  recorder.Key(vk::kKeyUp, vk::kUp, 1120);
  recorder.Key(vk::kKeyDown, 'D', 1120);
  recorder.Key(vk::kKeyUp, 'D', 4205);
  recorder.Finish("{\"screen\":\"Manual\"}", 5000);
  std::string text = out.str();
  // Past the comment at the top, the commands.
  text = text.substr(text.find("seed"));
  EXPECT_EQ(text,
            "seed 42\ndown Up\nwait 0.120\nup Up\ndown D\nwait 3.085\nup D\nwait 0.795\n"
            "# The session ended in this state; the dump below shows the replay's.\n"
            "# ended in: {\"screen\":\"Manual\"}\ndump\n");
  for (std::istringstream lines(out.str()); std::getline(lines, text);)
    EXPECT_TRUE(ParseScriptLine(text)) << "the driver reads every line: " << text;
}

std::optional<ScriptPlayer> Read(const std::string& script, std::string& error) {
  std::istringstream in(script);
  return ScriptPlayer::Read(in, error);
}

TEST(ScriptPlayer, PressesEachKeyWhenItsTimeHasCome) {
  test::World world;
  std::string error;
  auto player = Read("seed 7\nwait 0.5\nkey Up\n\n# then the manual\nwait 1\nkey D\n", error);
  ASSERT_TRUE(player) << error;
  std::vector<ScriptCommand> done;
  const auto perform = [&](const ScriptCommand& c) {
    done.push_back(c);
    if (c.kind == Kind::Key) world.Press(c.key);
  };
  const Cell start = world.hero.Position();
  EXPECT_EQ(player->MsUntilDue(10000), 0u) << "due as soon as it starts";
  player->Play(world.game, 10000, perform);
  ASSERT_EQ(done.size(), 1u) << "the seed at once";
  EXPECT_EQ(done[0].seed, 7u);
  EXPECT_EQ(player->MsUntilDue(10000), 500u) << "the main loop may sleep through the wait";
  player->Play(world.game, 10499, perform);
  EXPECT_EQ(world.hero.Position(), start);
  EXPECT_EQ(player->MsUntilDue(10499), 1u);
  player->Play(world.game, 10520, perform);
  EXPECT_EQ(world.hero.Position().row, start.row - 1);
  EXPECT_EQ(player->MsUntilDue(10520), 980u) << "the next wait counts from the script's time";
  // A late turn does not push the next key later: it is due 1.5 s after the start.
  player->Play(world.game, 11499, perform);
  EXPECT_EQ(world.game.screen, GameScreen::Map);
  EXPECT_FALSE(player->Finished());
  player->Play(world.game, 11500, perform);
  EXPECT_EQ(world.game.screen, GameScreen::Manual);
  EXPECT_TRUE(player->Finished());
  EXPECT_FALSE(player->MsUntilDue(11500));
  EXPECT_EQ(player->Error(), "");
}

TEST(ScriptPlayer, UntilWaitsForTheScreenAndStopsWithTheReasonAfterItsTime) {
  test::World world;
  std::string error;
  auto player = Read("until Paused 2\nkey P\nuntil Battle 1\nkey Up\n", error);
  ASSERT_TRUE(player) << error;
  const auto perform = [&](const ScriptCommand& c) { world.Press(c.key); };
  player->Play(world.game, 0, perform);
  world.game.screen = GameScreen::Paused;
  player->Play(world.game, 300, perform);
  EXPECT_EQ(world.game.screen, GameScreen::Map) << "P pressed once Paused showed";
  EXPECT_EQ(player->MsUntilDue(300), 1000u) << "the until's time, counted from the P";
  player->Play(world.game, 1299, perform);
  EXPECT_FALSE(player->Finished());
  player->Play(world.game, 1300, perform);
  EXPECT_TRUE(player->Finished());
  EXPECT_EQ(player->Error(), "line 3: until Battle: still Map after 1 s");
  EXPECT_EQ(world.hero.Position(), (Cell{12, 7})) << "nothing after the failed until";
}

TEST(ScriptPlayer, ADamagedLineIsNamedBeforeAnythingPlays) {
  std::string error;
  EXPECT_FALSE(Read("key Up\nwait 1\n\nkey Jump\nkey Down\n", error));
  EXPECT_EQ(error, "line 4: cannot understand \"key Jump\"");
  EXPECT_FALSE(Read("key Up\r\nwait soon\r\n", error));
  EXPECT_EQ(error, "line 2: cannot understand \"wait soon\"");
}

// The program's side: a session that starts once the game has loaded, and hands the keys back
// to the player when a replay is over.
struct Session {
  test::World world;
  std::ostringstream out, errors;
  std::vector<uint32_t> pressed;  // the keys down that reached the game
  ScriptedSession session{world.game,
                          [this](uint32_t message, uint32_t key) {
                            if (message == vk::kKeyDown) pressed.push_back(key);
                            world.game.HandleInput(message, key);
                            session.Pressed(message, key, now);
                          },
                          out, errors};
  uint64_t now = 0;
};

TEST(ScriptedSession, ARecordingStartsWithItsSeedOnceTheGameHasLoaded) {
  test::WorkingFolder folder;
  Session s;
  std::string error;
  ASSERT_TRUE(s.session.Record("session.sim", 42, error)) << error;
  EXPECT_FALSE(s.session.TakesPlayersKeys()) << "keys during the loading are not recorded";
  s.session.Tick(false, 100);
  EXPECT_EQ(s.session.MsUntilDue(100), std::nullopt) << "nothing to replay";
  Random recorded, other;
  recorded.Seed(42);
  other.Seed(1);  // the world's own seed
  const int firstRoll = recorded.Next();
  ASSERT_NE(firstRoll, other.Next());
  s.session.Tick(true, 1000);
  EXPECT_TRUE(s.session.TakesPlayersKeys());
  EXPECT_EQ(s.world.game.random.Next(), firstRoll) << "the game rolls from the seed written";
  s.world.game.HandleInput(vk::kKeyDown, vk::kUp);
  s.session.Pressed(vk::kKeyDown, vk::kUp, 1250);
  s.session.End(2000);
  std::ifstream in(folder.Path() / "session.sim");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_NE(text.find("seed 42\nwait 0.250\ndown Up\nwait 0.750\n# The session ended"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\"row\":11,"), std::string::npos) << "the state it ended in: " << text;
  EXPECT_EQ(text.substr(text.size() - 5), "dump\n");
}

TEST(ScriptedSession, ARecordingThatCannotBeWrittenStopsAndSaysWhyOnce) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no device that is always full, as /dev/full is";
#endif
  Session s;
  std::string error;
  ASSERT_TRUE(s.session.Record("/dev/full", 42, error)) << error;
  s.session.Tick(true, 1000);
  s.world.game.HandleInput(vk::kKeyDown, vk::kUp);
  s.session.Pressed(vk::kKeyDown, vk::kUp, 1250);
  s.session.End(2000);
  EXPECT_TRUE(s.session.RecordingFailed());
  EXPECT_EQ(s.errors.str(),
            "quenlit: the recording /dev/full stopped, it cannot be written: No space left on "
            "device\n");
}

TEST(ScriptedSession, ASecondGameCannotRecordOverTheFirstOnesRecording) {
  test::WorkingFolder folder;
  Session first, second;
  std::string error;
  ASSERT_TRUE(first.session.Record("session.sim", 42, error)) << error;
  first.session.Tick(true, 1000);
  EXPECT_FALSE(second.session.Record("session.sim", 7, error));
  EXPECT_EQ(error, "cannot write the recording session.sim: in use by another Quenlit");
  first.session.End(2000);
  EXPECT_FALSE(first.session.RecordingFailed());
  std::ifstream in(folder.Path() / "session.sim");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_NE(text.find("seed 42\n"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 5), "dump\n");
}

TEST(ScriptedSession, AReplayHoldsThePlayersKeysUntilItIsOver) {
  test::WorkingFolder folder;
  folder.Write("replay.sim", "seed 9\nwait 0.5\nkey Up\ndump\n");
  Session s;
  std::string error;
  ASSERT_TRUE(s.session.Replay("replay.sim", error)) << error;
  s.session.Tick(false, 0);
  s.session.Tick(true, 1000);
  EXPECT_FALSE(s.session.TakesPlayersKeys());
  EXPECT_EQ(s.session.MsUntilDue(1000), 500u);
  s.session.Tick(true, 1499);
  EXPECT_TRUE(s.pressed.empty());
  s.session.Tick(true, 1500);
  EXPECT_EQ(s.pressed, std::vector<uint32_t>{vk::kUp});
  EXPECT_NE(s.out.str().find("\"row\":11,"), std::string::npos) << s.out.str();
  EXPECT_TRUE(s.session.TakesPlayersKeys());
  EXPECT_EQ(s.errors.str(), "quenlit: the replay of replay.sim is over; the keys are yours\n");
}

}  // namespace
}  // namespace quenlit
