// What the game's art promises beyond matching its golden pictures: nothing stands on a black
// hole in the floor, and the pause veil melts into the screen at its border.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "base/strike_effects.h"
#include "catalogue/catalogue.h"
#include "golden_picture.h"

namespace quenlit::test {
namespace {

double Lightness(uint32_t argb) {
  return 0.299 * ((argb >> 16) & 0xFF) + 0.587 * ((argb >> 8) & 0xFF) + 0.114 * (argb & 0xFF);
}

// The new game's first floor (its golden picture, which the built game is checked against):
// a cell whose picture is mostly near-black reads as a hole, and at most two may.
TEST(ArtDirection, TheFirstFloorHasNoBlackHoles) {
  Picture map;
  ASSERT_TRUE(ReadPicture(GoldenPath("new_game_map"), map));
  int holes = 0;
  for (int row = 0; row < 14; ++row) {
    for (int column = 0; column < 14; ++column) {
      int dark = 0;
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
          dark +=
              Lightness(map.pixels[(35 + 32 * row + y) * map.width + 230 + 32 * column + x]) < 24;
      if (dark > 0.35 * 32 * 32) {
        ++holes;
        ADD_FAILURE() << "cell " << row << ", " << column << " is " << dark * 100 / 1024
                      << " % near-black";
      }
    }
  }
  EXPECT_LE(holes, 2);
}

// The pause picture is laid over the screen: its outer eight pixels are all but transparent.
TEST(ArtDirection, ThePauseVeilFadesOutAtItsBorder) {
  Picture pause;
  ASSERT_TRUE(ReadPicture(QUENLIT_GAME_DIR "/Images/Image 3.png", pause));
  ASSERT_GE(pause.width, 16);
  ASSERT_GE(pause.height, 16);
  double alpha = 0;
  int count = 0;
  for (int y = 0; y < pause.height; ++y) {
    for (int x = 0; x < pause.width; ++x) {
      const int edge = std::min({x, y, pause.width - 1 - x, pause.height - 1 - y});
      if (edge >= 8) continue;
      alpha += (pause.pixels[y * pause.width + x] >> 24) / 255.0;
      ++count;
    }
  }
  EXPECT_LE(alpha / count, 0.1);
}

// No two of the 44 monster kinds look alike: on the floor they all stand on, any two differ
// clearly (a channel apart by more than 48) in at least a tenth of their pixels.
TEST(ArtDirection, EveryMonsterKindHasALookOfItsOwn) {
  std::vector<Picture> kinds(44);
  for (int kind = 1; kind <= 44; ++kind) {
    ASSERT_TRUE(ReadPicture(
        QUENLIT_GAME_DIR "/Images/Image " + std::to_string(2000 + 2 * kind - 1) + ".png",
        kinds[kind - 1]))
        << kind;
  }
  for (int a = 0; a < 44; ++a) {
    for (int b = a + 1; b < 44; ++b) {
      ASSERT_EQ(kinds[a].pixels.size(), kinds[b].pixels.size());
      int different = 0;
      for (size_t i = 0; i < kinds[a].pixels.size(); ++i) {
        for (int shift : {16, 8, 0}) {
          if (std::abs(static_cast<int>((kinds[a].pixels[i] >> shift) & 0xFF) -
                       static_cast<int>((kinds[b].pixels[i] >> shift) & 0xFF)) > 48) {
            ++different;
            break;
          }
        }
      }
      EXPECT_GE(different * 10, static_cast<int>(kinds[a].pixels.size()))
          << "kinds " << a + 1 << " and " << b + 1 << " differ in " << different << " pixels";
    }
  }
}

// The battle panel's numbers, both fighters' (the hero's end 89 units left of his portrait).
constexpr float kNumbersLeft = 282, kNumbersRight = 470, kNumbersTop = 160, kNumbersBottom = 255;

// Every frame of every strike effect, at the moment it is shown, leaves the numbers readable:
// nothing of it over them is more than faintly opaque.
TEST(ArtDirection, StrikeEffectsLeaveThePanelsNumbersReadable) {
  std::map<std::string, int> files;
  for (const catalogue::ImageGroup& group : catalogue::ImageGroups())
    for (const catalogue::ImageEntry& entry : group.images) files[entry.name] = entry.file;
  int frames = 0;
  for (const catalogue::SequenceEntry& sequence : catalogue::Sequences()) {
    const StrikeEffect* place = FindStrikeEffect(sequence.name);
    if (!place) continue;
    for (const catalogue::FrameEntry& frame : sequence.frames) {
      Picture picture;
      ASSERT_TRUE(ReadPicture(
          QUENLIT_GAME_DIR "/Images/Image " + std::to_string(files.at(frame.image)) + ".png",
          picture))
          << frame.image;
      ++frames;
      // Screen to picture: the frame's part of the picture fills the effect's box.
      const float sx = frame.width / place->width, sy = frame.height / place->height;
      const float left = place->centreX - place->width / 2,
                  top = place->centreY - place->height / 2;
      int strongest = 0;
      for (float y = kNumbersTop; y < kNumbersBottom; y += 1) {
        for (float x = kNumbersLeft; x < kNumbersRight; x += 1) {
          const int px = static_cast<int>((x - left) * sx), py = static_cast<int>((y - top) * sy);
          if (px < 0 || py < 0 || px >= std::min(frame.width, picture.width) ||
              py >= std::min(frame.height, picture.height))
            continue;
          strongest = std::max<int>(strongest, picture.pixels[py * picture.width + px] >> 24);
        }
      }
      EXPECT_LE(strongest, 26) << sequence.name << ": " << frame.image;
    }
  }
  EXPECT_GT(frames, 200);
}

}  // namespace
}  // namespace quenlit::test
