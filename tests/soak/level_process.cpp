#include "soak/level_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

namespace valorne::soak {

LevelProcess::LevelProcess(const std::filesystem::path& level9,
                           const std::filesystem::path& game_folder, unsigned long seed) {
  int in[2], out[2];
  if (pipe(in) != 0 || pipe(out) != 0) {
    ended_ = "no pipes";
    return;
  }
  pid_ = fork();
  if (pid_ == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    // Message boxes and warnings, kept beside the game folder for a fault's report.
    const std::string log = game_folder.string() + ".err";
    const int err = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(err, 2);
    close(in[1]);
    close(out[0]);
    const std::string app = game_folder.string(), seed_text = std::to_string(seed);
    execl(level9.c_str(), level9.c_str(), "--headless", "--app-path", app.c_str(), "--seed",
          seed_text.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  to_level_ = in[1];
  from_level_ = out[0];
  signal(SIGPIPE, SIG_IGN);
}

LevelProcess::~LevelProcess() {
  if (to_level_ >= 0) close(to_level_);
  if (from_level_ >= 0) close(from_level_);
  if (pid_ > 0 && ended_.empty()) {
    kill(pid_, SIGKILL);
    Reap(true);
  }
}

bool LevelProcess::Send(const std::string& line) {
  const std::string text = line + "\n";
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(to_level_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::optional<std::string> LevelProcess::Ask(const std::string& line, int timeout_ms) {
  if (!Send(line)) {
    Reap(true);
    return std::nullopt;
  }
  for (;;) {
    const std::size_t end = pending_.find('\n');
    if (end != std::string::npos) {
      std::string answer = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return answer;
    }
    pollfd p{from_level_, POLLIN, 0};
    const int ready = poll(&p, 1, timeout_ms);
    if (ready == 0) {
      timed_out_ = true;
      return std::nullopt;
    }
    if (ready < 0 && errno == EINTR) continue;
    char buffer[65536];
    const ssize_t n = read(from_level_, buffer, sizeof buffer);
    if (n <= 0) {
      Reap(true);
      return std::nullopt;
    }
    pending_.append(buffer, static_cast<std::size_t>(n));
  }
}

void LevelProcess::Reap(bool wait) {
  int status = 0;
  const pid_t done = waitpid(pid_, &status, wait ? 0 : WNOHANG);
  if (done != pid_) return;
  if (WIFEXITED(status)) ended_ = "exit code " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) ended_ = "killed by signal " + std::to_string(WTERMSIG(status));
}

bool LevelProcess::Alive() {
  if (pid_ <= 0) return false;
  if (ended_.empty()) Reap(false);
  return ended_.empty();
}

long LevelProcess::StatusKb(const std::string& wanted) const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  for (std::string key; status >> key;) {
    if (key == wanted) {
      long kb = 0;
      status >> kb;
      return kb;
    }
  }
  return 0;
}

}  // namespace valorne::soak
