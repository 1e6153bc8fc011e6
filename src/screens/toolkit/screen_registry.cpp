#include "screens/toolkit/screen_registry.h"

#include "screens/toolkit/toolkit_error.h"

namespace valorne {

void ScreenRegistry::Register(std::string name, ScreenFactory factory) {
  if (!factory) throw ToolkitError("the screen " + name + " is registered without a maker");
  if (factories_.contains(name)) throw ToolkitError("the screen " + name + " is registered twice");
  factories_.emplace(std::move(name), std::move(factory));
}

const ScreenFactory* ScreenRegistry::Find(std::string_view name) const {
  auto it = factories_.find(name);
  return it == factories_.end() ? nullptr : &it->second;
}

std::vector<std::string> ScreenRegistry::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, factory] : factories_) names.push_back(name);
  return names;
}

}  // namespace valorne
