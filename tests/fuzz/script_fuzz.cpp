// Any text as a session script (quenlit-sim's language, the recordings that --replay plays):
// it is read or refused with the damaged line named, every key it names comes back under the
// name the recorder writes, and a script that reads is played to its end against a game.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include "app/session/script.h"
#include "app/session/script_player.h"
#include "fuzz_world.h"

namespace {

using quenlit::ScriptCommand;

// The recorder writes keys by ScriptKeyName: what it writes must read back as the same key.
void CheckKeyNameReadsBack(const ScriptCommand& command) {
  const std::optional<ScriptCommand> again =
      quenlit::ParseScriptLine("down " + quenlit::ScriptKeyName(command.key));
  if (!again || again->kind != ScriptCommand::Kind::Down || again->key != command.key)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
  std::string error;
  std::optional<quenlit::ScriptPlayer> script = quenlit::ScriptPlayer::Read(text, error);
  if (!script) {
    if (error.rfind("line ", 0) != 0) __builtin_trap();  // a refusal names its line
    return 0;
  }
  quenlit::fuzz::FuzzWorld world;
  const auto perform = [&](const ScriptCommand& command) {
    using Kind = ScriptCommand::Kind;
    if (command.kind == Kind::Key || command.kind == Kind::Down || command.kind == Kind::Up) {
      CheckKeyNameReadsBack(command);
      quenlit::SendKeyMessages(
          command, [&](uint32_t message, uint32_t key) { world.game.HandleInput(message, key); });
    }
    if (command.kind == Kind::Seed) world.game.random.Seed(command.seed);
  };
  // Each turn jumps to the moment the script next needs one, as the window's loop sleeps until
  // then: waits of any length cost one turn each, and the script always comes to its end.
  uint64_t nowMs = 0;
  for (int turn = 0; !script->Finished(); ++turn) {
    if (turn > 100000) __builtin_trap();  // a script that never ends
    script->Play(world.game, nowMs, perform);
    const std::optional<uint64_t> due = script->MsUntilDue(nowMs);
    if (due) nowMs += *due;
  }
  return 0;
}
