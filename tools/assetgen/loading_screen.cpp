// The loading screen: the tower under a moon behind everything, and a comet whose tail
// flickers in 13 frames as it crosses the screen with the progress.
#include <cmath>
#include <numbers>

#include "effect_kit.h"
#include "painters.h"
#include "palette.h"

namespace quenlit::assetgen {
namespace {

constexpr double kPi = std::numbers::pi;

Picture LoadBack(int w, int h) {
  Picture p(w, h);
  cairo_t* cr = p.Cairo();
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.03, 0.02, 0.1);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.16, 0.1, 0.3);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  Rng rng("loadback");
  for (int i = 0; i < 180; ++i) {
    SetColour(cr, colour::kWhite, rng.Range(0.3, 1));
    cairo_arc(cr, rng.Range(0, w), rng.Range(0, h * 0.7), rng.Range(0.6, 2), 0, 2 * kPi);
    cairo_fill(cr);
  }
  Glow(cr, w * 0.72, h * 0.2, w * 0.14, colour::kGoldLight, 0.9);
  // The tower: stacked storeys narrowing upwards, with lit windows.
  const double base = h * 0.95;
  for (int storey = 0; storey < 7; ++storey) {
    const double sw = w * (0.3 - storey * 0.025), sh = h * 0.1;
    const double x = w / 2 - sw / 2, y = base - (storey + 1) * sh;
    SetColour(cr, Mix(colour::kStoneDark, colour::kStone, storey / 8.0));
    cairo_rectangle(cr, x, y, sw, sh);
    cairo_fill(cr);
    SetColour(cr, colour::kInk);
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, x, y, sw, sh);
    cairo_stroke(cr);
    for (int window = 0; window < 3; ++window) {
      SetColour(cr, (storey + window) % 3 ? colour::kGold : colour::kGoldLight);
      cairo_rectangle(cr, x + sw * (0.2 + 0.25 * window), y + sh * 0.3, sw * 0.1, sh * 0.4);
      cairo_fill(cr);
    }
  }
  const double top = base - 7 * h * 0.1;
  SetColour(cr, colour::kRed);
  cairo_move_to(cr, w / 2 - w * 0.08, top);
  cairo_line_to(cr, w / 2, top - h * 0.12);
  cairo_line_to(cr, w / 2 + w * 0.08, top);
  cairo_close_path(cr);
  cairo_fill(cr);
  return p;
}

}  // namespace

void AddLoadingScreen(PainterTable& table) {
  table["loadback"] = [](const TileSheet&, int w, int h) { return LoadBack(w, h); };
  AddEffect(table, "load", 1, 13, [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    // The tail's sparks run backwards one step per frame and wrap, so the loop is seamless.
    const double head = w * 0.82, cy = h / 2;
    for (int i = 0; i < 26; ++i) {
      const double lane = rng.Range(-0.25, 0.25) * h;
      const double along = std::fmod(rng.Next() + t * 12.0 / 13.0, 1.0);
      const double x = head - along * head * 0.95;
      Glow(cr, x, cy + lane * along, h * 0.12 * (1 - along), i % 3 ? 0x7ab0ff : colour::kGold,
           1 - along);
    }
    const double pulse = 0.85 + 0.15 * std::cos(t * 2 * kPi * 12.0 / 13.0);
    Glow(cr, head, cy, h * 0.42 * pulse, 0x7ab0ff, 1);
    Twinkle(cr, head, cy, h * 0.3 * pulse, colour::kWhite, 1);
  });
}

}  // namespace quenlit::assetgen
