#include "screens/toolkit/form.h"

#include <gtest/gtest.h>

#include "screens/toolkit/controls.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Screens;

const ControlSpec kArmyControls[] = {
    {.name = "MapSurface",
     .kind = ControlKind::Picture,
     .rect = {-100, -50, 1000, 800},
     .picture = "mapres"},
    {.name = "VillageImg1",
     .kind = ControlKind::Image,
     .rect = {500, 300, 40, 40},
     .parent = "MapSurface"},
    {.name = "GoldLbl", .kind = ControlKind::Label, .rect = {10, 10, 80, 20}, .text = "2350"},
    {.name = "ArmyLst", .kind = ControlKind::RunaListBox, .rect = {10, 40, 120, 80}},
    {.name = "MsgLbl", .kind = ControlKind::RunaLabel, .rect = {10, 130, 300, 20}, .index = 0},
    {.name = "MsgLbl", .kind = ControlKind::RunaLabel, .rect = {10, 150, 300, 20}, .index = 1},
    {.name = "MsgLbl", .kind = ControlKind::RunaLabel, .rect = {10, 170, 300, 20}, .index = 2},
    {.name = "EndTurnBtn",
     .kind = ControlKind::AniButton,
     .rect = {500, 500, 90, 30},
     .text = "End turn"},
};

class ArmyTestFrm : public Form {
 public:
  explicit ArmyTestFrm(Ui& ui)
      : Form(ui, {.name = "ArmyTestFrm", .size = {800, 600}, .controls = kArmyControls}) {}
};

TEST(FormControls, FoundByNameAndArrayElement) {
  Screens s;
  ArmyTestFrm form(s.ui);
  EXPECT_EQ(form["GoldLbl"].Text(), "2350");
  EXPECT_EQ(form["MsgLbl(1)"].top(), 150);
  EXPECT_EQ(&form.At("MsgLbl", 2), &form["MsgLbl(2)"]);
  EXPECT_EQ(form["MsgLbl(2)"].index(), 2);
  EXPECT_EQ(form["MsgLbl(2)"].base_name(), "MsgLbl");
  const std::vector<Control*> lines = form.Array("MsgLbl");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0]->name(), "MsgLbl(0)");
  EXPECT_EQ(lines[2]->name(), "MsgLbl(2)");
  EXPECT_EQ(form.Find("MsgLbl"), nullptr);
  EXPECT_EQ(&form.Get<ListBox>("ArmyLst"), &form["ArmyLst"]);
}

