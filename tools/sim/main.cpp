// quenlit-sim: the real game without a window, driven by commands on standard input.
//
//   quenlit-sim [--seed N] [--root DIR] < script
//
// Commands: key NAME, down NAME, up NAME, wait SECONDS, until SCREEN [SECONDS], dump,
// shot FILE.
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/embedded_resources.h"
#include "app/game_fonts.h"
#include "app/loader.h"
#include "app/scene_canvas.h"
#include "game/game.h"
#include "platform/headless/stderr_shell.h"
#include "platform/headless/virtual_audio.h"
#include "platform/headless/virtual_clock.h"
#include "platform/sdl/software_canvas.h"
#include "state_dump.h"

namespace quenlit::sim {
namespace {

constexpr int kMalformed = 2;
constexpr int kTimedOut = 3;
constexpr int kShotFailed = 4;

// A key name as the script writes it: Enter, Left, Up, Right, Down, F8, A-Z or a code.
bool ParseKey(const std::string& name, uint32_t& key) {
  static const std::pair<const char*, uint32_t> kNamed[] = {
      {"Enter", vk::kEnter}, {"Left", vk::kLeft}, {"Up", vk::kUp},
      {"Right", vk::kRight}, {"Down", vk::kDown}, {"F8", vk::kF8}};
  for (const auto& [text, code] : kNamed) {
    if (name == text) {
      key = code;
      return true;
    }
  }
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
    key = static_cast<uint32_t>(name[0]);
    return true;
  }
  if (name.empty() || name.size() > 3 || name.find_first_not_of("0123456789") != std::string::npos)
    return false;
  key = static_cast<uint32_t>(std::stoul(name));
  return key <= 255;
}

bool ParseSeconds(const std::string& text, double& seconds) {
  char* end = nullptr;
  seconds = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0' && std::isfinite(seconds) && seconds >= 0;
}

class Driver {
 public:
  Driver() : audio_(wallClock_), game_(hero_, graphics_, sound_, wallClock_, shell_) {
    game_.resources = EmbeddedGameResources();
    sound_.onPlay = [this](const std::string& file) { played_.push_back(file); };
    game_.onSequenceStart = [this](const std::string& name) { started_.push_back(name); };
  }

  void Start(bool seeded, uint32_t seed) {
    if (seeded) game_.random.Seed(seed);
    InstallFonts(fonts_);
    ReadConfig(game_);
    canvas_ =
        std::make_unique<platform::SoftwareCanvas>(game_.windowWidth, game_.windowHeight, fonts_);
    if (!canvas_->Valid()) {
      // The game runs on without pictures; only "shot" needs the canvas, and says so.
      canvasError_ = "no picture of " + std::to_string(game_.windowWidth) + " x " +
                     std::to_string(game_.windowHeight) + " can be made: " + SDL_GetError();
      std::cerr << "quenlit-sim: " << canvasError_ << std::endl;
      canvas_.reset();
    } else {
      ConfigureCanvas(game_, *canvas_);
      canvas_->SetPainting(false);       // only the frames of "shot" are painted
      canvas_->SetDecodeOnDemand(true);  // and only the pictures they show are decoded
    }
    graphics_.Initialize(canvas_.get());
    sound_.SetDevice(&audio_);
    RunLoader(game_);
    played_.clear();
    started_.clear();
  }

  // Runs one script line; false when the line is malformed.
  bool Run(const std::string& line) {
    std::istringstream words(line);
    std::string command, argument, extra;
    words >> command;
    if (command.empty() || command[0] == '#') return true;
    words >> argument;
    const bool hasExtra = static_cast<bool>(words >> extra);
    std::string surplus;
    if (words >> surplus) return false;

    uint32_t key = 0;
    double seconds = 0;
    if ((command == "key" || command == "down" || command == "up") && !hasExtra &&
        ParseKey(argument, key)) {
      if (command != "up") game_.HandleInput(vk::kKeyDown, key);
      if (command != "down") game_.HandleInput(vk::kKeyUp, key);
      return true;
    }
    if (command == "wait" && !hasExtra && ParseSeconds(argument, seconds)) {
      Wait(seconds, nullptr);
      return true;
    }
    GameScreen target;
    if (command == "until" && ScreenFromName(argument, target)) {
      seconds = 60;
      if (hasExtra && !ParseSeconds(extra, seconds)) return false;
      if (!Wait(seconds, &target)) {
        std::cerr << "until " << argument << ": still " << ScreenName(game_.screen) << " after "
                  << seconds << " s" << std::endl;
        std::exit(kTimedOut);
      }
      return true;
    }
    if (command == "shot" && !argument.empty() && !hasExtra) {
      Shot(argument);
      return true;
    }
    if (command == "dump" && argument.empty()) {
      std::cout << DumpState(game_, played_, started_) << std::endl;
      played_.clear();
      started_.clear();
      return true;
    }
    return false;
  }

 private:
  // Draws one frame with the clock 0 (no frame cap, no sprite clock) into a PNG of the render
  // target's size. A picture that cannot be written ends the run with its reason.
  void Shot(const std::string& file) {
    if (!canvas_) {
      std::cerr << "shot " << file << ": " << canvasError_ << std::endl;
      std::exit(kShotFailed);
    }
    canvas_->SetPainting(true);
    game_.Render(0);
    canvas_->SetPainting(false);
    if (!canvas_->SavePng(file)) {
      std::cerr << "shot " << file << ": cannot write the picture: " << SDL_GetError() << std::endl;
      std::exit(kShotFailed);
    }
  }

  // Steps the clock 1 ms at a time as the main loop does when no message waits. With a
  // target screen, stops as soon as it shows; false when it never did.
  bool Wait(double seconds, const GameScreen* target) {
    const long long steps = std::llround(seconds * 1000);
    for (long long i = 0; i < steps; ++i) {
      if (target && game_.screen == *target) return true;
      wallClock_.AdvanceMs(1);
      game_.Frame(game_.UpdateClock());
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
      if (chdir(argv[++i]) != 0) {
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
      std::cerr << "line " << number << ": cannot understand \"" << line << "\"" << std::endl;
      return kMalformed;
    }
  }
  return 0;
}

}  // namespace
}  // namespace quenlit::sim

int main(int argc, char** argv) {
  return quenlit::sim::Main(argc, argv);
}
