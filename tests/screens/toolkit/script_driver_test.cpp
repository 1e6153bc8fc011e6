#include <gtest/gtest.h>

#include "screens/toolkit/controls.h"
#include "support/json.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::ParseJson;
using testing::ScriptedScreens;

const ControlSpec kMapControls[] = {
    {.name = "EndTurnBtn", .kind = ControlKind::AniButton, .rect = {700, 560, 90, 30}},
    {.name = "MenuBtn", .kind = ControlKind::AniButton, .rect = {600, 560, 90, 30}},
    {.name = "GoldLbl", .kind = ControlKind::Label, .rect = {10, 10, 60, 16}, .text = "0"},
    {.name = "SaveNameTxt", .kind = ControlKind::TextBox, .rect = {10, 40, 100, 20}},
    {.name = "ArmyLst",
     .kind = ControlKind::ListBox,
     .rect = {10, 70, 100, 60},
     .text = "First\nSecond"},
};

// A map whose menu button opens MenuFrm (a placeholder) and whose end-turn
// button asks question 4 and writes the answer into GoldLbl.
struct MapScript : ScriptedScreens {
  explicit MapScript(const std::string& script) : ScriptedScreens(script) {
    registry.Register("Camp1Frm", [](Game&, Ui& u) {
      auto map = std::make_unique<Form>(
          u, FormSpec{.name = "Camp1Frm", .size = {800, 600}, .controls = kMapControls});
      Form* f = map.get();
      f->On("MenuBtn", FormEvent::Click, [&u] { u.Open("MenuFrm"); });
      f->On("EndTurnBtn", FormEvent::Click,
            [f, &u] { (*f)["GoldLbl"].SetText(u.AskQuestion(4, 111) ? "yes" : "no"); });
      f->On("ArmyLst", FormEvent::Click,
            [f] { (*f)["GoldLbl"].SetText("chose " + f->Get<ListBox>("ArmyLst").Text()); });
      return map;
    });
  }
};

TEST(ScriptDriver, RefusalsAndEndsGiveTheirExitCodes) {
  struct Case {
    std::string script;
    int code;
    std::string message;
  };
  const Case cases[] = {
      {"quit\n", 0, ""},
      {"# a comment\n\n   \nshow\nquit\n", 0, ""},
      {"", 4, "the script ended while Camp1Frm is open"},
      {"click Camp1Frm.MenuBtn\n", 4, "the script ended while MenuFrm is open"},
      {"click Camp1Frm.MenuBtn\nclick Camp1Frm.EndTurnBtn\n", 3,
       "line 2: Camp1Frm is under MenuFrm: commands act on the top screen only"},
      {"click ArmyFrm.OkBtn\n", 3, "line 1: ArmyFrm is not open; the top screen is Camp1Frm"},
      {"click Camp1Frm.NoSuchBtn\n", 3, "line 1: Camp1Frm has no control named NoSuchBtn"},
      {"click Camp1Frm.MenuBtn sideways\n", 3,
       "line 1: the mouse button is left, right or middle, not sideways"},
      {"dance\n", 3, "line 1: unknown command dance"},
      {"key F13 down\n", 3, "line 1: no key is named F13"},
      {"key F6 sideways\n", 3, "line 1: a key goes down or up, not sideways"},
      {"advance -5\n", 3,
       "line 1: the time to advance must be a whole number from 0 to 86400000, not -5"},
      {"advance 10 20\n", 3, "line 1: usage: advance MS"},
      {"move Camp1Frm.MenuBtn left\n", 3, "line 1: usage: move FORM.CONTROL"},
      {"select Camp1Frm.GoldLbl 0\n", 3, "line 1: Camp1Frm.GoldLbl is not a list"},
      {"select Camp1Frm.ArmyLst 2\n", 3,
       "line 1: the entry must be a whole number from 0 to 1, not 2"},
      {"shot out.png\n", 3, "line 1: this program cannot draw screenshots"},
      {"show MenuFrm\n", 3, "line 1: MenuFrm is not open"},
      {"click Camp1Frm.EndTurnBtn\nclick MsgFrm.OkAniBtn\n", 4,
       "the script ended while Camp1Frm is open"},
  };
  for (const Case& c : cases) {
    MapScript s(c.script);
    EXPECT_EQ(s.Run("Camp1Frm"), c.code) << c.script;
    EXPECT_EQ(s.err.str(), c.message) << c.script;
  }
}