TEST(FormControls, FailedLookupsAreClearErrors) {
  Screens s;
  ArmyTestFrm form(s.ui);
  struct Case {
    std::function<void()> lookup;
    std::string message;
  };
  const Case cases[] = {
      {[&] { form["GoldLb"]; }, "ArmyTestFrm has no control named GoldLb"},
      {[&] { form.At("MsgLbl", 3); }, "ArmyTestFrm has no control named MsgLbl(3)"},
      {[&] { form.Get<ListBox>("GoldLbl"); }, "ArmyTestFrm.GoldLbl is a label, not a list box"},
      {[&] { form.Get<CheckBox>("ArmyLst"); },
       "ArmyTestFrm.ArmyLst is a runa_listbox, not a check box"},
      {[&] { form.On("EndTurnBtn2", FormEvent::Click, [] {}); },
       "ArmyTestFrm has no control named EndTurnBtn2 to bind Click to"},
      {[&] { form.GetTimer("MapTimer"); }, "ArmyTestFrm has no timer named MapTimer"},
      {[&] { form.Get<ListBox>("ArmyLst").List(0); },
       "ArmyTestFrm.ArmyLst has no entry 0 (it has 0)"},
  };
  for (const Case& c : cases) {
    try {
      c.lookup();
      ADD_FAILURE() << "no error for: " << c.message;
    } catch (const ToolkitError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

TEST(FormControls, BadTablesAreRefusedWhenTheFormIsMade) {
  Screens s;
  const ControlSpec twice[] = {{.name = "OkBtn"}, {.name = "OkBtn"}};
  const ControlSpec orphan[] = {{.name = "VillageImg1", .parent = "MapSurface"}};
  const ControlSpec mixed[] = {{.name = "WalkTo"}, {.name = "WalkTo", .index = 1}};
  const ControlSpec nameless[] = {{.kind = ControlKind::Label}};
  const std::pair<std::span<const ControlSpec>, std::string> cases[] = {
      {twice, "BadFrm declares the control OkBtn twice"},
      {orphan, "BadFrm.VillageImg1: its container MapSurface is not declared before it"},
      {mixed, "BadFrm declares WalkTo both as a control and as an array"},
      {nameless, "BadFrm: a control without a name"},
  };
  for (const auto& [table, message] : cases) {
    try {
      Form form(s.ui, {.name = "BadFrm", .size = {100, 100}, .controls = table});
      ADD_FAILURE() << "accepted: " << message;
    } catch (const ToolkitError& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

TEST(FormControls, ArrayBindingTellsTheElement) {
  Screens s;
  ArmyTestFrm form(s.ui);
  std::vector<int> clicked;
  form.On("MsgLbl", FormEvent::Click, [&](const EventArgs& a) { clicked.push_back(a.index); });
  form["MsgLbl(2)"].Fire(FormEvent::Click, {});
  form["MsgLbl(0)"].Fire(FormEvent::Click, {});
  EXPECT_EQ(clicked, (std::vector<int>{2, 0}));
}

TEST(FormControls, HitTestFindsTheTopmostShownControl) {
  Screens s;
  ArmyTestFrm form(s.ui);
  // The village lies on the map, which starts 100 left and 50 up.
  EXPECT_EQ(form.HitTest({410, 260}), &form["VillageImg1"]);
  EXPECT_EQ(form.HitTest({20, 15}), &form["GoldLbl"]);
  EXPECT_EQ(form.HitTest({600, 400}), &form["MapSurface"]);
  // Moving the map moves what lies on it.
  form["MapSurface"].SetLeft(0);
  EXPECT_EQ(form.HitTest({510, 260}), &form["VillageImg1"]);
  EXPECT_EQ(form["VillageImg1"].FormRect(), (Rect{500, 250, 40, 40}));
  // A hidden control lets the pointer through; hiding the map hides the village.
  form["GoldLbl"].SetVisible(false);
  EXPECT_EQ(form.HitTest({20, 15}), &form["MapSurface"]);
  form["MapSurface"].SetVisible(false);
  EXPECT_EQ(form.HitTest({510, 260}), nullptr);
  EXPECT_FALSE(form["VillageImg1"].Shown());
}

TEST(FormControls, StackingOrderDecidesTheHit) {
  Screens s;
  const ControlSpec overlapping[] = {
      {.name = "Image1", .kind = ControlKind::Image, .rect = {0, 0, 50, 50}},
      {.name = "Image2", .kind = ControlKind::Image, .rect = {25, 25, 50, 50}},
  };
  Form form(s.ui, {.name = "ZFrm", .size = {100, 100}, .controls = overlapping});
  EXPECT_EQ(form.HitTest({30, 30}), &form["Image2"]);
  form["Image1"].BringToFront();
  EXPECT_EQ(form.HitTest({30, 30}), &form["Image1"]);
  form["Image1"].SendToBack();
  EXPECT_EQ(form.HitTest({30, 30}), &form["Image2"]);
}

TEST(FormControls, ListTakesALocalizedTextLineByLine) {
  Screens s;
  ArmyTestFrm form(s.ui);
  auto& list = form.Get<ListBox>("ArmyLst");
  s.game.texts.Category(4) = TextTable(200);
  s.game.texts.Category(4).Set(158, Utf8ToGlyphs("Ist Valorne\nThe Lions\nThe Dragons"));
  ShowText(list, 158, 4, s.game.texts);
  EXPECT_EQ(list.items(), (std::vector<std::string>{"Ist Valorne", "The Lions", "The Dragons"}));
  list.SetListIndex(1);
  EXPECT_EQ(list.Text(), "The Lions");
  // Showing again starts afresh; an empty text leaves no entries.
  ShowText(list, 158, 4, s.game.texts);
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.ListIndex(), -1);
  ShowText(list, 5, 6, s.game.texts);
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_THROW(list.SetListIndex(0), ToolkitError);
}

TEST(FormControls, RunaControlsKeepGlyphCodesOthersUtf8) {
  Screens s;
  ArmyTestFrm form(s.ui);
  const std::vector<GlyphCode> codes = {0x4B, 0xE4, 0x2014};  // K, a-umlaut, em dash
  for (const char* name : {"MsgLbl(0)", "GoldLbl"}) {
    Control& c = form[name];
    c.ClearText();
    for (GlyphCode code : codes) c.AppendGlyph(code);
    EXPECT_EQ(c.Glyphs(), codes) << name;
    EXPECT_EQ(c.Text(), "K\xC3\xA4\xE2\x80\x94") << name;
  }
}

TEST(FormControls, EnlargingScalesFormControlsAndLetters) {
  Screens s;
  ArmyTestFrm form(s.ui);
  const int letters = form["GoldLbl"].font_size();
  form.Enlarge(1.25);
  EXPECT_EQ(form.rect().width, 1000);
  EXPECT_EQ(form.rect().height, 750);
  EXPECT_EQ(form["GoldLbl"].rect(), (Rect{13, 13, 100, 25}));  // 12.5 rounds away from zero
  EXPECT_EQ(form["VillageImg1"].rect(), (Rect{625, 375, 50, 50}));
  EXPECT_EQ(form["MapSurface"].rect(), (Rect{-125, -63, 1250, 1000}));
  EXPECT_EQ(form["GoldLbl"].font_size(), static_cast<int>(std::lround(letters * 1.25)));
  // A control added later is made at the same scale.
  Control& added = form.Add({.name = "ExtraLbl", .rect = {40, 40, 8, 8}});
  EXPECT_EQ(added.rect(), (Rect{50, 50, 10, 10}));
}

}  // namespace
}  // namespace valorne
