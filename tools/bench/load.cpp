// quenlit-bench-load: how long loading the full game folder takes, from the start of the
// loading sequence to the Map screen, against the floor below which loading cannot go:
// decoding each of the same PNG and WAVE files once, on every core. Also the peak memory once
// the map has been drawn, against the decoded size of all pictures.
//
//   quenlit-bench-load [--root DIR] [--runs N]
//
// DIR is a complete game folder (default: the current directory). Pictures are decoded by the
// software canvas's own decoder, set up by the folder's config.ini as the game's (the scene
// fitted to the window when it says so), and the memory is read once the copies that the
// canvas makes ahead of the battles are made too. Loading and the floor are measured in turns
// in the same run, each the best of N (default 3). The last line is the ratio the goal is set
// on: loading should stay within 1.3 times the floor, memory within 1.15 times the pictures.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/loading/loader.h"
#include "app/offscreen/offscreen_game.h"
#include "app/settings/tool_arguments.h"
#include "base/folder_visit.h"
#include "catalogue/catalogue.h"
#include "game/game.h"
#include "memory_figures.h"
#include "platform/sdl/png_decoding.h"
#include "platform/workers.h"
#include "sound/wave_file.h"

namespace quenlit::bench {
namespace {

constexpr double kLoadGoal = 1.3;
constexpr double kMemoryGoal = 1.15;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Every file a full load reads, each once: the catalogue's pictures, the monsters' pictures
// as the monster table names them, and the sounds.
struct Files {
  std::set<std::string> pictures;
  std::set<std::string> sounds;
};

Files FilesOf(const Game& loaded) {
  Files files;
  for (const catalogue::ImageEntry& entry : catalogue::LoadingImages())
    files.pictures.insert("Images/Image " + std::to_string(entry.file) + ".png");
  for (const catalogue::ImageGroup& group : catalogue::ImageGroups())
    for (const catalogue::ImageEntry& entry : group.images)
      if (!entry.embedded)
        files.pictures.insert("Images/Image " + std::to_string(entry.file) + ".png");
  for (const auto& [id, monster] : loaded.world.monsters) {
    files.pictures.insert("Images/" + monster.image1);
    files.pictures.insert("Images/" + monster.image2);
  }
  for (const catalogue::SoundEntry& entry : catalogue::Sounds())
    files.sounds.insert("./wav/" + entry.file);
  return files;
}

bool Decoded(SDL_Surface* surface) {
  SDL_FreeSurface(surface);
  return surface != nullptr;
}

// Decodes every file once on every core; returns the seconds taken and counts what decoded.
double DecodeOnce(const Game& game, const Files& files, int& decoded) {
  std::vector<std::function<bool()>> jobs;
  if (game.assets.resources.rewardPng) {
    jobs.push_back([&] {
      return Decoded(platform::DecodePngSurface(
          {"", game.assets.resources.rewardPng, game.assets.resources.rewardPngSize}));
    });
  }
  for (const std::string& path : files.pictures)
    jobs.push_back([&path] { return Decoded(platform::DecodePngSurface({path, nullptr, 0})); });
  for (const std::string& path : files.sounds) {
    jobs.push_back([&path] {
      WaveData wave;
      return ReadWaveFile(path, wave);
    });
  }
  std::atomic<int> done{0};
  const auto start = Clock::now();
  platform::Workers workers(platform::Workers::PerCore());
  std::vector<std::future<void>> finished;
  finished.reserve(jobs.size());
  for (const auto& job : jobs) finished.push_back(workers.Queue([&] { done += job() ? 1 : 0; }));
  for (std::future<void>& f : finished) f.wait();
  const double seconds = Seconds(start);
  decoded = done;
  return seconds;
}

int Main(int argc, char** argv) {
  const ToolArguments arguments = ReadToolArguments(argc, argv);
  int runs = 3;
  bool understood = !arguments.malformed;
  for (size_t i = 0; understood && i < arguments.others.size(); ++i) {
    understood = arguments.others[i] == "--runs" && i + 1 < arguments.others.size();
    if (understood) runs = std::max(1, std::atoi(arguments.others[++i].c_str()));
  }
  if (!understood) {
    std::fprintf(stderr, "usage: quenlit-bench-load [--root DIR] [--runs N]\n");
    return 2;
  }
  const FolderVisit inside(arguments.root);
  if (!inside.Entered()) {
    std::fprintf(stderr, "quenlit-bench-load: cannot enter %s: %s\n", arguments.root.c_str(),
                 inside.Reason().c_str());
    return 1;
  }

  double bestLoad = 1e9, bestFloor = 1e9, peak = 0, picturesMiB = 0;
  Files files;
  size_t pictures = 0, sounds = 0;
  int decoded = 0;
  // Loading and the floor in turns, so that both see the machine in the same state.
  for (int run = 0; run < runs; ++run) {
    {
      OffscreenGame world;
      const auto start = Clock::now();
      if (!LoadAll(world.game()) || world.game().screen != GameScreen::Map) {
        std::fprintf(stderr, "quenlit-bench-load: the game folder did not load\n");
        return 1;
      }
      bestLoad = std::min(bestLoad, Seconds(start));
      if (run == 0) {
        // The map as the player first sees it: the pictures it shows become textures.
        RenderFrame(world.game(), 0);
        // The big effects' copies, made once the map shows, count too.
        world.canvas()->WaitForPreparedForms();
        peak = PeakMiB();
        picturesMiB = DecodedMiB(world.game());
        files = FilesOf(world.game());
        for (const auto& [name, image] : world.game().assets.images)
          pictures += image.bitmap != nullptr;
        sounds = world.parts.sound.Buffers().size();
      }
    }
    bestFloor = std::min(bestFloor, DecodeOnce(OffscreenGame().game(), files, decoded));
  }

  const double ratio = bestLoad / bestFloor;
  const double memory = peak / picturesMiB;
  std::printf("Loading the game folder, best of %d runs, %u cores\n", runs,
              platform::Workers::PerCore());
  std::printf("  start to Map:                    %8.1f ms  (%zu pictures, %zu sound files)\n",
              bestLoad * 1000, pictures, sounds);
  std::printf("  decoding floor (all cores):      %8.1f ms  (%d files)\n", bestFloor * 1000,
              decoded);
  std::printf("  peak memory, map drawn:          %8.1f MiB\n", peak);
  std::printf("  decoded size of all pictures:    %8.1f MiB\n", picturesMiB);
  std::printf("  peak memory / pictures = %.2f  (%s the %.2f goal)\n", memory,
              memory <= kMemoryGoal ? "within" : "OVER", kMemoryGoal);
  std::printf("  loading %s the %.1f goal\n", ratio <= kLoadGoal ? "within" : "OVER", kLoadGoal);
  std::printf("start to Map / decoding floor = %.2f\n", ratio);
  return 0;
}

}  // namespace
}  // namespace quenlit::bench

int main(int argc, char** argv) {
  return quenlit::bench::Main(argc, argv);
}
