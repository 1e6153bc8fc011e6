// The fade screen `EndTurnFrm`: a picture laid over the whole display whose
// opacity rises and falls while the turn ends, or rises once before a
// battle. `FadePhase` says which:
//   1, the end of turn: the blend runs from 0 up to 255 and back down to 0,
//      redrawn at every step; then the pointer comes back, the screen closes
//      and the turn ends (EndTurnAfterFade: the end of turn, the message
//      screen, the victory check).
//   2, a battle: the blend runs from 0 up to 255; then the pointer comes back
//      and `BattleFadeTimer` (4000 ms, 100 ms with automatic battles) closes
//      the screen when it fires. The battle start runs the battle program.
// The pointer is hidden while the picture fades.
#pragma once

#include "screens/toolkit/form.h"
#include "state/settings.h"

namespace valorne {

inline constexpr double kFadeStep = 1.2;
inline constexpr double kFastFadeStep = 3.0;
// One step of the blend each tick of the fade timer.
inline constexpr int kFadeTickMs = 4;
inline constexpr int kBattleFadeMs = 4000;
inline constexpr int kAutoBattleFadeMs = 100;

// The step of the blend: the faster one when the menu program's light fades
// are chosen (`FadeSurfacesOff`).
double FadeStepFor(const DisplaySettings& display);

class EndTurnFrm : public Form {
 public:
  EndTurnFrm(Game& game, Ui& ui);

  // The blend value now, 0..255.
  double blend() const { return blend_; }

 private:
  void Form_Load();
  void Form_Activate();
  void FadeTick();
  void EndOfTurnFaded();
  void BattleFaded();

  int phase_ = 0;
  bool started_ = false;
  bool rising_ = true;
  double blend_ = 0;
  double step_ = kFadeStep;
};

}  // namespace valorne
