// Backgrounds and panels: the tower's violet stone behind everything, framed in gold, and the
// boxes that the status, battle, speech and message screens lay over it.
#include <cmath>
#include <numbers>
#include <utility>

#include "painters.h"
#include "palette.h"
#include "pixel_ops.h"

namespace quenlit::assetgen {
namespace {

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -std::numbers::pi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, std::numbers::pi / 2);
  cairo_arc(cr, x + r, y + h - r, r, std::numbers::pi / 2, std::numbers::pi);
  cairo_arc(cr, x + r, y + r, r, std::numbers::pi, 1.5 * std::numbers::pi);
  cairo_close_path(cr);
}

// Stone blocks in running bond, each a little lighter at its top edge.
void StoneWall(cairo_t* cr, int width, int height, int block) {
  SetColour(cr, colour::kStoneDark);
  cairo_paint(cr);
  const int rows = height / (block / 2) + 1;
  for (int row = 0; row < rows; ++row) {
    const double y = row * block / 2.0;
    const double offset = (row % 2) * block / 2.0;
    for (double x = -offset; x < width; x += block) {
      // A fixed per-block shade so that the wall is not flat.
      const int hash = (row * 7919 + static_cast<int>(x) * 104729) % 97;
      SetColour(cr, Mix(colour::kStone, colour::kStoneLight, (hash % 23) / 60.0));
      cairo_rectangle(cr, x + 1, y + 1, block - 2, block / 2.0 - 2);
      cairo_fill(cr);
      SetColour(cr, colour::kStoneLight, 0.35);
      cairo_rectangle(cr, x + 1, y + 1, block - 2, 1.5);
      cairo_fill(cr);
    }
  }
}

// A panel: dark glassy fill with a gold double border.
void Panel(cairo_t* cr, double w, double h, uint32_t top, uint32_t bottom, double radius) {
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgba(fill, 0, ((top >> 16) & 255) / 255.0,
                                    ((top >> 8) & 255) / 255.0, (top & 255) / 255.0, 0.92);
  cairo_pattern_add_color_stop_rgba(fill, 1, ((bottom >> 16) & 255) / 255.0,
                                    ((bottom >> 8) & 255) / 255.0, (bottom & 255) / 255.0, 0.92);
  RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, radius);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  SetColour(cr, colour::kGold);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  RoundedRect(cr, 5.5, 5.5, w - 11, h - 11, std::max(1.0, radius - 4));
  SetColour(cr, colour::kGoldDark);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

