// quenlit-tables: compiles tower/characters.txt into the game's speech and shop tables.
//
//   quenlit-tables CHARACTERS_TXT OUTPUT_CPP
//
// It reads with the standard library alone, so the build can run it before the game exists.
// The output is rewritten only when it changes, so an unchanged file rebuilds nothing.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "character_source.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quenlit-tables CHARACTERS_TXT OUTPUT_CPP" << std::endl;
    return 2;
  }
  std::string error;
  const auto characters = quenlit::tower::ReadCharacters(argv[1], error);
  if (!characters) {
    std::cerr << "quenlit-tables: " << error << std::endl;
    return 1;
  }
  const std::string source = quenlit::tower::CharacterTablesSource(*characters);
  std::ifstream before(argv[2], std::ios::binary);
  if (before && std::string(std::istreambuf_iterator<char>(before), {}) == source) return 0;
  std::error_code made;  // a folder that cannot be made shows as a file that cannot be written
  std::filesystem::create_directories(std::filesystem::path(argv[2]).parent_path(), made);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << source;
  if (!out.flush()) {
    std::cerr << "quenlit-tables: " << argv[2] << ": cannot be written" << std::endl;
    return 1;
  }
  return 0;
}
