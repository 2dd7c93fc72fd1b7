#include "floor_source.h"

namespace quenlit::tower {

std::optional<Floor> ReadFloorSource(const std::string& path, const Legend& common,
                                     const std::vector<Monster>& kinds, std::string& error) {
  const auto lines = ReadSourceLines(path);
  if (!lines) {
    error = path + ": cannot be read";
    return std::nullopt;
  }
  if (lines->size() < kFloorSize) {
    error = path + ": a floor is drawn in " + std::to_string(kFloorSize) + " lines, found " +
            std::to_string(lines->size());
    return std::nullopt;
  }
  // The floor's own symbols first, so that the drawing can use them wherever they stand.
  Legend legend = common;
  for (size_t i = kFloorSize; i < lines->size(); ++i) {
    if (auto problem = AddLegendLine((*lines)[i], kinds, legend)) {
      error = *problem;
      return std::nullopt;
    }
  }
  Floor floor;
  for (int row = 0; row < kFloorSize; ++row) {
    const SourceLine& line = (*lines)[row];
    if (line.text.size() != kFloorSize) {
      error = line.Problem("a row has " + std::to_string(kFloorSize) + " symbols, this one " +
                           std::to_string(line.text.size()));
      return std::nullopt;
    }
    for (int column = 0; column < kFloorSize; ++column) {
      const auto found = legend.find(line.text[column]);
      if (found == legend.end()) {
        error = line.Problem(std::string("the symbol '") + line.text[column] + "' in column " +
                             std::to_string(column) + " is in no legend");
        return std::nullopt;
      }
      floor.At(row, column) = found->second;
    }
  }
  return floor;
}

}  // namespace quenlit::tower
