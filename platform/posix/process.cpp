#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/native.h"
#include "platform/process.h"

extern char** environ;

namespace platform {
namespace {

class SpawnActions {
 public:
  SpawnActions() { ::posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { ::posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;

  bool SendOutputTo(const std::string& path) {
    return ::posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                              0666) == 0 &&
           ::posix_spawn_file_actions_adddup2(&actions_, STDOUT_FILENO, STDERR_FILENO) == 0;
  }
  const posix_spawn_file_actions_t* Get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

int StatusOf(int waited) {
  if (WIFEXITED(waited)) return WEXITSTATUS(waited);
  if (WIFSIGNALED(waited)) return 128 + WTERMSIG(waited);
  return -1;
}

}  // namespace

int RunProgram(const std::u16string& program, const std::vector<std::u16string>& arguments,
               const std::u16string& outputFile) {
  std::vector<std::string> texts{detail::NativePath(program)};
  for (const std::u16string& argument : arguments) texts.push_back(detail::NativeText(argument));
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);

  SpawnActions actions;
  if (!outputFile.empty() && !actions.SendOutputTo(detail::NativePath(outputFile))) return -1;
  pid_t child = 0;
  const int failed = ::posix_spawn(&child, argv[0], actions.Get(), nullptr, argv.data(), environ);
  if (failed != 0) {
    errno = failed;
    return -1;
  }
  int waited = 0;
  while (::waitpid(child, &waited, 0) < 0)
    if (errno != EINTR) return -1;
  return StatusOf(waited);
}

}  // namespace platform
