#include <gtest/gtest.h>

#include "screens/toolkit/controls.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Screens;

const ControlSpec kPanel[] = {
    {.name = "OkAniBtn", .kind = ControlKind::AniButton, .rect = {10, 10, 100, 30}},
    {.name = "NoBtn", .kind = ControlKind::Button, .rect = {10, 50, 100, 30}},
    {.name = "MusicOption", .kind = ControlKind::CheckBox, .rect = {10, 90, 100, 20}},
    {.name = "SellLst",
     .kind = ControlKind::ListBox,
     .rect = {150, 10, 100, 100},
     .text = "Wood\nStone\nOre"},
    {.name = "FileNameTxt", .kind = ControlKind::TextBox, .rect = {150, 120, 100, 20}},
};

// The panel lies at the display's top-left corner and writes down every
// event of its controls and background as "control event [button]".
struct Panel : Screens {
  Form form{ui, {.name = "PanelFrm", .size = {300, 200}, .controls = kPanel, .centred = false}};
  std::vector<std::string> log;

  Panel() {
    const std::pair<FormEvent, const char*> events[] = {
        {FormEvent::Click, "click"},      {FormEvent::MouseDown, "down"},
        {FormEvent::MouseUp, "up"},       {FormEvent::MouseEnter, "enter"},
        {FormEvent::MouseLeave, "leave"}, {FormEvent::Change, "change"},
        {FormEvent::KeyDown, "keydown"},  {FormEvent::KeyUp, "keyup"}};
    for (const auto& c : form.controls()) {
      for (auto [event, word] : events) {
        form.On(c->name(), event, [this, w = std::string(word)](const EventArgs& a) {
          log.push_back(a.control->name() + " " + w + Button(a));
        });
      }
    }
    for (auto [event, word] : events) {
      form.OnForm(event, [this, w = std::string(word)](const EventArgs& a) {
        log.push_back("form " + w + Button(a) + (a.key.empty() ? "" : " " + a.key));
      });
    }
  }

  // Runs `body` while the panel is the open screen.
  void WhileOpen(std::function<void()> body) {
    steps.steps.push_back([this, body] {
      body();
      form.Close();
    });
    ui.ShowModal(form);
  }

  static std::string Button(const EventArgs& a) {
    return a.button == MouseButton::Right    ? " right"
           : a.button == MouseButton::Middle ? " middle"
                                             : "";
  }
  void Pointer(InputEvent::Kind kind, Point p, MouseButton b = MouseButton::Left) {
    InputEvent e;
    e.kind = kind;
    e.position = p;
    e.button = b;
    ui.Dispatch(e);
  }
  void Move(Point p) { Pointer(InputEvent::Kind::PointerMove, p); }
  void Down(Point p, MouseButton b = MouseButton::Left) {
    Pointer(InputEvent::Kind::ButtonDown, p, b);
  }
  void Up(Point p, MouseButton b = MouseButton::Left) { Pointer(InputEvent::Kind::ButtonUp, p, b); }
};

constexpr Point kOk{20, 20};
constexpr Point kNo{20, 60};
constexpr Point kBackground{120, 180};