Picture BackBig(int w, int h) {
  Picture p(w, h);
  cairo_t* cr = p.Cairo();
  StoneWall(cr, w, h, 48);
  // Soft darkness towards the edges.
  cairo_pattern_t* shade =
      cairo_pattern_create_radial(w / 2.0, h / 2.0, h * 0.3, w / 2.0, h / 2.0, w * 0.7);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.6);
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);
  // The map's well (230, 35)-(678, 483) and the status panel's place, framed in gold.
  SetColour(cr, 0x0d0b18);
  cairo_rectangle(cr, 226, 31, 456, 456);
  cairo_fill(cr);
  SetColour(cr, colour::kGold);
  cairo_set_line_width(cr, 4);
  cairo_rectangle(cr, 222, 27, 464, 464);
  cairo_stroke(cr);
  SetColour(cr, colour::kGoldDark);
  cairo_set_line_width(cr, 2);
  cairo_rectangle(cr, 216, 21, 476, 476);
  cairo_stroke(cr);
  // Corner studs.
  const double corners[][2] = {{222, 27}, {686, 27}, {222, 491}, {686, 491}};
  for (const auto& c : corners) {
    SetColour(cr, colour::kGoldLight);
    cairo_arc(cr, c[0], c[1], 6, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    SetColour(cr, colour::kRed);
    cairo_arc(cr, c[0], c[1], 3, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
  }
  // Torches on the right wall.
  for (int i = 0; i < 2; ++i) {
    const double x = 830, y = 150 + 260 * i;
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 2, x, y, 90);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.75, 0.3, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.5, 0.1, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    SetColour(cr, colour::kWoodDark);
    cairo_rectangle(cr, x - 4, y + 6, 8, 34);
    cairo_fill(cr);
    SetColour(cr, colour::kGold);
    cairo_move_to(cr, x, y - 22);
    cairo_curve_to(cr, x + 12, y - 4, x + 8, y + 8, x, y + 8);
    cairo_curve_to(cr, x - 8, y + 8, x - 12, y - 4, x, y - 22);
    cairo_fill(cr);
    SetColour(cr, colour::kWhite);
    cairo_arc(cr, x, y + 1, 3.5, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
  }
  return p;
}

Picture InfoBack(int w, int h) {
  Picture p(w, h);
  Panel(p.Cairo(), w, h, 0x2a2450, 0x120f26, 10);
  cairo_t* cr = p.Cairo();
  // A rule between the numbers and the keys.
  SetColour(cr, colour::kGold, 0.8);
  cairo_rectangle(cr, 14, 205, w - 28, 2);
  cairo_fill(cr);
  return p;
}

// A panel that the game frames itself with an outline: the glassy fill only, with a light
// top edge where the light falls, so that the text has the whole panel.
Picture FramedByTheGame(int w, int h, uint32_t top, uint32_t bottom) {
  Picture p(w, h);
  cairo_t* cr = p.Cairo();
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  for (const auto& [at, rgb] : {std::pair{0.0, top}, std::pair{1.0, bottom}}) {
    cairo_pattern_add_color_stop_rgba(fill, at, ((rgb >> 16) & 255) / 255.0,
                                      ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, 0.92);
  }
  cairo_set_source(cr, fill);
  cairo_paint(cr);
  cairo_pattern_destroy(fill);
  SetColour(cr, colour::kGoldLight, 0.35);
  cairo_rectangle(cr, 0, 0, w, 1);
  cairo_fill(cr);
  return p;
}

Picture SimplePanel(int w, int h, uint32_t top, uint32_t bottom, double radius) {
  Picture p(w, h);
  Panel(p.Cairo(), w, h, top, bottom, radius);
  return p;
}

// Parchment with a red seal: the page of the monster manual.
Picture ManualPage(int w, int h) {
  Picture p(w, h);
  cairo_t* cr = p.Cairo();
  cairo_pattern_t* paper =
      cairo_pattern_create_radial(w / 2.0, h / 2.0, 50, w / 2.0, h / 2.0, w * 0.75);
  cairo_pattern_add_color_stop_rgb(paper, 0, 0.22, 0.19, 0.36);
  cairo_pattern_add_color_stop_rgb(paper, 1, 0.07, 0.06, 0.14);
  cairo_set_source(cr, paper);
  cairo_paint(cr);
  cairo_pattern_destroy(paper);
  SetColour(cr, colour::kGold);
  cairo_set_line_width(cr, 10);
  cairo_rectangle(cr, 14, 14, w - 28, h - 28);
  cairo_stroke(cr);
  SetColour(cr, colour::kGoldDark);
  cairo_set_line_width(cr, 3);
  cairo_rectangle(cr, 32, 32, w - 64, h - 64);
  cairo_stroke(cr);
  // Three entry rows, one per monster of the page.
  for (int i = 0; i < 3; ++i) {
    SetColour(cr, colour::kStoneLight, 0.25);
    RoundedRect(cr, 30, 40 + 244 * i, w - 60, 226, 16);
    cairo_fill(cr);
  }
  return p;
}

// Night behind a closing curtain of stars: what the map fades into between floors.
Picture Transition(int w, int h) {
  Picture p(w, h);
  cairo_t* cr = p.Cairo();
  cairo_pattern_t* sky =
      cairo_pattern_create_radial(w / 2.0, h / 2.0, 10, w / 2.0, h / 2.0, w * 0.72);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.18, 0.12, 0.38);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.02, 0.01, 0.06);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) / 16777216.0;
  };
  for (int i = 0; i < 260; ++i) {
    const double x = next() * w, y = next() * h, r = 0.6 + 2.2 * next() * next();
    SetColour(cr, next() < 0.2 ? colour::kGoldLight : colour::kWhite, 0.5 + 0.5 * next());
    cairo_arc(cr, x, y, r, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
  }
  // The tower's emblem in the middle: a gold ring around a stair.
  SetColour(cr, colour::kGold, 0.85);
  cairo_set_line_width(cr, 8);
  cairo_arc(cr, w / 2.0, h / 2.0, 120, 0, 2 * std::numbers::pi);
  cairo_stroke(cr);
  for (int step = 0; step < 5; ++step) {
    cairo_rectangle(cr, w / 2.0 - 70 + 28 * step, h / 2.0 + 60 - 30 * step, 28, 30 * (step + 1));
  }
  cairo_fill(cr);
  return p;
}

