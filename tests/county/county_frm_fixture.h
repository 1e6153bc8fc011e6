// The county's screens without a window: the toolkit's screens on virtual
// time with the field, works, people and tax screens registered, the level's
// tables of difficulty 2 and the captions of the screens read from the text
// sources. Play() opens a screen, lets the test act on it as the player and
// closes it with its OK button.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "county/field_screens.h"
#include "screens/toolkit/toolkit_fixture.h"

namespace valorne::county_testing {

// Fills a text category from its readable source (`ID<TAB>text` lines).
inline void ReadTextSource(TextTables& texts, int category, const std::string& file) {
  std::ifstream in(std::string(VALORNE_SOURCE_DIR) + "/data/texts/" + file);
  ASSERT_TRUE(in) << "cannot read the texts " << file;
  std::string line;
  while (std::getline(in, line)) {
    const auto tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    texts.Category(category).Set(std::stoi(line.substr(0, tab)),
                                 Utf8ToGlyphs(line.substr(tab + 1)));
  }
}

struct CountyScreens : testing::Screens {
  CountyScreens() {
    SetUpLevelParams(game.params, 2);
    RegisterFieldScreens(registry);
    ReadTextSource(game.texts, 3, "captions.txt");
  }

  // Opens `form`, runs `play` on it once it is shown, then presses its OK
  // button, which must close it.
  void Play(std::string_view form, std::function<void(Form&)> play) {
    steps.steps.push_back([this, play] { play(*ui.top()); });
    steps.steps.push_back([this] { Click(*ui.top(), "OkAniBtn"); });
    ui.Open(form);
    EXPECT_TRUE(steps.steps.empty()) << form << " did not close with OkAniBtn";
    steps.steps.clear();
  }

  // A click on a control (button down and up); false when the control is
  // hidden or disabled.
  bool Click(Form& form, std::string_view control, MouseButton button = MouseButton::Left) {
    return ui.ClickOn(form, &form[control], button);
  }

  static std::string Label(const Form& form, std::string_view control) {
    return form[control].Text();
  }
};

}  // namespace valorne::county_testing
