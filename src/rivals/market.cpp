// The market's offers of wood, stone and ore, drawn afresh at every end of
// turn; the trade orders buy from them on the next.
#include "rivals/rival_rules.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

void DrawMarketOffers(Game& game) {
  GameState& s = game.state;
  Random& rng = game.rng;
  auto offer = [&](int base) {
    rng.Randomize();
    return ToLong(Int(rng.Rnd() * 500 + base));
  };
  s.MarketWood = offer(6000);
  s.MarketStone = offer(4000);
  s.MarketOre = offer(2000);
}

}  // namespace valorne
