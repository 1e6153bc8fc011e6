#include "military/guard_missions.h"

namespace valorne {

// The guard's missions come with the guard screen; until then no scout or
// assassin is ever under way.
void ResolveScouts(Game&) {}
void ResolveAssassins(Game&) {}

}  // namespace valorne
