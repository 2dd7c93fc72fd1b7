// quenlit-bench-frames: how long the software renderer takes to draw one frame of each
// screen, with the game's own pictures and fonts.
//
//   quenlit-bench-frames [--root DIR] [--frames N] [--size WIDTHxHEIGHT]
//
// DIR is a complete game folder (default: the current directory); the frames are drawn at the
// size its config.ini gives the window, or at --size. Each screen is drawn N
// times (default 240) on a clock running at about 60 frames a second, so its animations play; the
// figures are the median, mean and slowest frame in milliseconds of wall clock, and the median
// of the processor time the drawing took. The heaviest frame, a battle
// with "iceb" spread over 1000 x 1000 units and "fogb" running, should stay under 4 ms: a
// quarter of the 60 fps budget; that battle is drawn for 10 s, and its slowest frame should
// stay within twice its median. At the end, the peak memory against the decoded size of the
// pictures: the copies the canvas keeps grow with the output, and stay within a budget. The
// pause frame should stay within 1 ms; it is timed twice: drawn
// in full, and as the game window pays it, where a frame that would show what the window
// shows already is neither drawn nor shown.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/offscreen/offscreen_game.h"
#include "app/settings/tool_arguments.h"
#include "base/folder_visit.h"
#include "game/game.h"
#include "game/tiles.h"
#include "memory_figures.h"

