// A screen's still layer: whatever its controls do, a frame drawn over the
// kept layer is the frame drawn control by control.
#include <gtest/gtest.h>

#include <functional>

#include "platform/sdl/offscreen_canvas.h"
#include "screens/toolkit/form.h"
#include "screens/toolkit/toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Screens;

const ControlSpec kStillAndLively[] = {
    {.name = "Land",
     .kind = ControlKind::Picture,
     .rect = {0, 0, 120, 80},
     .back = Rgb(40, 90, 30)},
    {.name = "House",
     .kind = ControlKind::Image,
     .rect = {20, 20, 30, 30},
     .parent = "Land",
     .back = Rgb(150, 40, 40, 200)},
    {.name = "Army",
     .kind = ControlKind::Image,
     .rect = {35, 30, 30, 30},
     .parent = "Land",
     .back = Rgb(30, 30, 200, 120)},
    {.name = "Bar",
     .kind = ControlKind::Picture,
     .rect = {0, 40, 120, 20},
     .back = Rgb(200, 200, 90, 160)},
};

TEST(StillLayer, AFrameOverTheLayerIsTheFrameDrawnControlByControl) {
  struct Step {
    const char* what;
    std::function<void(Form&)> act;
  };
  const Step steps[] = {
      {"at rest", [](Form&) {}},
      {"the army moves",
       [](Form& f) {
         f["Army"].SetRect({50, 10, 30, 30});
       }},
      {"the house moves",
       [](Form& f) {
         f["House"].SetRect({5, 5, 30, 30});
       }},
      {"the house is hidden", [](Form& f) { f["House"].SetVisible(false); }},
      {"the house is shown again", [](Form& f) { f["House"].SetVisible(true); }},
      {"the bar goes below the land", [](Form& f) { f["Bar"].SendToBack(); }},
      {"the army goes below the house", [](Form& f) { f["Army"].SendToBack(); }},
      {"the land scrolls",
       [](Form& f) {
         f["Land"].SetRect({-10, 5, 120, 80});
       }},
  };
  Screens s;
  Form form(s.ui, {.name = "LandFrm", .size = {120, 80}, .controls = kStillAndLively});
  form.KeepStillUntil(form["Army"]);
  OffscreenCanvas kept({120, 80}, [](const std::string&) {});
  ASSERT_TRUE(kept.ok()) << kept.error();
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act(form);
    kept.canvas().Clear(kBlack);
    form.Draw(kept.canvas());
    OffscreenCanvas whole({120, 80}, [](const std::string&) {});
    whole.canvas().KeepLayers(false);
    form.Draw(whole.canvas());
    EXPECT_EQ(kept.Pixels(), whole.Pixels());
  }
}

}  // namespace
}  // namespace valorne
