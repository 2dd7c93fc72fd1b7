// Files shared by every game started on one folder, on POSIX systems: advisory locks with
// flock, and replacement by rename.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/interrupted_saves.h"

namespace quenlit::platform {
namespace {

namespace fs = std::filesystem;

std::string Reason(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

// Makes the rename itself durable: a folder's entries reach the disk when the folder is synced.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::unique_ptr<FileLock> FileLock::Take(const std::string& path, Wait wait, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  const int operation = LOCK_EX | (wait == Wait::No ? LOCK_NB : 0);
  int locked;
  do {
    locked = ::flock(fd, operation);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    error = errno == EWOULDBLOCK ? "in use by another Quenlit" : std::strerror(errno);
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<FileLock>(new FileLock(fd));
}

FileLock::~FileLock() {
  ::close(handle_);  // which lets the lock go
}

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                           std::string& error) {
  const fs::path target(path);
  if (target.has_parent_path()) {
    std::error_code made;
    fs::create_directories(target.parent_path(), made);
    if (made) {
      error = "the folder " + target.parent_path().string() + " cannot be made: " + made.message();
      return false;
    }
  }
  const auto lock = FileLock::Take(path + ".lock", FileLock::Wait::UntilFree, error);
  if (!lock) {
    error = path + ".lock cannot be locked: " + error;
    return false;
  }
  RemoveInterruptedSaves(target);

  // A name no other file has: mkostemps creates it exclusively, and never through a link.
  std::string temporary = path + ".XXXXXX.tmp";
  const int fd = ::mkostemps(temporary.data(), 4, O_CLOEXEC);
  if (fd < 0) {
    error = Reason(path + ".*.tmp cannot be created");
    return false;
  }
  ::fchmod(fd, 0644);  // mkostemps makes it private to its owner; a save is an ordinary file
  const bool written = WriteAll(fd, bytes);
  if (!written) error = Reason(temporary + " cannot be written");
  const bool synced = written && ::fsync(fd) == 0;
  if (written && !synced) error = Reason(temporary + " cannot be synced");
  const bool closed = ::close(fd) == 0;
  if (synced && !closed) error = Reason(temporary + " cannot be closed");
  if (!(synced && closed)) {
    ::unlink(temporary.c_str());
    return false;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    error = Reason(path + " cannot be replaced");
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(target.parent_path());
  return true;
}

}  // namespace quenlit::platform
