#pragma once

#include <string>

namespace quenlit::platform::web {

// A folder of the page's file system kept in the browser's IndexedDB, so that what the game
// writes there (its saves) survives a reload. Reading the stored copy back takes a moment: the
// folder is ready once Ready() says so.
//
// A write is stored only once the database has committed it. Until then the folder holds the
// new files; a write the browser refuses, aborts or never finishes (it is given up after a
// few seconds) puts the stored files back, so that what the game can load is always what the
// browser keeps. When the browser keeps nothing at all (no IndexedDB, or storage refused) the
// folder still works, every write is lost at once, and the page says so for good.
class PersistentFolder {
 public:
  enum class Outcome { Pending, Stored, Lost };

  // Mounts the folder (relative to the working directory) and starts reading it back.
  explicit PersistentFolder(const std::string& path);

  bool Ready() const;
  // Starts storing the files that changed since the last write; the write's number, or 0 when
  // nothing changed.
  int Store();
  // How a write started by Store() ended so far. A write's end is told once: after the first
  // Stored or Lost, the number is forgotten.
  Outcome OutcomeOf(int write);
};

}  // namespace quenlit::platform::web
