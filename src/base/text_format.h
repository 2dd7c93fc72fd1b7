#pragma once

#include <cstdio>
#include <string>
#include <type_traits>

namespace quenlit {

// A text of the game's table that the code fills in with printf, typed by what the code gives:
// an int for each %d, a string for each %s. The table compiler lets a text hold only those
// conversions, in that order (the last may be left out), so that no translation can make
// printf read an argument that is not there.
template <typename... Args>
class TextFormat {
 public:
  explicit constexpr TextFormat(const char* format) : format_(format) {}

  std::string operator()(Args... args) const {
    const int size = std::snprintf(nullptr, 0, format_, Pass(args)...);
    if (size <= 0) return "";
    std::string text(static_cast<size_t>(size), '\0');
    std::snprintf(text.data(), text.size() + 1, format_, Pass(args)...);
    return text;
  }

 private:
  template <typename T>
  static auto Pass(const T& argument) {
    if constexpr (std::is_same_v<T, std::string>) {
      return argument.c_str();
    } else {
      return argument;
    }
  }

  const char* format_;
};

}  // namespace quenlit
