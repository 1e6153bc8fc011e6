#include "turn/end_turn_frm.h"

#include <algorithm>
#include <cmath>

#include "military/battle_run.h"
#include "screens/toolkit/ui.h"
#include "turn/end_turn.h"

namespace valorne {

namespace {

constexpr int kEndOfTurnFade = 1;
constexpr int kBattleFade = 2;

const ControlSpec kControls[] = {
    {.name = "FadeImg", .kind = ControlKind::Image, .picture = "faderes"},
};

}  // namespace

double FadeStepFor(const DisplaySettings& display) {
  return IsTrue(display.FadeSurfacesOff) ? kFastFadeStep : kFadeStep;
}

// The screen covers the whole display, whatever its size; it draws no page of
// its own, so the map shows through the picture while it is faint.
EndTurnFrm::EndTurnFrm(Game&, Ui& ui)
    : Form(ui, {.name = "EndTurnFrm",
                .size = ui.display_size(),
                .controls = kControls,
                .enlarges = false,
                .page = false}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  OnForm(FormEvent::Activate, [this] { Form_Activate(); });
  AddTimer("FadeTimer", kFadeTickMs, false, [this] { FadeTick(); });
}

void EndTurnFrm::Form_Load() {
  const Size display = ui().display_size();
  Resize(display);
  SetPosition({0, 0});
  Control& picture = (*this)["FadeImg"];
  picture.SetRect({0, 0, display.width, display.height});
  picture.SetOpacity(0);
  step_ = FadeStepFor(game().display);
}

void EndTurnFrm::Form_Activate() {
  // Only the first activation starts a fade: the screens the end of turn
  // opens activate it again when they close.
  if (started_) return;
  started_ = true;
  phase_ = game().live.FadePhase;
  if (phase_ != kEndOfTurnFade && phase_ != kBattleFade) {
    Close();
    return;
  }
  ui().pointer().ShowPointer(false);
  GetTimer("FadeTimer").SetEnabled(true);
}

void EndTurnFrm::FadeTick() {
  if (rising_) {
    blend_ = std::min(255.0, blend_ + step_);
    if (blend_ >= 255.0) rising_ = phase_ == kBattleFade;  // a battle's fade only rises
  } else {
    blend_ = std::max(0.0, blend_ - step_);
  }
  (*this)["FadeImg"].SetOpacity(static_cast<std::uint8_t>(std::lround(blend_)));
  if (phase_ == kBattleFade && blend_ >= 255.0) {
    BattleFaded();
  } else if (phase_ == kEndOfTurnFade && !rising_ && blend_ <= 0.0) {
    EndOfTurnFaded();
  }
}

void EndTurnFrm::EndOfTurnFaded() {
  GetTimer("FadeTimer").SetEnabled(false);
  (*this)["FadeImg"].SetVisible(false);
  ui().pointer().ShowPointer(true);
  Close();
  // The screen has closed; its loop ends once the turn is over.
  EndTurnAfterFade(game());
}

void EndTurnFrm::BattleFaded() {
  GetTimer("FadeTimer").SetEnabled(false);
  ui().pointer().ShowPointer(true);
  RunBattleProgram(game(), ui());
  Timer& wait = ui().timer("BattleFadeTimer");
  ui().timers().Bind("BattleFadeTimer", *this, [this, &wait] {
    wait.SetEnabled(false);
    Close();
  });
  wait.SetInterval(IsTrue(game().options.AutoCalcOption) ? kAutoBattleFadeMs : kBattleFadeMs);
  wait.SetEnabled(true);
}

}  // namespace valorne
