// A level at its start with both rival counties standing, every draw fixed,
// and the screens replaced by a recorder.
#pragma once

#include "state/start_values.h"
#include "turn/recording_ui.h"

namespace valorne::testing {

struct RivalsGame {
  explicit RivalsGame(double rnd = 0.5) {
    game.rng = Random::Constant(rnd);
    SetStartValues(game);
    game.state.Rival2Standing = kTrue;
  }
  GameState& s() { return game.state; }
  RivalCounty& rival(int county) { return game.state.Rivals[county]; }

  Game game;
  RecordingUi ui{game};
};

}  // namespace valorne::testing
