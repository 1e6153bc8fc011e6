// The screens the level can open, by form name. Each part of the game
// registers its own screens from its folder (RegisterCountyScreens(registry)
// and the like), so the toolkit never needs to know them.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace valorne {

class Form;
class Game;
class Ui;

using ScreenFactory = std::function<std::unique_ptr<Form>(Game&, Ui&)>;

class ScreenRegistry {
 public:
  // A second registration of one name is a ToolkitError.
  void Register(std::string name, ScreenFactory factory);
  template <class F>
  void Register(std::string name) {
    Register(std::move(name), [](Game& game, Ui& ui) { return std::make_unique<F>(game, ui); });
  }
  const ScreenFactory* Find(std::string_view name) const;
  std::vector<std::string> Names() const;

 private:
  std::map<std::string, ScreenFactory, std::less<>> factories_;
};

}  // namespace valorne
