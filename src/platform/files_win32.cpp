// Files shared by every game started on one folder, on Windows: locks with LockFileEx, and
// replacement by MoveFileExW, which (unlike rename) may replace an existing file.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <filesystem>
#include <random>
#include <system_error>

#include "platform/files.h"
#include "platform/interrupted_saves.h"
#include "platform/utf8_path.h"
#include "platform/windows_text.h"

namespace quenlit::platform {
namespace {

namespace fs = std::filesystem;

std::string Reason(const std::string& what) {
  return what + ": " + WindowsErrorText(GetLastError());
}

bool WriteAll(HANDLE file, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return true;
}

// Creates a temporary file beside path that no other file had: CREATE_NEW fails rather than
// open a file (or a link) that is there already, and another name is tried.
HANDLE CreateTemporary(const std::string& path, std::string& temporary) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device seed;
  std::mt19937 random(seed() ^ GetCurrentProcessId() ^ GetCurrentThreadId());
  std::uniform_int_distribution<int> letter(0, sizeof kLetters - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = path + ".";
    for (int i = 0; i < 6; ++i) name += kLetters[letter(random)];
    name += ".tmp";
    const HANDLE file = CreateFileW(WideFromUtf8(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      temporary = name;
      return file;
    }
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

// Puts the temporary file in the place of the target; write-through: the call returns once the
// new name is on the disk. Windows refuses to replace a file that another program is reading
// (a game loading the save, a player's copy): such a reader holds it for a moment, so the move
// is tried again for up to two seconds.
bool MoveOver(const std::wstring& temporary, const std::wstring& target) {
  const ULONGLONG giveUp = GetTickCount64() + 2000;
  while (true) {
    if (MoveFileExW(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    const DWORD code = GetLastError();
    if ((code != ERROR_ACCESS_DENIED && code != ERROR_SHARING_VIOLATION) ||
        GetTickCount64() > giveUp)
      return false;
    Sleep(1);
  }
}

}  // namespace

std::unique_ptr<FileLock> FileLock::Take(const std::string& path, Wait wait, std::string& error) {
  // A C runtime descriptor over the handle, so that the lock is held as on other systems; it
  // opens in binary mode, and closing it closes the handle, which lets the lock go.
  const HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = WindowsErrorText(GetLastError());
    return nullptr;
  }
  OVERLAPPED whole{};
  const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait == Wait::No ? LOCKFILE_FAIL_IMMEDIATELY : 0);
  if (!LockFileEx(file, flags, 0, MAXDWORD, MAXDWORD, &whole)) {
    const DWORD code = GetLastError();
    error = code == ERROR_LOCK_VIOLATION ? "in use by another Quenlit" : WindowsErrorText(code);
    CloseHandle(file);
    return nullptr;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_BINARY);
  if (fd < 0) {
    error = "no descriptor for the lock";
    CloseHandle(file);
    return nullptr;
  }
  return std::unique_ptr<FileLock>(new FileLock(fd));
}

FileLock::~FileLock() {
  _close(handle_);  // which closes the handle and lets the lock go
}

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                           std::string& error) {
  const fs::path target = PathFromUtf8(path);
  if (target.has_parent_path()) {
    std::error_code made;
    fs::create_directories(target.parent_path(), made);
    if (made) {
      error = "the folder " + Utf8Of(target.parent_path()) + " cannot be made: " + made.message();
      return false;
    }
  }
  const auto lock = FileLock::Take(path + ".lock", FileLock::Wait::UntilFree, error);
  if (!lock) {
    error = path + ".lock cannot be locked: " + error;
    return false;
  }
  RemoveInterruptedSaves(target);

  std::string temporary;
  const HANDLE file = CreateTemporary(path, temporary);
  if (file == INVALID_HANDLE_VALUE) {
    error = Reason(path + ".*.tmp cannot be created");
    return false;
  }
  const bool written = WriteAll(file, bytes);
  if (!written) error = Reason(temporary + " cannot be written");
  const bool flushed = written && FlushFileBuffers(file);
  if (written && !flushed) error = Reason(temporary + " cannot be flushed");
  const bool closed = CloseHandle(file);
  if (flushed && !closed) error = Reason(temporary + " cannot be closed");
  const std::wstring wideTemporary = WideFromUtf8(temporary);
  if (!(flushed && closed)) {
    DeleteFileW(wideTemporary.c_str());
    return false;
  }
  if (!MoveOver(wideTemporary, WideFromUtf8(path))) {
    error = Reason(path + " cannot be replaced");
    DeleteFileW(wideTemporary.c_str());
    return false;
  }
  return true;
}

}  // namespace quenlit::platform
