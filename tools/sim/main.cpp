// quenlit-sim: the real game without a window, driven by commands on standard input.
//
//   quenlit-sim [--seed N] [--root DIR] < script
//
// Commands: key NAME, down NAME, up NAME, wait SECONDS, until SCREEN [SECONDS], dump,
// shot FILE, seed N (app/script.h).
// SDL's main hands main() the command line in UTF-8 on every system.
#include <SDL_main.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/display/game_fonts.h"
#include "app/display/scene_canvas.h"
#include "app/frame.h"
#include "app/loading/embedded_resources.h"
#include "app/loading/loader.h"
#include "app/session/script.h"
#include "app/session/state_dump.h"
#include "app/settings/config.h"
#include "base/key_codes.h"
#include "game/game.h"
#include "platform/headless/stderr_shell.h"
#include "platform/headless/virtual_audio.h"
#include "platform/headless/virtual_clock.h"
#include "platform/sdl/software_canvas.h"
#include "platform/standard_streams.h"
#include "platform/utf8_path.h"

namespace quenlit::sim {
namespace {

constexpr int kMalformed = 2;
constexpr int kTimedOut = 3;
constexpr int kShotFailed = 4;

class Driver {
 public:
  Driver() : audio_(wallClock_), game_(hero_, graphics_, sound_, wallClock_, shell_) {
    game_.assets.resources = EmbeddedGameResources();
    sound_.onPlay = [this](const std::string& file) { played_.push_back(file); };
    game_.onSequenceStart = [this](const std::string& name) { started_.push_back(name); };
  }

  void Start(bool seeded, uint32_t seed) {
    if (seeded) game_.random.Seed(seed);
    InstallFonts(fonts_);
    ReadConfig(game_);
    canvas_ = std::make_unique<platform::SoftwareCanvas>(game_.settings.windowWidth,
                                                         game_.settings.windowHeight, fonts_);
    if (!canvas_->Valid()) {
      // The game runs on without pictures; only "shot" needs the canvas, and says so.
      canvasError_ = "no picture of " + std::to_string(game_.settings.windowWidth) + " x " +
                     std::to_string(game_.settings.windowHeight) +
                     " can be made: " + SDL_GetError();
      std::cerr << "quenlit-sim: " << canvasError_ << std::endl;
      canvas_.reset();
    } else {
      ConfigureCanvas(game_, *canvas_);
      // Only "shot" paints, and only the pictures it shows are decoded.
      canvas_->SetDecodeOnDemand(true);
    }
    graphics_.Initialize(canvas_.get());
    sound_.SetDevice(&audio_);
    RunLoader(game_);
    played_.clear();
    started_.clear();
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
        std::cout << DumpState(game_, played_, started_) << std::endl;
        played_.clear();
        started_.clear();
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
    if (!canvas_) {
      std::cerr << "shot " << file << ": " << canvasError_ << std::endl;
      std::exit(kShotFailed);
    }
    RenderFrame(game_, 0);
    if (!canvas_->SavePng(file)) {
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
      wallClock_.AdvanceMs(1);
      RunFrame(game_, game_.UpdateClock(), Painting::Off);
    }
    return !target || game_.screen == *target;
  }

  platform::VirtualWallClock wallClock_;
  platform::StderrShell shell_;
  platform::VirtualAudioDevice audio_;
  platform::FontLocator fonts_ = MakeGameFontLocator();
  std::unique_ptr<platform::SoftwareCanvas> canvas_;
  std::string canvasError_;
  Hero hero_;
  CD2DGraphics graphics_;
  DSound sound_;
  Game game_;
  std::vector<std::string> played_;
  std::vector<std::string> started_;
};

int Main(int argc, char** argv) {
  bool seeded = false;
  uint32_t seed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--seed" && i + 1 < argc) {
      seeded = true;
      seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (option == "--root" && i + 1 < argc) {
      std::error_code error;
      std::filesystem::current_path(platform::PathFromUtf8(argv[++i]), error);
      if (error) {
        std::cerr << "quenlit-sim: cannot enter " << argv[i] << std::endl;
        return 1;
      }
    } else {
      std::cerr << "usage: quenlit-sim [--seed N] [--root DIR] < script" << std::endl;
      return kMalformed;
    }
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
