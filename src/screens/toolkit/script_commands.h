// The commands of the headless level's script, by name. The toolkit brings
// the screen commands (click, show, advance...); other parts add their own
// ("dump", "save NAME", "load NAME") with Register. A command gets the words
// after its name and the stream for its output, and answers Ok or an error
// message (which ends the script with exit code 3).
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace valorne {

// The words of a command line after the command's name.
class ScriptArgs {
 public:
  explicit ScriptArgs(std::string_view text);
  std::size_t size() const { return words_.size(); }
  bool empty() const { return words_.empty(); }
  const std::string& operator[](std::size_t i) const { return words_.at(i); }
  // The line from word `first` to its end as written, spaces kept ("Save
  // and Exit"); empty when there are fewer words.
  std::string_view Rest(std::size_t first) const;

 private:
  std::string text_;
  std::vector<std::string> words_;
  std::vector<std::size_t> starts_;
};

struct ScriptResult {
  std::string error;
  bool ok() const { return error.empty(); }
  static ScriptResult Ok() { return {}; }
  static ScriptResult Error(std::string message) {
    return {message.empty() ? std::string("failed") : std::move(message)};
  }
};

using ScriptCommand = std::function<ScriptResult(const ScriptArgs& args, std::ostream& out)>;

class ScriptCommands {
 public:
  struct Entry {
    std::string usage;  // "save NAME"
    ScriptCommand run;
  };

  // A second command of one name is a ToolkitError. `usage` shows the
  // command with its arguments, for the messages about bad ones.
  void Register(std::string name, std::string usage, ScriptCommand command);
  const Entry* Find(std::string_view name) const;
  std::vector<std::string> Names() const;

 private:
  std::map<std::string, Entry, std::less<>> commands_;
};

}  // namespace valorne
