#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quenlit::platform {

// An advisory lock on a file, held while the object lives. Locks are taken by whole programs:
// two games started on one game folder take turns with the files they share.
class FileLock {
 public:
  enum class Wait { UntilFree, No };
  // Locks the file at path, which is made (empty) when missing. With Wait::No a lock another
  // program holds is a failure at once ("in use by another Quenlit"); nothing, with error
  // giving the reason, on failure.
  static std::unique_ptr<FileLock> Take(const std::string& path, Wait wait, std::string& error);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  explicit FileLock(int handle) : handle_(handle) {}
  int handle_;
};

// Replaces the file at path with bytes so that, whatever happens (a full disk, a crash, a
// power cut, another game saving at the same moment), the path afterwards holds either its old
// content or the whole new one. Programs take turns through the lock file path + ".lock".
// Each writes a temporary file of its own, created afresh beside the target (path + ".XXXXXX
// .tmp"), syncs it to disk, renames it over the old file and syncs the folder; the temporary
// files that an interrupted save left behind are removed on the way. The missing folders of
// path are made. False, with the old file untouched and no temporary file of this save left, on
// any failure; error then says what failed.
bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                           std::string& error);

}  // namespace quenlit::platform
