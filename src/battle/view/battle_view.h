// The battle window: the battle ground with the sides as formations of
// little figures, one row per kind of soldier, that thin out as the fight
// goes on, then a summary of the outcome. It only plays back what the fight
// decided, round by round, in a few seconds; Escape, Space or the button
// skips to the summary, which closes by its button, a key, or on its own
// after a while.
#pragma once

#include <string>
#include <string_view>

#include "battle/fight.h"
#include "platform/canvas.h"
#include "platform/geometry.h"

namespace valorne {

inline constexpr Size kBattleWindowSize{800, 600};

class BattleView {
 public:
  explicit BattleView(const FightReport& report);

  // The time since the window opened; moves the playback on.
  void SetTime(int elapsed_ms);
  void SkipToEnd();
  // A key by the platform's name ("Escape", "Space", "Return").
  void Key(std::string_view key);
  void Click(Point at);

  bool showing_summary() const { return summary_; }
  bool finished() const { return finished_; }
  // How long the fight plays before the summary shows.
  int PlayLengthMs() const;

  // The alive soldiers of a side and slot at the current moment of playback.
  double AliveNow(int side, int slot) const;
  // The figures a formation's row shows for a number of soldiers.
  int FiguresFor(double soldiers) const;

  void Draw(Canvas& canvas) const;

  Rect skip_button() const { return {640, 556, 140, 32}; }
  Rect ok_button() const { return {340, 414, 120, 34}; }

 private:
  int RoundNow() const;
  double Progress() const;  // 0..1 within the current round
  Rect FormationArea(int side) const;
  void DrawSide(Canvas& canvas, int side) const;
  void DrawSummary(Canvas& canvas) const;
  std::string OutcomeTitle() const;
  const BattleSide& Side(int side) const {
    return report_.input.sides[static_cast<std::size_t>(side)];
  }

  const FightReport& report_;
  int sides_;
  int elapsed_ms_ = 0;
  int summary_since_ms_ = 0;
  bool summary_ = false;
  bool finished_ = false;
  double soldiers_per_figure_ = 1;
};

// The picture strip of a side's figures (14 frames, one per battle slot).
std::string FigurePicture(int side);

}  // namespace valorne
