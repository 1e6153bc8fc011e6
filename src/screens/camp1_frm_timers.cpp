// The timers that run while the map is shown (the music's start, the
// reseeding of the random draws, the clock, the tooltip that follows the
// pointer) and the quick save and load keys.
#include <algorithm>

#include "county/fields.h"
#include "level/save_actions.h"
#include "screens/camp1_frm.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

// The tooltip: this far below the pointer, this high, and about this wide
// per letter of its text.
constexpr int kTooltipBelow = 30;
constexpr int kTooltipHeight = 30;
constexpr int kTooltipLetter = 7;
constexpr int kTooltipPadding = 12;

}  // namespace

void Camp1Frm::StartAmbientTimers() {
  TimerFrm& timers = ui().timers();
  auto start = [&](std::string_view name, int interval, bool enabled, std::function<void()> f) {
    timers.Bind(name, *this, std::move(f));
    Timer& t = timers(name);
    t.SetInterval(interval);
    t.SetEnabled(enabled);
  };
  start("MapTimer", kScrollTickMs, false, [this] { MapTimer_Timer(); });
  start("MusicTimer", kMusicDelayMs, true, [this] { MusicTimer_Timer(); });
  start("RandomizeTimer", kReseedMs, true, [this] { game().rng.Randomize(); });
  // The first tick comes soon and then sets the clock's own pace.
  start("TimeTimer", 1000, true, [this] {
    ui().timer("TimeTimer").SetInterval(kClockMs);
    ShowTime();
  });
  start("TooltipsTimer", kTooltipMs, true, [this] { TooltipsTimer_Timer(); });
}

void Camp1Frm::MusicTimer_Timer() {
  ui().timer("MusicTimer").SetEnabled(false);
  if (!game().SoundOn) return;
  ui().PlayChannel("MusicChanel01");
  ui().PlayChannel("FaunaChanel01");
}

// While the hint line holds a text, a framed copy of it follows the pointer.
void Camp1Frm::TooltipsTimer_Timer() {
  Control* frame = Find("TooltipFrame");
  Control* label = Find("TooltipLbl");
  Control* helper = Find("Helper");
  if (!frame || !label || !helper) return;
  const std::vector<GlyphCode> text = helper->Glyphs();
  // Only while the map is the screen in front.
  if (text.empty() || !IsTrue(game().options.TooltipOption) || ui().top() != this) {
    frame->SetVisible(false);
    return;
  }
  const int form_width = rect().width;
  const int form_height = rect().height;
  const Point pointer = ui().pointer_position();
  const int x = pointer.x - rect().left;
  const int y = pointer.y - rect().top;
  const int width =
      std::min(form_width, static_cast<int>(text.size()) * kTooltipLetter + 2 * kTooltipPadding);
  const int left = std::clamp(x, 0, form_width - width);
  int top = y + kTooltipBelow;
  if (top + kTooltipHeight > form_height) top = std::max(0, y - kTooltipBelow - kTooltipHeight);
  frame->SetRect({left, top, width, kTooltipHeight});
  label->SetRect({kTooltipPadding / 2, 7, width - kTooltipPadding, kTooltipHeight - 12});
  if (label->Glyphs() != text) {
    label->ClearText();
    for (GlyphCode g : text) label->AppendGlyph(g);
  }
  frame->SetVisible(true);
}

// F6 saves the game as "QuickSave", F7 loads it again; both wait while an
// army walks.
void Camp1Frm::QuickKey(const EventArgs& args) {
  if (args.key != "F6" && args.key != "F7") return;
  Game& g = game();
  if (g.live.ArmyWalking || ui().timer("ArmyTimer").Armed()) return;
  if (args.key == "F6") {
    const FileResult saved = QuickSave(g);
    if (!saved.ok()) ShowNote(saved.message);
    return;
  }
  const LoadResult loaded = QuickLoad(g);
  if (loaded.outcome == LoadOutcome::Failed) ShowNote(loaded.message);
  if (closed()) return;
  RestoreFieldPictures(g);
  RedrawAll();
}

}  // namespace valorne
