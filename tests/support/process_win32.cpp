#include <windows.h>

#include <cstdlib>

#include "platform/windows_text.h"
#include "process.h"

namespace quenlit::test {
namespace {

using platform::WideFromUtf8;

// One argument as the C runtime of the started program splits its command line again:
// quoted, with the backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

// A handle the child inherits: the file, or the null device.
HANDLE Open(const std::string& file, bool writing) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  const std::wstring name = file.empty() ? L"NUL" : WideFromUtf8(file);
  return CreateFileW(name.c_str(), writing ? GENERIC_WRITE : GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                     writing ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// This process's environment with the launch's changes, as CreateProcessW takes it: sorted
// "NAME=VALUE" strings, each ended by a zero, and a zero after the last.
std::wstring EnvironmentBlock(const Launch& launch) {
  std::map<std::wstring, std::wstring> variables;
  wchar_t* block = GetEnvironmentStringsW();
  for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
    const std::wstring text = entry;
    const size_t equals = text.find(L'=', 1);  // "=C:=C:\..." names start with '='
    if (equals != std::wstring::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
  }
  FreeEnvironmentStringsW(block);
  for (const auto& [name, value] : launch.environment) {
    if (value)
      variables[WideFromUtf8(name)] = WideFromUtf8(*value);
    else
      variables.erase(WideFromUtf8(name));
  }
  std::wstring joined;
  for (const auto& [name, value] : variables) joined += name + L"=" + value + L'\0';
  return joined + L'\0';
}

}  // namespace

void SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
  SetEnvironmentVariableW(WideFromUtf8(name).c_str(),
                          value ? WideFromUtf8(*value).c_str() : nullptr);
  // The C runtime keeps a copy of its own, which getenv reads.
  _wputenv_s(WideFromUtf8(name).c_str(), value ? WideFromUtf8(*value).c_str() : L"");
}

int RunProgram(const Launch& launch) {
  std::wstring commandLine = Quoted(WideFromUtf8(launch.program));
  for (const std::string& argument : launch.arguments)
    commandLine += L" " + Quoted(WideFromUtf8(argument));
  const HANDLE input = Open(launch.input, false);
  const HANDLE output = Open(launch.output, true);
  const HANDLE errors = Open(launch.errors, true);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = errors;
  std::wstring environment = EnvironmentBlock(launch);
  const std::wstring folder = WideFromUtf8(launch.workingFolder);
  PROCESS_INFORMATION started{};
  const bool ran = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                  CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, environment.data(),
                                  folder.empty() ? nullptr : folder.c_str(), &startup, &started);
  for (const HANDLE handle : {input, output, errors})
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  if (!ran) return -1;
  WaitForSingleObject(started.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(started.hProcess, &code);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return static_cast<int>(code);
}

}  // namespace quenlit::test
