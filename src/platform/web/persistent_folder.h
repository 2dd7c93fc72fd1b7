#pragma once

#include <string>

namespace quenlit::platform::web {

// A folder of the page's file system kept in the browser's IndexedDB, so that what the game
// writes there (its saves) survives a reload. Reading the stored copy back takes a moment:
// the folder is ready once Ready() says so. Writes reach the database when Sync() notices a
// change; a browser without IndexedDB keeps the folder for the visit only and says so.
class PersistentFolder {
 public:
  // Mounts the folder (relative to the working directory) and starts reading it back.
  explicit PersistentFolder(std::string path);

  bool Ready() const;
  // Starts writing the folder to the database when a file in it changed since the last call;
  // the first call once ready only takes note of what was read back.
  void Sync();

 private:
  std::string Fingerprint() const;

  std::string path_;
  std::string written_;
  bool noted_ = false;
};

}  // namespace quenlit::platform::web
