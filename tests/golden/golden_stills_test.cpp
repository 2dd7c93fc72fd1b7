// Golden pictures of the screens the driver's scripts cannot reach: the loading screen while
// it loads, a floor below the first, and a speech box whose speaker has left the map. The
// game is loaded in this process from a golden folder and drawn with the software renderer.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/display/game_fonts.h"
#include "app/frame.h"
#include "app/loading/embedded_resources.h"
#include "app/loading/loader.h"
#include "app/settings/config.h"
#include "game/game.h"
#include "golden_folder.h"
#include "golden_picture.h"
#include "platform/headless/stderr_shell.h"
#include "platform/headless/virtual_audio.h"
#include "platform/headless/virtual_clock.h"
#include "platform/sdl/software_canvas.h"

namespace quenlit::test {
namespace {

// Works inside the folder for as long as it lives: the game reads its pictures and fonts by
// paths relative to its own folder.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& path) : previous_(std::filesystem::current_path()) {
    std::error_code error;
    std::filesystem::current_path(path, error);
    if (error) ADD_FAILURE() << "cannot enter " << path;
  }
  ~WorkingFolder() {
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    if (error) ADD_FAILURE() << "cannot go back to " << previous_;
  }

 private:
  std::filesystem::path previous_;
};

// The game loaded from a golden folder, drawing into a picture in memory.
class StillGame {
 public:
  explicit StillGame(const GoldenFolder& folder)
      : working_(folder.Path()),
        fonts_(MakeGameFontLocator()),
        audio_(wallClock_),
        game_(hero_, graphics_, sound_, wallClock_, shell_) {
    InstallFonts(fonts_);
    game_.assets.resources = EmbeddedGameResources();
    ReadConfig(game_);
    canvas_ = std::make_unique<platform::SoftwareCanvas>(game_.settings.windowWidth,
                                                         game_.settings.windowHeight, fonts_);
    graphics_.Initialize(canvas_.get());
    sound_.SetDevice(&audio_);
    RunLoader(game_);
  }
  Game& game() { return game_; }
  // Draws frames at 60 a second from the given clock on, as the main loop would.
  void Run(int frames, float from) {
    for (int i = 1; i <= frames; ++i) RenderFrame(game_, from + 0.0175f * static_cast<float>(i));
  }
  // Draws one frame with the clock 0, as the driver's "shot" does, into "<name>.png" here.
  void Shoot(const std::string& name) {
    RenderFrame(game_, 0);
    EXPECT_TRUE(canvas_->SavePng(name + ".png")) << name;
  }

 private:
  WorkingFolder working_;
  platform::FontLocator fonts_;
  platform::VirtualWallClock wallClock_;
  platform::StderrShell shell_;
  platform::VirtualAudioDevice audio_;
  Hero hero_;
  CD2DGraphics graphics_;
  DSound sound_;
  Game game_;
  std::unique_ptr<platform::SoftwareCanvas> canvas_;
};

struct Still {
  const char* name;
  std::function<void(StillGame&)> pose;
};
// Listed under its name rather than as raw bytes.
void PrintTo(const Still& c, std::ostream* out) {
  *out << c.name;
}

// The loading screen as it starts: nothing loaded yet, the bar at its left end.
void PoseLoading(StillGame& still, int progress) {
  Game& game = still.game();
  game.screen = GameScreen::Loading;
  game.loading.loadProgress = progress;
  game.loadingBar.shownPercent = 0;
  game.loadingBar.loadingBarX = 100;
  // Enough frames for the bar and the percentage to catch up with the progress.
  still.Run(14, 1);
}

const Still kStills[] = {
    {"loading_0", [](StillGame& s) { PoseLoading(s, 0); }},
    {"loading_half", [](StillGame& s) { PoseLoading(s, 50); }},
    {"basement_floor",
     [](StillGame& s) {
       s.game().hero.SetFloor(0);
       s.Run(1, 1);
     }},
    {"dialogue_no_speaker",
     [](StillGame& s) {
       s.game().Talk("这里空无一人，\n只有风声。", 5, 5, "回声");
       s.Run(10, 1);
     }},
};

class GoldenStill : public testing::TestWithParam<Still> {};

TEST_P(GoldenStill, MatchesItsGoldenPicture) {
  const Still& still = GetParam();
  GoldenFolder folder;
  folder.WriteWithAssets();
  {
    StillGame game(folder);
    still.pose(game);
    game.Shoot(still.name);
  }
  ExpectMatchesGolden(still.name, folder.Path() + "/" + still.name + ".png");
}

INSTANTIATE_TEST_SUITE_P(Screens, GoldenStill, testing::ValuesIn(kStills),
                         [](const testing::TestParamInfo<Still>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace quenlit::test
