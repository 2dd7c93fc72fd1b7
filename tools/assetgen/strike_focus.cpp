// The big spell effects are painted across their whole picture, but the battle panel shows
// its numbers right beside the portraits: each frame is gathered into a small square on the
// portrait it strikes and faded out around it, so that the blaze sits on that portrait and
// the numbers stay readable beside it.
#include <cmath>
#include <set>
#include <string>

#include "base/strike_effects.h"
#include "catalogue/catalogue.h"
#include "painters.h"
#include "pixel_ops.h"
#include "ui/battle_portraits.h"

namespace quenlit::assetgen {
namespace {

// Effects no larger than this are already a portrait's size.
constexpr float kBigEffect = 100;
// In screen units: full strength over the portrait, nothing left from this far out on (the
// hero's numbers end 89 units left of his portrait's centre). The fade is centred this far
// above the portrait, so that below it nothing is left 50 units down, before "撤退(Q)", which
// begins 53 units below the centre.
constexpr double kStrongRadius = 24, kGoneRadius = 64, kFadeRaised = 14;
// The square, in screen units, that the whole motion of the spell is gathered into.
constexpr double kGathered = 150;

}  // namespace

void FocusStrikeEffects(PainterTable& table) {
  std::set<std::string> focused;  // a picture shared by two sequences is faded for the first
  for (const catalogue::SequenceEntry& sequence : catalogue::Sequences()) {
    const StrikeEffect* place = FindStrikeEffect(sequence.name);
    if (!place || std::max(place->width, place->height) <= kBigEffect) continue;
    const bool onMonster = std::abs(place->centreX - ui::kMonsterPortraitX) <
                           std::abs(place->centreX - ui::kHeroPortraitX);
    const double portraitX = onMonster ? ui::kMonsterPortraitX : ui::kHeroPortraitX;
    for (const catalogue::FrameEntry& frame : sequence.frames) {
      auto painter = table.find(frame.image);
      if (painter == table.end() || frame.width < kBigEffect || !focused.insert(frame.image).second)
        continue;
      // Screen units to the picture's pixels, and the portrait's place in the picture.
      const double scale = (place->width / frame.width + place->height / frame.height) / 2;
      const double x = frame.width / 2.0 + (portraitX - place->centreX) / scale;
      const double y = frame.height / 2.0 + (ui::kPortraitY - place->centreY) / scale;
      painter->second = [paint = painter->second, x, y, scale](const TileSheet& sheet, int width,
                                                               int height) {
        const Picture whole = paint(sheet, width, height);
        Picture picture(width, height);
        const double side = kGathered / scale;
        picture.Blit(whole, x - side / 2, y - side / 2, side, side * height / width, false);
        FadeRadially(picture, x, y - kFadeRaised / scale, kStrongRadius / scale,
                     kGoneRadius / scale);
        return picture;
      };
    }
  }
}

}  // namespace quenlit::assetgen
