// The real level program run headless with a player at the other end of its
// pipes: each command is sent as the player decides it, and what the level
// prints (`forms`, `dump`, `show`) is read back before the next decision.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <string>

#include "support/json.h"
#include "support/level9_run.h"

namespace valorne::testing {

class LevelPlayer {
 public:
  // Starts `level9 --headless` on the folder of `folder` with `arguments`
  // (such as "--seed 5"); its errors go to a file of the folder's scratch.
  LevelPlayer(const GameFolder& folder, const std::string& arguments);
  ~LevelPlayer();
  LevelPlayer(const LevelPlayer&) = delete;
  LevelPlayer& operator=(const LevelPlayer&) = delete;

  // Sends a command that prints nothing.
  void Do(const std::string& command);
  // Sends a command that prints one line and returns it; empty once the
  // level has ended.
  std::string Ask(const std::string& command);
  // The name of the top screen; empty once the level has ended.
  std::string Top();
  JsonValue Dump();
  bool running() const { return running_; }

  // Closes the level's input and waits for it: its exit code and errors.
  int Finish();
  std::string Errors() const;

 private:
  const GameFolder& folder_;
  pid_t pid_ = -1;
  std::FILE* to_level_ = nullptr;
  std::FILE* from_level_ = nullptr;
  bool running_ = true;
  int code_ = -1;
};

}  // namespace valorne::testing
