#include "data/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace quenlit {
namespace {

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
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                           std::string& error) {
  const std::string temporary = path + ".tmp";
  // What an interrupted save left behind goes first. unlink removes a link itself, never
  // what it points at, and O_EXCL | O_NOFOLLOW refuse anything that appears there meanwhile.
  if (::unlink(temporary.c_str()) != 0 && errno != ENOENT) {
    error = Reason(temporary + " cannot be removed");
    return false;
  }
  const int fd =
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = Reason(temporary + " cannot be created");
    return false;
  }
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
  SyncFolder(std::filesystem::path(path).parent_path());
  return true;
}

}  // namespace quenlit
