#include "platform/web/persistent_folder.h"

// The page's side, in persistent_folder.js.
extern "C" {
void quenlit_mount_folder(const char* path);
int quenlit_folder_ready();
int quenlit_store_folder();
int quenlit_write_outcome(int write);
}

namespace quenlit::platform::web {

PersistentFolder::PersistentFolder(const std::string& path) {
  quenlit_mount_folder(path.c_str());
}

bool PersistentFolder::Ready() const {
  return quenlit_folder_ready() != 0;
}

int PersistentFolder::Store() {
  return quenlit_store_folder();
}

PersistentFolder::Outcome PersistentFolder::OutcomeOf(int write) {
  switch (quenlit_write_outcome(write)) {
    case 0:
      return Outcome::Pending;
    case 1:
      return Outcome::Stored;
    default:
      return Outcome::Lost;
  }
}

}  // namespace quenlit::platform::web
