#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <string>

#include "platform/user_folders.h"

namespace quenlit::platform {

std::filesystem::path ExecutablePath() {
  std::wstring name(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name);
    }
    name.resize(name.size() * 2);  // cut short: a longer path than MAX_PATH
  }
}

// Access rights decide, not the read-only flag that _waccess looks at: a file that deletes
// itself when closed is made there, or not.
bool CanWriteInto(const std::filesystem::path& folder) {
  const std::wstring probe =
      (folder / (L"quenlit-" + std::to_wstring(GetCurrentProcessId()) + L".probe")).wstring();
  const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

std::optional<std::filesystem::path> AccountHome() {
  return std::nullopt;
}

std::optional<std::filesystem::path> RoamingAppData() {
  wchar_t* folder = nullptr;
  std::optional<std::filesystem::path> found;
  if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder) == S_OK)
    found = std::filesystem::path(folder);
  CoTaskMemFree(folder);
  return found;
}

}  // namespace quenlit::platform