// Shapes on the big pictures are pixel art like the sprites: drawn on a grid of this many
// picture pixels a cell, with an ink outline, and enlarged without blurring.
constexpr int kChunk = 4;

// The pause picture is laid at 60 % from (-10, -75), 720.2 by 676 units, over the map and the
// panel, with "按P键继续" at (465, 300). Its picture pixel of a scene point:
constexpr double PauseX(double sceneX) {
  return (sceneX + 10) * 800 / 720.2;
}
constexpr double PauseY(double sceneY) {
  return (sceneY + 75) * 800 / 676;
}

// The pause picture: a dim pool of night around a round pause emblem set just left of the
// "按P键继续" text, so that both read as one sign. The pool fades to nothing well inside the
// picture, so the picture's own edges never show on the screen.
Picture Pause(int w, int h) {
  Picture p(w, h);
  cairo_t* cr = p.Cairo();
  const double cx = PauseX(410), cy = PauseY(322);
  // In scene units, so that the pool is round on the screen although the picture is not
  // drawn at the same scale across and down.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 800 / 720.2, 800 / 676.0);
  // 275 units: the picture's bottom edge, the nearest on the screen, lies 279 units below.
  cairo_pattern_t* pool = cairo_pattern_create_radial(0, 0, 0, 0, 0, 275);
  cairo_pattern_add_color_stop_rgba(pool, 0, 0.03, 0.02, 0.07, 1);
  cairo_pattern_add_color_stop_rgba(pool, 0.5, 0.03, 0.02, 0.07, 0.9);
  cairo_pattern_add_color_stop_rgba(pool, 1, 0.03, 0.02, 0.07, 0);
  cairo_set_source(cr, pool);
  cairo_paint(cr);
  cairo_pattern_destroy(pool);
  cairo_restore(cr);

  // The emblem on the coarse grid: a night-blue medal with a gold rim, a small crescent and
  // two gold pause bars.
  const int gw = w / kChunk, gh = h / kChunk;
  Picture icons(gw, gh);
  cairo_t* ic = icons.Cairo();
  cairo_set_antialias(ic, CAIRO_ANTIALIAS_NONE);
  const double gx = cx / kChunk, gy = cy / kChunk, radius = 13;
  SetColour(ic, colour::kGold);
  cairo_arc(ic, gx, gy, radius, 0, 2 * std::numbers::pi);
  cairo_fill(ic);
  SetColour(ic, 0x1b1838);
  cairo_arc(ic, gx, gy, radius - 2, 0, 2 * std::numbers::pi);
  cairo_fill(ic);
  SetColour(ic, colour::kGoldLight);
  cairo_arc(ic, gx - 5, gy - 6, 3, 0, 2 * std::numbers::pi);
  cairo_fill(ic);
  SetColour(ic, 0x1b1838);
  cairo_arc(ic, gx - 4, gy - 7, 2.6, 0, 2 * std::numbers::pi);
  cairo_fill(ic);
  for (const double left : {gx - 4.0, gx + 1.0}) {
    Px(ic, left, gy - 4, 3, 10, colour::kGold);
    Px(ic, left, gy - 4, 1, 10, colour::kGoldLight);
  }
  AddOutline(icons, colour::kInk);
  p.Blit(icons, 0, 0, w, h, true, 1);
  return p;
}

