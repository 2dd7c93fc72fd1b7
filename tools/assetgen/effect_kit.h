#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

#include "painters.h"

namespace quenlit::assetgen {

// A fixed stream of numbers: every frame of an effect draws the same particles, each moved
// on by the frame's progress, so that the frames play as one motion.
class Rng {
 public:
  explicit Rng(const std::string& seedText);
  double Next();  // 0..1
  double Range(double low, double high) { return low + (high - low) * Next(); }

 private:
  uint32_t state_;
};

// Draws one frame of an effect into a w x h picture; t runs from 0 (first frame) to 1 (last).
using EffectFrame = std::function<void(cairo_t* cr, double w, double h, double t, Rng& rng)>;

// Registers the painters of the pictures stem1, stem2, ... stemN that the catalogue loads;
// frame i is drawn at the progress of the middle of its share of the motion, (i - 0.5) / N.
void AddEffect(PainterTable& table, const std::string& stem, EffectFrame frame);

// A soft light: white at the heart, the colour around it, fading to nothing at radius.
void Glow(cairo_t* cr, double x, double y, double radius, uint32_t rgb, double alpha);
// A four-pointed twinkle.
void Twinkle(cairo_t* cr, double x, double y, double size, uint32_t rgb, double alpha);
// A blade's trail: a crescent between the angles a0 and a1 (radians), thickest in the middle.
void Crescent(cairo_t* cr, double cx, double cy, double radius, double a0, double a1,
              double thickness, uint32_t rgb, double alpha);
// A jagged bolt from one point to another.
void Lightning(cairo_t* cr, double x0, double y0, double x1, double y1, double jag, double width,
               uint32_t rgb, double alpha, Rng& rng);
// A tongue of flame standing on (x, y), height h, leaning by lean.
void Flame(cairo_t* cr, double x, double y, double w, double h, double lean, double alpha);
// A ring of the given width.
void Ring(cairo_t* cr, double x, double y, double radius, double width, uint32_t rgb, double alpha);

// 0 at the start, up to 1 in the middle, back to 0 at the end: how strongly an effect shows.
double Swell(double t);

}  // namespace quenlit::assetgen
