#include <gtest/gtest.h>

#include "screens/toolkit/standard_forms.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Screens;

const ControlSpec kButtons[] = {
    {.name = "OpenBtn", .kind = ControlKind::Button, .rect = {10, 10, 80, 30}},
    {.name = "CloseBtn", .kind = ControlKind::Button, .rect = {10, 50, 80, 30}},
    {.name = "TitleLbl", .kind = ControlKind::Label, .rect = {10, 90, 80, 30}, .caption = {3, 84}},
};

// A screen that writes down its life and opens `next` from OpenBtn.
class LoggingFrm : public Form {
 public:
  LoggingFrm(Ui& ui, std::string_view name, std::string next, std::vector<std::string>& log)
      : Form(ui, {.name = name, .size = {200, 150}, .controls = kButtons}) {
    for (auto [event, word] : {std::pair{FormEvent::Load, "load"},
                               {FormEvent::Activate, "activate"},
                               {FormEvent::Deactivate, "deactivate"},
                               {FormEvent::Unload, "unload"}}) {
      OnForm(event, [&log, this, w = std::string(word)] { log.push_back(this->name() + " " + w); });
    }
    On("OpenBtn", FormEvent::Click, [this, next] {
      this->ui().Open(next);
      log_after_open = true;
    });
    On("CloseBtn", FormEvent::Click, [this] { Close(); });
  }
  bool log_after_open = false;
};

struct ThreeScreens : Screens {
  std::vector<std::string> log;
  ThreeScreens() {
    for (auto [name, next] :
         {std::pair{"Camp1Frm", "ArmyFrm"}, {"ArmyFrm", "MenuFrm"}, {"MenuFrm", "Nothing"}}) {
      registry.Register(name, [this, n = std::string(name), x = std::string(next)](Game&, Ui& u) {
        return std::make_unique<LoggingFrm>(u, n, x, log);
      });
    }
  }
  void Click(const char* control) {
    steps.steps.push_back([this, control] {
      Form& top = *ui.top();
      ui.ClickOn(top, &top[control], MouseButton::Left);
    });
  }
  void ExpectStack(std::vector<std::string> names) {
    steps.steps.push_back([this, names] {
      std::vector<std::string> open;
      for (const Form* f : ui.stack()) open.push_back(f->name());
      EXPECT_EQ(open, names);
    });
  }
};

TEST(ModalLoop, NestedScreensCloseInOrderAndReturnToTheirOpeners) {
  ThreeScreens s;
  s.ExpectStack({"Camp1Frm"});
  s.Click("OpenBtn");  // ArmyFrm over the map
  s.ExpectStack({"Camp1Frm", "ArmyFrm"});
  s.Click("OpenBtn");  // MenuFrm over ArmyFrm
  s.ExpectStack({"Camp1Frm", "ArmyFrm", "MenuFrm"});
  s.Click("CloseBtn");
  s.ExpectStack({"Camp1Frm", "ArmyFrm"});
  s.Click("CloseBtn");
  s.ExpectStack({"Camp1Frm"});
  s.Click("CloseBtn");
  s.ui.Open("Camp1Frm");
  EXPECT_TRUE(s.steps.steps.empty());
  EXPECT_TRUE(s.ui.stack().empty());
  EXPECT_EQ(s.log, (std::vector<std::string>{
                       "Camp1Frm load", "Camp1Frm activate", "Camp1Frm deactivate", "ArmyFrm load",
                       "ArmyFrm activate", "ArmyFrm deactivate", "MenuFrm load", "MenuFrm activate",
                       "MenuFrm unload", "ArmyFrm activate", "ArmyFrm unload", "Camp1Frm activate",
                       "Camp1Frm unload"}));
}

TEST(ModalLoop, ClosingTheScreenBelowEndsItsLoopWhenTheTopOneCloses) {
  ThreeScreens s;
  s.Click("OpenBtn");
  // The dialog closes itself and the screen that opened it.
  s.steps.steps.push_back([&s] {
    s.ui.stack()[0]->Close();
    s.ui.top()->Close();
  });
  s.ui.Open("Camp1Frm");
  EXPECT_TRUE(s.ui.stack().empty());
  EXPECT_TRUE(s.steps.steps.empty());
}

TEST(ModalLoop, TheLevelEndingReturnsFromEveryScreen) {
  ThreeScreens s;
  s.Click("OpenBtn");
  s.Click("OpenBtn");
  s.steps.steps.push_back([&s] { s.game.live.ProgramEnding = true; });
  s.ui.Open("Camp1Frm");
  EXPECT_TRUE(s.ui.stack().empty());
  // Nobody is activated on the way out of an ending level.
  EXPECT_EQ(s.log.back(), "Camp1Frm unload");
  EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "Camp1Frm activate"), 1);
}

TEST(ModalLoop, AnExitFromDeepInsideLeavesAnEmptyStack) {
  ThreeScreens s;
  s.Click("OpenBtn");
  s.steps.steps.push_back([] { throw ProgramExit{3, "refused"}; });
  EXPECT_THROW(s.ui.Open("Camp1Frm"), ProgramExit);
  EXPECT_TRUE(s.ui.stack().empty());
}

