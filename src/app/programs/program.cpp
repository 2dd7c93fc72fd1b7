#include "app/programs/program.h"
#include "app/frame.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "app/display/display.h"
#include "app/display/game_fonts.h"
#include "app/display/scene_canvas.h"
#include "app/display/window_parts.h"
#include "app/loading/embedded_resources.h"
#include "app/loading/loading_thread.h"
#include "app/session/scripted_session.h"
#include "app/settings/config.h"
#include "app/settings/failure_log.h"
#include "app/settings/fatal.h"
#include "app/settings/game_folder.h"
#include "game/game.h"
#include "game/game_parts.h"
#include "game_texts.h"
#include "platform/sdl/gamepads.h"
#include "platform/sdl/key_translation.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_shell.h"
#include "platform/system_clock.h"
#include "platform/utf8_path.h"

namespace quenlit {
namespace {

// Shuts SDL down after everything built on it is gone.
struct SdlSession {
  SdlSession() { SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear"); }
  ~SdlSession() { SDL_Quit(); }
};

// SDL falls back on video drivers that show nothing; unless one was asked for by name, a
// player without a display is told that the window cannot be made.
bool HaveDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) return false;
  if (SDL_getenv("SDL_VIDEODRIVER") != nullptr) return true;
  if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return true;
  SDL_SetError("no display to show the window on");
  return false;
}

std::optional<std::filesystem::path> RootFolder(const CommandLine& line) {
  if (!line.root) return std::nullopt;
  return platform::PathFromUtf8(*line.root);
}

struct WindowCloser {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};

// The moments of a recorded or replayed session, in milliseconds.
uint64_t NowMs() {
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count());
}

class Program {
 public:
  explicit Program(const CommandLine& line)
      : userFiles_(EnterGameFolder(RootFolder(line), shell_)) {}

  int Run(const CommandLine& line) {
    // A recording that cannot be written or a script that cannot be read ends the program
    // before its window opens.
    std::string error;
    if (!line.replayFile.empty() && !scripted_.Replay(line.replayFile, error)) {
      std::cerr << "quenlit: " << error << std::endl;
      return 2;
    }
    const auto seed = static_cast<uint32_t>(std::time(nullptr));
    if (!line.recordFile.empty() && !scripted_.Record(line.recordFile, seed, error)) {
      std::cerr << "quenlit: " << error << std::endl;
      return 1;
    }
    InitInstance();
    int code = MainLoop();
    scripted_.End(NowMs());
    if (scripted_.RecordingFailed()) code = 1;
    // Closed while loading: the loader is still at work on the game, the pictures and the
    // sounds, so the process ends here without tearing any of them down.
    if (!loader_->Finished()) shell_.Exit(code);
    loader_->Join();
    return code;
  }

