// Loads the catalogue's pictures, frame sequences and sounds into the maps it is given, so
// that the loader can build them apart from the running game.
#include "assets/catalogue_loader.h"

namespace quenlit::catalogue {

std::string PicturePath(int file) {
  return "Images/Image " + std::to_string(file) + ".png";
}

CD2DImage LoadImage(platform::Canvas* canvas, const ImageEntry& entry,
                    const EmbeddedResources& resources) {
  CD2DImage image;
  if (entry.embedded) {
    image.LoadFromResource(canvas, resources.rewardPng, resources.rewardPngSize);
  } else {
    image.LoadFromFile(canvas, PicturePath(entry.file));
  }
  return image;
}

void LoadImages(platform::Canvas* canvas, const std::vector<ImageEntry>& entries,
                const EmbeddedResources& resources, ImageMap& images) {
  for (const ImageEntry& entry : entries)
    images.insert_or_assign(entry.name, LoadImage(canvas, entry, resources));
}

void BuildLoadingSequence(ImageMap& images, SequenceMap& sequences) {
  CD2DGif& loading = sequences["loading"];
  for (int n = 1; n <= 13; ++n) loading.AddFrame(images["load" + std::to_string(n)], 206, 60);
  loading.SetFps(48);
  loading.SetLoop(-1);
  loading.Start();
}

void BuildSequences(ImageMap& images, SequenceMap& sequences) {
  for (const SequenceEntry& entry : Sequences()) {
    if (!entry.copyOf.empty()) {
      sequences[entry.name] = sequences[entry.copyOf];
      continue;
    }
    CD2DGif& sequence = sequences.emplace(entry.name, CD2DGif(entry.fps)).first->second;
    for (const FrameEntry& frame : entry.frames) {
      sequence.AddFrame(images[frame.image], frame.width, frame.height);
    }
  }
}

void LoadMonsterPictures(platform::Canvas* canvas, const std::map<int32_t, Monster>& monsters,
                         ImageMap& images) {
  for (const auto& [id, monster] : monsters) {
    images[monster.keyName + "_1"].LoadFromFile(canvas, "Images/" + monster.image1);
    images[monster.keyName + "_2"].LoadFromFile(canvas, "Images/" + monster.image2);
  }
}

void LoadSounds(DSound::Bank& bank) {
  const std::string base = "./wav/";
  for (const SoundEntry& entry : Sounds()) {
    if (entry.name.empty()) {
      bank.LoadWave(base, entry.file);
    } else {
      bank.AddSound(entry.name, base, entry.file);
    }
  }
}

}  // namespace quenlit::catalogue
