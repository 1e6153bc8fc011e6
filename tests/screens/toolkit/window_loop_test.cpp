#include "screens/toolkit/window_loop.h"

#include <gtest/gtest.h>

#include "screens/toolkit/recording_canvas.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Screens;

// A window whose clock moves by the time it was asked to wait, with a queue
// of events that arrive at given times.
class FakeWindow : public Window {
 public:
  explicit FakeWindow(VirtualClock& clock) : clock_(clock) {}

  struct Arrival {
    std::int64_t at;
    InputEvent event;
  };
  std::deque<Arrival> arrivals;
  std::vector<int> waits;
  int frames = 0;
  RecordingCanvas canvas;

  std::optional<InputEvent> WaitEvent(int timeout_ms) override {
    waits.push_back(timeout_ms);
    const std::int64_t limit = clock_.NowMs() + timeout_ms;
    if (!arrivals.empty() && arrivals.front().at <= limit) {
      clock_.AdvanceTo(arrivals.front().at);
      return Take();
    }
    clock_.AdvanceTo(limit);
    return std::nullopt;
  }
  std::optional<InputEvent> PollEvent() override {
    if (!arrivals.empty() && arrivals.front().at <= clock_.NowMs()) return Take();
    return std::nullopt;
  }
  Canvas& BeginFrame() override { return canvas; }
  void EndFrame() override { ++frames; }
  Size DisplaySize() const override { return size_; }
  void SetDisplaySize(Size size) override { size_ = size; }
  bool SetPointerFile(const std::filesystem::path&) override { return true; }
  void UseSystemPointer() override {}
  void ShowPointer(bool) override {}

 private:
  InputEvent Take() {
    InputEvent e = arrivals.front().event;
    arrivals.pop_front();
    return e;
  }
  VirtualClock& clock_;
  Size size_{800, 600};
};

InputEvent At(InputEvent::Kind kind, Point p) {
  InputEvent e;
  e.kind = kind;
  e.position = p;
  return e;
}

const ControlSpec kClock[] = {
    {.name = "TimeLbl", .kind = ControlKind::Label, .rect = {0, 0, 100, 20}},
    {.name = "CloseBtn", .kind = ControlKind::Button, .rect = {0, 30, 100, 20}},
};

TEST(WindowLoop, WaitsForTheNextTimerAndDrawsOnlyAfterChanges) {
  Screens s;
  FakeWindow window(s.clock);
  WindowLoop loop(s.ui, window);
  s.ui.SetEventSource(&loop);
  Form form(s.ui, {.name = "ClockFrm", .size = {100, 60}, .controls = kClock, .centred = false});
  int ticks = 0;
  form.AddTimer("TimeTimer", 400, true, [&] {
    // The clock shows the time every 400 ms but changes only every other tick.
    if (++ticks % 2 == 0) form["TimeLbl"].SetText(std::to_string(s.clock.NowMs()));
  });
  form.On("CloseBtn", FormEvent::Click, [&] { form.Close(); });
  window.arrivals.push_back({1000, At(InputEvent::Kind::ButtonDown, {10, 40})});
  window.arrivals.push_back({1000, At(InputEvent::Kind::ButtonUp, {10, 40})});
  s.ui.ShowModal(form);

  // It waited until each tick was due (1000 would have been the longest);
  // the click came during the third wait.
  EXPECT_EQ(window.waits, (std::vector<int>{400, 400, 400}));
  EXPECT_EQ(form["TimeLbl"].Text(), "800");
  // Drawn when shown, after the second tick (not the first, which changed
  // nothing) and after the click.
  EXPECT_EQ(window.frames, 3);
}

TEST(WindowLoop, ClosingTheWindowEndsTheProgram) {
  Screens s;
  FakeWindow window(s.clock);
  WindowLoop loop(s.ui, window);
  s.ui.SetEventSource(&loop);
  window.arrivals.push_back({5, At(InputEvent::Kind::Quit, {})});
  try {
    s.ui.Open("Camp1Frm");
    ADD_FAILURE();
  } catch (const ProgramExit& e) {
    EXPECT_EQ(e.code, 0);
  }
  EXPECT_TRUE(s.ui.stack().empty());
}

TEST(WindowLoop, DrawsTheOpenScreensBottomFirstWithTheirPictureFolder) {
  Screens s;
  s.game.AppPath = "/game";
  s.game.display.GraphicsDepth = 8;
  RecordingCanvas canvas;
  Form map(s.ui, {.name = "Camp1Frm", .size = {800, 600}, .background = "mapres"});
  Form dialog(s.ui, {.name = "TipsFrm", .size = {200, 100}, .background = "tips"});
  s.steps.steps.push_back([&] {
    s.steps.steps.push_back([&] {
      s.ui.Draw(canvas);
      dialog.Close();
    });
    s.ui.ShowModal(dialog);
    map.Close();
  });
  s.ui.ShowModal(map);
  EXPECT_EQ(canvas.folder(), std::filesystem::path("/game/graphics/low"));
  std::vector<std::string> pictures;
  for (const std::string& call : canvas.calls) {
    if (call.starts_with("picture")) pictures.push_back(call);
  }
  EXPECT_EQ(pictures, (std::vector<std::string>{"picture mapres 0,0 800x600",
                                                "picture tips 300,250 200x100"}));
}

}  // namespace
}  // namespace valorne
