// Starting a sibling program of the game folder, and telling whether another
// copy of the level is running, on a POSIX system.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace valorne {

// Starts `program` detached from this one (it goes on when the level ends),
// in its own folder. False, with the reason in `error`, when it cannot be
// started (missing, not executable).
bool StartDetached(const std::filesystem::path& program, std::string* error = nullptr);

// Starts `program` with `arguments` as a child of this one, in its own folder
// and reading nothing from our standard input; its process number, or 0 with
// the reason in `error` when it cannot be started.
int StartWatched(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                 std::string* error = nullptr);
// Whether a child started by StartWatched still runs; once it has ended it is
// laid to rest and this answers false.
bool ChildRunning(int process);

// Holds an exclusive lock on a file while it lives: the sign that a copy of
// the level runs from that game folder.
class InstanceLock {
 public:
  explicit InstanceLock(const std::filesystem::path& file);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another copy holds the lock.
  bool held() const { return held_; }

 private:
  int fd_ = -1;
  bool held_ = false;
};

}  // namespace valorne
