#include "app/loading/loading_sequence.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>
#include <utility>

#include "catalogue/catalogue_loader.h"
#include "data/floor_loader.h"
#include "data/integrity.h"
#include "data/monster_loader.h"
#include "data/paths.h"
#include "game/game.h"
#include "game_texts.h"
#include "platform/audio.h"
#include "ui/screens.h"

namespace quenlit {
namespace {

std::vector<LoadingSequence::NamedPicture> PicturesOf(
    const std::vector<catalogue::ImageEntry>& entries) {
  std::vector<LoadingSequence::NamedPicture> pictures;
  pictures.reserve(entries.size());
  for (const catalogue::ImageEntry& entry : entries) {
    pictures.emplace_back(entry.name, entry.embedded ? "the reward picture in the program"
                                                     : catalogue::PicturePath(entry.file));
  }
  return pictures;
}

}  // namespace

LoadingSequence::LoadingSequence(Game& game) : game_(game) {
  platform::Canvas* canvas = game.graphics.GetRenderTarget();
  // A missing or edited data file ends the game before anything is loaded.
  Add(0, [this] { return CheckDataFiles(); });
  Add(0, [this] {
    bundle_.displayModes = {{735, 580}, {973, 768}, {1242, 980}, {1366, 1078}, {1700, 1331}};
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return true;
  });
  Add(0, [this] {
    PublishLoadingScreen();
    return true;
  });
  // Every picture of the catalogue is decoded ahead on all cores; each checkpoint takes its
  // group as soon as that group is done, so the progress still follows the pictures.
  Add(0, [this, canvas] {
    QueueCatalogueImages(canvas);
    return true;
  });
  const std::vector<catalogue::ImageGroup>& groups = catalogue::ImageGroups();
  for (size_t group = 0; group < groups.size(); ++group) {
    Add(groups[group].checkpoint, [this, group] {
      AdoptDecodedGroup(group);
      ReportPictures(bundle_.images, PicturesOf(catalogue::ImageGroups()[group].images));
      return true;
    });
  }
  Add(93, [this, canvas] {
    catalogue::BuildSequences(bundle_.images, bundle_.sequences);
    // Copies of what is always drawn stretched or faded: the canvas makes them on a thread of
    // its own, ahead of the frames that show them.
    std::map<std::shared_ptr<platform::Bitmap>, std::vector<platform::Canvas::Drawing>> byBitmap;
    for (const ui::FixedDraw& draw : ui::FixedDraws(bundle_.images, bundle_.sequences))
      byBitmap[draw.bitmap].push_back(draw.drawing);
    for (const auto& [bitmap, drawings] : byBitmap) canvas->Prepare(bitmap, drawings);
    return true;
  });
  Add(95, [this, canvas] {
    const IniFile table = IniFile::Load("./data/monster.dat");
    bundle_.monsters = ReadMonsterTable(table);
    // The rules take the table's numbers as they are: a negative reward or a certain dodge
    // would break them (a save the loader refuses, gold that wraps round).
    if (const auto impossible = FindImpossibleMonster(table, bundle_.monsters)) {
      std::cerr << "quenlit: data/monster.dat: " << *impossible << std::endl;
      return false;
    }
    catalogue::LoadMonsterPictures(canvas, bundle_.monsters, bundle_.images);
    std::vector<NamedPicture> pictures;
    for (const auto& [id, kind] : bundle_.monsters) {
      pictures.emplace_back(kind.keyName + "_1", "Images/" + kind.image1);
      pictures.emplace_back(kind.keyName + "_2", "Images/" + kind.image2);
    }
    ReportPictures(bundle_.images, pictures);
    return true;
  });
  Add(98, [this] {
    catalogue::LoadSounds(bundle_.sounds);
    ReportSounds();
    return true;
  });
  Add(100, [this] {
    std::string error;
    if (ReadFloors(bundle_.floors, error)) return true;
    std::cerr << "quenlit: " << error << std::endl;
    return false;
  });
  Add(0, [this] {
    Publish();
    return true;
  });
}

void LoadingSequence::Add(int32_t checkpoint, std::function<bool()> run) {
  steps_.push_back({checkpoint, std::move(run)});
}

bool LoadingSequence::RunNextStep() {
  if (Finished()) return true;
  const Step& step = steps_[next_];
  lastCheckpoint_ = 0;
  if (!step.run()) return false;
  ++next_;
  if (step.checkpoint != 0) {
    game_.loading.loadProgress = step.checkpoint;
    lastCheckpoint_ = step.checkpoint;
  }
  return true;
}

void LoadingSequence::UnderRenderLock(const std::function<void()>& work) {
  game_.loading.renderLock.acquire();
  work();
  game_.loading.renderLock.release();
}

bool LoadingSequence::CheckDataFiles() {
  for (const CheckedFile& file : CheckedDataFiles()) {
    const FileCheck check = CheckFile(file);
    if (check == FileCheck::Intact) continue;
    std::string shown = file.path;  // "Data\\3.map" as the player's folder names it
    std::replace(shown.begin(), shown.end(), '\\', '/');
    Report(shown, check == FileCheck::Missing ? "missing or unreadable"
                                              : "damaged (fails the integrity check)");
    game_.shell.ShowMessage(
        "", check == FileCheck::Missing ? texts::kDataFileMissing : texts::kDataFileAltered);
    game_.shell.Exit(1);
  }
  return true;
}

void LoadingSequence::QueueCatalogueImages(platform::Canvas* canvas) {
  workers_ = std::make_unique<platform::Workers>(platform::Workers::PerCore());
  for (const catalogue::ImageGroup& group : catalogue::ImageGroups()) {
    decoded_.emplace_back(group.images.size());
    std::vector<std::future<void>>& pending = pending_.emplace_back();
    std::vector<CD2DImage>& decoded = decoded_.back();
    for (size_t i = 0; i < group.images.size(); ++i) {
      pending.push_back(
          workers_->Queue([this, canvas, &entry = group.images[i], &image = decoded[i]] {
            image = catalogue::LoadImage(canvas, entry, game_.assets.resources);
          }));
    }
  }
}

void LoadingSequence::AdoptDecodedGroup(size_t group) {
  const catalogue::ImageGroup& entries = catalogue::ImageGroups()[group];
  for (size_t i = 0; i < entries.images.size(); ++i) {
    pending_[group][i].wait();
    bundle_.images.Put(entries.images[i].name, std::move(decoded_[group][i]));
  }
}

void LoadingSequence::Report(const std::string& path, const std::string& reason) {
  if (!reported_.insert(path).second) return;
  std::cerr << "quenlit: " << path << ": " << reason << std::endl;
}

bool LoadingSequence::FolderPresent(const std::string& folder, const std::string& consequence) {
  std::error_code ignored;
  if (std::filesystem::is_directory(ResolveGamePath(folder), ignored)) return true;
  Report(folder + "/", "missing; " + consequence);
  return false;
}

void LoadingSequence::ReportPictures(const ImageRegistry& images,
                                     const std::vector<NamedPicture>& pictures) {
  // Without a canvas nothing is decoded at all, and that has been said already.
  if (!game_.graphics.GetRenderTarget() || !FolderPresent("Images", "no picture is shown")) return;
  for (const auto& [name, path] : pictures) {
    if (images.Contains(name) && images.at(name).bitmap) continue;
    std::error_code ignored;
    Report(path, std::filesystem::exists(ResolveGamePath(path), ignored)
                     ? "damaged (not a PNG picture); it is left out"
                     : "missing; it is left out");
  }
}

void LoadingSequence::ReportSounds() {
  if (!FolderPresent("wav", "the game is silent")) return;
  for (const catalogue::SoundEntry& entry : catalogue::Sounds()) {
    const DSound::SOUND_LOADBUFF& loaded = bundle_.sounds.buffers[entry.file];
    const std::string path = "wav/" + entry.file;
    if (loaded.size != 0 && !platform::IsPlayable(loaded.format)) {
      const platform::WaveFormat& f = loaded.format;
      Report(path, "in a format the game cannot play (" + std::to_string(f.channels) +
                       " channels, " + std::to_string(f.samplesPerSecond) + " samples a second, " +
                       std::to_string(f.bitsPerSample) + " bits, format " +
                       std::to_string(f.formatTag) + "); it stays silent");
    }
    if (loaded.size != 0) continue;
    std::error_code ignored;
    Report(path, std::filesystem::exists(ResolveGamePath(path), ignored)
                     ? "damaged (not a WAVE sound); it stays silent"
                     : "missing; it stays silent");
  }
}

void LoadingSequence::PublishLoadingScreen() {
  // Pictures are decoded on any thread; only filling the registries the renderer reads from
  // needs the lock.
  platform::Canvas* canvas = game_.graphics.GetRenderTarget();
  catalogue::ImageMap images;
  catalogue::SequenceMap sequences;
  catalogue::LoadImages(canvas, catalogue::LoadingImages(), game_.assets.resources, images);
  catalogue::BuildLoadingSequence(images, sequences);
  ReportPictures(images, PicturesOf(catalogue::LoadingImages()));
  UnderRenderLock([&] {
    game_.assets.images.Adopt(std::move(images));
    game_.assets.sequences.Adopt(std::move(sequences));
  });
}

void LoadingSequence::Publish() {
  // The renderer looks pictures and sequences up under the lock; everything else waits for
  // the screen to leave Loading, which happens after the whole bundle is in place.
  UnderRenderLock([&] {
    game_.assets.images.Adopt(std::move(bundle_.images));
    game_.assets.sequences.Adopt(std::move(bundle_.sequences));
    game_.sound.Adopt(std::move(bundle_.sounds));
    game_.world.monsters = std::move(bundle_.monsters);
    game_.world.floors = std::move(bundle_.floors);
    game_.settings.displayModes = std::move(bundle_.displayModes);
    game_.settings.displayModeIndex = 0;
  });
  game_.BeginPlay();
}

}  // namespace quenlit
