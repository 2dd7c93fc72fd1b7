// quenlit-sim: the real game without a window, driven by commands on standard input.
//
//   quenlit-sim [--seed N] [--root DIR] < script
//
// Commands: key NAME, down NAME, up NAME, wait SECONDS, until SCREEN [SECONDS], dump,
// shot FILE, seed N (app/session/script.h).
#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/offscreen/offscreen_game.h"
#include "app/session/script.h"
#include "app/session/state_dump.h"
#include "app/settings/tool_arguments.h"
#include "base/folder_visit.h"
#include "base/key_codes.h"
#include "game/game.h"
#include "platform/standard_streams.h"
#include "platform/utf8_path.h"

namespace quenlit::sim {
namespace {

constexpr int kMalformed = 2;
constexpr int kTimedOut = 3;
constexpr int kShotFailed = 4;

class Driver {
 public:
  // Reads the game folder's config.ini; nothing is loaded until Start.
  Driver() {
    if (!offscreen_.canvas()) {
      // The game runs on without pictures; only "shot" needs the canvas, and says so.
      std::cerr << "quenlit-sim: " << offscreen_.canvasError() << std::endl;
    } else {
      // Only "shot" paints, and only the pictures it shows are decoded.
      offscreen_.canvas()->SetDecodeOnDemand(true);
    }
    offscreen_.parts.NotePlayback();
  }

  void Start(bool seeded, uint32_t seed) {
    if (seeded) game_.random.Seed(seed);
    offscreen_.Load();
    offscreen_.parts.played.clear();
    offscreen_.parts.started.clear();
  }

  // Runs one script line; false when the line is malformed.
  bool Run(const std::string& line) {
    const std::optional<ScriptCommand> command = ParseScriptLine(line);
    if (!command) return false;
    using Kind = ScriptCommand::Kind;
    switch (command->kind) {
      case Kind::Nothing:
        break;
      case Kind::Key:
      case Kind::Down:
      case Kind::Up:
        SendKeyMessages(
            *command, [this](uint32_t message, uint32_t key) { game_.HandleInput(message, key); });
        break;
      case Kind::Wait:
        Wait(command->seconds, nullptr);
        break;
      case Kind::Until:
        if (!Wait(command->seconds, &command->screen)) {
          std::cerr << "until " << ScreenName(command->screen) << ": still "
                    << ScreenName(game_.screen) << " after " << command->seconds << " s"
                    << std::endl;
          std::exit(kTimedOut);
        }
        break;
      case Kind::Shot:
        Shot(command->file);
        break;
      case Kind::Dump:
        std::cout << DumpState(game_, offscreen_.parts.played, offscreen_.parts.started)
                  << std::endl;
        offscreen_.parts.played.clear();
        offscreen_.parts.started.clear();
        break;
      case Kind::Seed:
        game_.random.Seed(command->seed);
        break;
    }
    return true;
  }

 private:
  // Draws one frame with the clock 0 (no frame cap, no sprite clock) into a PNG of the render
  // target's size. A picture that cannot be written ends the run with its reason.
  void Shot(const std::string& file) {
    platform::SoftwareCanvas* canvas = offscreen_.canvas();
    if (!canvas) {
      std::cerr << "shot " << file << ": " << offscreen_.canvasError() << std::endl;
      std::exit(kShotFailed);
    }
    RenderFrame(game_, 0);
    if (!canvas->SavePng(file)) {
      std::cerr << "shot " << file << ": cannot write the picture: " << SDL_GetError() << std::endl;
      std::exit(kShotFailed);
    }
  }

  // Steps the clock 1 ms at a time as the main loop does when no message waits, updating each
  // frame without painting it. With a target screen, stops as soon as it shows; false when it
  // never did.
  bool Wait(double seconds, const GameScreen* target) {
    const long long steps = std::llround(seconds * 1000);
    for (long long i = 0; i < steps; ++i) {
      if (target && game_.screen == *target) return true;
      offscreen_.wallClock.AdvanceMs(1);
      RunFrame(game_, game_.UpdateClock(), Painting::Off);
    }
    return !target || game_.screen == *target;
  }

  OffscreenGame offscreen_;
  Game& game_ = offscreen_.game();
};

int Main(int argc, char** argv) {
  const ToolArguments arguments = ReadToolArguments(argc, argv);
  bool seeded = false;
  uint32_t seed = 0;
  bool understood = !arguments.malformed;
  for (size_t i = 0; understood && i < arguments.others.size(); ++i) {
    understood = arguments.others[i] == "--seed" && i + 1 < arguments.others.size();
    if (understood) {
      seeded = true;
      seed = static_cast<uint32_t>(std::strtoul(arguments.others[++i].c_str(), nullptr, 10));
    }
  }
  if (!understood) {
    std::cerr << "usage: quenlit-sim [--seed N] [--root DIR] < script" << std::endl;
    return kMalformed;
  }
  const FolderVisit inside(platform::PathFromUtf8(arguments.root));
  if (!inside.Entered()) {
    std::cerr << "quenlit-sim: cannot enter " << arguments.root << ": " << inside.Reason()
              << std::endl;
    return 1;
  }

  auto driver = std::make_unique<Driver>();
  driver->Start(seeded, seed);
  std::string line;
  int number = 0;
  while (std::getline(std::cin, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!driver->Run(line)) {
      std::cerr << ScriptLineError(number, line) << std::endl;
      return kMalformed;
    }
  }
  return 0;
}

}  // namespace
}  // namespace quenlit::sim

int main(int argc, char** argv) {
  quenlit::platform::WriteStandardStreamsAsBytes();
  return quenlit::sim::Main(argc, argv);
}
