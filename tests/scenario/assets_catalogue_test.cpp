// The whole catalogue loaded from the built game's pictures and sounds, in a sealed game
// folder: every picture and frame is there at its size, every sound has its samples, the
// checkpoints come in order and the loading ends on the map.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/loading/loader.h"
#include "base/folder_visit.h"
#include "catalogue/catalogue.h"
#include "folder_link.h"
#include "game_folder.h"
#include "world.h"

namespace quenlit::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGameDir = QUENLIT_GAME_DIR;
// The reward picture that the build embeds in the program.
const fs::path kRewardPng = QUENLIT_REWARD_PNG;

class AssetsCatalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each monster kind with its own two pictures, as the shipped table names them.
    for (int kind = 1; kind <= 44; ++kind) {
      folder_.SetMonster(kind, "Name=m" + std::to_string(kind) + "\nImage1=Image " +
                                   std::to_string(2000 + 2 * kind - 1) + ".png\nImage2=Image " +
                                   std::to_string(2000 + 2 * kind) + ".png\nHP=10\n");
    }
    folder_.Write();
    LinkFolder(kGameDir / "Images", fs::path(folder_.Path()) / "Images");
    LinkFolder(kGameDir / "wav", fs::path(folder_.Path()) / "wav");
    std::ifstream reward(kRewardPng, std::ios::binary);
    rewardBytes_.assign(std::istreambuf_iterator<char>(reward), std::istreambuf_iterator<char>());
    world_.game.assets.resources = {rewardBytes_.data(), rewardBytes_.size()};
    world_.game.loading.onCheckpoint = [this](int value) { checkpoints_.push_back(value); };
    world_.game.screen = GameScreen::Loading;
    world_.game.assets.images.clear();
    world_.game.assets.sequences.clear();
    const FolderVisit inside(folder_.Path());
    ASSERT_TRUE(inside.Entered()) << inside.Reason();
    loaded_ = LoadAll(world_.game);
  }

  GameFolder folder_;
  World world_;
  std::vector<uint8_t> rewardBytes_;
  std::vector<int> checkpoints_;
  bool loaded_ = false;
};

TEST_F(AssetsCatalogue, LoadsEverythingInOrderAndEndsOnTheMap) {
  ASSERT_TRUE(loaded_);
  EXPECT_EQ(world_.game.screen, GameScreen::Map);
  EXPECT_EQ(checkpoints_,
            (std::vector<int>{3,  5,  7,  9,  11, 12, 15, 17, 18, 20, 22, 24, 25, 26, 28,
                              31, 33, 35, 38, 40, 41, 43, 45, 46, 51, 54, 56, 57, 60, 63,
                              67, 69, 71, 73, 75, 77, 79, 81, 90, 93, 95, 98, 100}));
  EXPECT_TRUE(world_.shell.messages.empty());
}

TEST_F(AssetsCatalogue, EveryPictureHasABitmapOfAtLeastATile) {
  ASSERT_TRUE(loaded_);
  std::vector<catalogue::ImageEntry> entries = catalogue::LoadingImages();
  for (const catalogue::ImageGroup& group : catalogue::ImageGroups())
    entries.insert(entries.end(), group.images.begin(), group.images.end());
  for (int kind = 1; kind <= 44; ++kind) {
    entries.push_back({"Monster" + std::to_string(kind) + "_1"});
    entries.push_back({"Monster" + std::to_string(kind) + "_2"});
  }
  for (const catalogue::ImageEntry& entry : entries) {
    const auto& bitmap = world_.game.assets.images.at(entry.name).bitmap;
    ASSERT_NE(bitmap, nullptr) << entry.name;
    // Only the effect frames may be smaller than a tile; their sizes are checked below.
    if (entry.name != "blank" && entry.name.rfind("magic", 0) != 0) {
      EXPECT_GE(bitmap->Width(), 32) << entry.name;
      EXPECT_GE(bitmap->Height(), 32) << entry.name;
    }
  }
  EXPECT_GE(world_.game.assets.images.at("flag").bitmap->Width(), 756);
  EXPECT_GE(world_.game.assets.images.at("flag").bitmap->Height(), 191);
}

TEST_F(AssetsCatalogue, EveryFrameShowsABitmapOfAtLeastItsFrameSize) {
  ASSERT_TRUE(loaded_);
  for (const catalogue::SequenceEntry& entry : catalogue::Sequences()) {
    const CD2DGif& sequence = world_.game.assets.sequences.at(entry.name);
    const auto& frames = entry.copyOf.empty() ? entry.frames : [&] {
      for (const catalogue::SequenceEntry& other : catalogue::Sequences())
        if (other.name == entry.copyOf) return other.frames;
      return entry.frames;
    }();
    ASSERT_EQ(sequence.frames.size(), frames.size()) << entry.name;
    for (size_t i = 0; i < frames.size(); ++i) {
      const GifFrame& frame = sequence.frames[i];
      ASSERT_NE(frame.bitmap, nullptr) << entry.name << " frame " << i;
      EXPECT_GE(frame.bitmap->Width(), frames[i].width) << entry.name << " frame " << i;
      EXPECT_GE(frame.bitmap->Height(), frames[i].height) << entry.name << " frame " << i;
    }
  }
  const CD2DGif& loading = world_.game.assets.sequences.at("loading");
  ASSERT_EQ(loading.frames.size(), 13u);
  for (const GifFrame& frame : loading.frames) {
    ASSERT_NE(frame.bitmap, nullptr);
    EXPECT_GE(frame.bitmap->Width(), 206);
    EXPECT_GE(frame.bitmap->Height(), 60);
  }
}

TEST_F(AssetsCatalogue, EverySoundLoadsWithItsSamples) {
  ASSERT_TRUE(loaded_);
  for (const catalogue::SoundEntry& entry : catalogue::Sounds()) {
    const auto buffer = world_.sound.Buffers().find(entry.file);
    ASSERT_NE(buffer, world_.sound.Buffers().end()) << entry.file;
    EXPECT_FALSE(buffer->second.data.empty()) << entry.file;
    EXPECT_EQ(buffer->second.format.bitsPerSample, 16) << entry.file;
    if (!entry.name.empty()) {
      EXPECT_EQ(world_.sound.Names().at(entry.name), entry.file);
    }
  }
  EXPECT_EQ(world_.sound.Buffers().size(), 42u);  // the designed 41 and the locked door's knock
}

}  // namespace
}  // namespace quenlit::test
