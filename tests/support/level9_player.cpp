#include "support/level9_player.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace valorne::testing {

LevelPlayer::LevelPlayer(const GameFolder& folder, const std::string& arguments) : folder_(folder) {
  // A level that ended by itself must not end the test with its input pipe.
  std::signal(SIGPIPE, SIG_IGN);
  int in[2];
  int out[2];
  if (pipe(in) != 0 || pipe(out) != 0) throw std::runtime_error("no pipes for the level");
  const std::string command = "exec '" + std::string(VALORNE_LEVEL9) + "' --headless --app-path '" +
                              folder.game().string() + "' " + arguments + " 2> '" +
                              folder.scratch("player_err.txt").string() + "'";
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("the level could not be started");
  if (pid_ == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(in[0]);
    close(in[1]);
    close(out[0]);
    close(out[1]);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  to_level_ = fdopen(in[1], "w");
  from_level_ = fdopen(out[0], "r");
}

LevelPlayer::~LevelPlayer() {
  Finish();
}

void LevelPlayer::Do(const std::string& command) {
  if (!running_) return;
  if (std::fputs((command + "\n").c_str(), to_level_) < 0 || std::fflush(to_level_) != 0) {
    running_ = false;
  }
}

std::string LevelPlayer::Ask(const std::string& command) {
  Do(command);
  if (!running_) return {};
  std::string line;
  for (int c; (c = std::fgetc(from_level_)) != EOF;) {
    if (c == '\n') return line;
    line += static_cast<char>(c);
  }
  running_ = false;
  return {};
}

std::string LevelPlayer::Top() {
  const std::string forms = Ask("forms");
  if (forms.empty()) return {};
  const JsonValue list = ParseJson(forms);
  return list.empty() ? std::string() : list.back().get<std::string>();
}

JsonValue LevelPlayer::Dump() {
  const std::string line = Ask("dump");
  return line.empty() ? JsonValue{} : ParseJson(line);
}

int LevelPlayer::Finish() {
  if (pid_ <= 0) return code_;
  if (to_level_) std::fclose(to_level_);
  to_level_ = nullptr;
  int status = 0;
  waitpid(pid_, &status, 0);
  if (from_level_) std::fclose(from_level_);
  from_level_ = nullptr;
  pid_ = -1;
  running_ = false;
  code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return code_;
}

std::string LevelPlayer::Errors() const {
  return ReadText(folder_.scratch("player_err.txt"));
}

}  // namespace valorne::testing
