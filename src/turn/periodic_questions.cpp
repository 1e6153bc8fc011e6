// The questions that come every so many turns. Each is asked, and answered,
// before the next is looked at, so one turn may bring several.
#include "turn/economy_steps.h"
#include "turn/messages.h"

namespace valorne {

namespace {

struct PeriodicQuestion {
  int every;        // asked when the turn is a multiple of this
  int kind;         // the question's kind, which decides its answer
  int text;         // text 1/id of the question
  bool above_easy;  // asked only above the easy difficulty
};

constexpr PeriodicQuestion kPeriodicQuestions[] = {
    {16, 1, 106, false}, {24, 4, 111, false}, {19, 5, 112, false}, {40, 6, 113, false},
    {20, 7, 114, false}, {13, 8, 115, false}, {35, 20, 123, true}, {47, 21, 124, true},
};

}  // namespace

void AskPeriodicQuestions(Game& game) {
  for (const PeriodicQuestion& q : kPeriodicQuestions) {
    if (game.state.Turn % q.every != 0) continue;
    if (q.above_easy && game.Difficulty <= 1) continue;
    Ask(game, q.kind, q.text);
  }
}

}  // namespace valorne
