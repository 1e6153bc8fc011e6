#include "platform/sdl/posix_process.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace valorne {

bool StartDetached(const std::filesystem::path& program, std::string* error) {
  // Everything the children need is made before forking: after fork only
  // calls that are safe in a copy of a threaded program are made.
  const std::string path = program.string();
  const std::string folder = program.has_parent_path() ? program.parent_path().string() : ".";
  char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) {
    if (error) *error = std::strerror(errno);
    return false;
  }
  const pid_t middle = fork();
  if (middle < 0) {
    if (error) *error = std::strerror(errno);
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (middle == 0) {
    // The middle child starts the program and leaves at once, so that the
    // program is nobody's child and nothing waits for it.
    setsid();
    const pid_t child = fork();
    if (child == 0) {
      if (chdir(folder.c_str()) == 0) execv(path.c_str(), argv);
      const int e = errno;
      (void)!write(report[1], &e, sizeof e);
      _exit(127);
    }
    if (child < 0) {
      const int e = errno;
      (void)!write(report[1], &e, sizeof e);
    }
    _exit(0);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  // The pipe closes without a word when the program has started.
  int failure = 0;
  ssize_t got = 0;
  do {
    got = read(report[0], &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  if (got == 0) return true;
  if (error)
    *error = got == static_cast<ssize_t>(sizeof failure) ? std::strerror(failure) : "unknown";
  return false;
}

int StartWatched(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                 std::string* error) {
  const std::string path = program.string();
  const std::string folder = program.has_parent_path() ? program.parent_path().string() : ".";
  std::vector<std::string> words{path};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) {
    if (error) *error = std::strerror(errno);
    return 0;
  }
  const pid_t child = fork();
  if (child < 0) {
    if (error) *error = std::strerror(errno);
    close(report[0]);
    close(report[1]);
    return 0;
  }
  if (child == 0) {
    const int nothing = open("/dev/null", O_RDONLY);
    if (nothing >= 0) dup2(nothing, STDIN_FILENO);
    if (chdir(folder.c_str()) == 0) execv(path.c_str(), argv.data());
    const int e = errno;
    (void)!write(report[1], &e, sizeof e);
    _exit(127);
  }
  close(report[1]);
  int failure = 0;
  ssize_t got = 0;
  do {
    got = read(report[0], &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  if (got == 0) return static_cast<int>(child);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (error)
    *error = got == static_cast<ssize_t>(sizeof failure) ? std::strerror(failure) : "unknown";
  return 0;
}

bool ChildRunning(int process) {
  if (process <= 0) return false;
  int status = 0;
  pid_t got = 0;
  do {
    got = waitpid(static_cast<pid_t>(process), &status, WNOHANG);
  } while (got < 0 && errno == EINTR);
  return got == 0;
}

InstanceLock::InstanceLock(const std::filesystem::path& file) {
  fd_ = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    // A folder the level cannot write to: no other copy can lock it either.
    held_ = true;
    return;
  }
  held_ = flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace valorne
