#include "military/guard_missions.h"

#include "military/guard.h"
#include "military/map_places.h"
#include "turn/messages.h"
#include "turn/movie_frm.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

// The films of the county's own missions (`PendingMovies` entry 0).
constexpr Byte kAssassinsStruck = 1;
constexpr Byte kAssassinsFailed = 2;
constexpr Byte kScoutsFound = 3;
constexpr Byte kScoutsEmpty = 4;
constexpr Byte kLordMurdered = 5;

// A strike succeeds from this draw on.
constexpr int kStrikeHits = 150;
// Scouts find their place from this draw on.
constexpr int kScoutsFind = 130;

// A draw of Int(100 x Rnd + 100): 100..199.
int DrawHundred(Game& game) {
  game.rng.Randomize();
  return static_cast<int>(Int(100 * game.rng.Rnd() + 100));
}

void QueueMissionMovie(Game& game, Byte movie) {
  game.live.PendingMovies[kMissionMovie] = movie;
}

// A rival lord dies by our assassins' hand: his county falls. The first
// county's fall opens the ore works in its land.
void MurderRivalLord(GameState& s, Byte county) {
  if (county == 1) s.Rival1Standing = kFalse;
  if (county == 2) s.Rival2Standing = kFalse;
}

}  // namespace

// The scouts' countdown runs out on one end of turn; the next one brings
// them back with their report.
void ResolveScouts(Game& game) {
  GameState& s = game.state;
  Byte& turns = s.ScoutTurns();
  if (turns >= 1 && turns <= 199) {
    --turns;
    return;
  }
  if (turns != 0) return;
  if (DrawHundred(game) < kScoutsFind) {
    PostReport(game, 1, 86);
    QueueMissionMovie(game, kScoutsEmpty);
  } else {
    PostReport(game, 1, 85);
    DiscoverRemoteSite(game, s.ScoutTarget());
    QueueMissionMovie(game, kScoutsFound);
  }
  turns = kIdle;
  s.ScoutTarget() = 0;
}

// The assassins strike on the end of turn their countdown reaches 0: the
// lord dies when his guard is weaker than our assassins; a strike at morale
// hits with a draw of 150 or more and costs the county 25 morale.
void ResolveAssassins(Game& game) {
  GameState& s = game.state;
  Byte& turns = s.AssassinTurns();
  if (turns >= 1 && turns <= 199) {
    --turns;
    if (turns != 0) return;
  }
  if (turns != 0) return;
  const Byte county = s.AssassinTarget();
  const bool known_county = county == 1 || county == 2;
  int r = 0;
  bool murder = false;
  if (s.AssassinKind() == kMurderLord) {
    if (known_county && s.Rivals[county].Guard < s.AssassinLevel()) {
      MurderRivalLord(s, county);
      murder = true;
      r = kStrikeHits;
    }
  } else if (s.AssassinKind() == kStrikeMorale) {
    r = DrawHundred(game);
    if (r >= kStrikeHits && known_county) AddTo(s.Rivals[county].Morale, -25);
  }
  if (r < kStrikeHits) {
    PostReport(game, 1, 84);
    QueueMissionMovie(game, kAssassinsFailed);
  } else {
    PostReport(game, 1, 83);
    QueueMissionMovie(game, murder ? kLordMurdered : kAssassinsStruck);
  }
  turns = kIdle;
  s.AssassinKind() = 0;
}

}  // namespace valorne
