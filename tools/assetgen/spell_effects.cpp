// The great spell effects that fill the battle screen: fire, the fire sword, ice, curses,
// barrages and fog. Each plays as a motion: it gathers, strikes and fades.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "effect_kit.h"
#include "palette.h"

namespace quenlit::assetgen {
namespace {

constexpr double kPi = std::numbers::pi;

// Flames rising from the bottom of the picture, growing and then dying down.
void FirePillar(cairo_t* cr, double w, double h, double t, Rng& rng, int tongues) {
  const double strength = Swell(t * 0.9 + 0.1);
  Glow(cr, w / 2, h * 0.75, w * 0.45 * strength, 0xff5a1a, 0.8 * strength);
  for (int i = 0; i < tongues; ++i) {
    const double x = w * rng.Range(0.2, 0.8);
    const double flicker = 0.7 + 0.3 * std::sin(t * 20 + i * 1.7);
    const double height = h * rng.Range(0.35, 0.75) * strength * flicker;
    Flame(cr, x, h * 0.85, w * rng.Range(0.08, 0.16), height, std::sin(t * 9 + i) * w * 0.04, 0.85);
  }
  for (int i = 0; i < tongues; ++i) {
    const double y = h * (0.85 - std::fmod(rng.Next() + t * 1.5, 1.0) * 0.8);
    Glow(cr, w * rng.Range(0.25, 0.75), y, w * 0.012, colour::kGoldLight, strength);
  }
}

// A fireball flying in from the top left and bursting.
void Fireball(cairo_t* cr, double w, double h, double t, Rng& rng) {
  if (t < 0.4) {
    const double f = t / 0.4;
    const double x = w * (0.1 + 0.4 * f), y = h * (0.1 + 0.4 * f);
    for (int i = 1; i <= 6; ++i)
      Glow(cr, x - i * w * 0.04, y - i * h * 0.04, w * 0.08, 0xff6a1a, 0.5 - i * 0.07);
    Glow(cr, x, y, w * 0.15, 0xffa02a, 1);
  } else {
    const double f = (t - 0.4) / 0.6;
    for (int i = 0; i < 14; ++i) {
      const double a = rng.Range(0, 2 * kPi), d = rng.Range(0.1, 0.45) * w * std::sqrt(f);
      Glow(cr, w / 2 + d * std::cos(a), h / 2 + d * std::sin(a), w * rng.Range(0.08, 0.16),
           i % 2 ? 0xff5a1a : 0xffb02a, 1 - f * 0.9);
    }
    Glow(cr, w / 2, h / 2, w * 0.3 * (1 - f * 0.5), colour::kGoldLight, 1 - f);
    Ring(cr, w / 2, h / 2, w * 0.48 * f, w * 0.02, 0xffd070, 1 - f);
  }
}

// Three burning blade arcs crossing the target.
void FireSword(cairo_t* cr, double w, double h, double t, Rng& rng) {
  const double r = w * 0.42;
  for (int i = 0; i < 3; ++i) {
    const double start = t * 3 - i;
    if (start <= 0) continue;
    const double sweep = std::min(1.0, start) * kPi * 0.6, fade = std::clamp(2.2 - start, 0.0, 1.0);
    const double a0 = kPi * (0.55 + 0.45 * i);
    Crescent(cr, w / 2, h / 2, r, a0, a0 + sweep, r * 0.18, 0xff7a1a, fade);
    const double tip = a0 + sweep;
    Glow(cr, w / 2 + r * std::cos(tip), h / 2 + r * std::sin(tip), w * 0.08, 0xffc040, fade);
  }
  for (int i = 0; i < 10; ++i) {
    Flame(cr, w * rng.Range(0.3, 0.7), h * rng.Range(0.55, 0.8), w * 0.06, h * 0.18 * Swell(t), 0,
          0.8);
  }
}

// Ice crystals shooting up in a row and shattering at the end.
void IceField(cairo_t* cr, double w, double h, double t, Rng& rng, int spikes) {
  const double grow = std::min(1.0, t * 1.8), shatter = std::max(0.0, (t - 0.7) / 0.3);
  for (int i = 0; i < spikes; ++i) {
    const double x = w * rng.Range(0.12, 0.88), base = h * rng.Range(0.7, 0.9);
    const double height = h * rng.Range(0.25, 0.6) * grow, half = w * rng.Range(0.03, 0.06);
    const double lean = rng.Range(-0.25, 0.25);
    cairo_save(cr);
    cairo_translate(cr, x, base + shatter * h * 0.1 * (i % 3));
    cairo_rotate(cr, lean + shatter * (i % 2 ? 0.4 : -0.4));
    cairo_move_to(cr, -half, 0);
    cairo_line_to(cr, 0, -height);
    cairo_line_to(cr, half, 0);
    cairo_close_path(cr);
    SetColour(cr, 0x9fd8ff, 0.85 * (1 - shatter));
    cairo_fill_preserve(cr);
    SetColour(cr, colour::kWhite, 1 - shatter);
    cairo_set_line_width(cr, std::max(1.0, w * 0.003));
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  Glow(cr, w / 2, h * 0.8, w * 0.4 * grow, 0x6ab8ff, 0.5 * (1 - shatter));
  for (int i = 0; i < 30; ++i) {
    Twinkle(cr, w * rng.Range(0.1, 0.9), h * rng.Range(0.2, 0.9), w * 0.015 * Swell(t),
            colour::kWhite, Swell(t));
  }
}

// A curse: a purple sigil circle turning, with a skull at its heart.
void Curse(cairo_t* cr, double w, double h, double t, bool critical) {
  const double cx = w / 2, cy = h / 2, strength = Swell(t * 0.85 + 0.15);
  const double r = w * 0.36 * (0.6 + 0.4 * strength);
  Glow(cr, cx, cy, w * 0.48, 0x5a1a8a, 0.7 * strength);
  Ring(cr, cx, cy, r, w * 0.012, 0xc070ff, strength);
  Ring(cr, cx, cy, r * 0.8, w * 0.006, 0xc070ff, strength);
  const int points = critical ? 7 : 5;
  cairo_new_path(cr);
  for (int i = 0; i <= points; ++i) {
    const double a = t * kPi * (critical ? 1.2 : 0.6) + i * 2 * kPi * 2 / points - kPi / 2;
    cairo_line_to(cr, cx + r * 0.8 * std::cos(a), cy + r * 0.8 * std::sin(a));
  }
  SetColour(cr, 0xe0a0ff, strength);
  cairo_set_line_width(cr, w * 0.008);
  cairo_stroke(cr);
  // The skull.
  const double s = w * 0.09 * (0.7 + 0.3 * strength);
  SetColour(cr, 0xe8e0f0, strength);
  cairo_arc(cr, cx, cy - s * 0.2, s, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_rectangle(cr, cx - s * 0.6, cy + s * 0.5, s * 1.2, s * 0.6);
  cairo_fill(cr);
  SetColour(cr, 0x2a0a3a, strength);
  cairo_arc(cr, cx - s * 0.4, cy - s * 0.2, s * 0.28, 0, 2 * kPi);
  cairo_arc(cr, cx + s * 0.4, cy - s * 0.2, s * 0.28, 0, 2 * kPi);
  cairo_fill(cr);
}

// Bright bolts streaking in from every side at the target.
void Barrage(cairo_t* cr, double w, double h, double t, Rng& rng, int bolts, uint32_t rgb) {
  for (int i = 0; i < bolts; ++i) {
    const double launch = rng.Range(0, 0.7);
    const double f = (t - launch) / 0.3;
    const double a = rng.Range(0, 2 * kPi), far = w * 0.5;
    if (f < 0) continue;
    if (f <= 1) {
      const double d = far * (1 - f);
      const double x = w / 2 + d * std::cos(a), y = h / 2 + d * std::sin(a);
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + w * 0.12 * std::cos(a), y + w * 0.12 * std::sin(a));
      SetColour(cr, rgb, 0.8);
      cairo_set_line_width(cr, w * 0.025);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_stroke(cr);
      Glow(cr, x, y, w * 0.05, rgb, 1);
    } else if (f < 1.6) {
      Glow(cr, w / 2 + rng.Range(-0.05, 0.05) * w, h / 2 + rng.Range(-0.05, 0.05) * h,
           w * 0.12 * (f - 0.6), colour::kGoldLight, 1.6 - f);
    }
  }
}

void BarrageBlasts(cairo_t* cr, double w, double h, double t, Rng& rng, int blasts) {
  for (int i = 0; i < blasts; ++i) {
    const double at = rng.Range(0, 0.75), f = (t - at) / 0.3;
    const double x = w * rng.Range(0.3, 0.7), y = h * rng.Range(0.3, 0.7);
    const double size = w * rng.Range(0.1, 0.2);
    if (f < 0 || f > 1.2) continue;
    Glow(cr, x, y, size * (0.4 + f), i % 2 ? 0xff8a2a : 0xffd040, 1.2 - f);
    Ring(cr, x, y, size * (0.5 + 1.2 * f), w * 0.01, colour::kWhite, std::max(0.0, 1 - f));
  }
}

// Drifting banks of fog that thicken and thin.
void Fog(cairo_t* cr, double w, double h, double t, Rng& rng, uint32_t rgb, int banks) {
  const double density = Swell(t);
  for (int i = 0; i < banks; ++i) {
    const double x = w * rng.Range(0.15, 0.85) + (t - 0.5) * w * rng.Range(-0.2, 0.2);
    const double y = h * rng.Range(0.25, 0.8) + std::sin(t * 4 + i) * h * 0.02;
    const double r = w * rng.Range(0.12, 0.25) * (0.7 + 0.3 * density);
    cairo_pattern_t* puff = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(puff, 0, ((rgb >> 16) & 255) / 255.0,
                                      ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0,
                                      0.55 * density);
    cairo_pattern_add_color_stop_rgba(puff, 1, ((rgb >> 16) & 255) / 255.0,
                                      ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, 0);
    cairo_set_source(cr, puff);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(puff);
  }
}

}  // namespace

void AddSpellEffects(PainterTable& table) {
  AddEffect(table, "fire", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    FirePillar(cr, w, h, t, rng, 16);
  });
  AddEffect(table, "fireb", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Fireball(cr, w, h, t, rng);
  });
  AddEffect(table, "fireswordb", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    FireSword(cr, w, h, t, rng);
  });
  AddEffect(table, "ice", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    IceField(cr, w, h, t, rng, 14);
  });
  AddEffect(table, "iceb", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    IceField(cr, w, h, t, rng, 26);
  });
  AddEffect(table, "curse",
            [](cairo_t* cr, double w, double h, double t, Rng&) { Curse(cr, w, h, t, false); });
  AddEffect(table, "curseb",
            [](cairo_t* cr, double w, double h, double t, Rng&) { Curse(cr, w, h, t, true); });
  AddEffect(table, "barrage", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Barrage(cr, w, h, t, rng, 24, 0x7ad0ff);
  });
  AddEffect(table, "barrageb", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    BarrageBlasts(cr, w, h, t, rng, 16);
  });
  AddEffect(table, "fog", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Fog(cr, w, h, t, rng, 0xc8c8d8, 14);
  });
  AddEffect(table, "fogb", [](cairo_t* cr, double w, double h, double t, Rng& rng) {
    Fog(cr, w, h, t, rng, 0x8ad070, 20);
    Fog(cr, w, h, std::min(1.0, t * 1.2), rng, 0x5a8a40, 8);
  });
}

}  // namespace quenlit::assetgen
