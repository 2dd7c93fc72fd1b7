// The loading sequence beside a drawing main thread: the 43 checkpoints, each published while
// the loader does not hold the render lock, and a frame drawn at each of them.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>
#include <vector>

#include "app/frame.h"
#include "app/loading/loader.h"
#include "app/loading/loading_thread.h"
#include "base/folder_visit.h"
#include "base/key_codes.h"
#include "game_folder.h"
#include "world.h"

namespace quenlit {
namespace {

const std::vector<int32_t> kCheckpoints = {
    3,  5,  7,  9,  11, 12, 15, 17, 18, 20, 22, 24, 25, 26, 28, 31, 33, 35, 38, 40, 41, 43,
    45, 46, 51, 54, 56, 57, 60, 63, 67, 69, 71, 73, 75, 77, 79, 81, 90, 93, 95, 98, 100};

// Waits until the renderer has drawn one more frame than it had when called, at most limit:
// a checkpoint hook that hands the lock over for real.
void AwaitDrawnFrame(const Game& game, std::chrono::milliseconds limit) {
  const uint32_t before = game.loading.framesDrawn;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (game.loading.framesDrawn == before && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// A sealed game folder that is the working directory while the fixture lives.
class Loading : public testing::Test {
 protected:
  Loading() {
    folder_.Write();
    inside_.emplace(folder_.Path());
    world.game.screen = GameScreen::Loading;
    world.game.world.floors.clear();
  }

  // Draws frames as the main loop does, the clock moving a frame's length each turn, until
  // the loader is done.
  void DrawUntil(const std::atomic<bool>& done) {
    float now = 1.0f;
    while (!done) {
      now += 0.02f;
      RunFrame(world.game, now);
    }
  }

  void ExpectLoaded() {
    EXPECT_EQ(world.game.screen, GameScreen::Map);
    EXPECT_EQ(world.game.loading.loadProgress, 100);
    EXPECT_EQ(world.game.shop.shopPrice, 20);
    EXPECT_EQ(world.game.settings.displayModeIndex, 0);
    EXPECT_EQ(world.game.settings.displayModes,
              (std::vector<Size>{{735, 580}, {973, 768}, {1242, 980}, {1366, 1078}, {1700, 1331}}));
    EXPECT_EQ(world.game.world.floors.size(), 21u);
    EXPECT_TRUE(world.game.loading.renderLock.try_acquire()) << "the lock is free after loading";
  }

  test::GameFolder folder_;
  std::optional<FolderVisit> inside_;  // entered once the folder is written
  test::World world;
};

TEST_F(Loading, PublishesTheCheckpointsInOrderWithTheLockFree) {
  std::vector<int32_t> published;
  std::vector<int32_t> lockHeld;
  world.game.loading.onCheckpoint = [&](int32_t value) {
    published.push_back(world.game.loading.loadProgress);
    if (world.game.loading.renderLock.try_acquire()) {
      world.game.loading.renderLock.release();
    } else {
      lockHeld.push_back(value);
    }
    EXPECT_EQ(world.game.loading.loadProgress, value);
  };
  RunLoader(world.game);
  EXPECT_EQ(published, kCheckpoints);
  EXPECT_TRUE(lockHeld.empty()) << "held at " << lockHeld.size() << " publications";
  ExpectLoaded();
}

TEST_F(Loading, TheMainThreadDrawsAtEveryCheckpoint) {
  std::vector<int32_t> published;
  std::vector<int32_t> withoutFrame;
  world.game.loading.onCheckpoint = [&](int32_t value) {
    published.push_back(value);
    if (value == 100) return;  // the last hands nothing over
    const uint32_t before = world.game.loading.framesDrawn;
    AwaitDrawnFrame(world.game, std::chrono::seconds(10));
    if (world.game.loading.framesDrawn == before) withoutFrame.push_back(value);
  };
  std::atomic<bool> done{false};
  std::thread loader([&] {
    RunLoader(world.game);
    done = true;
  });
  DrawUntil(done);
  loader.join();
  EXPECT_EQ(published, kCheckpoints);
  EXPECT_TRUE(withoutFrame.empty()) << withoutFrame.size() << " checkpoints without a frame";
  ExpectLoaded();
}

// The player pressing every key the screens know while the game loads: on Loading none of
// them does anything, and none of them touches what the loader is still building. The loader
// waits at its last checkpoint until the presses have stopped, so that every press falls on
// the screen Loading.
TEST_F(Loading, KeysPressedThroughoutLoadingDoNothing) {
  const std::vector<uint32_t> keys = {vk::kF8, vk::kLeft, vk::kUp, vk::kRight, vk::kDown,
                                      'S',     'A',       'D',     'P',        vk::kEnter,
                                      'E',     'L',       'G',     'F',        'Q'};
  std::atomic<bool> stopPressing{false};
  std::atomic<bool> pressingStopped{false};
  world.game.loading.onCheckpoint = [&](int32_t value) {
    if (value != 100) {
      AwaitDrawnFrame(world.game, std::chrono::seconds(10));
      return;
    }
    stopPressing = true;
    while (!pressingStopped) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  };
  std::atomic<bool> done{false};
  std::thread loader([&] {
    RunLoader(world.game);
    done = true;
  });
  size_t presses = 0;
  float now = 1.0f;
  while (!done) {
    if (!stopPressing) {
      EXPECT_EQ(world.game.screen, GameScreen::Loading);
      world.Press(keys[presses++ % keys.size()]);
    } else {
      pressingStopped = true;
    }
    RunFrame(world.game, now += 0.02f);
  }
  loader.join();
  EXPECT_GE(presses, keys.size()) << "every key pressed at least once";
  EXPECT_TRUE(world.shell.moves.empty()) << "F8 moved the window while loading";
  EXPECT_TRUE(world.shell.messages.empty());
  EXPECT_EQ(world.hero.floor, 1);
  EXPECT_EQ(world.hero.position, (Cell{12, 7}));
  EXPECT_FALSE(std::filesystem::exists("sav")) << "a save was written while loading";
  ExpectLoaded();
}

TEST_F(Loading, TheLoadingThreadRunsToTheMapBesideTheMainLoop) {
  LoadingThread loader(world.game);
  float now = 1.0f;
  while (!loader.Finished()) RunFrame(world.game, now += 0.02f);
  loader.Join();
  EXPECT_GE(world.game.loading.framesDrawn, kCheckpoints.size() - 1) << "a frame at each hand-over";
  ExpectLoaded();
}

}  // namespace
}  // namespace quenlit
