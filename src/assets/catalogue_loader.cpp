// Loads every picture, frame sequence and sound of the catalogue, with the monster table and
// the floors at their fixed points, handing the render lock over at each checkpoint.
#include <string>

#include "assets/catalogue.h"
#include "game/game.h"

namespace quenlit {

bool Game::LoadCatalogue() {
  platform::Canvas* canvas = graphics.GetRenderTarget();
  for (const catalogue::ImageGroup& group : catalogue::ImageGroups()) {
    for (const catalogue::ImageEntry& entry : group.images) {
      CD2DImage& image = images[entry.name];
      if (entry.embedded) {
        image.LoadFromResource(canvas, resources.rewardPng, resources.rewardPngSize);
      } else {
        image.LoadFromFile(canvas, "Images/Image " + std::to_string(entry.file) + ".png");
      }
    }
    Checkpoint(group.checkpoint);
  }

  for (const catalogue::SequenceEntry& entry : catalogue::Sequences()) {
    if (!entry.copyOf.empty()) {
      sequences[entry.name] = sequences[entry.copyOf];
      continue;
    }
    CD2DGif& sequence = sequences.emplace(entry.name, CD2DGif(entry.fps)).first->second;
    for (const catalogue::FrameEntry& frame : entry.frames) {
      sequence.AddFrame(images[frame.image], frame.width, frame.height);
    }
  }
  Checkpoint(93);

  if (!LoadMonsters()) return false;
  Checkpoint(95);

  sound.SetBasePath("./wav/");
  for (const catalogue::SoundEntry& entry : catalogue::Sounds()) {
    if (entry.name.empty()) {
      sound.LoadWave(entry.file);
    } else {
      sound.AddSound(entry.name, entry.file);
    }
  }
  Checkpoint(98);

  if (!LoadFloors()) return false;
  Checkpoint(100);
  return true;
}

}  // namespace quenlit
