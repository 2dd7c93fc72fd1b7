#include "effect_kit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "catalogue/catalogue.h"
#include "palette.h"

namespace quenlit::assetgen {
namespace {

void AddStop(cairo_pattern_t* pattern, double offset, uint32_t rgb, double alpha) {
  cairo_pattern_add_color_stop_rgba(pattern, offset, ((rgb >> 16) & 255) / 255.0,
                                    ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, alpha);
}

// How many of the pictures stem1, stem2, ... the catalogue loads, counting from 1.
int CataloguedFrames(const std::string& stem) {
  std::set<std::string> names;
  for (const catalogue::ImageGroup& group : catalogue::ImageGroups())
    for (const catalogue::ImageEntry& image : group.images) names.insert(image.name);
  for (const catalogue::ImageEntry& image : catalogue::LoadingImages()) names.insert(image.name);
  int frames = 0;
  while (names.count(stem + std::to_string(frames + 1))) ++frames;
  return frames;
}

}  // namespace

Rng::Rng(const std::string& seedText) : state_(2166136261u) {
  for (unsigned char c : seedText) state_ = (state_ ^ c) * 16777619u;
  if (state_ == 0) state_ = 1;
}

double Rng::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_ / 4294967296.0;
}

void AddEffect(PainterTable& table, const std::string& stem, EffectFrame frame) {
  const int frames = CataloguedFrames(stem);
  for (int i = 1; i <= frames; ++i) {
    // Each frame samples the middle of its share of the motion, so that no frame of an effect
    // is the empty moment before it starts or after it ends.
    const double t = (i - 0.5) / frames;
    table[stem + std::to_string(i)] = [stem, frame, t](const TileSheet&, int width, int height) {
      Picture picture(width, height);
      Rng rng(stem);
      frame(picture.Cairo(), width, height, t, rng);
      return picture;
    };
  }
}

void Glow(cairo_t* cr, double x, double y, double radius, uint32_t rgb, double alpha) {
  if (radius <= 0 || alpha <= 0) return;
  cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, radius);
  AddStop(glow, 0, colour::kWhite, alpha);
  AddStop(glow, 0.25, rgb, alpha * 0.9);
  AddStop(glow, 1, rgb, 0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, x, y, radius, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
}

void Twinkle(cairo_t* cr, double x, double y, double size, uint32_t rgb, double alpha) {
  if (size <= 0 || alpha <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_move_to(cr, 0, -size);
  cairo_curve_to(cr, 0, -size * 0.2, 0, 0, size, 0);
  cairo_curve_to(cr, 0, 0, 0, size * 0.2, 0, size);
  cairo_curve_to(cr, 0, 0, 0, 0, -size, 0);
  cairo_curve_to(cr, 0, 0, 0, -size * 0.2, 0, -size);
  SetColour(cr, rgb, alpha);
  cairo_fill(cr);
  cairo_restore(cr);
  Glow(cr, x, y, size * 0.5, rgb, alpha);
}

void Crescent(cairo_t* cr, double cx, double cy, double radius, double a0, double a1,
              double thickness, uint32_t rgb, double alpha) {
  if (alpha <= 0 || a1 <= a0) return;
  const int steps = 24;
  cairo_new_path(cr);
  for (int i = 0; i <= steps; ++i) {
    const double a = a0 + (a1 - a0) * i / steps;
    cairo_line_to(cr, cx + radius * std::cos(a), cy + radius * std::sin(a));
  }
  for (int i = steps; i >= 0; --i) {
    const double a = a0 + (a1 - a0) * i / steps;
    const double inner = radius - thickness * std::sin(std::numbers::pi * i / steps);
    cairo_line_to(cr, cx + inner * std::cos(a), cy + inner * std::sin(a));
  }
  cairo_close_path(cr);
  SetColour(cr, rgb, alpha);
  cairo_fill_preserve(cr);
  SetColour(cr, colour::kWhite, alpha);
  cairo_set_line_width(cr, std::max(1.0, thickness * 0.15));
  cairo_stroke(cr);
}

void Lightning(cairo_t* cr, double x0, double y0, double x1, double y1, double jag, double width,
               uint32_t rgb, double alpha, Rng& rng) {
  const int segments = 7;
  double px[segments + 1], py[segments + 1];
  const double nx = -(y1 - y0), ny = x1 - x0;
  const double length = std::hypot(nx, ny) + 1e-9;
  for (int i = 0; i <= segments; ++i) {
    const double f = double(i) / segments;
    const double off = (i == 0 || i == segments) ? 0 : rng.Range(-jag, jag);
    px[i] = x0 + (x1 - x0) * f + nx / length * off;
    py[i] = y0 + (y1 - y0) * f + ny / length * off;
  }
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, px[0], py[0]);
    for (int i = 1; i <= segments; ++i) cairo_line_to(cr, px[i], py[i]);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, pass == 0 ? rgb : colour::kWhite, pass == 0 ? alpha * 0.7 : alpha);
    cairo_set_line_width(cr, pass == 0 ? width * 2.5 : width);
    cairo_stroke(cr);
  }
}

void Flame(cairo_t* cr, double x, double y, double w, double h, double lean, double alpha) {
  if (alpha <= 0 || h <= 0) return;
  cairo_pattern_t* fire = cairo_pattern_create_linear(x, y, x, y - h);
  AddStop(fire, 0, 0xfff2b0, alpha);
  AddStop(fire, 0.3, 0xffb02a, alpha);
  AddStop(fire, 0.7, 0xe0401a, alpha * 0.85);
  AddStop(fire, 1, 0x801010, 0);
  cairo_move_to(cr, x - w / 2, y);
  cairo_curve_to(cr, x - w / 2, y - h * 0.45, x + lean - w * 0.15, y - h * 0.6, x + lean, y - h);
  cairo_curve_to(cr, x + lean + w * 0.15, y - h * 0.6, x + w / 2, y - h * 0.45, x + w / 2, y);
  cairo_close_path(cr);
  cairo_set_source(cr, fire);
  cairo_fill(cr);
  cairo_pattern_destroy(fire);
}

void Ring(cairo_t* cr, double x, double y, double radius, double width, uint32_t rgb,
          double alpha) {
  if (radius <= 0 || alpha <= 0) return;
  cairo_new_path(cr);
  cairo_arc(cr, x, y, radius, 0, 2 * std::numbers::pi);
  SetColour(cr, rgb, alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

double Swell(double t) {
  return std::sin(std::numbers::pi * std::clamp(t, 0.0, 1.0));
}

}  // namespace quenlit::assetgen
