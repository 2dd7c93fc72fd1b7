// quenlit-bench-load: how long loading the full game folder takes, from the start of the
// loading sequence to the Map screen, and its peak memory, against the floor below which
// loading cannot go: decoding each of the same PNG and WAVE files once with the same decoder.
//
//   quenlit-bench-load [--root DIR] [--runs N]
//
// DIR is a complete game folder (default: the current directory). Pictures are decoded by the
// software canvas (SDL2_image), as the game does. Each measure is the best of N runs
// (default 3); loading should stay within 1.3 times the floor.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "app/config.h"
#include "app/embedded_resources.h"
#include "app/game_fonts.h"
#include "app/loader.h"
#include "assets/catalogue.h"
#include "game/game.h"
#include "platform/headless/stderr_shell.h"
#include "platform/headless/virtual_audio.h"
#include "platform/headless/virtual_clock.h"
#include "platform/sdl/software_canvas.h"
#include "sound/wave_file.h"

namespace quenlit::bench {
namespace {

constexpr double kGoal = 1.3;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The process's peak resident memory so far, in MiB (VmHWM).
double PeakMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long kib = 0;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> kib;
      break;
    }
  }
  return kib / 1024.0;
}

// One complete world, loaded from the current folder as the game loads it.
struct World {
  World(platform::FontLocator& fonts)
      : audio(wallClock), game(hero, graphics, sound, wallClock, shell) {
    game.resources = EmbeddedGameResources();
    ReadConfig(game);
    canvas = std::make_unique<platform::SoftwareCanvas>(game.windowWidth, game.windowHeight, fonts);
    graphics.Initialize(canvas.get());
    sound.SetDevice(&audio);
  }
  platform::VirtualWallClock wallClock;
  platform::StderrShell shell;
  platform::VirtualAudioDevice audio;
  std::unique_ptr<platform::SoftwareCanvas> canvas;
  Hero hero;
  CD2DGraphics graphics;
  DSound sound;
  Game game;
};

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
  for (const auto& [id, monster] : loaded.monsters) {
    files.pictures.insert("Images/" + monster.image1);
    files.pictures.insert("Images/" + monster.image2);
  }
  for (const catalogue::SoundEntry& entry : catalogue::Sounds())
    files.sounds.insert("./wav/" + entry.file);
  return files;
}

// Decodes every file once; returns the seconds taken and counts what decoded.
double DecodeOnce(platform::Canvas& canvas, const Game& game, const Files& files, int& decoded) {
  decoded = 0;
  const auto start = Clock::now();
  if (game.resources.rewardPng)
    decoded += canvas.DecodePng(game.resources.rewardPng, game.resources.rewardPngSize) != nullptr;
  for (const std::string& path : files.pictures) decoded += canvas.LoadPng(path) != nullptr;
  for (const std::string& path : files.sounds) {
    WaveData wave;
    decoded += ReadWaveFile(path, wave);
  }
  return Seconds(start);
}

int Main(int argc, char** argv) {
  int runs = 3;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--root" && i + 1 < argc) {
      if (chdir(argv[++i]) != 0) {
        std::fprintf(stderr, "quenlit-bench-load: cannot enter %s\n", argv[i]);
        return 1;
      }
    } else if (option == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: quenlit-bench-load [--root DIR] [--runs N]\n");
      return 2;
    }
  }
  platform::FontLocator fonts = MakeGameFontLocator();

  double bestLoad = 1e9, peak = 0;
  Files files;
  size_t pictures = 0, sounds = 0;
  for (int run = 0; run < runs; ++run) {
    World world(fonts);
    const auto start = Clock::now();
    if (!LoadAll(world.game) || world.game.screen != GameScreen::Map) {
      std::fprintf(stderr, "quenlit-bench-load: the game folder did not load\n");
      return 1;
    }
    bestLoad = std::min(bestLoad, Seconds(start));
    peak = std::max(peak, PeakMiB());
    if (run == 0) {
      files = FilesOf(world.game);
      for (const auto& [name, image] : world.game.images) pictures += image.bitmap != nullptr;
      sounds = world.sound.Buffers().size();
    }
  }

  double bestFloor = 1e9;
  int decoded = 0;
  for (int run = 0; run < runs; ++run) {
    World world(fonts);
    bestFloor = std::min(bestFloor, DecodeOnce(*world.canvas, world.game, files, decoded));
  }

  const double ratio = bestLoad / bestFloor;
  std::printf("Loading the game folder, best of %d runs (SDL2_image decoding)\n", runs);
  std::printf("  start to Map:             %8.1f ms  (%zu pictures, %zu sound files in memory)\n",
              bestLoad * 1000, pictures, sounds);
  std::printf("  peak memory of loading:   %8.1f MiB\n", peak);
  std::printf("  decoding each file once:  %8.1f ms  (%d files)\n", bestFloor * 1000, decoded);
  std::printf("  loading / decoding:       %8.2f  (%s the %.1f goal)\n", ratio,
              ratio <= kGoal ? "within" : "OVER", kGoal);
  return 0;
}

}  // namespace
}  // namespace quenlit::bench

int main(int argc, char** argv) {
  return quenlit::bench::Main(argc, argv);
}
