#include "military/village_actions.h"

namespace valorne {

// The villages' own actions come with the map's villages; until then a rising
// mob leaves the village standing.
void BurnVillage(Game&, int) {}

}  // namespace valorne
