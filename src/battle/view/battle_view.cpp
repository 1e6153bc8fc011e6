#include "battle/view/battle_view.h"

#include <algorithm>
#include <cmath>

#include "battle/unit_figures.h"
#include "screens/toolkit/look.h"

namespace valorne {

namespace {

// The formations stand still a moment before the first volley; each round
// then takes its share of about four seconds.
constexpr int kIntroMs = 800;
constexpr int kPlayMs = 4000;
constexpr int kRoundMinMs = 300;
constexpr int kRoundMaxMs = 700;
// The summary closes on its own when nobody answers it.
constexpr int kSummaryMs = 10000;
constexpr int kMostFiguresInARow = 14;
constexpr Size kFigureFrame{20, 28};

constexpr Rect kHeader{0, 0, 800, 64};
constexpr Rect kFooter{0, 548, 800, 52};

Colour SideColour(std::uint32_t bgr) {
  return Rgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
             static_cast<int>((bgr >> 16) & 0xFF));
}

std::string SideTitle(const BattleSide& side, int index) {
  return side.name.empty() ? "Side " + std::to_string(index + 1) : side.name;
}

long SentTotal(const BattleSide& side) {
  long sum = 0;
  for (Integer n : side.troops) sum += std::max<Integer>(n, 0);
  return sum;
}

std::string GroundTitle(const BattleMap& map) {
  if (map.ground == "stronghold") return "Battle at the stronghold";
  if (map.ground == "field") return "Battle in the field";
  return "Battle at the " + map.ground;
}

}  // namespace

std::string FigurePicture(int side) {
  return "BattleFigureRes" + std::to_string(std::clamp(side, 0, 3) + 1);
}

BattleView::BattleView(const FightReport& report)
    : report_(report), sides_(static_cast<int>(report.output.sides.size())) {
  double most = 0;
  for (int s = 0; s < sides_; ++s) {
    for (double n : report.rounds.front().alive[s]) most = std::max(most, n);
  }
  soldiers_per_figure_ = std::max(1.0, std::ceil(most / kMostFiguresInARow));
}

int BattleView::PlayLengthMs() const {
  const int rounds = static_cast<int>(report_.rounds.size()) - 1;
  if (rounds <= 0) return kIntroMs;
  return kIntroMs + rounds * std::clamp(kPlayMs / rounds, kRoundMinMs, kRoundMaxMs);
}

void BattleView::SetTime(int elapsed_ms) {
  elapsed_ms_ = elapsed_ms;
  if (!summary_ && elapsed_ms_ >= PlayLengthMs()) {
    summary_ = true;
    summary_since_ms_ = elapsed_ms_;
  }
  if (summary_ && elapsed_ms_ - summary_since_ms_ >= kSummaryMs) finished_ = true;
}

void BattleView::SkipToEnd() {
  if (summary_) return;
  summary_ = true;
  summary_since_ms_ = elapsed_ms_;
}

void BattleView::Key(std::string_view key) {
  if (key != "Escape" && key != "Space" && key != "Return") return;
  if (summary_) {
    finished_ = true;
  } else {
    SkipToEnd();
  }
}

void BattleView::Click(Point at) {
  if (!summary_ && skip_button().Contains(at))
    SkipToEnd();
  else if (summary_ && ok_button().Contains(at))
    finished_ = true;
}

int BattleView::RoundNow() const {
  const int last = static_cast<int>(report_.rounds.size()) - 1;
  if (summary_) return last;
  const int rounds = std::max(1, last);
  const int round_ms = std::clamp(kPlayMs / rounds, kRoundMinMs, kRoundMaxMs);
  return std::clamp((elapsed_ms_ - kIntroMs) / round_ms, 0, last);
}

double BattleView::Progress() const {
  const int last = static_cast<int>(report_.rounds.size()) - 1;
  if (summary_ || elapsed_ms_ < kIntroMs || last <= 0) return 0;
  const int round_ms = std::clamp(kPlayMs / last, kRoundMinMs, kRoundMaxMs);
  return static_cast<double>((elapsed_ms_ - kIntroMs) % round_ms) / round_ms;
}

double BattleView::AliveNow(int side, int slot) const {
  const int round = RoundNow();
  const int next = std::min(round + 1, static_cast<int>(report_.rounds.size()) - 1);
  const double from = report_.rounds[round].alive[side][slot];
  const double to = report_.rounds[next].alive[side][slot];
  if (summary_) {
    return report_.output.sides[side].survivors[slot];
  }
  return from + (to - from) * Progress();
}