TEST(EventRouting, ClickIsDownAndUpOnTheSameControlWithTheLeftButton) {
  struct Case {
    const char* what;
    std::function<void(Panel&)> act;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {"left on OK",
       [](Panel& p) {
         p.Down(kOk);
         p.Up(kOk);
       },
       {"OkAniBtn down", "OkAniBtn up", "OkAniBtn click"}},
      {"right on OK",
       [](Panel& p) {
         p.Down(kOk, MouseButton::Right);
         p.Up(kOk, MouseButton::Right);
       },
       {"OkAniBtn down right", "OkAniBtn up right"}},
      {"down on OK, up on No",
       [](Panel& p) {
         p.Down(kOk);
         p.Up(kNo);
       },
       {"OkAniBtn down", "OkAniBtn up"}},
      {"down on the background, up on OK",
       [](Panel& p) {
         p.Down(kBackground);
         p.Up(kOk);
       },
       {"form down", "OkAniBtn up"}},
      {"background",
       [](Panel& p) {
         p.Down(kBackground);
         p.Up(kBackground);
       },
       {"form down", "form up", "form click"}},
      {"disabled OK goes to the background",
       [](Panel& p) {
         p.form["OkAniBtn"].SetEnabled(false);
         p.Down(kOk);
         p.Up(kOk);
       },
       {"form down", "form up", "form click"}},
      {"hidden OK lets the pointer through",
       [](Panel& p) {
         p.form["OkAniBtn"].SetVisible(false);
         p.Down(kOk);
         p.Up(kOk);
       },
       {"form down", "form up", "form click"}},
      {"script click on a disabled control",
       [](Panel& p) {
         p.form["NoBtn"].SetEnabled(false);
         EXPECT_FALSE(p.ui.ClickOn(p.form, &p.form["NoBtn"], MouseButton::Left));
       },
       {}},
      {"script click",
       [](Panel& p) { p.ui.ClickOn(p.form, &p.form["NoBtn"], MouseButton::Left); },
       {"NoBtn down", "NoBtn up", "NoBtn click"}},
  };
  for (const Case& c : cases) {
    Panel p;
    p.WhileOpen([&] { c.act(p); });
    EXPECT_EQ(p.log, c.events) << c.what;
  }
}

TEST(EventRouting, PointerEntersAndLeavesControls) {
  Panel p;
  p.WhileOpen([&p] {
    p.Move(kOk);
    p.Move({25, 25});  // still on OK: no new enter
    p.Move(kNo);
    p.Move(kBackground);
    EXPECT_FALSE(p.form["NoBtn"].hovered());
    p.ui.PointAt(p.form, &p.form["OkAniBtn"]);
    p.Pointer(InputEvent::Kind::PointerLeft, {});
  });
  EXPECT_EQ(p.log, (std::vector<std::string>{"OkAniBtn enter", "OkAniBtn leave", "NoBtn enter",
                                             "NoBtn leave", "OkAniBtn enter", "OkAniBtn leave"}));
  // The pointer is where the script put it: the middle of OK.
  EXPECT_EQ(p.ui.pointer_position(), (Point{60, 25}));
}

TEST(EventRouting, AClickByNameLandsOnTheControl) {
  Panel p;
  std::vector<Point> where;
  p.form.On("NoBtn", FormEvent::Click, [&](const EventArgs& a) { where.push_back({a.x, a.y}); });
  p.WhileOpen([&] {
    p.Move(kBackground);  // the pointer rests elsewhere: the click goes to the middle
    p.ui.ClickOn(p.form, &p.form["NoBtn"], MouseButton::Left);
    p.Move({15, 55});  // the pointer already rests on the button: the click stays there
    p.ui.ClickOn(p.form, &p.form["NoBtn"], MouseButton::Left);
  });
  EXPECT_EQ(where, (std::vector<Point>{{50, 15}, {5, 5}}));
}

TEST(EventRouting, OnlyTheTopScreenGetsInput) {
  Panel p;
  Form dialog(p.ui, {.name = "DialogFrm", .size = {50, 50}, .centred = false});
  p.WhileOpen([&] {
    p.steps.steps.push_back([&] {
      p.Down(kOk);
      p.Up(kOk);
      p.ui.Key("F6", false);
      dialog.Close();
    });
    p.ui.ShowModal(dialog);
    p.Down(kOk);
    p.Up(kOk);
  });
  // While the dialog was open (and covered OK), the panel heard nothing.
  EXPECT_EQ(p.log, (std::vector<std::string>{"OkAniBtn down", "OkAniBtn up", "OkAniBtn click"}));
}

