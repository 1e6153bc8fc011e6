// A stand-in for the screens in the county tests: writes down the sounds
// played ("EnvChanel03 crops01.wav") and the screens opened, in order.
#pragma once

#include <string>
#include <vector>

#include "state/game.h"

namespace valorne::county_testing {

class ScreenLogUi : public FixedAnswerUi {
 public:
  explicit ScreenLogUi(Game& game) : game_(game) { game.set_ui(this); }
  ~ScreenLogUi() override { game_.set_ui(nullptr); }

  void OpenScreen(std::string_view form) override { screens.emplace_back(form); }
  void PlaySound(std::string_view channel, std::string_view file) override {
    sounds.push_back(std::string(channel) + " " + std::string(file));
  }

  std::vector<std::string> sounds;
  std::vector<std::string> screens;

 private:
  Game& game_;
};

}  // namespace valorne::county_testing
