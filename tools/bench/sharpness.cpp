// quenlit-bench-sharpness: how sharp a map sprite stays when a fitted scene enlarges it, for
// the three ways of enlarging it: whole pixels repeated (nearest neighbour, the sharpest a
// stretch can be), linear all the way (the game's stretch without [Comfort] CrispPixels), and
// crisp (whole pixels first, linear for the fraction: CrispPixels=1).
//
//   quenlit-bench-sharpness [--root DIR] [--picture FILE] [--size WIDTHxHEIGHT]...
//
// DIR is a game folder (default: the current directory), FILE a picture in it (default the
// hero facing down, "Images/Image 161.png"); the sizes are window sizes (default 1366x768 and
// 1920x1080), at which the sprite is drawn as large as a map cell of the fitted scene. For
// each way the figures are the edge energy (the sum of squared differences between
// neighbouring pixels, over grey) as a percentage of nearest neighbour's, and the share of
// pixels with a colour nearest neighbour does not give them (blended pixels).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdl/png_decoding.h"
#include "platform/sdl/scene_fit.h"
#include "platform/sdl/stretch_blend.h"

namespace quenlit::bench {
namespace {

using platform::BlendStretched;

struct Grid {
  int width = 0, height = 0;
  std::vector<double> grey;  // each pixel laid over mid grey, as luminance 0..255
};

SDL_Surface* MakeSurface(int width, int height) {
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_FillRect(surface, nullptr, 0xFF808080);
  return surface;
}

double Luminance(uint32_t p) {
  return 0.299 * ((p >> 16) & 0xFF) + 0.587 * ((p >> 8) & 0xFF) + 0.114 * (p & 0xFF);
}

Grid GreyOf(SDL_Surface* surface) {
  Grid grid{surface->w, surface->h, {}};
  for (int y = 0; y < surface->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                                        y * surface->pitch);
    for (int x = 0; x < surface->w; ++x) {
      grid.grey.push_back(Luminance(row[x]));
    }
  }
  return grid;
}

// Nearest neighbour: each pixel of the size takes the part's pixel under its centre, laid over
// the same grey as the stretched ones.
Grid Nearest(SDL_Surface* picture, int width, int height) {
  Grid grid{width, height, {}};
  for (int y = 0; y < height; ++y) {
    const auto* row =
        reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(picture->pixels) +
                                          (2 * y + 1) * picture->h / (2 * height) * picture->pitch);
    for (int x = 0; x < width; ++x) {
      const uint32_t p = row[(2 * x + 1) * picture->w / (2 * width)];
      const double alpha = (p >> 24) / 255.0;
      grid.grey.push_back(Luminance(p) * alpha + 128 * (1 - alpha));
    }
  }
  return grid;
}

Grid Stretched(SDL_Surface* picture, int width, int height, bool crisp) {
  SDL_Surface* stretched = MakeSurface(width, height);
  BlendStretched(picture, {0, 0, picture->w, picture->h}, stretched, {0, 0, width, height},
                 {0, 0, width, height}, 255, false, crisp);
  Grid grid = GreyOf(stretched);
  SDL_FreeSurface(stretched);
  return grid;
}

double EdgeEnergy(const Grid& g) {
  double energy = 0;
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      const double here = g.grey[static_cast<size_t>(y * g.width + x)];
      if (x + 1 < g.width) {
        const double d = g.grey[static_cast<size_t>(y * g.width + x + 1)] - here;
        energy += d * d;
      }
      if (y + 1 < g.height) {
        const double d = g.grey[static_cast<size_t>((y + 1) * g.width + x)] - here;
        energy += d * d;
      }
    }
  }
  return energy;
}

double BlendedShare(const Grid& g, const Grid& nearest) {
  int blended = 0;
  for (size_t i = 0; i < g.grey.size(); ++i) blended += std::abs(g.grey[i] - nearest.grey[i]) > 8;
  return 100.0 * blended / static_cast<double>(g.grey.size());
}

}  // namespace
}  // namespace quenlit::bench

int main(int argc, char** argv) {
  using namespace quenlit;
  std::string root = ".", picturePath = "Images/Image 161.png";
  std::vector<std::pair<int, int>> sizes;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i], value = argv[i + 1];
    int width = 0, height = 0;
    if (option == "--root") {
      root = value;
    } else if (option == "--picture") {
      picturePath = value;
    } else if (option == "--size" && std::sscanf(value.c_str(), "%dx%d", &width, &height) == 2) {
      sizes.emplace_back(width, height);
    } else {
      std::fprintf(stderr,
                   "usage: quenlit-bench-sharpness [--root DIR] [--picture FILE] "
                   "[--size WIDTHxHEIGHT]...\n");
      return 2;
    }
  }
  if (sizes.empty()) sizes = {{1366, 768}, {1920, 1080}};
  SDL_Surface* picture = platform::DecodePngSurface({root + "/" + picturePath});
  if (!picture) {
    std::fprintf(stderr, "quenlit-bench-sharpness: %s/%s: not a picture\n", root.c_str(),
                 picturePath.c_str());
    return 1;
  }
  std::printf("%s, %d x %d\n", picturePath.c_str(), picture->w, picture->h);
  std::printf("%-10s %6s %9s  %-22s %-22s %-22s\n", "window", "scale", "sprite",
              "nearest: energy blend", "linear: energy blend", "crisp: energy blend");
  for (const auto& [width, height] : sizes) {
    const platform::Placement place = platform::PlaceScene({981, 621, 0}, width, height);
    const platform::RectF cell = place.Map({230, 35, 262, 67});
    const int side = static_cast<int>(cell.right - cell.left);
    const bench::Grid nearest = bench::Nearest(picture, side, side);
    const bench::Grid linear = bench::Stretched(picture, side, side, false);
    const bench::Grid crisp = bench::Stretched(picture, side, side, true);
    const double reference = bench::EdgeEnergy(nearest);
    const auto row = [&](const bench::Grid& g) {
      char text[32];
      std::snprintf(text, sizeof text, "%6.1f%% %6.1f%%", 100.0 * bench::EdgeEnergy(g) / reference,
                    bench::BlendedShare(g, nearest));
      return std::string(text);
    };
    char window[16];
    std::snprintf(window, sizeof window, "%dx%d", width, height);
    std::printf("%-10s %6.3f %4d x %-3d %-22s %-22s %-22s\n", window, place.scale, side, side,
                row(nearest).c_str(), row(linear).c_str(), row(crisp).c_str());
  }
  SDL_FreeSurface(picture);
  return 0;
}
