// The table of what every cell byte means, against the catalogue that holds its pictures
// and sequences.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "game/tiles.h"

namespace quenlit::test {
namespace {

TEST(Tiles, EveryPictureAndOpeningTheTableNamesIsInTheCatalogue) {
  std::set<std::string> pictures, sequences;
  for (const catalogue::ImageGroup& group : catalogue::ImageGroups())
    for (const catalogue::ImageEntry& image : group.images) pictures.insert(image.name);
  for (const catalogue::SequenceEntry& sequence : catalogue::Sequences())
    sequences.insert(sequence.name);
  for (int code = 0; code < 256; ++code) {
    const tile::Meaning& meaning = tile::MeaningOf(static_cast<uint8_t>(code));
    SCOPED_TRACE(code);
    const std::string picture = meaning.picture;
    if (meaning.blink == tile::Blink::Still) {
      EXPECT_TRUE(picture.empty() || pictures.count(picture)) << picture;
    } else {
      EXPECT_TRUE(pictures.count(picture + "_1") && pictures.count(picture + "_2")) << picture;
    }
    EXPECT_TRUE(meaning.kind != tile::Kind::Door || sequences.count(meaning.opening));
  }
}

TEST(Tiles, KindsKeysAndStairsHangTogether) {
  int walkable = 0;
  for (int code = 0; code < 256; ++code) {
    const tile::Meaning& meaning = tile::MeaningOf(static_cast<uint8_t>(code));
    SCOPED_TRACE(code);
    walkable += tile::IsWalkable(static_cast<uint8_t>(code));
    if (meaning.kind == tile::Kind::Door && meaning.key != tile::kFloor) {
      // A key is an item counted in the hero's pockets under its own code.
      const tile::Meaning& key = tile::MeaningOf(meaning.key);
      EXPECT_EQ(key.kind, tile::Kind::Item);
      EXPECT_EQ(key.gain.stat, tile::Gain::Counter);
    }
    const bool gains = meaning.kind == tile::Kind::Item && meaning.gain.stat != tile::Gain::Nothing;
    EXPECT_EQ(gains, meaning.gain.message != nullptr);
    EXPECT_EQ(meaning.kind == tile::Kind::Stairs, meaning.floorChange != 0);
    EXPECT_EQ(meaning.kind == tile::Kind::Character, *meaning.speaker != '\0');
  }
  EXPECT_EQ(walkable, 3);  // floor and the two stairs
  EXPECT_EQ(tile::MeaningOf(tile::kStairsUp).floorChange, 1);
  EXPECT_EQ(tile::MeaningOf(tile::kStairsDown).floorChange, -1);
}

}  // namespace
}  // namespace quenlit::test
