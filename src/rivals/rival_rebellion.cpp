// An unhappy rival county rises. The mob of one turn is put down on the
// next, at a price in gold and people; while it stands it burns village 2 on
// the border and lives off the county's treasury. An army of the player in
// the rival's land keeps the mob from gathering, though the people grow
// sadder still.
#include "military/village_actions.h"
#include "rivals/rival_rules.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

constexpr int kRivalLandWaypoint = 56;  // the player's army in the rival's land
constexpr int kBorderVillage = 2;

}  // namespace

void RivalRebellion(Game& game, const RivalProfile& p, RivalCounty& r) {
  Long& mob = game.live.RivalMobs[p.county];
  if (mob > 0) {
    AddTo(r.Gold, -3000);
    AddTo(r.People, -300);
    mob = 0;
  }
  if (r.Happiness < 20) {
    if (PlayerArmyOn(game.state, kRivalLandWaypoint)) {
      AddTo(r.Happiness, -5);
    } else if (mob == 0) {
      BurnVillage(game, kBorderVillage);
      game.rng.Randomize();
      AddTo(mob, Int(game.rng.Rnd() * 50 + 20));
    }
  }
  if (mob > 0) AddTo(r.Gold, -static_cast<double>(mob));
}

}  // namespace valorne
