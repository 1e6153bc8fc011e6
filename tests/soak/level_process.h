// The level program run headless as a child process, talked to through its
// standard input and output: commands are written one a line, and the
// commands that answer ("show", "forms", "dump") are read back a line each.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace valorne::soak {

class LevelProcess {
 public:
  LevelProcess(const std::filesystem::path& level9, const std::filesystem::path& game_folder,
               unsigned long seed);
  ~LevelProcess();
  LevelProcess(const LevelProcess&) = delete;
  LevelProcess& operator=(const LevelProcess&) = delete;

  // Sends a command; false when the program is gone.
  bool Send(const std::string& line);
  // Sends a command that answers with one line and reads the line; nothing
  // when the program ended or gave no answer within `timeout_ms` (a hang).
  std::optional<std::string> Ask(const std::string& line, int timeout_ms = 30000);
  // True while the program runs; once it ended, how it ended.
  bool Alive();
  std::string HowItEnded() const { return ended_; }
  bool EndedCleanly() const { return ended_ == "exit code 0"; }
  bool TimedOut() const { return timed_out_; }
  // The program's resident memory in kilobytes (VmRSS), 0 when unknown.
  long ResidentKb() const { return StatusKb("VmRSS:"); }
  // The most it ever held resident (VmHWM), 0 when unknown.
  long PeakResidentKb() const { return StatusKb("VmHWM:"); }

 private:
  void Reap(bool wait);
  // A "Key: N kB" line of /proc/PID/status.
  long StatusKb(const std::string& key) const;
  pid_t pid_ = -1;
  int to_level_ = -1;
  int from_level_ = -1;
  std::string pending_;  // output read beyond the last whole line
  std::string ended_;
  bool timed_out_ = false;
};

}  // namespace valorne::soak