namespace quenlit::bench {
namespace {

constexpr double kHeaviestBudgetMs = 4.0;
constexpr double kPauseBudgetMs = 1.0;
constexpr double kHeaviestSeconds = 10.0;
// A little over 1/60 s, so that float rounding never lets the frame cap skip a frame.
constexpr float kFrameStep = 0.0175f;

// One screen to time: how to set it up once, and the effects it keeps running.
struct Scene {
  const char* name;
  GameScreen screen;
  std::function<void(Game&)> setUp;
  std::vector<const char*> effects;
};

// The first monster of the current floor, or (0, 0) when it has none.
Cell FirstMonsterCell(const Game& game) {
  for (int row = 0; row < kFloorSize; ++row)
    for (int column = 0; column < kFloorSize; ++column)
      if (tile::IsMonster(game.CellAt(row, column).value_or(0))) return {row, column};
  return {0, 0};
}

void SetUpBattle(Game& game) {
  const Cell cell = FirstMonsterCell(game);
  game.BeginBattle(cell.row, cell.column);
  game.displays.monsterMissShown = game.displays.heroMissShown = true;
}

std::vector<Scene> Scenes() {
  return {
      {"loading", GameScreen::Loading, [](Game& g) { g.loading.loadProgress = 50; }, {}},
      {"map", GameScreen::Map, [](Game&) {}, {}},
      {"message", GameScreen::Message, [](Game& g) { g.messageText = "黄钥匙"; }, {}},
      {"manual", GameScreen::Manual, [](Game& g) { g.OpenManual(); }, {}},
      {"pause", GameScreen::Paused, [](Game&) {}, {}},
      {"dialogue",
       GameScreen::Dialogue,
       [](Game& g) { g.Talk("勇者，塔顶的魔王在等你。", 0, 0, "老人"); },
       {}},
      {"floor change",
       GameScreen::FloorChange,
       [](Game& g) { g.curtain.targetFloor = g.hero.floor; },
       {}},
      {"battle", GameScreen::Battle, SetUpBattle, {"heroslash", "fist"}},
      {"battle won", GameScreen::BattleWon, SetUpBattle, {}},
      {"game over",
       GameScreen::GameOver,
       [](Game& g) {
         SetUpBattle(g);
         g.displays.gameOverShown = true;
       },
       {}},
      {"victory", GameScreen::Victory, [](Game& g) { g.displays.victoryShown = true; }, {}},
      {"heaviest: battle, iceb and fogb", GameScreen::Battle, SetUpBattle, {"iceb", "fogb"}},
  };
}

struct Figures {
  double median, mean, slowest;  // wall clock
  // The drawing thread's own processor time: steadier on a busy machine, where the wall clock
  // also counts the moments other programs had the processor.
  double cpuMedian, cpuSlowest;
};

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Draws the scene frames times, each on a clock one frame later, and times every frame.
Figures Time(Game& game, const Scene& scene, int frames, float& clock) {
  scene.setUp(game);
  std::vector<double> times, cpuTimes;
  for (int i = 0; i < frames; ++i) {
    clock += kFrameStep;
    game.clock = clock;
    // The screen and its effects are kept up: the curtain or a sequence's end would end them.
    game.screen = scene.screen;
    if (scene.screen == GameScreen::GameOver) game.displays.gameOverTime = clock - 4;
    if (scene.screen == GameScreen::Victory) game.displays.victoryTime = clock - 2;
    if (scene.screen == GameScreen::Battle)
      game.displays.monsterMissTime = game.displays.heroMissTime = clock;
    for (const char* effect : scene.effects) {
      CD2DGif* sequence = game.assets.sequences.Find(effect);
      if (sequence && !sequence->IsRunning()) sequence->Start();
    }
    const double cpuStart = ThreadCpuMs();
    const auto start = std::chrono::steady_clock::now();
    RenderFrame(game, clock);
    const auto end = std::chrono::steady_clock::now();
    cpuTimes.push_back(ThreadCpuMs() - cpuStart);
    times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  double sum = 0;
  for (double t : times) sum += t;
  return {Median(times), sum / static_cast<double>(times.size()),
          *std::max_element(times.begin(), times.end()), Median(cpuTimes),
          *std::max_element(cpuTimes.begin(), cpuTimes.end())};
}

int Main(int argc, char** argv) {
  const ToolArguments arguments = ReadToolArguments(argc, argv);
  const std::vector<std::string>& others = arguments.others;
  int frames = 240;
  std::optional<Size> size;
  bool understood = !arguments.malformed;
  for (size_t i = 0; understood && i < others.size(); ++i) {
    const bool hasValue = i + 1 < others.size();
    if (others[i] == "--frames" && hasValue) {
      frames = std::max(1, std::atoi(others[++i].c_str()));
    } else if (Size asked;
               others[i] == "--size" && hasValue &&
               std::sscanf(others[++i].c_str(), "%dx%d", &asked.width, &asked.height) == 2 &&
               asked.width > 0 && asked.height > 0) {
      size = asked;
    } else {
      understood = false;
    }
  }
  if (!understood) {
    std::fprintf(stderr,
                 "usage: quenlit-bench-frames [--root DIR] [--frames N] "
                 "[--size WIDTHxHEIGHT]\n");
    return 2;
  }
  const FolderVisit inside(arguments.root);
  if (!inside.Entered()) {
    std::fprintf(stderr, "quenlit-bench-frames: cannot enter %s: %s\n", arguments.root.c_str(),
                 inside.Reason().c_str());
    return 1;
  }

  OffscreenGame offscreen(size);
  if (!offscreen.canvas()) {
    std::fprintf(stderr, "quenlit-bench-frames: %s\n", offscreen.canvasError().c_str());
    return 1;
  }
  Game& game = offscreen.game();
  platform::SoftwareCanvas& canvas = *offscreen.canvas();
  offscreen.Load();
  // The copies of the big effects are made on a thread of their own once the map shows; a
  // player needs longer than that to reach a battle.
  canvas.WaitForPreparedForms();

  std::printf("One frame of each screen, software renderer, %d x %d%s, %d frames each\n",
              canvas.Width(), canvas.Height(), game.settings.fitScene ? ", scene fitted" : "",
              frames);
  std::printf("%-34s %10s %10s %10s %10s\n", "screen", "median ms", "mean ms", "slowest ms",
              "cpu ms");
  float clock = 1;
  Figures heaviest{}, pause{};
  const std::vector<Scene> scenes = Scenes();
  const Scene* pauseScene = nullptr;
  for (const Scene& scene : scenes) {
    // The heaviest battle plays for 10 s, long enough for every frame of its effects to show
    // for the first time: a copy made on first showing would stand out as the slowest frame.
    const bool last = &scene == &scenes.back();
    const int count = last ? static_cast<int>(std::ceil(kHeaviestSeconds / kFrameStep)) : frames;
    const Figures f = Time(game, scene, count, clock);
    std::printf("%-34s %10.3f %10.3f %10.3f %10.3f\n", scene.name, f.median, f.mean, f.slowest,
                f.cpuMedian);
    if (scene.screen == GameScreen::Paused) {
      pause = f;
      pauseScene = &scene;
    }
    if (last) heaviest = f;
  }
  // The window's canvas skips unchanged frames; the bench's draws every frame unless told.
  canvas.SkipUnchangedFrames(true);
  const size_t shownBefore = canvas.FramesShown();
  const Figures paid = Time(game, *pauseScene, frames, clock);
  const size_t shown = canvas.FramesShown() - shownBefore;
  canvas.SkipUnchangedFrames(false);
  std::printf("pause frame drawn in full: processor %.3f ms: %s the %.1f ms goal\n",
              pause.cpuMedian, pause.cpuMedian <= kPauseBudgetMs ? "within" : "OVER",
              kPauseBudgetMs);
  std::printf(
      "pause frame as the window pays it (%zu of %d frames drawn, the others unchanged): "
      "processor median %.3f ms, slowest %.3f ms: %s the %.1f ms goal\n",
      shown, frames, paid.cpuMedian, paid.cpuSlowest,
      paid.cpuMedian <= kPauseBudgetMs ? "within" : "OVER", kPauseBudgetMs);
  std::printf("heaviest frame: median %.3f ms, processor %.3f ms: %s the %.1f ms goal\n",
              heaviest.median, heaviest.cpuMedian,
              heaviest.cpuMedian < kHeaviestBudgetMs ? "within" : "OVER", kHeaviestBudgetMs);
  std::printf(
      "heaviest battle, %.0f s: processor median %.3f ms, slowest %.3f ms, slowest / median = "
      "%.2f (wall clock: median %.3f ms, slowest %.3f ms)\n",
      kHeaviestSeconds, heaviest.cpuMedian, heaviest.cpuSlowest,
      heaviest.cpuSlowest / heaviest.cpuMedian, heaviest.median, heaviest.slowest);
  const double peak = PeakMiB(), pictures = DecodedMiB(game);
  std::printf(
      "memory at %d x %d: peak %.1f MiB, decoded pictures %.1f MiB, peak / pictures = %.2f\n",
      canvas.Width(), canvas.Height(), peak, pictures, peak / pictures);
  return 0;
}

}  // namespace
}  // namespace quenlit::bench

int main(int argc, char** argv) {
  return quenlit::bench::Main(argc, argv);
}
