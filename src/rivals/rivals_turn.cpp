#include "rivals/rivals_turn.h"

namespace valorne {

// The rival counties' turn comes with the rival counties; until then they
// stand still and the market's offers stay as they are.
void CalcRivals(Game&) {}

}  // namespace valorne
