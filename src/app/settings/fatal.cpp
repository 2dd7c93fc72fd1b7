#include "app/settings/fatal.h"

namespace quenlit {

void FatalError(platform::Shell& shell, const std::string& text, bool exitProcess) {
  shell.ShowMessage("ERROR", text);
  if (exitProcess) shell.Exit(1);
}

void ShowInfo(platform::Shell& shell, const std::string& text) {
  shell.ShowMessage("Info", text);
}

}  // namespace quenlit
