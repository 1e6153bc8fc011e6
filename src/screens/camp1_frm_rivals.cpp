// The rival counties' armies on the campaign map: each camp at home while
// its army is raised, and the army that marches on our castle moving along
// its way as the turns of its march go by; and the flags of whoever holds
// the special places.
#include "screens/camp1_frm.h"
#include "screens/rival_camps.h"
#include "state/game.h"

namespace valorne {

void Camp1Frm::RedrawRivalCamps() {
  for (int camp = 1; camp <= 5; ++camp) {
    Control* marker = Find("EnemyCamp" + std::to_string(camp) + "Img");
    if (!marker) continue;
    const RivalCampMarker m = RivalCampMarkerOf(game().state, map(), camp);
    if (m.shown) {
      marker->SetPicture(m.picture);
      marker->Move(m.at.x, m.at.y);
    }
    marker->SetVisible(m.shown);
  }
  for (int site = 1; site <= 10; ++site) {
    Control* flag = Find("SiteFlagImg" + std::to_string(site));
    if (!flag) continue;
    const std::string_view picture = SiteFlagPicture(game().state.SitesHeld[site]);
    if (!picture.empty()) flag->SetPicture(picture);
    flag->SetVisible(!picture.empty());
  }
}

}  // namespace valorne