int BattleView::FiguresFor(double soldiers) const {
  if (soldiers < 0.5) return 0;
  return std::clamp(static_cast<int>(std::ceil(soldiers / soldiers_per_figure_)), 1,
                    kMostFiguresInARow);
}

// The player's team forms up on the left, everybody else on the right, where
// the castle of a castle battle stands; defending the own castle, the
// player's team stands on the right. Each half is shared by the sides
// standing in it.
Rect BattleView::FormationArea(int side) const {
  std::vector<int> left, right;
  for (int s = 0; s < sides_; ++s) {
    (Side(s).team == Side(0).team ? left : right).push_back(s);
  }
  const std::vector<int>& half =
      std::find(left.begin(), left.end(), side) != left.end() ? left : right;
  const int place = static_cast<int>(std::find(half.begin(), half.end(), side) - half.begin());
  const int count = std::max<int>(1, static_cast<int>(half.size()));
  const int top = kHeader.height + 16, height = kFooter.top - top - 8;
  const bool ours_on_left = report_.input.battle_kind != kCastleDefence;
  const int x = (&half == &left) == ours_on_left ? 16 : 408;
  return {x, top + place * height / count, 376, height / count - 6};
}

void BattleView::DrawSide(Canvas& canvas, int side) const {
  const Rect area = FormationArea(side);
  const bool on_left = area.left < 400;
  const SideStatus status = report_.rounds[static_cast<std::size_t>(RoundNow())].status[side];
  const Colour colour = SideColour(Side(side).colour);
  std::vector<int> slots;
  for (int k = 0; k < kBattleSlotsUsed; ++k) {
    if (report_.rounds.front().alive[side][k] > 0) slots.push_back(k);
  }
  canvas.Blend(area, Rgb(20, 14, 6), 70);
  canvas.Frame(area, colour, 2);
  if (slots.empty()) {
    canvas.Text(
        area, "nobody came",
        {.colour = look::kGoldLetters, .size = 14, .align = TextAlign::Centre, .middle = true});
    return;
  }
  const int row_h = std::min(32, (area.height - 8) / static_cast<int>(slots.size()));
  const int fig_h = std::max(8, row_h - 4);
  const int fig_w = fig_h * kFigureFrame.width / kFigureFrame.height;
  const std::uint8_t alpha = status == SideStatus::Fighting ? 255 : 110;
  for (std::size_t r = 0; r < slots.size(); ++r) {
    const int slot = slots[r];
    const double alive = AliveNow(side, slot);
    const int y = area.top + 4 + static_cast<int>(r) * row_h;
    const Rect label = on_left ? Rect{area.left + 6, y, 116, row_h}
                               : Rect{area.left + area.width - 122, y, 116, row_h};
    const std::string text =
        std::string(FiguresOfSlot(slot).name) + " " + std::to_string(std::lround(alive));
    canvas.Text(label, text,
                {.colour = look::kGoldLetters,
                 .size = std::min(13, row_h - 2),
                 .align = on_left ? TextAlign::Left : TextAlign::Right,
                 .wrap = false,
                 .middle = true});
    const int figures = FiguresFor(alive);
    for (int f = 0; f < figures; ++f) {
      const int x =
          on_left ? area.left + 128 + f * fig_w : area.left + area.width - 128 - (f + 1) * fig_w;
      PictureStyle style;
      style.source = Rect{slot * kFigureFrame.width, on_left ? 0 : kFigureFrame.height,
                          kFigureFrame.width, kFigureFrame.height};
      style.alpha = alpha;
      canvas.Picture(FigurePicture(side), {x, y + (row_h - fig_h) / 2, fig_w, fig_h}, style);
    }
  }
  if (status != SideStatus::Fighting) {
    canvas.Text(area, status == SideStatus::Routed ? "fled the field" : "fallen",
                {.colour = Rgb(255, 230, 200),
                 .size = 20,
                 .align = TextAlign::Centre,
                 .middle = true,
                 .bold = true});
  }
}

std::string BattleView::OutcomeTitle() const {
  switch (report_.output.outcome) {
    case kOutcomeDefeat:
      return "Defeat";
    case kOutcomeVictoryWithPlunder:
      return "Victory";
    default:
      return "A narrow victory";
  }
}

