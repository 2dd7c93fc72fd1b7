#pragma once

// Programs of the build run from the tests, without a shell, the same way on every system.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quenlit::test {

struct Launch {
  // Every member has its initializer, so that a launch names only what it needs.
  std::string program = {};  // on Windows ".exe" may be left out
  std::vector<std::string> arguments = {};
  std::string workingFolder = {};  // empty: the test's own
  std::string input = {};          // a file for standard input; empty: none (an empty input)
  std::string output = {};         // files for standard output and error; empty: discarded
  std::string errors = {};
  // Variables set (a value) or removed (nothing) for the program alone.
  std::map<std::string, std::optional<std::string>> environment = {};
};

// Runs the program and waits for its end: its exit code, or -1 when it could not be started or
// did not end by itself (a signal).
int RunProgram(const Launch& launch);

// Sets (a value) or removes (nothing) a variable of this process's environment.
void SetEnvironment(const std::string& name, const std::optional<std::string>& value);

}  // namespace quenlit::test
