#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "data/monster.h"
#include "game/registries/asset_registries.h"
#include "sound/dsound.h"

namespace quenlit::catalogue {

using ImageMap = ImageRegistry;
using SequenceMap = SequenceRegistry;

// "Images/Image N.png", where the picture numbered N lives.
std::string PicturePath(int file);

// Decodes one picture (the reward picture from the program's own bytes); without a bitmap
// when it cannot be read.
CD2DImage LoadImage(platform::Canvas* canvas, const ImageEntry& entry,
                    const EmbeddedResources& resources);
// Decodes the pictures into the map under their names (the reward picture from the program's
// own bytes). A picture that cannot be read stays without a bitmap.
void LoadImages(platform::Canvas* canvas, const std::vector<ImageEntry>& entries,
                const EmbeddedResources& resources, ImageMap& images);
// The loading screen's own animation, "loading", from the pictures "load1" to "load13".
void BuildLoadingSequence(ImageMap& images, SequenceMap& sequences);
// Every frame sequence of the catalogue, from pictures already in the map.
void BuildSequences(ImageMap& images, SequenceMap& sequences);
// The two map pictures of every monster kind, as "Monster12_1" and "Monster12_2".
void LoadMonsterPictures(platform::Canvas* canvas, const std::map<int32_t, Monster>& monsters,
                         ImageMap& images);
// Every sound of the catalogue from "./wav/".
void LoadSounds(DSound::Bank& bank);

}  // namespace quenlit::catalogue