void BattleView::DrawSummary(Canvas& canvas) const {
  const Rect page{200, 140, 400, 330};
  canvas.Blend({0, 0, 800, 600}, kBlack, 90);
  look::WoodFramedPage(canvas, page, 8);
  canvas.Text({page.left, page.top + 18, page.width, 36}, OutcomeTitle(),
              {.colour = look::kInk, .size = 28, .align = TextAlign::Centre, .bold = true});
  const BattleOutput& out = report_.output;
  std::string lines = "Our losses: " + std::to_string(out.our_dead) +
                      "\nEnemy losses: " + std::to_string(out.enemy_dead) + "\n";
  for (int s = 0; s < sides_; ++s) {
    long left = 0;
    for (int k = 0; k < kBattleSlotsUsed; ++k)
      left += std::max<Integer>(out.sides[s].survivors[k], 0);
    const SideStatus status = report_.rounds.back().status[s];
    lines += "\n" + SideTitle(Side(s), s) + ": " + std::to_string(left) + " of " +
             std::to_string(SentTotal(Side(s))) +
             (status == SideStatus::Routed   ? ", fled"
              : status == SideStatus::Fallen ? ", fallen"
                                             : "");
  }
  if (out.outcome == kOutcomeVictoryWithPlunder) lines += "\n\nThe enemy's baggage is ours.";
  canvas.Text({page.left + 30, page.top + 70, page.width - 60, 240}, lines,
              {.colour = look::kInk, .size = 15, .align = TextAlign::Centre});
  look::WoodButton(canvas, ok_button(), false, false);
  canvas.Text(ok_button(), "OK",
              {.colour = look::kGoldLetters,
               .size = 16,
               .align = TextAlign::Centre,
               .middle = true,
               .bold = true});
}

void BattleView::Draw(Canvas& canvas) const {
  canvas.Fill({0, 0, 800, 600}, Rgb(70, 90, 50));
  canvas.Picture(GroundPicture(report_.map), {0, 0, 800, 600});
  canvas.Blend(kHeader, look::kWoodDark, 220);
  canvas.Text({0, 4, 800, 24}, GroundTitle(report_.map),
              {.colour = look::kGoldLetters, .size = 18, .align = TextAlign::Centre, .bold = true});
  const int width = 800 / std::max(1, sides_);
  for (int s = 0; s < sides_; ++s) {
    long alive = 0;
    for (int k = 0; k < kBattleSlotsUsed; ++k) alive += std::lround(AliveNow(s, k));
    const Rect cell{s * width + 8, 32, width - 16, 26};
    const Colour colour = SideColour(Side(s).colour);
    canvas.Fill({cell.left, cell.top + 6, 14, 14}, colour);
    canvas.Text({cell.left + 20, cell.top, cell.width - 20, cell.height},
                SideTitle(Side(s), s) + " " + std::to_string(alive) + "/" +
                    std::to_string(SentTotal(Side(s))),
                {.colour = look::kGoldLetters, .size = 13, .wrap = false, .middle = true});
  }
  for (int s = 0; s < sides_; ++s) DrawSide(canvas, s);
  canvas.Blend(kFooter, look::kWoodDark, 220);
  const int last = static_cast<int>(report_.rounds.size()) - 1;
  std::string progress = elapsed_ms_ < kIntroMs && !summary_
                             ? "The armies form up"
                             : "Round " +
                                   std::to_string(std::max(1, std::min(RoundNow() + 1, last))) +
                                   " of " + std::to_string(std::max(1, last));
  canvas.Text({16, kFooter.top, 260, kFooter.height}, progress,
              {.colour = look::kGoldLetters, .size = 15, .wrap = false, .middle = true});
  if (report_.map.castle_stage > 0 && report_.rounds.front().walls > 0) {
    const double walls = report_.rounds[static_cast<std::size_t>(RoundNow())].walls;
    const Rect bar{300, kFooter.top + 18, 200, 16};
    canvas.Fill(bar, look::kWood);
    canvas.Fill({bar.left, bar.top, static_cast<int>(bar.width * walls), bar.height},
                Rgb(170, 164, 150));
    canvas.Frame(bar, look::kGoldLetters);
    canvas.Text(
        {bar.left, kFooter.top, bar.width, 18}, "Walls standing",
        {.colour = look::kGoldLetters, .size = 12, .align = TextAlign::Centre, .wrap = false});
  }
  if (!summary_) {
    look::WoodButton(canvas, skip_button(), false, false);
    canvas.Text(
        skip_button(), "Skip to the end",
        {.colour = look::kGoldLetters, .size = 14, .align = TextAlign::Centre, .middle = true});
  } else {
    DrawSummary(canvas);
  }
}

}  // namespace valorne
