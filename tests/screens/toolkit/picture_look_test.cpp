// Animations drawn a frame at a time from a strip, pictures faded by their
// opacity, and screens that draw no page of their own.
#include <gtest/gtest.h>

#include <algorithm>

#include "screens/toolkit/look.h"
#include "screens/toolkit/recording_canvas.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Screens;

const ControlSpec kFilm[] = {
    {.name = "FilmImg", .kind = ControlKind::Image, .rect = {10, 20, 50, 50}, .picture = "fall"},
};

std::vector<std::string> PictureCalls(const RecordingCanvas& canvas) {
  std::vector<std::string> pictures;
  for (const std::string& call : canvas.calls) {
    if (call.rfind("picture ", 0) == 0) pictures.push_back(call);
  }
  return pictures;
}

TEST(PictureLook, StripFramesAreSquaresCountedRoundTheStrip) {
  struct Case {
    Size strip;
    std::optional<int> frame;
    std::string drawn;
  };
  const Case cases[] = {
      {{400, 100}, std::nullopt, "picture fall 10,20 50x50"},
      {{400, 100}, 0, "picture fall 10,20 50x50 from 0,0 100x100"},
      {{400, 100}, 3, "picture fall 10,20 50x50 from 300,0 100x100"},
      {{400, 100}, 4, "picture fall 10,20 50x50 from 0,0 100x100"},  // round again
      {{400, 100}, 9, "picture fall 10,20 50x50 from 100,0 100x100"},
      {{400, 100}, -1, "picture fall 10,20 50x50 from 300,0 100x100"},  // backwards
      {{100, 100}, 5, "picture fall 10,20 50x50 from 0,0 100x100"},     // a single frame
      {{60, 100}, 2, "picture fall 10,20 50x50"},  // not a strip: the whole picture
  };
  for (const Case& c : cases) {
    Screens s;
    Form form(s.ui, {.name = "FilmFrm", .size = {100, 100}, .controls = kFilm, .page = false});
    form["FilmImg"].SetStripFrame(c.frame);
    RecordingCanvas canvas;
    canvas.pictures["fall"] = c.strip;
    form.Draw(canvas);
    EXPECT_EQ(PictureCalls(canvas), std::vector<std::string>{c.drawn}) << c.drawn;
  }
}

TEST(PictureLook, OpacityFadesThePictureAndNoneHidesIt) {
  Screens s;
  Form form(s.ui, {.name = "FadeFrm", .size = {100, 100}, .controls = kFilm});
  Control& film = form["FilmImg"];
  RecordingCanvas canvas;
  canvas.pictures["fall"] = {100, 100};
  for (int opacity : {255, 128, 1, 0}) {
    film.SetOpacity(static_cast<std::uint8_t>(opacity));
    canvas.calls.clear();
    form.Draw(canvas);
    const std::vector<std::string> expected =
        opacity == 0 ? std::vector<std::string>{}
        : opacity == 255
            ? std::vector<std::string>{"picture fall 10,20 50x50"}
            : std::vector<std::string>{"picture fall 10,20 50x50 alpha " + std::to_string(opacity)};
    EXPECT_EQ(PictureCalls(canvas), expected) << opacity;
  }
}

TEST(PictureLook, AScreenWithoutAPageDrawsOnlyItsControls) {
  Screens s;
  for (bool page : {true, false}) {
    Form form(s.ui, {.name = "FadeFrm", .size = {100, 100}, .controls = kFilm, .page = page});
    RecordingCanvas canvas;
    form.Draw(canvas);
    // The parchment page is a fill of the whole form.
    const bool filled =
        std::find(canvas.calls.begin(), canvas.calls.end(),
                  "fill 0,0 100x100 " + look::kParchment.Hex()) != canvas.calls.end();
    EXPECT_EQ(filled, page);
    EXPECT_EQ(PictureCalls(canvas).size(), 1u);
  }
}

}  // namespace
}  // namespace valorne
