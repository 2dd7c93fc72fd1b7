// Golden pictures of the screens the driver's scripts cannot reach: the loading screen while
// it loads, a floor below the first, and a speech box whose speaker has left the map. The
// game is loaded in this process from a golden folder and drawn with the software renderer.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "app/frame.h"
#include "app/offscreen/offscreen_game.h"
#include "base/folder_visit.h"
#include "game/game.h"
#include "golden_folder.h"
#include "golden_picture.h"

namespace quenlit::test {
namespace {

// The game loaded from a golden folder, drawing into a picture in memory.
class StillGame {
 public:
  explicit StillGame(const GoldenFolder& folder) : inside_(folder.Path()) {
    EXPECT_TRUE(inside_.Entered()) << folder.Path() << ": " << inside_.Reason();
    offscreen_.emplace();
    offscreen_->Load();
  }
  Game& game() { return offscreen_->game(); }
  // Draws frames at 60 a second from the given clock on, as the main loop would.
  void Run(int frames, float from) {
    for (int i = 1; i <= frames; ++i) RenderFrame(game(), from + 0.0175f * static_cast<float>(i));
  }
  // Draws one frame with the clock 0, as the driver's "shot" does, into "<name>.png" here.
  void Shoot(const std::string& name) {
    RenderFrame(game(), 0);
    ASSERT_NE(offscreen_->canvas(), nullptr) << offscreen_->canvasError();
    EXPECT_TRUE(offscreen_->canvas()->SavePng(name + ".png")) << name;
  }

 private:
  FolderVisit inside_;
  // Made once the folder is entered: the game reads its config.ini and fonts from there.
  std::optional<OffscreenGame> offscreen_;
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
