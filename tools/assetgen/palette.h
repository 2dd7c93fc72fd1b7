#pragma once

#include <cairo.h>

#include <cstdint>

namespace quenlit::assetgen {

// The game's one palette. Every drawn picture takes its colours from here so that drawn art,
// cut tiles and panels read as one game: warm golds for treasure and frames, deep blue-violet
// stone for the tower, and a near-black ink for outlines.
namespace colour {
inline constexpr uint32_t kInk = 0x1a1420;  // outlines
inline constexpr uint32_t kStoneDark = 0x232036;
inline constexpr uint32_t kStone = 0x3b3658;
inline constexpr uint32_t kStoneLight = 0x5d5884;
inline constexpr uint32_t kGoldDark = 0x8a5a12;
inline constexpr uint32_t kGold = 0xe0a82a;
inline constexpr uint32_t kGoldLight = 0xffe07a;
inline constexpr uint32_t kYellow = 0xf2c530;
inline constexpr uint32_t kBlue = 0x3a78e0;
inline constexpr uint32_t kBlueLight = 0x8fc4ff;
inline constexpr uint32_t kRed = 0xd6362e;
inline constexpr uint32_t kRedLight = 0xff8a6a;
inline constexpr uint32_t kGreen = 0x3fae4a;
inline constexpr uint32_t kSilver = 0xc8ccd8;
inline constexpr uint32_t kWhite = 0xf4f1e8;
inline constexpr uint32_t kSkin = 0xf0c090;
inline constexpr uint32_t kHair = 0x5a3218;
inline constexpr uint32_t kCloth = 0x2f5fc0;
inline constexpr uint32_t kWood = 0x8a5530;
inline constexpr uint32_t kWoodDark = 0x5a3318;
inline constexpr uint32_t kParchment = 0xf0dcaa;
// The tower's ground: light flagstones that every figure stands on, and darker, bluer walls.
inline constexpr uint32_t kFloor = 0x7c768c;
inline constexpr uint32_t kFloorJoint = 0x55506a;
inline constexpr uint32_t kWallDark = 0x2a2540;
inline constexpr uint32_t kWallLight = 0x8a84b0;
// The pale rim that lifts a dark figure off the floor.
inline constexpr uint32_t kRim = 0xd8d0f4;
}  // namespace colour

// Sets the cairo source to the colour 0xRRGGBB with the given opacity.
void SetColour(cairo_t* cairo, uint32_t rgb, double alpha = 1.0);

// Fills the rectangle with the colour: one block of pixel art.
void Px(cairo_t* cairo, double x, double y, double w, double h, uint32_t rgb);

// Mixes two colours: t = 0 gives a, t = 1 gives b.
uint32_t Mix(uint32_t a, uint32_t b, double t);

}  // namespace quenlit::assetgen