// The ribbon of the "obtained" message.
Picture Caption(int w, int h) {
  Picture p(w, h);
  cairo_t* cr = p.Cairo();
  cairo_move_to(cr, 0, 2);
  cairo_line_to(cr, w, 2);
  cairo_line_to(cr, w - 14, h / 2.0);
  cairo_line_to(cr, w, h - 2);
  cairo_line_to(cr, 0, h - 2);
  cairo_line_to(cr, 14, h / 2.0);
  cairo_close_path(cr);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgba(fill, 0, 0.55, 0.12, 0.14, 0.95);
  cairo_pattern_add_color_stop_rgba(fill, 1, 0.3, 0.05, 0.1, 0.95);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  SetColour(cr, colour::kGold);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  return p;
}

// A gold arrow pointing in the given direction (0 right, 1 down, 2 left, 3 up).
// The manual's page arrows: pixel art at the size the page shows them (half the picture).
Picture Arrow(int w, int h, int direction) {
  Picture small(w / 2, h / 2);
  cairo_t* cr = small.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_translate(cr, w / 4.0, h / 4.0);
  cairo_rotate(cr, direction * std::numbers::pi / 2);
  cairo_scale(cr, w / 100.0, h / 100.0);
  cairo_move_to(cr, 20, 0);
  cairo_line_to(cr, -6, -19);
  cairo_line_to(cr, -6, -8);
  cairo_line_to(cr, -19, -8);
  cairo_line_to(cr, -19, 8);
  cairo_line_to(cr, -6, 8);
  cairo_line_to(cr, -6, 19);
  cairo_close_path(cr);
  SetColour(cr, colour::kGold);
  cairo_fill(cr);
  AddOutline(small, colour::kInk);
  return Enlarge(small, w, h);
}

Painter Sized(Picture (*draw)(int, int)) {
  return [draw](const TileSheet&, int width, int height) { return draw(width, height); };
}

}  // namespace

void AddPanels(PainterTable& table) {
  table["backbig"] = Sized(BackBig);
  table["infoback"] = Sized(InfoBack);
  table["battleback"] = [](const TileSheet&, int w, int h) {
    return FramedByTheGame(w, h, 0x3a1830, 0x140a1c);
  };
  table["battleendback"] = [](const TileSheet&, int w, int h) {
    return FramedByTheGame(w, h, 0x5a4010, 0x2a1a06);
  };
  table["talkback"] = [](const TileSheet&, int w, int h) {
    return SimplePanel(w, h, 0x28305a, 0x10142a, 12);
  };
  table["Dback"] = Sized(ManualPage);
  table["transition"] = Sized(Transition);
  table["pause"] = Sized(Pause);
  table["caption"] = Sized(Caption);
  table["rightarrow"] = [](const TileSheet&, int w, int h) { return Arrow(w, h, 0); };
  table["downarrow"] = [](const TileSheet&, int w, int h) { return Arrow(w, h, 1); };
  table["leftarrow"] = [](const TileSheet&, int w, int h) { return Arrow(w, h, 2); };
  table["uparrow"] = [](const TileSheet&, int w, int h) { return Arrow(w, h, 3); };
  // Shown for the first frames of "hit": nothing at all.
  table["blank"] = [](const TileSheet&, int w, int h) { return Picture(w, h); };
}

}  // namespace quenlit::assetgen
