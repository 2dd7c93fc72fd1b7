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

// The screen shows this picture 500 units wide with its top 10 units cut off (one unit is
// 1.6 of its pixels), over "Loading N%" at screen height 430 to 470 and the comet's band
// around height 340. The tower stands centred in the sky above a dark ground on which the
// progress text reads clearly.
constexpr double kUnit = 1.6;
double Row(double screenY) {
  return (screenY + 10) * kUnit;
}

Picture LoadBack(int w, int h) {
  Picture p(w, h);
  cairo_t* cr = p.Cairo();
  const double ground = Row(412);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, ground);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.03, 0.02, 0.1);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.16, 0.1, 0.3);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  Rng rng("loadback");
  for (int i = 0; i < 180; ++i) {
    SetColour(cr, colour::kWhite, rng.Range(0.3, 1));
    cairo_arc(cr, rng.Range(0, w), rng.Range(Row(0), ground * 0.8), rng.Range(0.6, 2), 0, 2 * kPi);
    cairo_fill(cr);
  }
  Glow(cr, w * 0.8, Row(90), w * 0.11, colour::kGoldLight, 0.9);
  // The ground: a dark hill under the tower, where the progress text stands.
  SetColour(cr, colour::kStoneDark);
  cairo_move_to(cr, 0, ground + 12);
  cairo_curve_to(cr, w * 0.3, ground - 10, w * 0.7, ground - 10, w, ground + 12);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  cairo_fill(cr);
  // The tower: stacked storeys narrowing upwards, with lit windows, lit from the top left;
  // pixel art like the sprites, on a grid of kChunk picture pixels.
  constexpr int kChunk = 4;
  Picture tower(w / kChunk, h / kChunk);
  cr = tower.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_scale(cr, 1.0 / kChunk, 1.0 / kChunk);
  constexpr int kStoreys = 7;
  const double storeyHeight = Row(46) - Row(0);
  for (int storey = 0; storey < kStoreys; ++storey) {
    const double sw = w * (0.28 - storey * 0.022);
    const double x = w / 2 - sw / 2, y = ground - (storey + 1) * storeyHeight;
    SetColour(cr, Mix(colour::kStoneDark, colour::kStone, storey / 8.0));
    cairo_rectangle(cr, x, y, sw, storeyHeight);
    cairo_fill(cr);
    SetColour(cr, colour::kStoneLight, 0.6);
    cairo_rectangle(cr, x, y, sw, kChunk);
    cairo_rectangle(cr, x, y, kChunk, storeyHeight);
    cairo_fill(cr);
    SetColour(cr, colour::kInk);
    cairo_set_line_width(cr, kChunk);
    cairo_rectangle(cr, x, y, sw, storeyHeight);
    cairo_stroke(cr);
    for (int window = 0; window < 3; ++window) {
      SetColour(cr, (storey + window) % 3 ? colour::kGold : colour::kGoldLight);
      cairo_rectangle(cr, x + sw * (0.2 + 0.25 * window), y + storeyHeight * 0.3, sw * 0.1,
                      storeyHeight * 0.4);
      cairo_fill(cr);
    }
  }
  const double top = ground - kStoreys * storeyHeight;
  SetColour(cr, colour::kRed);
  cairo_move_to(cr, w / 2 - w * 0.08, top);
  cairo_line_to(cr, w / 2, top - (Row(44) - Row(0)));
  cairo_line_to(cr, w / 2 + w * 0.08, top);
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  SetColour(cr, colour::kInk);
  cairo_set_line_width(cr, kChunk);
  cairo_stroke(cr);
  p.Blit(tower, 0, 0, w, h, true);
  return p;
}

}  // namespace

void AddLoadingScreen(PainterTable& table) {
  table["loadback"] = [](const TileSheet&, int w, int h) { return LoadBack(w, h); };
  AddEffect(table, "load", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    // The frame is drawn 618 x 180 centred on the progress point, which travels from 100 to
    // 700; the head rides 110 units behind it and 60 above its centre, so that it crosses
    // the picture (100 to 600) above the progress text. The tail's sparks run backwards one
    // step per frame and wrap, so the loop is seamless.
    const double head = w * (309.0 - 110) / 618, cy = h * (90.0 - 60) / 180;
    for (int i = 0; i < 26; ++i) {
      const double lane = rng.Range(-0.12, 0.12) * h;
      const double along = std::fmod(rng.Next() + t * 12.0 / 13.0, 1.0);
      const double x = head - along * head * 0.95;
      Glow(cr, x, cy + lane * along, h * 0.12 * (1 - along), i % 3 ? 0x7ab0ff : colour::kGold,
           1 - along);
    }
    // The head's glow and sparkle stay inside the frame's top edge, which would cut them
    // straight across.
    const double pulse = 0.85 + 0.15 * std::cos(t * 2 * kPi * 12.0 / 13.0);
    Glow(cr, head, cy, cy * 0.95 * pulse, 0x7ab0ff, 1);
    Twinkle(cr, head, cy, cy * 0.8 * pulse, colour::kWhite, 1);
  });
}

}  // namespace quenlit::assetgen
