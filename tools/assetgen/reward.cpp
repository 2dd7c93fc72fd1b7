// The reward picture, shown for the first second of victory: a golden crown on a red cushion
// between laurel branches, rays of light behind it and the word of victory on a ribbon.
#include <cmath>
#include <numbers>

#include "effect_kit.h"
#include "painters.h"
#include "palette.h"

namespace quenlit::assetgen {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kRewardWidth = 1512, kRewardHeight = 382;  // twice the size it is shown at

void Laurel(cairo_t* cr, double x, double y, double side) {
  for (int i = 0; i < 9; ++i) {
    const double a = kPi * (0.55 + i * 0.055);
    const double r = 150;
    const double lx = x + side * r * std::cos(a) * -1, ly = y + r * std::sin(a) * -1 + 150;
    cairo_save(cr);
    cairo_translate(cr, lx, ly);
    cairo_rotate(cr, side * (a - kPi * 0.3));
    cairo_scale(cr, 1, 0.45);
    cairo_arc(cr, 0, 0, 22, 0, 2 * kPi);
    cairo_restore(cr);
    SetColour(cr, i % 2 ? 0x3a9a3a : 0x58c058);
    cairo_fill_preserve(cr);
    SetColour(cr, 0x1a4a1a);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void Crown(cairo_t* cr, double cx, double cy, double s) {
  cairo_move_to(cr, cx - s, cy + s * 0.5);
  cairo_line_to(cr, cx - s * 1.1, cy - s * 0.6);
  cairo_line_to(cr, cx - s * 0.5, cy - s * 0.05);
  cairo_line_to(cr, cx, cy - s * 0.9);
  cairo_line_to(cr, cx + s * 0.5, cy - s * 0.05);
  cairo_line_to(cr, cx + s * 1.1, cy - s * 0.6);
  cairo_line_to(cr, cx + s, cy + s * 0.5);
  cairo_close_path(cr);
  cairo_pattern_t* gold = cairo_pattern_create_linear(0, cy - s, 0, cy + s * 0.5);
  cairo_pattern_add_color_stop_rgb(gold, 0, 1, 0.92, 0.5);
  cairo_pattern_add_color_stop_rgb(gold, 1, 0.75, 0.5, 0.08);
  cairo_set_source(cr, gold);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gold);
  SetColour(cr, colour::kGoldDark);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  const double gems[][2] = {{-1.1, -0.6}, {0, -0.9}, {1.1, -0.6}};
  for (const auto& g : gems) {
    Glow(cr, cx + g[0] * s, cy + g[1] * s, s * 0.18, colour::kRed, 1);
  }
  SetColour(cr, colour::kBlue);
  cairo_arc(cr, cx, cy + s * 0.15, s * 0.16, 0, 2 * kPi);
  cairo_fill(cr);
}

}  // namespace

Picture PaintReward() {
  const double w = kRewardWidth, h = kRewardHeight;
  Picture p(kRewardWidth, kRewardHeight);
  cairo_t* cr = p.Cairo();
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgba(sky, 0, 0.25, 0.08, 0.3, 0.95);
  cairo_pattern_add_color_stop_rgba(sky, 1, 0.06, 0.03, 0.15, 0.95);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  // Rays of light from the crown.
  for (int i = 0; i < 24; ++i) {
    const double a = i * kPi / 12;
    cairo_move_to(cr, w / 2, h * 0.45);
    cairo_line_to(cr, w / 2 + 900 * std::cos(a - 0.06), h * 0.45 + 900 * std::sin(a - 0.06));
    cairo_line_to(cr, w / 2 + 900 * std::cos(a + 0.06), h * 0.45 + 900 * std::sin(a + 0.06));
    cairo_close_path(cr);
    SetColour(cr, colour::kGoldLight, 0.12);
    cairo_fill(cr);
  }
  Glow(cr, w / 2, h * 0.45, 260, colour::kGold, 0.6);
  Rng rng("reward");
  for (int i = 0; i < 40; ++i) {
    Twinkle(cr, rng.Range(0, w), rng.Range(0, h), rng.Range(4, 12), colour::kGoldLight,
            rng.Range(0.5, 1));
  }
  Laurel(cr, w / 2 - 60, h * 0.3, 1);
  Laurel(cr, w / 2 + 60, h * 0.3, -1);
  Crown(cr, w / 2, h * 0.42, 90);
  // The ribbon.
  const double ry = h * 0.72;
  cairo_move_to(cr, w * 0.3, ry);
  cairo_line_to(cr, w * 0.7, ry);
  cairo_line_to(cr, w * 0.68, ry + 40);
  cairo_line_to(cr, w * 0.7, ry + 80);
  cairo_line_to(cr, w * 0.3, ry + 80);
  cairo_line_to(cr, w * 0.32, ry + 40);
  cairo_close_path(cr);
  SetColour(cr, colour::kRed);
  cairo_fill_preserve(cr);
  SetColour(cr, colour::kGold);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_select_font_face(cr, "serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 58);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, "VICTORY", &extents);
  cairo_move_to(cr, w / 2 - extents.width / 2 - extents.x_bearing, ry + 60);
  SetColour(cr, colour::kGoldLight);
  cairo_show_text(cr, "VICTORY");
  SetColour(cr, colour::kGold);
  cairo_set_line_width(cr, 8);
  cairo_rectangle(cr, 4, 4, w - 8, h - 8);
  cairo_stroke(cr);
  return p;
}

}  // namespace quenlit::assetgen
