#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "process.h"

namespace quenlit::test {
namespace {

// In the child, between fork and exec: only calls that are safe there.
void Redirect(const std::string& file, int flags, int onto) {
  const int fd = ::open(file.empty() ? "/dev/null" : file.c_str(), flags, 0644);
  if (fd < 0 || ::dup2(fd, onto) < 0) ::_exit(127);
  ::close(fd);
}

}  // namespace

void SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
  if (value)
    ::setenv(name.c_str(), value->c_str(), 1);
  else
    ::unsetenv(name.c_str());
}

int RunProgram(const Launch& launch) {
  std::vector<std::string> words{launch.program};
  words.insert(words.end(), launch.arguments.begin(), launch.arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (!launch.workingFolder.empty() && ::chdir(launch.workingFolder.c_str()) != 0) ::_exit(127);
    Redirect(launch.input, O_RDONLY, 0);
    Redirect(launch.output, O_WRONLY | O_CREAT | O_TRUNC, 1);
    Redirect(launch.errors, O_WRONLY | O_CREAT | O_TRUNC, 2);
    for (const auto& [name, value] : launch.environment) SetEnvironment(name, value);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quenlit::test
