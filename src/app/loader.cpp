// The loading sequence: check the data files, then load everything while the main thread
// keeps drawing the loading screen, and start the game.
#include <chrono>
#include <thread>

#include "app/fatal.h"
#include "assets/catalogue.h"
#include "data/integrity.h"
#include "game/game.h"

namespace quenlit {

void Game::Checkpoint(int32_t value) {
  renderLock.release();
  loadProgress = value;
  // Lets the main thread draw the new percentage.
  if (onCheckpoint) {
    onCheckpoint(value);
  } else if (value != 100) {
    std::this_thread::yield();
  }
  renderLock.acquire();
}

bool Game::Load() {
  // A missing or edited data file ends the game before anything is loaded.
  for (const CheckedFile& file : CheckedDataFiles()) {
    const FileCheck check = CheckFile(file);
    if (check == FileCheck::Intact) continue;
    shell.ShowMessage(
        "", check == FileCheck::Missing ? "文件损坏" : "童鞋 想拿flag是不可以乱改游戏文件的哟~");
    shell.Exit(1);
  }

  displayModeIndex = 0;
  displayModes = {{735, 580}, {973, 768}, {1242, 980}, {1366, 1078}, {1700, 1331}};
  std::this_thread::sleep_for(std::chrono::milliseconds(10));

  renderLock.acquire();
  platform::Canvas* canvas = graphics.GetRenderTarget();
  for (const catalogue::ImageEntry& entry : catalogue::LoadingImages()) {
    images[entry.name].LoadFromFile(canvas, "Images/Image " + std::to_string(entry.file) + ".png");
  }
  CD2DGif& loading = sequences["loading"];
  for (int n = 1; n <= 13; ++n) loading.AddFrame(images["load" + std::to_string(n)], 206, 60);
  loading.SetFps(48);
  loading.SetLoop(-1);
  loading.Start();

  if (!LoadCatalogue()) return false;  // the lock stays held: nothing more is drawn
  renderLock.release();

  StartNewGame();
  shopPrice = 20;
  screen = GameScreen::Map;
  return true;
}

void RunLoader(Game& game) {
  game.loadProgress = 0;
  if (!game.Load()) FatalError(game.shell, "游戏初始化失败", true);
  game.loadProgress = 100;
}

}  // namespace quenlit
