// quenlit-tables: compiles the game's readable tables into C++ for the build.
//
//   quenlit-tables characters CHARACTERS_TXT OUTPUT_CPP   the speeches and the shop's terms
//   quenlit-tables texts TEXTS_TXT OUTPUT_H               every other text the player reads
//
// It reads with the standard library alone, so the build can run it before the game exists.
// The output is rewritten only when it changes, so an unchanged file rebuilds nothing.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

#include "character_source.h"
#include "text_source.h"

namespace {

// The C++ source of the table the file holds, or nothing with the problem in error.
std::optional<std::string> Compile(const std::string& kind, const std::string& path,
                                   std::string& error) {
  if (kind == "characters") {
    const auto characters = quenlit::tower::ReadCharacters(path, error);
    if (characters) return quenlit::tower::CharacterTablesSource(*characters);
  } else {
    const auto texts = quenlit::tower::ReadTexts(path, error);
    if (texts) return quenlit::tower::TextTableSource(*texts);
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || (std::string(argv[1]) != "characters" && std::string(argv[1]) != "texts")) {
    std::cerr << "usage: quenlit-tables characters CHARACTERS_TXT OUTPUT_CPP\n"
                 "       quenlit-tables texts TEXTS_TXT OUTPUT_H"
              << std::endl;
    return 2;
  }
  std::string error;
  const auto source = Compile(argv[1], argv[2], error);
  if (!source) {
    std::cerr << "quenlit-tables: " << error << std::endl;
    return 1;
  }
  std::ifstream before(argv[3], std::ios::binary);
  if (before && std::string(std::istreambuf_iterator<char>(before), {}) == *source) return 0;
  std::error_code made;  // a folder that cannot be made shows as a file that cannot be written
  std::filesystem::create_directories(std::filesystem::path(argv[3]).parent_path(), made);
  std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
  out << *source;
  if (!out.flush()) {
    std::cerr << "quenlit-tables: " << argv[3] << ": cannot be written" << std::endl;
    return 1;
  }
  return 0;
}
