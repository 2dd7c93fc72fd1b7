// The fixed tables of every picture, frame sequence and sound the game loads.
#include <string>

#include "base/strike_effects.h"
#include "catalogue/catalogue.h"

namespace quenlit::catalogue {
namespace {

// Names stem+first .. stem+last from the files file .. file + (last - first).
void Run(std::vector<ImageEntry>& out, const std::string& stem, int first, int last, int file) {
  for (int n = first; n <= last; ++n) out.push_back({stem + std::to_string(n), file + n - first});
}

ImageGroup Group(int checkpoint, std::vector<ImageEntry> images) {
  return {checkpoint, std::move(images)};
}

std::vector<ImageGroup> MakeImageGroups() {
  std::vector<ImageGroup> groups;
  groups.push_back(Group(3, {{"flag", 0, true},
                             {"blank", 0},
                             {"battleback", 1},
                             {"talkback", 2},
                             {"pause", 3},
                             {"infoback", 4},
                             {"backbig", 5},
                             {"Dback", 6},
                             {"leftarrow", 7},
                             {"rightarrow", 8},
                             {"uparrow", 9},
                             {"downarrow", 10},
                             {"battleendback", 11},
                             {"transition", 12},
                             {"caption", 13}}));
  groups.push_back(Group(
      5,
      {{"back", 15}, {"floor", 27}, {"wall", 686}, {"star", 689}, {"magma", 693}, {"dirt", 697}}));
  groups.push_back(Group(7, {{"hero1d", 161},
                             {"hero1l", 282},
                             {"hero1r", 309},
                             {"hero1u", 336},
                             {"hero1wd1", 263},
                             {"hero1wl1", 291},
                             {"hero1wr1", 318},
                             {"hero1wu1", 345},
                             {"hero1wd2", 273},
                             {"hero1wl2", 300},
                             {"hero1wr2", 327},
                             {"hero1wu2", 354}}));
  groups.push_back(Group(9, {{"key1", 136}, {"key2", 139}, {"key3", 142}, {"gold", 145}}));
  ImageGroup door1 = Group(11, {{"door1", 561}});
  Run(door1.images, "door1", 2, 5, 562);
  groups.push_back(door1);
  ImageGroup door2 = Group(12, {{"door2", 569}});
  Run(door2.images, "door2", 2, 5, 570);
  groups.push_back(door2);
  ImageGroup door3 = Group(15, {{"door3", 576}});
  Run(door3.images, "door3", 2, 5, 577);
  groups.push_back(door3);
  ImageGroup jail = Group(17, {{"jail", 583}});
  Run(jail.images, "jail", 2, 5, 584);
  groups.push_back(jail);
  groups.push_back(Group(18, {{"door4", 590}, {"gem1", 597}, {"gem2", 600}}));
  groups.push_back(
      Group(20, {{"potion1", 603}, {"potion2", 606}, {"potion3", 609}, {"potion4", 612}}));
  groups.push_back(Group(
      22, {{"sword1", 615}, {"sword2", 618}, {"sword3", 621}, {"sword4", 624}, {"sword5", 627}}));
  groups.push_back(Group(
      24,
      {{"shield1", 630}, {"shield2", 633}, {"shield3", 636}, {"shield4", 639}, {"shield5", 642}}));
  groups.push_back(Group(25, {{"key4", 645}}));
  groups.push_back(Group(26, {{"pickax1", 648}, {"pickax2", 651}}));
  groups.push_back(Group(28, {{"snow", 654},
                              {"holyshield", 657},
                              {"cross", 660},
                              {"wing2", 663},
                              {"wing3", 665},
                              {"wing1", 668},
                              {"badge1", 671},
                              {"badge2", 674},
                              {"badge3", 677},
                              {"holywater", 680}}));
  groups.push_back(Group(31, {{"gem3", 683},
                              {"bramble_1", 834},
                              {"bramble_2", 836},
                              {"upstairs", 839},
                              {"downstairs", 842}}));
  groups.push_back(Group(33, {{"merchant_1", 855},
                              {"merchant_2", 857},
                              {"oldman_1", 860},
                              {"oldman_2", 862},
                              {"thief_1", 865},
                              {"thief_2", 867},
                              {"fairy_1", 870},
                              {"fairy_2", 872}}));
  groups.push_back(Group(35, {{"slashb1", 927},
                              {"slashb2", 930},
                              {"slashb3", 932},
                              {"slashb4", 934},
                              {"slashb5", 936},
                              {"slashb6", 938}}));
  groups.push_back(Group(38, {{"explode1", 1016},
                              {"explode2", 1020},
                              {"explode3", 1022},
                              {"explode4", 1024},
                              {"fist1", 1063},
                              {"fist2", 1066},
                              {"fist3", 1068},
                              {"fist4", 1070},
                              {"fist5", 1072}}));
  groups.push_back(Group(
      40, {{"fistb1", 905}, {"fistb2", 908}, {"fistb3", 910}, {"fistb4", 912}, {"fistb5", 914}}));
  groups.push_back(Group(
      41, {{"suck1", 1074}, {"suck2", 1077}, {"suck3", 1079}, {"suck4", 1081}, {"suck5", 1083}}));
  groups.push_back(Group(
      43, {{"suckb1", 916}, {"suckb2", 919}, {"suckb3", 921}, {"suckb4", 923}, {"suckb5", 925}}));
  groups.push_back(Group(45, {{"slash1", 1086},
                              {"slash2", 1089},
                              {"slash3", 1091},
                              {"slash4", 1093},
                              {"slash5", 1095},
                              {"slash6", 1097}}));
  groups.push_back(Group(46, {}));
  groups.push_back(Group(51, {{"poision1", 1102},
                              {"poision2", 1104},
                              {"poision3", 1106},
                              {"poision4", 1108},
                              {"poision5", 1110},
                              {"flash1", 1112},
                              {"flash2", 1115},
                              {"flash3", 1117},
                              {"flash4", 1119},
                              {"flash5", 1121}}));
  groups.push_back(
      Group(54, {{"water1", 1123}, {"water2", 1126}, {"water3", 1128}, {"water4", 1130}}));
  groups.push_back(Group(56, {{"greenlaser1", 1132},
                              {"greenlaser2", 1135},
                              {"greenlaser3", 1137},
                              {"greenlaser4", 1139}}));
  groups.push_back(Group(57, {{"nuclear1", 1141},
                              {"nuclear2", 1144},
                              {"nuclear3", 1146},
                              {"nuclear4", 1148},
                              {"nuclear5", 1150}}));
  groups.push_back(Group(60, {{"laser1", 1163},
                              {"laser2", 1166},
                              {"laser3", 1168},
                              {"laser4", 1170},
                              {"magic1", 1152},
                              {"magic2", 1155},
                              {"magic3", 1157},
                              {"magic4", 1159},
                              {"magic5", 1161}}));
  ImageGroup fireb = Group(63, {});
  Run(fireb.images, "fireb", 1, 20, 10020);
  groups.push_back(fireb);
  ImageGroup iceGroup = Group(67, {});
  Run(iceGroup.images, "fireswordb", 1, 5, 1294);
  Run(iceGroup.images, "ice", 1, 13, 1336);
  Run(iceGroup.images, "iceb", 1, 6, 1288);
  groups.push_back(iceGroup);
  ImageGroup curseb = Group(69, {});
  Run(curseb.images, "curseb", 1, 7, 1299);
  groups.push_back(curseb);
  ImageGroup curse = Group(71, {});
  Run(curse.images, "curse", 1, 3, 1306);
  groups.push_back(curse);
  ImageGroup barrageb = Group(73, {});
  Run(barrageb.images, "barrageb", 1, 6, 1330);
  groups.push_back(barrageb);
  ImageGroup fire = Group(75, {});
  Run(fire.images, "fire", 1, 19, 10001);
  groups.push_back(fire);
  ImageGroup barrage = Group(77, {});
  Run(barrage.images, "barrage", 1, 19, 10041);
  groups.push_back(barrage);
  ImageGroup fog = Group(79, {});
  Run(fog.images, "fog", 1, 12, 1349);
  groups.push_back(fog);
  ImageGroup fogb = Group(81, {});
  Run(fogb.images, "fogb", 1, 20, 1361);
  groups.push_back(fogb);
  groups.push_back(Group(90, {{"waterb1", 967},
                              {"waterb2", 970},
                              {"waterb3", 972},
                              {"waterb4", 974},
                              {"explodeb1", 985},
                              {"explodeb2", 988},
                              {"explodeb3", 990},
                              {"explodeb4", 992},
                              {"explodeb5", 994},
                              {"magicb1", 996},
                              {"magicb2", 996},
                              {"magicb3", 1001},
                              {"magicb4", 1003},
                              {"magicb5", 1005}}));
  return groups;
}

// Frames stem+first .. stem+last, all of one size.
std::vector<FrameEntry> Frames(const std::string& stem, int first, int last, int width,
                               int height) {
  std::vector<FrameEntry> frames;
  for (int n = first; n <= last; ++n) frames.push_back({stem + std::to_string(n), width, height});
  return frames;
}

std::vector<FrameEntry> Join(std::vector<FrameEntry> a, const std::vector<FrameEntry>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<SequenceEntry> MakeSequences() {
  const auto opening = [](const std::string& closed) {
    return Join({{closed, 67, 64}}, Frames(closed, 2, 5, 67, 64));
  };
  return {
      {"opendoor1", 30, opening("door1"), ""},
      {"opendoor2", 30, opening("door2"), ""},
      {"opendoor3", 30, opening("door3"), ""},
      {"openjail", 30, opening("jail"), ""},
      {"heroslashb", 23, Frames("slashb", 1, 6, 67, 64), ""},
      {"heroslash", 23, Frames("slash", 1, 6, 55, 50), ""},
      {"fist", 23, Frames("fist", 1, 5, 55, 50), ""},
      {"fistb", 23, Join(Frames("fistb", 1, 2, 68, 60), Frames("fistb", 3, 5, 84, 69)), ""},
      {"water", 23, Frames("water", 1, 4, 64, 61), ""},
      {"sword", 23, Frames("slash", 1, 6, 55, 50), ""},
      {"swordb", 23, Frames("slashb", 1, 6, 67, 64), ""},
      {"suck", 23, Frames("suck", 1, 5, 49, 47), ""},
      {"suckb", 23, Frames("suck", 1, 5, 94, 75), ""},
      {"flash", 23, Frames("flash", 1, 5, 55, 54), ""},
      {"explode", 23, Frames("explode", 1, 4, 66, 68), ""},
      {"nuclear", 23, Frames("nuclear", 1, 5, 80, 44), ""},
      {"poision", 23, Frames("poision", 1, 5, 39, 69), ""},
      {"greenlaser", 23, Frames("greenlaser", 1, 4, 44, 61), ""},
      {"laser", 23, Frames("laser", 1, 4, 44, 61), ""},
      {"magic", 23, Frames("magic", 1, 5, 38, 40), ""},
      {"firesword", 23, {}, "sword"},
      {"fireswordb", 23, Frames("fireswordb", 1, 5, 600, 600), ""},
      {"fire", 50, Frames("fire", 1, 19, 600, 600), ""},
      {"fireb", 50, Frames("fireb", 1, 20, 512, 512), ""},
      {"ice", 50, Frames("ice", 1, 13, 800, 600), ""},
      {"iceb", 23, Frames("iceb", 1, 6, 1024, 1024), ""},
      {"curse", 23, Frames("curse", 1, 3, 700, 700), ""},
      {"barrage", 50, Frames("barrage", 1, 19, 600, 600), ""},
      {"barrageb", 23, Frames("barrageb", 1, 6, 700, 700), ""},
      {"hit", 23,
       Join({{"blank", 20, 20}, {"blank", 20, 20}, {"blank", 20, 20}, {"blank", 20, 20}},
            Frames("barrageb", 1, 6, 700, 700)),
       ""},
      {"curseb", 23, Frames("curseb", 1, 7, 700, 700), ""},
      {"fog", 50, Frames("fog", 1, 12, 640, 640), ""},
      {"fogb", 50, Frames("fogb", 1, 20, 900, 900), ""},
      {"waterb", 23, Frames("waterb", 1, 4, 47, 74), ""},
      {"explodeb", 23, Frames("explodeb", 1, 5, 49, 61), ""},
      {"nuclearb", 23, Frames("explodeb", 1, 5, 49, 61), ""},
      {"magicb", 23, Frames("magicb", 1, 5, 49, 61), ""},
  };
}

std::vector<SoundEntry> MakeSounds() {
  std::vector<SoundEntry> sounds = {
      // Played by their file names.
      {"", "Sound 272.wav"},
      {"", "Sound 564.wav"},
      {"", "Sound 1350.wav"},
      {"", "Sound 1375.wav"},
      {"", "Sound 1615.wav"},
      {"", "Sound 1617.wav"},
      {"", "Sound 1618.wav"},
      // The knock of a door without its key, with LockedDoorNote.
      {"", "locked.wav"},
  };
  // Played by their names: the dodge, then the strikes.
  sounds.push_back({kMissSound, kMissSoundFile});
  for (const StrikeEffect& strike : kStrikeEffects)
    if (strike.sound) sounds.push_back({strike.name, strike.sound});
  return sounds;
}

std::vector<ImageEntry> MakeLoadingImages() {
  std::vector<ImageEntry> images{{"loadback", 12}};
  Run(images, "load", 1, 13, 70);
  return images;
}

}  // namespace

const std::vector<ImageGroup>& ImageGroups() {
  static const std::vector<ImageGroup> groups = MakeImageGroups();
  return groups;
}

const std::vector<SequenceEntry>& Sequences() {
  static const std::vector<SequenceEntry> sequences = MakeSequences();
  return sequences;
}

const std::vector<SoundEntry>& Sounds() {
  static const std::vector<SoundEntry> sounds = MakeSounds();
  return sounds;
}

const std::vector<ImageEntry>& LoadingImages() {
  static const std::vector<ImageEntry> images = MakeLoadingImages();
  return images;
}

std::vector<int> Checkpoints() {
  std::vector<int> values;
  for (const ImageGroup& group : ImageGroups()) values.push_back(group.checkpoint);
  values.insert(values.end(), {93, 95, 98, 100});
  return values;
}

}  // namespace quenlit::catalogue
