#include "screens/toolkit/script_commands.h"

#include "screens/toolkit/toolkit_error.h"

namespace valorne {

namespace {
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}
}  // namespace

ScriptArgs::ScriptArgs(std::string_view text) : text_(text) {
  std::size_t i = 0;
  while (i < text_.size()) {
    while (i < text_.size() && IsSpace(text_[i])) ++i;
    if (i >= text_.size()) break;
    const std::size_t start = i;
    while (i < text_.size() && !IsSpace(text_[i])) ++i;
    starts_.push_back(start);
    words_.push_back(text_.substr(start, i - start));
  }
}

std::string_view ScriptArgs::Rest(std::size_t first) const {
  if (first >= words_.size()) return {};
  std::string_view rest(text_);
  rest.remove_prefix(starts_[first]);
  while (!rest.empty() && IsSpace(rest.back())) rest.remove_suffix(1);
  return rest;
}

void ScriptCommands::Register(std::string name, std::string usage, ScriptCommand command) {
  if (!command) throw ToolkitError("the script command " + name + " has nothing to run");
  if (commands_.contains(name)) {
    throw ToolkitError("the script command " + name + " is registered twice");
  }
  commands_.emplace(std::move(name), Entry{std::move(usage), std::move(command)});
}

const ScriptCommands::Entry* ScriptCommands::Find(std::string_view name) const {
  auto it = commands_.find(name);
  return it == commands_.end() ? nullptr : &it->second;
}

std::vector<std::string> ScriptCommands::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, entry] : commands_) names.push_back(name);
  return names;
}

}  // namespace valorne
