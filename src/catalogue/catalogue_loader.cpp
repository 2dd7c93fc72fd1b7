// Loads the catalogue's pictures, frame sequences and sounds into the maps it is given, so
// that the loader can build them apart from the running game.
#include "catalogue/catalogue_loader.h"

namespace quenlit::catalogue {
namespace {

// A picture the registry lacks still takes its place in the sequence, as a frame that draws
// nothing, so that the sequence keeps its length and timing.
void AddFrame(CD2DGif& sequence, const ImageMap& images, const std::string& name, int32_t width,
              int32_t height) {
  const CD2DImage* image = images.Find(name);
  sequence.AddFrame(image ? *image : CD2DImage(), width, height);
}

}  // namespace

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
    images.Put(entry.name, LoadImage(canvas, entry, resources));
}

void BuildLoadingSequence(ImageMap& images, SequenceMap& sequences) {
  CD2DGif& loading = sequences.Put("loading", CD2DGif());
  for (int n = 1; n <= 13; ++n) AddFrame(loading, images, "load" + std::to_string(n), 206, 60);
  loading.SetFps(48);
  loading.SetLoop(-1);
  loading.Start();
}

void BuildSequences(ImageMap& images, SequenceMap& sequences) {
  for (const SequenceEntry& entry : Sequences()) {
    if (!entry.copyOf.empty()) {
      const CD2DGif* original = sequences.Find(entry.copyOf);
      sequences.Put(entry.name, original ? *original : CD2DGif());
      continue;
    }
    CD2DGif& sequence = sequences.Contains(entry.name)
                            ? *sequences.Find(entry.name)
                            : sequences.Put(entry.name, CD2DGif(entry.fps));
    for (const FrameEntry& frame : entry.frames) {
      AddFrame(sequence, images, frame.image, frame.width, frame.height);
    }
  }
}

void LoadMonsterPictures(platform::Canvas* canvas, const std::map<int32_t, Monster>& monsters,
                         ImageMap& images) {
  for (const auto& [id, monster] : monsters) {
    images.Put(monster.keyName + "_1", CD2DImage())
        .LoadFromFile(canvas, "Images/" + monster.image1);
    images.Put(monster.keyName + "_2", CD2DImage())
        .LoadFromFile(canvas, "Images/" + monster.image2);
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
