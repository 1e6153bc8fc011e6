// The places of the campaign map where battles and sieges begin: the
// battlefield opens the battlefield panel while a war runs, the war's marker
// opens it with the war warning, and the siege markers before the rival
// castles open the siege screen.
#include <functional>

#include "military/go_to_frm.h"
#include "military/siege_frm.h"
#include "screens/camp1_frm.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

void Camp1Frm::BindBattlePlaces() {
  auto bind = [this](std::string_view place, std::function<void()> action) {
    if (!Find(place)) return;
    (*this)[place].AddHandler(FormEvent::Click, [this, action](const EventArgs&) {
      action();
      if (!closed()) RedrawAll();
    });
  };
  bind("BattlefieldImg1", [this] {
    const GameState& s = game().state;
    if (s.WarCountdown[1] != 0 || s.WarCountdown[2] != 0) OpenGoToPanel(game(), ui(), 1);
  });
  bind("SiegeImg", [this] { OpenGoToPanel(game(), ui(), 0); });
  bind("SiegeImg2", [this] {
    HideWaypointMarkers();
    OpenSiegeScreen(game(), ui(), 1);
  });
  bind("SiegeImg3", [this] {
    HideWaypointMarkers();
    OpenSiegeScreen(game(), ui(), 2);
  });
}

}  // namespace valorne