TEST(EventRouting, CheckBoxTurnsOverBeforeItsClick) {
  Panel p;
  auto& box = p.form.Get<CheckBox>("MusicOption");
  std::vector<bool> seen;
  p.form.On("MusicOption", FormEvent::Click, [&] { seen.push_back(box.checked()); });
  p.WhileOpen([&] {
    p.Down({15, 95});
    p.Up({15, 95});
    p.ui.ClickOn(p.form, &box, MouseButton::Left);
    box.SetChecked(true);  // set by the screen's code: no click
  });
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(EventRouting, ListChoosesTheEntryUnderThePointer) {
  Panel p;
  auto& list = p.form.Get<ListBox>("SellLst");
  std::vector<int> chosen;
  p.form.On("SellLst", FormEvent::Click, [&] { chosen.push_back(list.ListIndex()); });
  const int row = list.RowHeight();
  p.WhileOpen([&] {
    for (int entry : {2, 0}) {
      const Point at{160, 10 + entry * row + row / 2};
      p.Down(at);
      p.Up(at);
    }
    const Point below{160, 10 + 3 * row + 2};  // no entry there
    p.Down(below);
    p.Up(below);
  });
  EXPECT_EQ(chosen, (std::vector<int>{2, 0, 0}));
  EXPECT_EQ(list.Text(), "Wood");
}

TEST(EventRouting, KeysGoToTheFormThenToTheFocusedTextBox) {
  Panel p;
  auto& box = p.form.Get<TextBox>("FileNameTxt");
  int code = 0;
  p.form.OnForm(FormEvent::KeyUp, [&](const EventArgs& a) { code = a.key_code; });
  p.WhileOpen([&] {
    p.ui.Key("F7", false);
    EXPECT_EQ(code, 118);
    p.Down({160, 125});  // focus the text box
    p.Up({160, 125});
    InputEvent typed;
    typed.kind = InputEvent::Kind::TextTyped;
    typed.text = "Sav\xC3\xA9";
    p.ui.Dispatch(typed);
    p.ui.Key("Backspace", true);
    p.ui.Key("Return", false);
  });
  EXPECT_EQ(box.Text(), "Sav");
  EXPECT_EQ(code, 13);
  EXPECT_EQ(p.log, (std::vector<std::string>{
                       "form keyup F7", "FileNameTxt down", "FileNameTxt up", "FileNameTxt click",
                       "FileNameTxt change", "form keydown Backspace", "FileNameTxt change",
                       "FileNameTxt keydown", "form keyup Return", "FileNameTxt keyup"}));
}

}  // namespace
}  // namespace valorne

namespace valorne {
namespace {

// A decoration over a button and over the background: the pointer passes
// through it to whatever lies beneath, while a control that takes the
// pointer (the same, declared plainly) stops it.
TEST(EventRouting, DecorationsLetThePointerThrough) {
  struct Case {
    bool takes_pointer;
    Point at;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {false, {20, 20}, {"OkAniBtn enter", "OkAniBtn down", "OkAniBtn up", "OkAniBtn click"}},
      {false, {200, 180}, {"form down", "form up", "form click"}},
      {true,
       {20, 20},
       {"SparkleImg enter", "SparkleImg down", "SparkleImg up", "SparkleImg click"}},
  };
  for (const Case& c : cases) {
    Panel p;
    Control& sparkle = p.form.Add({.name = "SparkleImg",
                                   .kind = ControlKind::Image,
                                   .rect = {0, 0, 300, 200},
                                   .takes_pointer = c.takes_pointer});
    for (auto [event, word] : {std::pair{FormEvent::Click, "click"},
                               {FormEvent::MouseDown, "down"},
                               {FormEvent::MouseUp, "up"},
                               {FormEvent::MouseEnter, "enter"}}) {
      p.form.On("SparkleImg", event, [&p, w = std::string(word)](const EventArgs& a) {
        p.log.push_back(a.control->name() + " " + w);
      });
    }
    EXPECT_EQ(sparkle.takes_pointer(), c.takes_pointer);
    p.WhileOpen([&] {
      p.Move(c.at);
      p.Down(c.at);
      p.Up(c.at);
    });
    EXPECT_EQ(p.log, c.log) << "takes the pointer: " << c.takes_pointer;
  }
}

}  // namespace
}  // namespace valorne