 private:
  void InitInstance() {
    game_.assets.resources = EmbeddedGameResources();
    game_.userFiles = userFiles_;
    InstallFonts(fonts_);
    ReadConfig(game_);  // ends the process itself when the configuration file is missing

    const bool haveVideo = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0 && HaveDisplay();
    SDL_DisplayMode fullScreenMode{};
    if (!ApplyFullScreen(game_, fullScreenMode)) {
      FatalError(shell_, texts::kFullScreenFailed, true);
    }
    const Size desktop = GetDesktopSize(game_);

    const WindowPlace place = FirstWindowPlace(game_, desktop);
    game_.settings.windowSize = place.size;
    if (haveVideo) {
      window_.reset(SDL_CreateWindow("Quenlit", place.x, place.y, place.size.width,
                                     place.size.height, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE));
    }
    if (!window_) {
      std::cerr << "quenlit: no window of " << game_.settings.windowWidth << " x "
                << game_.settings.windowHeight << " can be made: " << SDL_GetError() << std::endl;
      FatalError(shell_, texts::kWindowFailed, true);
    }
    sdlShell_.SetWindow(window_.get());
    if (UsesDesktopFullScreen(game_)) {
      // The desktop's own mode always exists; should the window manager still refuse, the
      // game plays on in its window.
      if (SDL_SetWindowFullscreen(window_.get(), SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
        std::cerr << "quenlit: full screen refused: " << SDL_GetError() << std::endl;
    } else if (game_.settings.fullScreen != 0 && !EnterFullScreen(window_.get(), fullScreenMode)) {
      FatalError(shell_, texts::kFullScreenFailed, true);
    }

    canvas_ = OpenGameCanvas(window_.get(), game_, fonts_, textFailure_);
    if (canvas_) ConfigureCanvas(game_, *canvas_);
    // Without controller support the keyboard still plays the whole game.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
      std::cerr << "quenlit: no gamepads: " << SDL_GetError() << std::endl;

    audio_ = std::make_unique<platform::SdlAudioDevice>();
    if (!audio_->IsOpen()) {
      std::cerr << "quenlit: no sound device: " << SDL_GetError() << std::endl;
      shell_.ShowMessage(texts::kSoundFailedCaption, texts::kSoundFailed);
    }
    parts_.PlayOn(audio_.get());

    SDL_ShowWindow(window_.get());
    loader_ = std::make_unique<LoadingThread>(game_);
  }

  // Takes one event per turn; a turn that finds none ticks a frame. With performance
  // priority on the loop never sleeps; off, it waits for the next event, but no longer than
  // until the game, or a replayed script, has work to do, so an idle game costs next to
  // nothing.
  int MainLoop() {
    SDL_Event event;
    while (true) {
      scripted_.Tick(loader_->Finished(), NowMs());
      if (NextEvent(event)) {
        if (!Dispatch(event)) return 0;
      } else {
        gamepads_.Tick(SDL_GetTicks());
        RunFrame(game_, game_.UpdateClock());
      }
    }
  }

  bool NextEvent(SDL_Event& event) {
    if (game_.settings.performancePrior != 0) return SDL_PollEvent(&event) != 0;
    const float idle = game_.IdleTime(game_.UpdateClock());
    int milliseconds = static_cast<int>(std::ceil(idle * 1000));
    if (const auto due = scripted_.MsUntilDue(NowMs()))
      milliseconds = std::min(milliseconds, static_cast<int>(*due));
    return SDL_WaitEventTimeout(&event, std::max(milliseconds, 1)) != 0;
  }

  // False when the event closes the window.
  bool Dispatch(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT:
        return false;
      case SDL_WINDOWEVENT:
        return event.window.event != SDL_WINDOWEVENT_CLOSE;
      case SDL_KEYDOWN:
        if (platform::IsAboutShortcut(event.key.keysym)) {
          ShowAbout();
        } else if (const auto message = KeyMessageOf(event)) {
          PlayerPress(message->first, message->second);
        }
        return true;
      case SDL_KEYUP:
        if (const auto message = KeyMessageOf(event)) PlayerPress(message->first, message->second);
        return true;
      default:
        gamepads_.Handle(event, SDL_GetTicks());
        return true;
    }
  }

  // The keys of the keyboard and of the gamepads, unless a replay is pressing its own.
  void PlayerPress(uint32_t message, uint32_t key) {
    if (scripted_.TakesPlayersKeys()) Press(message, key);
  }
  // Every key reaches the game here, and a recording notes it.
  void Press(uint32_t message, uint32_t key) {
    game_.HandleInput(message, key);
    scripted_.Pressed(message, key, NowMs());
  }

  void ShowAbout() {
    SDL_MessageBoxButtonData ok{
        SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 1,
        texts::kAboutButton};
    const SDL_MessageBoxData about{SDL_MESSAGEBOX_INFORMATION,
                                   window_.get(),
                                   texts::kAboutTitle,
                                   texts::kAboutText,
                                   1,
                                   &ok,
                                   nullptr};
    int pressed = 0;
    SDL_ShowMessageBox(&about, &pressed);
  }

  SdlSession session_;
  // Failures are told in the player's log too, with what was said on stderr before them.
  StderrLog said_;
  platform::SdlShell sdlShell_;
  FailureLoggingShell shell_{sdlShell_, said_, PlayersLogFile()};
  TextFailureNotice textFailure_{shell_};
  // Entered before anything below reads a file: every game path is relative to the game folder.
  UserFiles userFiles_;
  platform::SystemWallClock clock_;
  platform::FontLocator fonts_ = MakeGameFontLocator();
  std::unique_ptr<SDL_Window, WindowCloser> window_;
  std::unique_ptr<platform::RendererCanvas> canvas_;
  std::unique_ptr<platform::SdlAudioDevice> audio_;
  GameParts parts_{clock_, shell_};
  Game& game_ = parts_.game;
  std::unique_ptr<LoadingThread> loader_;
  ScriptedSession scripted_{game_, [this](uint32_t message, uint32_t key) { Press(message, key); },
                            std::cout, std::cerr};
  platform::Gamepads gamepads_{
      [this](uint32_t message, uint32_t key) { PlayerPress(message, key); }};
};

}  // namespace

int RunProgram(const CommandLine& line) {
  // The files of --record and --replay are named from where the player started the game; the
  // game folder becomes the working directory before they are opened.
  CommandLine resolved = line;
  for (std::string* file : {&resolved.recordFile, &resolved.replayFile}) {
    std::error_code error;  // without a working directory the name stays as given
    const std::filesystem::path absolute =
        std::filesystem::absolute(platform::PathFromUtf8(*file), error);
    if (!file->empty() && !error) *file = platform::Utf8Of(absolute);
  }
  // Held by the heap: a window closed during loading ends the process without its teardown.
  auto program = std::make_unique<Program>(resolved);
  return program->Run(resolved);
}

}  // namespace quenlit