// A caller that cannot wait (the fuzzer) caps every await: a screen that
// never comes ends the script at the ceiling, not after the 20 s asked.
TEST(ScriptDriver, AnAwaitStopsAtTheCeilingItsCallerSet) {
  MapScript s("await TipsFrm.Image1\n");
  s.driver.SetAwaitCeilingMs(20);
  EXPECT_EQ(s.Run("Camp1Frm"), kScriptAwaitTimedOut);
  EXPECT_EQ(s.err.str(), "line 1: TipsFrm.Image1 did not come within 20 ms");
}

TEST(ScriptDriver, ModalScreensReadTheScriptThemselves) {
  MapScript s(
      "click Camp1Frm.EndTurnBtn\n"
      "forms\n"
      "click MsgFrm.OkAniBtn\n"
      "forms\n"
      "click Camp1Frm.EndTurnBtn\n"
      "click MsgFrm.Noanibtn\n"
      "show\n"
      "quit\n");
  EXPECT_EQ(s.Run("Camp1Frm"), 0);
  std::istringstream out(s.out.str());
  std::string line;
  std::getline(out, line);
  EXPECT_EQ(line, R"(["Camp1Frm", "MsgFrm"])");
  std::getline(out, line);
  EXPECT_EQ(line, R"(["Camp1Frm"])");
  std::getline(out, line);
  const auto shown = ParseJson(line);
  EXPECT_EQ(shown.at("controls").at(2).at("name").get<std::string>(), "GoldLbl");
  EXPECT_EQ(shown.at("controls").at(2).at("text").get<std::string>(), "no");
}

TEST(ScriptDriver, ListsAndTextBoxesTakeThePlayersChoices) {
  MapScript s(
      "select Camp1Frm.ArmyLst 1\n"
      "type Camp1Frm.SaveNameTxt Save and Exit\n"
      "show\n"
      "quit\n");
  EXPECT_EQ(s.Run("Camp1Frm"), 0);
  const auto shown = ParseJson(s.out.str());
  EXPECT_EQ(shown.at("controls").at(2).at("text").get<std::string>(), "chose Second");
  EXPECT_EQ(shown.at("controls").at(3).at("text").get<std::string>(), "Save and Exit");
  EXPECT_EQ(shown.at("controls").at(4).at("index").get<double>(), 1);
}

TEST(ScriptDriver, HiddenOrDisabledControlsIgnoreTheScriptWithANote) {
  for (bool hide : {true, false}) {
    MapScript s(
        "spoil\n"
        "click Camp1Frm.MenuBtn\n"
        "forms\n"
        "quit\n");
    s.commands.Register("spoil", "spoil", [&s, hide](const ScriptArgs&, std::ostream&) {
      Control& menu = (*s.ui.top())["MenuBtn"];
      hide ? menu.SetVisible(false) : menu.SetEnabled(false);
      return ScriptResult::Ok();
    });
    EXPECT_EQ(s.Run("Camp1Frm"), 0);
    EXPECT_EQ(s.out.str(), "[\"Camp1Frm\"]\n");
    EXPECT_EQ(s.err.str(), std::string("level9: line 2: Camp1Frm.MenuBtn is ") +
                               (hide ? "hidden" : "disabled") + "; nothing happens\n");
  }
}

TEST(ScriptDriver, OtherPartsAddTheirOwnCommands) {
  MapScript s(
      "dump\n"
      "save Save and Exit\n"
      "save\n");
  s.commands.Register("dump", "dump", [&s](const ScriptArgs&, std::ostream& out) {
    out << "{\"Gold\": " << s.game.state.Gold << "}\n";
    return ScriptResult::Ok();
  });
  s.commands.Register("save", "save NAME", [](const ScriptArgs& args, std::ostream& out) {
    if (args.empty()) return ScriptResult::Error("usage: save NAME");
    out << "saved " << args.Rest(0) << "\n";
    return ScriptResult::Ok();
  });
  EXPECT_THROW(
      s.commands.Register("dump", "dump",
                          [](const ScriptArgs&, std::ostream&) { return ScriptResult::Ok(); }),
      ToolkitError);
  s.game.state.Gold = 2350;
  EXPECT_EQ(s.Run("Camp1Frm"), 3);
  EXPECT_EQ(s.out.str(), "{\"Gold\": 2350}\nsaved Save and Exit\n");
  EXPECT_EQ(s.err.str(), "line 3: usage: save NAME");
}

TEST(ScriptDriver, ArgumentsKeepTheRestOfTheLineAsWritten) {
  const ScriptArgs args("  save   Save and Exit  ");
  ASSERT_EQ(args.size(), 4u);
  EXPECT_EQ(args[0], "save");
  EXPECT_EQ(args.Rest(1), "Save and Exit");
  EXPECT_EQ(args.Rest(3), "Exit");
  EXPECT_EQ(args.Rest(4), "");
}

}  // namespace
}  // namespace valorne
