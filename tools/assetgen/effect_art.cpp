// The small strike effects that play over a fighter's picture in battle, each a few frames:
// a blade's arc, a fist and its impact, a splash, a drain, a bolt, blasts, poison, beams and
// a spark of magic. Critical versions are bigger and harder versions of the same motion.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "effect_kit.h"
#include "palette.h"

namespace quenlit::assetgen {
namespace {

constexpr double kPi = std::numbers::pi;

// A blade sweeping from the top right to the bottom left, the arc growing then fading.
void Slash(cairo_t* cr, double w, double h, double t, uint32_t rgb, double weight) {
  const double cx = w * 0.75, cy = h * 0.2, r = std::min(w, h) * 0.78;
  const double start = kPi * 0.55, sweep = kPi * 0.5 * std::min(1.0, t * 1.6 + 0.2);
  const double fade = t < 0.6 ? 1.0 : 1 - (t - 0.6) / 0.45;
  Crescent(cr, cx, cy, r, start, start + sweep, r * 0.22 * weight, rgb, fade);
  if (weight > 1)
    Crescent(cr, cx - w * 0.12, cy + h * 0.1, r * 0.9, start + 0.1, start + sweep * 0.9, r * 0.12,
             colour::kRedLight, fade * 0.8);
  const double tipAngle = start + sweep;
  Twinkle(cr, cx + r * std::cos(tipAngle), cy + r * std::sin(tipAngle), 6 * weight, colour::kWhite,
          fade);
}

// A fist flying in and the star of its impact.
void Fist(cairo_t* cr, double w, double h, double t, double size) {
  const double cx = w / 2, cy = h / 2;
  const double impact = std::clamp((t - 0.35) / 0.65, 0.0, 1.0);
  if (impact > 0) {
    const int points = 8;
    cairo_new_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
      const double a = i * kPi / points;
      const double r = (i % 2 ? 0.45 : 1.0) * size * (0.5 + impact * 0.6);
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    SetColour(cr, colour::kGoldLight, 1 - impact * 0.8);
    cairo_fill_preserve(cr);
    SetColour(cr, colour::kRed, 1 - impact * 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  const double approach = std::min(1.0, t / 0.4);
  const double fx = cx + (1 - approach) * w * 0.4, fy = cy + (1 - approach) * h * 0.3;
  const double s = size * 0.42 * (1.3 - 0.3 * approach);
  const double fade = t < 0.7 ? 1.0 : 1 - (t - 0.7) / 0.35;
  cairo_save(cr);
  cairo_translate(cr, fx, fy);
  // The fist: a rounded block with four knuckles and a thumb.
  cairo_new_path(cr);
  cairo_rectangle(cr, -s, -s * 0.7, s * 1.8, s * 1.4);
  SetColour(cr, colour::kSkin, fade);
  cairo_fill_preserve(cr);
  SetColour(cr, colour::kInk, fade);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (int k = 0; k < 4; ++k) {
    cairo_arc(cr, -s * 0.95, -s * 0.52 + k * s * 0.35, s * 0.2, 0, 2 * kPi);
    SetColour(cr, 0xe8a878, fade);
    cairo_fill_preserve(cr);
    SetColour(cr, colour::kInk, fade);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void Splash(cairo_t* cr, double w, double h, double t, Rng& rng, int drops, bool tall) {
  const double cx = w / 2, cy = tall ? h * 0.75 : h / 2;
  const double fade = 1 - std::max(0.0, t - 0.5) * 1.6;
  Ring(cr, cx, cy, (0.2 + 0.8 * t) * w * 0.42, 3, colour::kBlueLight, fade);
  for (int i = 0; i < drops; ++i) {
    const double a = tall ? rng.Range(-kPi * 0.8, -kPi * 0.2) : rng.Range(0, 2 * kPi);
    const double speed = rng.Range(0.5, 1.0) * (tall ? h * 0.7 : w * 0.45);
    const double d = speed * (0.15 + 0.85 * t);
    const double gravity = tall ? t * t * h * 0.25 : 0;
    const double x = cx + d * std::cos(a), y = cy + d * std::sin(a) + gravity;
    const double r = rng.Range(2, 4.5) * (1.2 - 0.5 * t);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    SetColour(cr, colour::kBlue, fade);
    cairo_fill_preserve(cr);
    SetColour(cr, colour::kBlueLight, fade);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  Glow(cr, cx, cy, w * 0.25 * (1 - t), colour::kBlueLight, fade * 0.8);
}

// Dark motes spiralling into a centre: life being drawn out.
void Drain(cairo_t* cr, double cx, double cy, double radius, double t, Rng& rng, int motes) {
  for (int i = 0; i < motes; ++i) {
    const double a0 = rng.Range(0, 2 * kPi), r0 = rng.Range(0.5, 1.0) * radius;
    const double phase = std::fmod(t + rng.Next() * 0.3, 1.0);
    const double r = r0 * (1 - phase), a = a0 + phase * 2.5;
    cairo_arc(cr, cx + r * std::cos(a), cy + r * std::sin(a), 1.5 + 2.5 * (1 - phase), 0, 2 * kPi);
    SetColour(cr, i % 3 ? 0x9b3fd6 : colour::kRed, 0.9);
    cairo_fill(cr);
  }
  Ring(cr, cx, cy, radius * (1 - t * 0.7), 2, 0x6a2a9a, 0.8);
  Glow(cr, cx, cy, radius * 0.45 * (0.5 + t), 0x9b3fd6, 0.9);
}

void Explosion(cairo_t* cr, double cx, double cy, double size, double t, Rng& rng, int puffs) {
  const double grow = 0.3 + 0.7 * std::sqrt(t), fade = 1 - std::max(0.0, t - 0.55) * 2;
  for (int i = 0; i < puffs; ++i) {
    const double a = rng.Range(0, 2 * kPi), d = rng.Range(0, 0.55) * size * grow;
    Glow(cr, cx + d * std::cos(a), cy + d * std::sin(a), size * rng.Range(0.25, 0.45) * grow,
         i % 2 ? 0xff7a1a : colour::kRed, fade);
  }
  Glow(cr, cx, cy, size * 0.5 * grow, colour::kGoldLight, fade);
  Ring(cr, cx, cy, size * 0.95 * grow, 2.5, colour::kGoldLight, fade * 0.7);
}

void Beam(cairo_t* cr, double w, double h, double t, uint32_t rgb) {
  const double reach = std::min(1.0, t * 2.2) * h;
  const double width = w * 0.28 * (t < 0.5 ? 1.0 : 1.6 - t * 1.2);
  cairo_pattern_t* beam = cairo_pattern_create_linear(w / 2 - width, 0, w / 2 + width, 0);
  cairo_pattern_add_color_stop_rgba(beam, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(beam, 0.5, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(beam, 1, 0, 0, 0, 0);
  Glow(cr, w / 2, reach, w * 0.45, rgb, 1);
  SetColour(cr, rgb, 0.8);
  cairo_rectangle(cr, w / 2 - width, 0, 2 * width, reach);
  cairo_fill(cr);
  cairo_set_source(cr, beam);
  cairo_rectangle(cr, w / 2 - width * 0.5, 0, width, reach);
  cairo_fill(cr);
  cairo_pattern_destroy(beam);
}

void Poison(cairo_t* cr, double w, double h, double t, Rng& rng) {
  // Drops falling from a green cloud and bubbling up where they land.
  Glow(cr, w / 2, h * 0.15, w * 0.5, 0x5ad02a, 0.8 * (1 - t * 0.5));
  for (int i = 0; i < 7; ++i) {
    const double x = rng.Range(0.2, 0.8) * w;
    const double y = std::fmod(rng.Next() + t, 1.0) * h * 0.8 + h * 0.15;
    cairo_move_to(cr, x, y - 5);
    cairo_curve_to(cr, x + 4, y, x + 4, y + 4, x, y + 4);
    cairo_curve_to(cr, x - 4, y + 4, x - 4, y, x, y - 5);
    SetColour(cr, 0x7ae03a, 0.95);
    cairo_fill_preserve(cr);
    SetColour(cr, 0x205a10, 0.95);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  for (int i = 0; i < 5; ++i) {
    const double r = rng.Range(2, 5) * (0.5 + t);
    Ring(cr, rng.Range(0.2, 0.8) * w, h - 8 - rng.Range(0, 10) * t, r, 1.5, 0xa8ff6a, 1 - t * 0.6);
  }
}

void MagicSpark(cairo_t* cr, double w, double h, double t, Rng& rng, double size) {
  const double cx = w / 2, cy = h / 2;
  const double spin = t * kPi;
  for (int i = 0; i < 6; ++i) {
    const double a = spin + i * kPi / 3, d = size * 0.35 * (0.4 + t);
    Twinkle(cr, cx + d * std::cos(a), cy + d * std::sin(a), size * 0.12,
            i % 2 ? 0xc070ff : 0x70c0ff, 1 - t * 0.5);
  }
  Twinkle(cr, cx, cy, size * 0.38 * Swell(t * 0.8 + 0.2), colour::kWhite, 1);
  for (int i = 0; i < 5; ++i) {
    Glow(cr, rng.Range(0, w), rng.Range(0, h), 3 + 3 * t, 0xff70e0, Swell(t));
  }
}

}  // namespace

void AddStrikeEffects(PainterTable& table) {
  AddEffect(table, "slash", [](cairo_t* cr, double w, double h, double t, Rng&) {
    Slash(cr, w, h, t, colour::kBlueLight, 1);
  });
  AddEffect(table, "slashb", [](cairo_t* cr, double w, double h, double t, Rng&) {
    Slash(cr, w, h, t, colour::kGoldLight, 1.5);
  });
  AddEffect(table, "fist", [](cairo_t* cr, double w, double h, double t, Rng&) {
    Fist(cr, w, h, t, std::min(w, h) * 0.5);
  });
  // The critical fist grows: its last three frames are larger pictures.
  AddEffect(table, "fistb", [](cairo_t* cr, double w, double h, double t, Rng&) {
    Fist(cr, w, h, t, std::min(w, h) * 0.56);
    Fist(cr, w * 0.7, h * 0.7, std::max(0.0, t - 0.2), std::min(w, h) * 0.3);
  });
  AddEffect(table, "water", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Splash(cr, w, h, t, rng, 12, false);
  });
  AddEffect(table, "waterb", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Splash(cr, w, h, t, rng, 18, true);
  });
  // "suck" shows the top-left 49 x 47 of these pictures, "suckb" all 94 x 75: the drain sits
  // in the corner, and the critical strike sees more motes streaming into it.
  AddEffect(table, "suck", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Drain(cr, 24.5, 23.5, 23, t, rng, 14);
    if (w > 49) Drain(cr, 24.5, 23.5, std::hypot(w, h) * 0.8, t, rng, 26);
  });
  AddEffect(table, "suckb", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Drain(cr, w / 2, h / 2, w / 2, t, rng, 10);
  });
  AddEffect(table, "flash", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    const double fade = 1 - std::max(0.0, t - 0.6) * 2;
    Glow(cr, w / 2, h * 0.8, w * 0.4 * (0.5 + t), colour::kGoldLight, fade);
    for (int i = 0; i < 2; ++i) {
      Lightning(cr, rng.Range(0.2, 0.8) * w, 0, w / 2, h * 0.8, w * 0.14, 2, colour::kYellow, fade,
                rng);
    }
  });
  AddEffect(table, "explode", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Explosion(cr, w / 2, h / 2, std::min(w, h) * 0.5, t, rng, 6);
  });
  AddEffect(table, "explodeb", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Explosion(cr, w / 2, h * 0.6, w * 0.5, t, rng, 7);
    // A column of fire rising from the blast.
    Flame(cr, w / 2, h * 0.65, w * 0.45, h * 0.6 * Swell(t * 0.8 + 0.1), 0, 0.9);
  });
  AddEffect(table, "nuclear", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    // A wide flat blast hugging the ground.
    Explosion(cr, w / 2, h * 0.65, h * 0.45, t, rng, 5);
    const double spread = (0.3 + 0.7 * t) * w * 0.5;
    cairo_save(cr);
    cairo_translate(cr, w / 2, h * 0.7);
    cairo_scale(cr, spread, h * 0.18);
    Glow(cr, 0, 0, 1, 0xff9a2a, 1 - t * 0.7);
    cairo_restore(cr);
  });
  AddEffect(table, "poision",
            [](cairo_t* cr, double w, double h, double t, Rng& rng) { Poison(cr, w, h, t, rng); });
  AddEffect(table, "greenlaser",
            [](cairo_t* cr, double w, double h, double t, Rng&) { Beam(cr, w, h, t, 0x3aff5a); });
  AddEffect(table, "laser",
            [](cairo_t* cr, double w, double h, double t, Rng&) { Beam(cr, w, h, t, 0xff3a3a); });
  AddEffect(table, "magic", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    MagicSpark(cr, w, h, t, rng, std::min(w, h));
  });
  AddEffect(table, "magicb", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    MagicSpark(cr, w, h * 0.7, t, rng, w);
    Glow(cr, w / 2, h * 0.75, w * 0.5 * Swell(t), 0xc070ff, 0.9);
    Ring(cr, w / 2, h * 0.75, w * 0.45 * t, 2, 0xffb0ff, 1 - t);
  });
}

}  // namespace quenlit::assetgen
