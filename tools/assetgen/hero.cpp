// The hero, drawn in the tile set's style: a young swordsman with a red headband and cape and
// a blue tunic, standing and in two walking strides for each of the four facings.
#include <string>

#include "painters.h"
#include "palette.h"
#include "pixel_ops.h"

namespace quenlit::assetgen {
namespace {

enum class Facing { Down, Up, Left };

constexpr uint32_t kTrousers = 0x3a2a40;
constexpr uint32_t kCape = 0xb82a2a;
constexpr uint32_t kCapeFold = 0x821c22;
constexpr uint32_t kClothLight = 0x5a8ae8;

// Legs for a stride of -1, 0 or +1: one foot forward and the other lifted while walking.
void Legs(cairo_t* cr, int leftX, int rightX, int stride) {
  const int liftLeft = stride > 0 ? 2 : 0, liftRight = stride < 0 ? 2 : 0;
  Px(cr, leftX, 24, 4, 5 - liftLeft, kTrousers);
  Px(cr, rightX, 24, 4, 5 - liftRight, kTrousers);
  Px(cr, leftX, 28 - liftLeft, 4, 2, colour::kWoodDark);
  Px(cr, rightX, 28 - liftRight, 4, 2, colour::kWoodDark);
}

void DrawFront(cairo_t* cr, int stride) {
  const int swing = stride;  // the arms swing against the legs
  Px(cr, 8, 14, 16, 11, kCape);
  Px(cr, 10, 14, 12, 10, colour::kCloth);
  Px(cr, 10, 14, 12, 1, kClothLight);
  Px(cr, 10, 21, 12, 2, colour::kWoodDark);
  Px(cr, 15, 21, 2, 2, colour::kGold);
  Px(cr, 8, 15, 2, 7 + swing, colour::kCloth);
  Px(cr, 8, 22 + swing, 2, 2, colour::kSkin);
  Px(cr, 22, 15, 2, 7 - swing, colour::kCloth);
  Px(cr, 22, 22 - swing, 2, 2, colour::kSkin);
  Px(cr, 24, 9 - swing, 2, 13, colour::kSilver);  // sword held upright
  Px(cr, 24, 9 - swing, 1, 13, colour::kWhite);
  Px(cr, 22, 20 - swing, 6, 1, colour::kGold);
  Legs(cr, 11, 17, stride);
  Px(cr, 10, 3, 12, 4, colour::kHair);
  Px(cr, 11, 7, 10, 7, colour::kSkin);
  Px(cr, 10, 7, 1, 4, colour::kHair);
  Px(cr, 21, 7, 1, 4, colour::kHair);
  Px(cr, 10, 6, 12, 1, kCape);
  Px(cr, 13, 9, 2, 2, colour::kInk);
  Px(cr, 17, 9, 2, 2, colour::kInk);
  Px(cr, 15, 12, 2, 1, 0xb06040);
}

void DrawBack(cairo_t* cr, int stride) {
  const int swing = stride;
  Px(cr, 8, 15, 2, 7 - swing, colour::kCloth);
  Px(cr, 8, 22 - swing, 2, 2, colour::kSkin);
  Px(cr, 22, 15, 2, 7 + swing, colour::kCloth);
  Px(cr, 22, 22 + swing, 2, 2, colour::kSkin);
  Legs(cr, 11, 17, stride);
  Px(cr, 9, 14, 14, 12, kCape);
  Px(cr, 13, 16, 1, 9, kCapeFold);
  Px(cr, 18, 16, 1, 9, kCapeFold);
  Px(cr, 13, 8, 2, 8, colour::kWood);  // the sword's grip over the shoulder
  Px(cr, 11, 14, 6, 1, colour::kGold);
  Px(cr, 10, 3, 12, 11, colour::kHair);
  Px(cr, 10, 6, 12, 1, kCape);
  Px(cr, 20, 7, 2, 3, kCape);  // knot of the headband
}

// Facing left; facing right is its mirror image.
void DrawSide(cairo_t* cr, int stride) {
  Px(cr, 17, 14, 6, 12, kCape);
  Px(cr, 12, 14, 8, 10, colour::kCloth);
  Px(cr, 12, 14, 8, 1, kClothLight);
  Px(cr, 12, 21, 8, 2, colour::kWoodDark);
  // Legs: side by side when standing, apart in a stride.
  const int front = 13 - 2 * (stride != 0), back = 16 + 2 * (stride != 0);
  const int liftFront = stride < 0 ? 1 : 0, liftBack = stride > 0 ? 2 : 0;
  Px(cr, back, 24, 3, 5 - liftBack, kTrousers);
  Px(cr, back - 1, 28 - liftBack, 4, 2, colour::kWoodDark);
  Px(cr, front, 24, 3, 5 - liftFront, kTrousers);
  Px(cr, front - 1, 28 - liftFront, 4, 2, colour::kWoodDark);
  Px(cr, 14, 15, 3, 7, 0x244a9a);
  Px(cr, 14, 22, 3, 2, colour::kSkin);
  Px(cr, 5, 21 - stride, 9, 2, colour::kSilver);  // sword held forward
  Px(cr, 5, 21 - stride, 9, 1, colour::kWhite);
  Px(cr, 13, 19 - stride, 1, 5, colour::kGold);
  Px(cr, 12, 3, 9, 4, colour::kHair);
  Px(cr, 11, 7, 7, 7, colour::kSkin);
  Px(cr, 17, 7, 4, 6, colour::kHair);
  Px(cr, 12, 6, 9, 1, kCape);
  Px(cr, 20, 7, 2, 3, kCape);
  Px(cr, 13, 9, 2, 2, colour::kInk);
  Px(cr, 11, 12, 2, 1, 0xb06040);
}

Picture DrawHero(Facing facing, bool mirrored, int stride) {
  Picture tile(kTile, kTile);
  cairo_t* cr = tile.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  if (mirrored) {
    cairo_translate(cr, kTile, 0);
    cairo_scale(cr, -1, 1);
  }
  // A walking figure rises a pixel on the step.
  if (stride != 0) cairo_translate(cr, 0, -1);
  switch (facing) {
    case Facing::Down:
      DrawFront(cr, stride);
      break;
    case Facing::Up:
      DrawBack(cr, stride);
      break;
    case Facing::Left:
      DrawSide(cr, stride);
      break;
  }
  AddOutline(tile, colour::kInk);
  return tile;
}

}  // namespace

void AddHero(PainterTable& table) {
  struct Pose {
    char letter;
    Facing facing;
    bool mirrored;
  };
  const Pose poses[] = {{'d', Facing::Down, false},
                        {'u', Facing::Up, false},
                        {'l', Facing::Left, false},
                        {'r', Facing::Left, true}};
  for (const Pose& pose : poses) {
    const std::string letter(1, pose.letter);
    auto painter = [pose](int stride) -> Painter {
      return [pose, stride](const TileSheet&, int width, int height) {
        return Enlarge(DrawHero(pose.facing, pose.mirrored, stride), width, height);
      };
    };
    table["hero1" + letter] = painter(0);
    table["hero1w" + letter + "1"] = painter(1);
    table["hero1w" + letter + "2"] = painter(-1);
  }
}

}  // namespace quenlit::assetgen
