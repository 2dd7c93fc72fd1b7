#include "sprite_motion.h"

namespace quenlit::assetgen {
namespace {

// Draws base into a new picture of the same size through the given transformation, with
// nearest-neighbour sampling so that the pixel art stays crisp.
Picture Transformed(const Picture& base, double scaleX, double scaleY, double shear, double dx,
                    double dy) {
  const int w = base.Width(), h = base.Height();
  Picture out(w, h);
  cairo_t* cr = out.Cairo();
  // Scale about the bottom centre, where the figure stands.
  cairo_translate(cr, w / 2.0 + dx, h + dy);
  cairo_matrix_t skew;
  cairo_matrix_init(&skew, 1, 0, shear, 1, 0, 0);
  cairo_transform(cr, &skew);
  cairo_scale(cr, scaleX, scaleY);
  cairo_translate(cr, -w / 2.0, -h);
  cairo_set_source_surface(cr, base.Surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  return out;
}

}  // namespace

Picture SecondBeat(const Picture& base, Motion motion) {
  const double h = base.Height();
  switch (motion) {
    case Motion::Breathe:
      return Transformed(base, 1.0, (h + 2) / h, 0, 0, 0);
    case Motion::Squash:
      return Transformed(base, 1.12, 0.82, 0, 0, 0);
    case Motion::Flap:
      return Transformed(base, 0.72, 1.0, 0, 0, -3);
    case Motion::Hover:
      return Transformed(base, 1.0, 1.0, 0, 0, -2 * h / 32);
    case Motion::Sway:
      return Transformed(base, 1.0, 1.0, -0.12, 0, 0);
  }
  return Transformed(base, 1, 1, 0, 0, 0);
}

}  // namespace quenlit::assetgen
