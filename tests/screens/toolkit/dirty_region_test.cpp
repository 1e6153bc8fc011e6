// What a change of a screen marks for drawing again: the region's merging,
// the part of the display a control's change marks, and the window loop
// drawing only those parts over the frame the window keeps.
#include "screens/toolkit/dirty_region.h"

#include <gtest/gtest.h>

#include "screens/toolkit/recording_canvas.h"
#include "screens/toolkit/window_loop.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Screens;

TEST(DirtyRegion, MergesWhatMeetsAndKeepsApartWhatDoesNot) {
  struct Case {
    const char* what;
    std::vector<Rect> added;
    std::vector<Rect> areas;
  };
  const Case cases[] = {
      {"nothing empty is kept", {{5, 5, 0, 10}}, {}},
      {"apart stay apart", {{0, 0, 10, 10}, {50, 50, 10, 10}}, {{0, 0, 10, 10}, {50, 50, 10, 10}}},
      {"overlapping become one", {{0, 0, 10, 10}, {5, 5, 10, 10}}, {{0, 0, 15, 15}}},
      {"touching edges become one", {{0, 0, 10, 10}, {10, 0, 10, 10}}, {{0, 0, 20, 10}}},
      {"a merge that reaches a third takes it too",
       {{0, 0, 10, 10}, {30, 0, 10, 10}, {8, 0, 24, 4}},
       {{0, 0, 40, 10}}},
      {"one inside another adds nothing", {{0, 0, 50, 50}, {10, 10, 5, 5}}, {{0, 0, 50, 50}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DirtyRegion region;
    for (const Rect& r : c.added) region.Add(r);
    EXPECT_EQ(region.areas(), c.areas);
    EXPECT_EQ(region.empty(), c.areas.empty());
  }
}

TEST(DirtyRegion, ManyScatteredPartsBecomeTheirBoundingBoxAndWholeTakesAll) {
  DirtyRegion region;
  for (int i = 0; i <= static_cast<int>(DirtyRegion::kMostAreas); ++i)
    region.Add({i * 20, 0, 5, 5});
  ASSERT_EQ(region.areas().size(), 1u);
  EXPECT_EQ(region.areas()[0], (Rect{0, 0, static_cast<int>(DirtyRegion::kMostAreas) * 20 + 5, 5}));
  region.AddWhole();
  region.Add({0, 0, 5, 5});
  EXPECT_TRUE(region.whole());
  EXPECT_TRUE(region.areas().empty());
  region.Clear();
  EXPECT_TRUE(region.empty());
}

// A form at 100,50 with a container at 10,10 (200 x 100) holding a sprite
// that reaches past the container's right edge.
const ControlSpec kSpriteScreen[] = {
    {.name = "BoardPic", .kind = ControlKind::Picture, .rect = {10, 10, 200, 100}},
    {.name = "SpriteImg",
     .kind = ControlKind::Image,
     .rect = {180, 20, 40, 30},
     .parent = "BoardPic"},
    {.name = "HiddenImg", .kind = ControlKind::Image, .rect = {0, 0, 40, 30}, .visible = false},
    {.name = "NameLbl", .kind = ControlKind::Label, .rect = {0, 200, 100, 20}},
};

TEST(DirtyRegion, AControlsChangeMarksOnlyTheDisplayPartItCovers) {
  struct Case {
    const char* what;
    std::function<void(Form&)> change;
    bool whole;
    std::vector<Rect> areas;
  };
  const Case cases[] = {
      {"a new frame of a sprite: its part, cut at the container's edge",
       [](Form& f) { f["SpriteImg"].SetStripFrame(2); },
       false,
       {{290, 80, 20, 30}}},
      {"the same frame again: nothing",
       [](Form& f) { f["SpriteImg"].SetStripFrame(std::nullopt); },
       false,
       {}},
      {"a sprite moved: where it was and where it is",
       [](Form& f) { f["SpriteImg"].Move(0, 60); },
       false,
       {{290, 80, 20, 30}, {110, 120, 40, 30}}},
      {"a hidden control's change shows nowhere",
       [](Form& f) { f["HiddenImg"].SetPicture("other"); },
       false,
       {}},
      {"hiding a control: the part it covered",
       [](Form& f) { f["NameLbl"].SetVisible(false); },
       false,
       {{100, 250, 100, 20}}},
      {"inside a hidden container nothing shows",
       [](Form& f) {
         f["BoardPic"].SetVisible(false);
         RecordingCanvas drawn;
         f.ui().DrawChanged(drawn);
         f["SpriteImg"].SetStripFrame(3);
       },
       false,
       {}},
      {"the form moved: everything",
       [](Form& f) {
         f.SetPosition({0, 0});
       },
       true,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Screens s;
    Form form(
        s.ui,
        {.name = "SpriteFrm", .size = {300, 300}, .controls = kSpriteScreen, .centred = false});
    form.SetPosition({100, 50});
    RecordingCanvas canvas;
    s.ui.Draw(canvas);
    ASSERT_FALSE(s.ui.NeedsRedraw());
    c.change(form);
    EXPECT_EQ(s.ui.dirty().whole(), c.whole);
    EXPECT_EQ(s.ui.dirty().areas(), c.areas);
  }
}

// A window that keeps its frame, on virtual time: waiting moves the clock.
class KeepingWindow : public Window {
 public:
  explicit KeepingWindow(VirtualClock& clock) : clock_(clock) {}
  RecordingCanvas canvas;
  int whole_frames = 0;
  std::vector<std::vector<std::string>> updates;  // the calls of each update
  std::optional<InputEvent> WaitEvent(int timeout_ms) override {
    clock_.AdvanceTo(clock_.NowMs() + timeout_ms);
    return std::nullopt;
  }
  std::optional<InputEvent> PollEvent() override { return std::nullopt; }
  Canvas& BeginFrame() override {
    ++whole_frames;
    updating_ = false;
    return canvas;
  }
  Canvas* BeginUpdate() override {
    if (whole_frames == 0) return nullptr;
    updating_ = true;
    canvas.calls.clear();
    return &canvas;
  }
  void EndFrame() override {
    if (updating_) updates.push_back(canvas.calls);
  }
  Size DisplaySize() const override { return {800, 600}; }
  void SetDisplaySize(Size) override {}
  bool SetPointerFile(const std::filesystem::path&) override { return true; }
  void UseSystemPointer() override {}
  void ShowPointer(bool) override {}

 private:
  VirtualClock& clock_;
  bool updating_ = false;
};

TEST(DirtyRegion, TheLoopRedrawsOnlyTheChangedPartAndNothingWhenNothingChanged) {
  Screens s;
  KeepingWindow window(s.clock);
  WindowLoop loop(s.ui, window);
  s.ui.SetEventSource(&loop);
  Form form(s.ui,
            {.name = "SpriteFrm", .size = {300, 300}, .controls = kSpriteScreen, .centred = false});
  form.SetPosition({100, 50});
  form["NameLbl"].SetText("Valorne");
  // Ten ticks; only the fourth changes what shows, the tenth closes.
  int ticks = 0;
  form.AddTimer("TickTimer", 100, true, [&] {
    ++ticks;
    if (ticks == 4) form["NameLbl"].SetText("Valorne!");
    if (ticks == 10) form.Close();
  });
  s.ui.ShowModal(form);

  EXPECT_EQ(ticks, 10);
  EXPECT_EQ(window.whole_frames, 2);  // the first, and the last as the screen closed
  ASSERT_EQ(window.updates.size(), 1u);
  const std::vector<std::string>& update = window.updates[0];
  // The label's part is cleared and drawn again; the board is not.
  ASSERT_FALSE(update.empty());
  EXPECT_EQ(update.front(), "fill 100,250 100x20 #000000");
  EXPECT_TRUE(std::any_of(update.begin(), update.end(), [](const std::string& call) {
    return call.starts_with("text 100,250 100x20") && call.ends_with("Valorne!");
  }));
  for (const std::string& call : update) EXPECT_EQ(call.find("110,60"), std::string::npos) << call;
}

}  // namespace
}  // namespace valorne