TEST(ModalLoop, CaptionsAreShownWhenTheScreenLoads) {
  ThreeScreens s;
  s.game.texts.Category(3).Set(84, Utf8ToGlyphs("Objectives"));
  s.steps.steps.push_back([&s] { EXPECT_EQ((*s.ui.top())["TitleLbl"].Text(), "Objectives"); });
  s.Click("CloseBtn");
  s.ui.Open("Camp1Frm");
}

TEST(ModalLoop, UnregisteredScreenOpensAPlaceholderWithItsName) {
  Screens s;
  s.steps.steps.push_back([&s] {
    Form& top = *s.ui.top();
    EXPECT_EQ(top.name(), "GarryFrm");
    EXPECT_EQ(top["TitleLbl"].Text(), "GarryFrm");
    s.ui.ClickOn(top, &top["CloseBtn"], MouseButton::Left);
  });
  s.game.ui().OpenScreen("GarryFrm");
  EXPECT_TRUE(s.ui.stack().empty());
}

TEST(ModalLoop, RegistryRefusesTwinsAndMisnamedScreens) {
  Screens s;
  s.registry.Register("ArmyFrm",
                      [](Game&, Ui& u) { return std::make_unique<PlaceholderForm>(u, "ArmyFrm"); });
  EXPECT_THROW(
      s.registry.Register(
          "ArmyFrm", [](Game&, Ui& u) { return std::make_unique<PlaceholderForm>(u, "ArmyFrm"); }),
      ToolkitError);
  s.registry.Register("MenuFrm",
                      [](Game&, Ui& u) { return std::make_unique<PlaceholderForm>(u, "TaxFrm"); });
  try {
    s.ui.Open("MenuFrm");
    ADD_FAILURE();
  } catch (const ToolkitError& e) {
    EXPECT_STREQ(e.what(), "the screen registered as MenuFrm calls itself TaxFrm");
  }
}

TEST(ModalLoop, QuestionsReturnTheAnswerOfTheButtonPressed) {
  struct Case {
    const char* button;
    bool answer;
  };
  for (const Case c : {Case{"OkAniBtn", true}, Case{"Noanibtn", false}}) {
    Screens s;
    s.game.texts.Category(1).Set(111, Utf8ToGlyphs("The king asks for gold."));
    s.steps.steps.push_back([&s, c] {
      Form& box = *s.ui.top();
      EXPECT_EQ(box.name(), "MsgFrm");
      EXPECT_EQ(s.game.live.MessageKind, 4);
      EXPECT_EQ(box["MsgLbl"].Text(), "The king asks for gold.");
      s.ui.ClickOn(box, &box[c.button], MouseButton::Left);
    });
    EXPECT_EQ(s.game.ui().AskQuestion(4, 111), c.answer) << c.button;
    EXPECT_TRUE(s.ui.stack().empty());
  }
}

TEST(ModalLoop, MessageBoxShowsItsText) {
  Screens s;
  s.game.texts.Category(1).Set(126, Utf8ToGlyphs("The game is saved."));
  s.steps.steps.push_back([&s] {
    Form& box = *s.ui.top();
    EXPECT_EQ(box.name(), "MsgBoxFrm");
    EXPECT_EQ(box["MsgLbl"].Text(), "The game is saved.");
    box.Close();
  });
  s.game.ui().ShowMessage(1, 126);
  EXPECT_TRUE(s.steps.steps.empty());
}

TEST(ModalLoop, LargeScreenModeEnlargesEveryScreenOnceAndCentresIt) {
  for (bool large : {false, true}) {
    ThreeScreens s;
    s.game.LargeScreenMode = large;
    s.ui.SetDisplaySize({1024, 768});
    s.steps.steps.push_back([&s, large] {
      const Form& top = *s.ui.top();
      const int w = large ? 250 : 200;
      const int h = large ? 188 : 150;
      EXPECT_EQ(top.rect(), (Rect{(1024 - w) / 2, (768 - h) / 2, w, h}));
      EXPECT_EQ(top["CloseBtn"].rect(), large ? (Rect{13, 63, 100, 38}) : (Rect{10, 50, 80, 30}));
    });
    s.Click("CloseBtn");
    s.ui.Open("Camp1Frm");
  }
}

TEST(ModalLoop, SoundsPlayOnlyWhileSoundIsOn) {
  for (bool on : {true, false}) {
    Screens s;
    s.game.SoundOn = on;
    s.game.AppPath = "/game";
    s.game.PlaySound("ClickChanel01", "army01.wav");
    s.ui.GiveStartSounds();
    s.ui.PlayChannel("MusicChanel01");
    if (on) {
      EXPECT_EQ(s.sound.played(), (std::vector<std::string>{"ClickChanel01: army01.wav",
                                                            "MusicChanel01: music01.wav"}));
      EXPECT_EQ(s.sound.Find("ClickChanel02")->file,
                std::filesystem::path("/game/sounds/click02.wav"));
      // The music plays on; the clicks play once.
      EXPECT_TRUE(s.sound.Find("MusicChanel01")->looping);
      EXPECT_FALSE(s.sound.Find("ClickChanel01")->looping);
    } else {
      EXPECT_TRUE(s.sound.played().empty());
    }
  }
}

}  // namespace
}  // namespace valorne
