// quenlit.html's program: the game in a browser page. The packed game folder is the page's
// file system at /game, the saves live in the browser's IndexedDB, the canvas is the window,
// and the browser's animation callback is the main loop. There are no threads: each frame
// runs a few steps of the loading sequence before it draws the loading screen, and pictures
// are decoded as they are first needed or in the frames' spare time.
//
// A save is kept only once the browser's database has committed it. Until then the game's
// notice says the save is under way and the keys wait, so that the player reads how it ended:
// "保存游戏成功", or the game's failure notice when the browser did not keep it.
#include <SDL.h>
#include <emscripten.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/display/game_fonts.h"
#include "app/display/scene_canvas.h"
#include "app/display/window_parts.h"
#include "app/frame.h"
#include "app/loading/embedded_resources.h"
#include "app/loading/loading_sequence.h"
#include "app/settings/config.h"
#include "app/settings/fatal.h"
#include "game/game.h"
#include "game/game_parts.h"
#include "game_texts.h"
#include "platform/system_clock.h"
#include "platform/web/deferred_audio.h"
#include "platform/web/main_loop.h"
#include "platform/web/page_shell.h"
#include "platform/web/persistent_folder.h"

namespace quenlit {
namespace {

// Where the page's data package puts the game folder.
constexpr char kGameFolder[] = "/game";

struct WindowCloser {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};

class WebProgram {
 public:
  WebProgram() = default;

  [[noreturn]] void Run() {
    Start();
    platform::web::RunAnimationLoop([this] { Turn(); });
  }

  // The page's view of the game, as one line of JSON: what a test or a curious player can
  // ask the page through Module.quenlitState().
  std::string State() const {
    char numbers[160];
    std::snprintf(numbers, sizeof numbers,
                  R"({"screen":"%s","loadProgress":%d,"floor":%d,"row":%d,"column":%d,)",
                  ScreenName(game_.screen), static_cast<int>(game_.loading.loadProgress),
                  static_cast<int>(game_.hero.floor), static_cast<int>(game_.hero.position.row),
                  static_cast<int>(game_.hero.position.column));
    std::string message;
    for (const char c : game_.messageText) {
      if (c == '"' || c == '\\') message += '\\';
      message += c == '\n' ? ' ' : c;
    }
    return numbers + (R"("message":")" + message + "\"}");
  }

  // The page is being hidden or closed: the keys it took are played at once, and a save among
  // them is on its way to the browser's storage before the page goes.
  void Flush() {
    if (loading_ && loading_->Finished()) TakeKeys();
  }

 private:
  void Start() {
    game_.assets.resources = EmbeddedGameResources();
    ReadConfig(game_);  // ends the program itself when "./config.ini" is missing
    // The page sizes the canvas, and the window follows it at the screen's own pixel density;
    // full screen is the page's business.
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
      window_.reset(SDL_CreateWindow("Quenlit", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                     game_.settings.windowWidth, game_.settings.windowHeight,
                                     SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI));
    }
    if (!window_) {
      std::cerr << "quenlit: " << SDL_GetError() << std::endl;
      FatalError(shell_, texts::kWindowFailed, true);
    }
    canvas_ = OpenGameCanvas(window_.get(), game_, fonts_, textFailure_);
    if (canvas_) {
      ConfigureCanvas(game_, *canvas_);
      // The map comes up without waiting for every picture: each is decoded when first drawn,
      // or in the spare time of the frames once the game plays.
      canvas_->SetDecodeOnDemand(true);
    }
    parts_.PlayOn(&audio_);
    saves_ = std::make_unique<platform::web::PersistentFolder>("sav");
  }

  // Runs loading steps until the slice is spent: quick checkpoints share a frame, a slow one
  // has a frame of its own, and the loading screen shows every frame between them.
  // The saves are read back from the browser's storage meanwhile; play starts once they are in.
  void LoadSomeSteps() {
    if (!loading_) loading_ = std::make_unique<LoadingSequence>(game_);
    const auto start = std::chrono::steady_clock::now();
    do {
      if (loading_->PlayIsNext() && !saves_->Ready()) return;
      if (!loading_->RunNextStep()) FatalError(shell_, texts::kStartFailed, true);
    } while (!loading_->Finished() && std::chrono::steady_clock::now() - start < kLoadingSlice);
    if (loading_->Finished()) shell_.GameLoaded();
  }

