#include "app/settings/fatal.h"

#include "game_texts.h"

namespace quenlit {

void FatalError(platform::Shell& shell, const std::string& text, bool exitProcess) {
  shell.ShowMessage(texts::kErrorCaption, text);
  if (exitProcess) shell.Exit(1);
}

void ShowInfo(platform::Shell& shell, const std::string& text) {
  shell.ShowMessage(texts::kInfoCaption, text);
}

}  // namespace quenlit
