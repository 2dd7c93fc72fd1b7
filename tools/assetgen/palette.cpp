#include "palette.h"

#include <algorithm>
#include <cmath>

namespace quenlit::assetgen {

void SetColour(cairo_t* cairo, uint32_t rgb, double alpha) {
  cairo_set_source_rgba(cairo, ((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0,
                        (rgb & 0xff) / 255.0, alpha);
}

void Px(cairo_t* cairo, double x, double y, double w, double h, uint32_t rgb) {
  SetColour(cairo, rgb);
  cairo_rectangle(cairo, x, y, w, h);
  cairo_fill(cairo);
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double x = (a >> shift) & 0xff;
    const double y = (b >> shift) & 0xff;
    out |= static_cast<uint32_t>(std::lround(x + (y - x) * t)) << shift;
  }
  return out;
}

}  // namespace quenlit::assetgen
