#include "military/army_combine_frm.h"

#include <array>
#include <string>

#include "military/army_camp.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 560;
constexpr int kHeight = 360;
constexpr int kLeft = 40;
constexpr int kRowsTop = 104;
constexpr int kPairHeight = 48;
constexpr int kSealTop = 280;

constexpr int PairTop(int pair) {
  return kRowsTop + (pair - 1) * kPairHeight;
}

constexpr std::size_t kControlCount = 4 + 3 * 3 + 4;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 16, kWidth - 40, 36}, {}, "Combine armies");
  c[n++] = Rule("RuleLbl", 1, {100, 56, kWidth - 200, 2});
  c[n++] = Heading("HeadingLbl", 1, {kLeft + 40, 72, 300, kRowHeight}, "Armies on one waypoint");
  c[n++] =
      Heading("HeadingLbl", 2, {kWidth - 180, 72, 140, kRowHeight}, "Soldiers", TextAlign::Right);
  for (int pair = 1; pair <= 3; ++pair) {
    ControlSpec box{.name = "ArmyOption",
                    .kind = ControlKind::CheckBox,
                    .rect = {kLeft, PairTop(pair) + 8, 24, 24},
                    .index = pair,
                    .visible = false};
    c[n++] = box;
    ControlSpec name = TextLine("ArmyNameLbl", {kLeft + 40, PairTop(pair), 300, 40});
    name.index = pair;
    name.visible = false;
    c[n++] = name;
    ControlSpec total = FigureAt("RegrutedLbl", pair, {kWidth - 180, PairTop(pair), 140, 40});
    total.visible = false;
    c[n++] = total;
  }
  c[n++] =
      Text("NoneLbl", {kLeft, kRowsTop, kWidth - 2 * kLeft, 40},
           "No two armies stand on one waypoint.", {}, look::kInk, kRowFont, TextAlign::Centre);
  c[n++] = HintLine({kLeft, kSealTop - 34, kWidth - 2 * kLeft, 24});
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", (kWidth - kSealSize) / 2, kSealTop);
  c[n++] = SealWord("OkWordLbl", (kWidth - kSealSize) / 2, kSealTop, "Combine");
  if (n != kControlCount) throw "ArmyCombineFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

ArmyCombineFrm::ArmyCombineFrm(Game&, Ui& ui)
    : Form(ui, {.name = "ArmyCombineFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("OkAniBtn", FormEvent::Click, &ArmyCombineFrm::OkAniBtn_Click);
}

// Each pair on one waypoint: "Ist Valorne and The Lions", "1010 + 300".
void ArmyCombineFrm::Form_Load() {
  const Game& g = game();
  const GameState& s = g.state;
  const std::array<bool, 3> pairs = CombinablePairs(s);
  bool any = false;
  for (int pair = 1; pair <= 3; ++pair) {
    const bool shown = pairs[static_cast<std::size_t>(pair - 1)];
    any = any || shown;
    const auto [a, b] = kArmyPairs[static_cast<std::size_t>(pair - 1)];
    Control& name = At("ArmyNameLbl", pair);
    name.SetVisible(shown);
    At("ArmyOption", pair).SetVisible(shown);
    At("RegrutedLbl", pair).SetVisible(shown);
    if (!shown) continue;
    name.SetText(g.texts.Utf8({4, static_cast<std::int16_t>(111 + a)}) + " and " +
                 g.texts.Utf8({4, static_cast<std::int16_t>(111 + b)}));
    At("RegrutedLbl", pair)
        .SetText(std::to_string(s.ArmySizes[a]) + " + " + std::to_string(s.ArmySizes[b]));
  }
  (*this)["NoneLbl"].SetVisible(!any);
}

void ArmyCombineFrm::OkAniBtn_Click() {
  std::array<bool, 3> ticked{};
  for (int pair = 1; pair <= 3; ++pair) {
    const auto& box = dynamic_cast<const CheckBox&>(At("ArmyOption", pair));
    ticked[static_cast<std::size_t>(pair - 1)] = box.visible() && box.checked();
  }
  const TextRef refused = CombineArmies(game(), ticked);
  if (refused.category != 0) {
    ShowText((*this)["Helper"], refused.id, refused.category, game().texts);
    return;
  }
  game().PlaySound("EnvChanel01", "army01.wav");
  Close();
}

}  // namespace valorne
