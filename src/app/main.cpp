// quenlit: the game. Started from the game folder, which holds its configuration, data,
// pictures, sounds and fonts.
#include "app/program.h"

int main() {
  return quenlit::RunProgram();
}
