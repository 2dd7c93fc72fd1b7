#include "pixel_ops.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "palette.h"

namespace quenlit::assetgen {
namespace {

struct Rgb {
  double r, g, b;
};

// Hue in degrees, saturation and lightness 0..1.
void ToHsl(Rgb c, double& h, double& s, double& l) {
  const double high = std::max({c.r, c.g, c.b});
  const double low = std::min({c.r, c.g, c.b});
  l = (high + low) / 2;
  const double d = high - low;
  if (d < 1e-9) {
    h = s = 0;
    return;
  }
  s = l > 0.5 ? d / (2 - high - low) : d / (high + low);
  if (high == c.r) {
    h = std::fmod((c.g - c.b) / d + 6, 6);
  } else if (high == c.g) {
    h = (c.b - c.r) / d + 2;
  } else {
    h = (c.r - c.g) / d + 4;
  }
  h *= 60;
}

double HueChannel(double p, double q, double t) {
  t = t - std::floor(t);
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 0.5) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

Rgb FromHsl(double h, double s, double l) {
  if (s < 1e-9) return {l, l, l};
  const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
  const double p = 2 * l - q;
  const double t = h / 360;
  return {HueChannel(p, q, t + 1.0 / 3), HueChannel(p, q, t), HueChannel(p, q, t - 1.0 / 3)};
}

// Rewrites every pixel that is not fully transparent: change(pixel, alpha) gets the
// premultiplied pixel and its alpha and returns the new pixel.
template <typename Change>
void RewriteVisiblePixels(Picture& picture, Change change) {
  picture.Flush();
  for (int y = 0; y < picture.Height(); ++y) {
    uint32_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const uint32_t a = row[x] >> 24;
      if (a != 0) row[x] = change(row[x], a);
    }
  }
  picture.MarkDirty();
}

}  // namespace

void ApplyRecolour(Picture& picture, const Recolour& recolour) {
  RewriteVisiblePixels(picture, [&recolour](uint32_t pixel, uint32_t a) {
    // Undo the premultiplication, change the colour, premultiply again.
    const Rgb c{((pixel >> 16) & 0xff) / double(a), ((pixel >> 8) & 0xff) / double(a),
                (pixel & 0xff) / double(a)};
    double h, s, l;
    ToHsl(c, h, s, l);
    h = std::fmod(h + recolour.hueShift + 360, 360);
    s = std::clamp(s * recolour.saturation, 0.0, 1.0);
    l = std::clamp(l * recolour.brightness, 0.0, 1.0);
    const Rgb out = FromHsl(h, s, l);
    auto channel = [a](double v) {
      return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * a));
    };
    return a << 24 | channel(out.r) << 16 | channel(out.g) << 8 | channel(out.b);
  });
}

void MapToRamp(Picture& picture, uint32_t dark, uint32_t light) {
  RewriteVisiblePixels(picture, [dark, light](uint32_t pixel, uint32_t a) {
    const double l =
        (0.3 * ((pixel >> 16) & 0xff) + 0.59 * ((pixel >> 8) & 0xff) + 0.11 * (pixel & 0xff)) / a;
    const uint32_t rgb = Mix(dark, light, l);
    auto channel = [a](uint32_t v) { return (v * a + 127) / 255; };
    return a << 24 | channel((rgb >> 16) & 0xff) << 16 | channel((rgb >> 8) & 0xff) << 8 |
           channel(rgb & 0xff);
  });
}

double MeanLightness(Picture& picture) {
  picture.Flush();
  double sum = 0;
  int count = 0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const uint32_t p = picture.At(x, y);
      const uint32_t a = p >> 24;
      if (a < 128) continue;
      sum += (0.3 * ((p >> 16) & 0xff) + 0.59 * ((p >> 8) & 0xff) + 0.11 * (p & 0xff)) / a;
      ++count;
    }
  }
  return count ? sum / count : 0;
}

void AddOutline(Picture& picture, uint32_t rgb) {
  picture.Flush();
  const int w = picture.Width(), h = picture.Height();
  std::vector<bool> solid(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) solid[y * w + x] = (picture.At(x, y) >> 24) >= 128;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if ((picture.At(x, y) >> 24) != 0) continue;
      const bool touches = (x > 0 && solid[y * w + x - 1]) || (x + 1 < w && solid[y * w + x + 1]) ||
                           (y > 0 && solid[(y - 1) * w + x]) ||
                           (y + 1 < h && solid[(y + 1) * w + x]);
      if (touches) picture.At(x, y) = 0xff000000u | rgb;
    }
  }
  picture.MarkDirty();
}

namespace {

double SmoothStep(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Scales every pixel (premultiplied, so all four channels) by strength(x, y).
template <typename Strength>
void ScaleAlpha(Picture& picture, Strength strength) {
  picture.Flush();
  for (int y = 0; y < picture.Height(); ++y) {
    uint32_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const double k = strength(x + 0.5, y + 0.5);
      uint32_t out = 0;
      for (int shift = 0; shift <= 24; shift += 8) {
        out |= static_cast<uint32_t>(std::lround(((row[x] >> shift) & 0xff) * k)) << shift;
      }
      row[x] = out;
    }
  }
  picture.MarkDirty();
}

}  // namespace

void FadeBorder(Picture& picture, double margin) {
  const double w = picture.Width(), h = picture.Height();
  ScaleAlpha(picture, [&](double x, double y) {
    return SmoothStep(std::min({x, w - x, y, h - y}) / margin);
  });
}

void FadeRadially(Picture& picture, double cx, double cy, double inner, double outer) {
  ScaleAlpha(picture, [&](double x, double y) {
    return 1 - SmoothStep((std::hypot(x - cx, y - cy) - inner) / (outer - inner));
  });
}

void Shift(Picture& picture, int dx, int dy) {
  Picture copy(picture.Width(), picture.Height());
  copy.Blit(picture, dx, dy, picture.Width(), picture.Height());
  cairo_t* cr = picture.Cairo();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, copy.Surface(), 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
}

int CountDifferentPixels(Picture& a, Picture& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return a.Width() * a.Height();
  a.Flush();
  b.Flush();
  int count = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) count += a.At(x, y) != b.At(x, y);
  return count;
}

}  // namespace quenlit::assetgen
