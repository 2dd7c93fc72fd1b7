// The game's icon for desktop menus: a stone tower against a night sky, its arched door lit
// gold, and a golden key before it. Drawn as shapes in a unit square, so every size is sharp.
#include <cmath>
#include <numbers>

#include "effect_kit.h"
#include "painters.h"
#include "palette.h"

namespace quenlit::assetgen {
namespace {

constexpr double kPi = std::numbers::pi;

struct Rgb {
  double r, g, b;
};

// Fills the current path with a straight gradient from one colour to another, keeping the path
// for an outline.
void FillGradientPreserve(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb from,
                          Rgb to) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(gradient, 0, from.r, from.g, from.b);
  cairo_pattern_add_color_stop_rgb(gradient, 1, to.r, to.g, to.b);
  cairo_set_source(cr, gradient);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gradient);
}

void RoundedSquare(cairo_t* cr, double inset, double radius) {
  const double a = inset, b = 1 - inset;
  cairo_new_sub_path(cr);
  cairo_arc(cr, b - radius, a + radius, radius, -kPi / 2, 0);
  cairo_arc(cr, b - radius, b - radius, radius, 0, kPi / 2);
  cairo_arc(cr, a + radius, b - radius, radius, kPi / 2, kPi);
  cairo_arc(cr, a + radius, a + radius, radius, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

// The tower's outline: a body with battlements on top.
void TowerPath(cairo_t* cr) {
  const double left = 0.27, right = 0.73, top = 0.24, bottom = 0.86, merlon = 0.08;
  cairo_move_to(cr, left - 0.03, bottom);
  cairo_line_to(cr, left, top + 0.1);
  cairo_line_to(cr, left - 0.04, top + 0.06);
  cairo_line_to(cr, left - 0.04, top);
  const double width = (right - left + 0.08) / 5;
  for (int i = 0; i < 5; ++i) {  // merlons up, crenels down
    const double x = left - 0.04 + i * width;
    cairo_line_to(cr, x + width, top + (i % 2 == 0 ? 0 : merlon));
    if (i < 4) cairo_line_to(cr, x + width, top + (i % 2 == 0 ? merlon : 0));
  }
  cairo_line_to(cr, right + 0.04, top + 0.06);
  cairo_line_to(cr, right, top + 0.1);
  cairo_line_to(cr, right + 0.03, bottom);
  cairo_close_path(cr);
}

void Key(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 0.66, 0.7);
  cairo_rotate(cr, -kPi / 4);
  SetColour(cr, colour::kInk);
  cairo_set_line_width(cr, 0.035);
  cairo_arc(cr, 0, 0, 0.075, 0, 2 * kPi);
  cairo_stroke_preserve(cr);
  cairo_rectangle(cr, 0.06, -0.025, 0.22, 0.05);
  cairo_rectangle(cr, 0.2, 0.02, 0.035, 0.06);
  cairo_rectangle(cr, 0.25, 0.02, 0.03, 0.045);
  cairo_stroke_preserve(cr);
  SetColour(cr, colour::kGold);
  cairo_fill(cr);
  cairo_arc(cr, 0, 0, 0.035, 0, 2 * kPi);
  SetColour(cr, colour::kStoneDark);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

Picture PaintIcon(int size) {
  Picture p(size, size);
  cairo_t* cr = p.Cairo();
  cairo_scale(cr, size, size);

  RoundedSquare(cr, 0.03, 0.16);
  FillGradientPreserve(cr, 0, 0, 0, 1, {0.16, 0.1, 0.32}, {0.05, 0.03, 0.12});  // the night sky
  cairo_save(cr);
  cairo_clip(cr);
  Glow(cr, 0.5, 0.72, 0.45, colour::kGold, 0.35);
  Twinkle(cr, 0.17, 0.2, 0.05, colour::kGoldLight, 0.9);
  Twinkle(cr, 0.84, 0.14, 0.035, colour::kGoldLight, 0.8);

  TowerPath(cr);
  FillGradientPreserve(cr, 0.25, 0, 0.75, 0, {0.36, 0.35, 0.52}, {0.2, 0.19, 0.32});  // lit stone
  SetColour(cr, colour::kInk);
  cairo_set_line_width(cr, 0.025);
  cairo_stroke(cr);

  // Courses of stone, then a lit window and the arched door.
  SetColour(cr, colour::kStoneDark, 0.8);
  cairo_set_line_width(cr, 0.012);
  for (double y = 0.44; y < 0.85; y += 0.12) {
    cairo_move_to(cr, 0.29, y);
    cairo_line_to(cr, 0.71, y);
  }
  cairo_stroke(cr);
  cairo_rectangle(cr, 0.455, 0.36, 0.09, 0.1);
  SetColour(cr, colour::kGoldLight);
  cairo_fill(cr);
  cairo_move_to(cr, 0.4, 0.86);
  cairo_line_to(cr, 0.4, 0.66);
  cairo_arc(cr, 0.5, 0.66, 0.1, kPi, 2 * kPi);
  cairo_line_to(cr, 0.6, 0.86);
  cairo_close_path(cr);
  SetColour(cr, colour::kGold);
  cairo_fill_preserve(cr);
  SetColour(cr, colour::kInk);
  cairo_set_line_width(cr, 0.02);
  cairo_stroke(cr);
  Key(cr);
  cairo_restore(cr);

  RoundedSquare(cr, 0.03, 0.16);
  SetColour(cr, colour::kGoldDark);
  cairo_set_line_width(cr, 0.025);
  cairo_stroke(cr);
  return p;
}

}  // namespace quenlit::assetgen
