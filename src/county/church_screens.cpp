#include "county/church_screens.h"

#include "county/religion_frm.h"
#include "county/science_frm.h"
#include "county/tournament_frm.h"

namespace valorne {

void RegisterChurchScreens(ScreenRegistry& registry) {
  registry.Register<ScienceFrm>("ScienceFrm");
  registry.Register<ReligionFrm>("ReligionFrm");
  registry.Register<TournamentFrm>("TournamentFrm");
}

}  // namespace valorne