  // One animation frame: loading while it lasts, every key that came since the last frame,
  // then a frame of the game.
  void Turn() {
    if (!loading_ || !loading_->Finished()) LoadSomeSteps();
    TakeKeys();
    RunFrame(game_, game_.UpdateClock());
    // A frame writes files too: the autosave of a floor just reached.
    StoreChanges();
    ForgetEndedWrites();
    if (canvas_ && loading_->Finished()) canvas_->DecodeAhead(kDecodeAheadTime);
  }

  // Plays the keys that came, one by one, until a save by S sets off to the browser's
  // storage; while it is on its way the keys wait, so that its notice stays until the storage
  // has said how it ended.
  void TakeKeys() {
    if (saving_ && !SaveStored()) return;
    SDL_Event event;
    while (!saving_ && SDL_PollEvent(&event)) {
      if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) continue;
      audio_.Unlock();
      DeliverKey(game_, event);
      StoreChanges();
    }
  }

  // Starts storing what changed in the save folder. The player's own save waits for the
  // storage's word before its notice says it is kept; other files (autosaves) go on their own
  // and hold nothing up.
  void StoreChanges() {
    const int write = saves_->Store();
    if (!write) return;
    if (game_.messageText == texts::kSavedNotice) {
      saving_ = write;
      game_.messageText = texts::kSavingNotice;
    } else {
      background_.push_back(write);
    }
  }

  // Whether the save on its way has ended; its notice then says how.
  bool SaveStored() {
    const auto outcome = saves_->OutcomeOf(saving_);
    if (outcome == platform::web::PersistentFolder::Outcome::Pending) return false;
    if (game_.messageText == texts::kSavingNotice) {
      game_.messageText = outcome == platform::web::PersistentFolder::Outcome::Stored
                              ? texts::kSavedNotice
                              : texts::kSaveFailedNotice;
    }
    saving_ = 0;
    return true;
  }

  // The storage remembers each write's end until it is asked: the background writes are
  // asked, so that it forgets them.
  void ForgetEndedWrites() {
    std::erase_if(background_, [this](int write) {
      return saves_->OutcomeOf(write) != platform::web::PersistentFolder::Outcome::Pending;
    });
  }

  // What a frame spends loading. Pictures are decoded when first drawn, so the steps are quick
  // and the whole loading takes a few frames: each frame of the loading screen costs more
  // than its steps (on a machine without a graphics processor, 40 to 200 ms while its own
  // pictures are decoded), so a frame runs steps for longer than its 16 ms.
  static constexpr std::chrono::milliseconds kLoadingSlice{50};
  // What a frame spends decoding pictures ahead of their first draw, out of its 16 ms.
  static constexpr std::chrono::milliseconds kDecodeAheadTime{6};

  platform::web::PageShell shell_;
  TextFailureNotice textFailure_{shell_};
  platform::SystemWallClock clock_;
  platform::FontLocator fonts_ = MakeGameFontLocator();
  std::unique_ptr<SDL_Window, WindowCloser> window_;
  std::unique_ptr<platform::RendererCanvas> canvas_;
  platform::web::DeferredAudioDevice audio_;
  std::unique_ptr<platform::web::PersistentFolder> saves_;
  std::unique_ptr<LoadingSequence> loading_;
  int saving_ = 0;               // the player's save on its way to the browser's storage
  std::vector<int> background_;  // the other writes on their way
  GameParts parts_{clock_, shell_};
  Game& game_ = parts_.game;
};

WebProgram* thePage = nullptr;

}  // namespace
}  // namespace quenlit

extern "C" EMSCRIPTEN_KEEPALIVE const char* quenlit_state() {
  static std::string state;
  state = quenlit::thePage ? quenlit::thePage->State() : "{}";
  return state.c_str();
}

extern "C" EMSCRIPTEN_KEEPALIVE void quenlit_flush() {
  if (quenlit::thePage) quenlit::thePage->Flush();
}

int main() {
  if (chdir(quenlit::kGameFolder) != 0) {
    std::cerr << "quenlit: the page holds no game folder at " << quenlit::kGameFolder << std::endl;
    return 1;
  }
  // Lives as long as the page: the animation callback keeps using it.
  quenlit::thePage = new quenlit::WebProgram();
  quenlit::thePage->Run();
}
