// quenlit-seal DATA_DIR: seals floors 1 to 10 and monster.dat of a data folder so that the
// game's integrity check accepts them.
#include <iostream>
#include <string>

#include "seal.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quenlit-seal DATA_DIR" << std::endl;
    return 2;
  }
  std::string error;
  if (!quenlit::tower::SealDataFolder(argv[1], error)) {
    std::cerr << "quenlit-seal: " << error << std::endl;
    return 1;
  }
  return 0;
}
