#include "game/settings/window_sizes.h"

#include <algorithm>

namespace quenlit {
namespace {

bool Smaller(const Size& a, const Size& b) {
  return a.width != b.width ? a.width < b.width : a.height < b.height;
}

}  // namespace

std::vector<Size> FittingSizes(const std::vector<Size>& listed, Size configured,
                               std::optional<platform::Shell::Area> usable) {
  std::vector<Size> sizes = listed;
  sizes.push_back(configured);
  std::sort(sizes.begin(), sizes.end(), Smaller);
  sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
  if (!usable) return sizes;
  std::erase_if(sizes, [&](const Size& size) {
    return size.width > usable->width || size.height > usable->height;
  });
  if (sizes.empty()) sizes.push_back({usable->width, usable->height});
  return sizes;
}

Size NextSize(const std::vector<Size>& sizes, Size current) {
  for (const Size& size : sizes)
    if (Smaller(current, size)) return size;
  return sizes.empty() ? current : sizes.front();
}

platform::Shell::Area CentredIn(const platform::Shell::Area& area, Size size) {
  return {area.x + (area.width - size.width) / 2, area.y + (area.height - size.height) / 2,
          size.width, size.height};
}

}  // namespace quenlit
