#include "county/field_screens.h"

#include <memory>
#include <string>

#include "county/cattle_frm.h"
#include "county/crops_frm.h"
#include "county/people_frm.h"
#include "county/tax_frm.h"
#include "county/works_frm.h"

namespace valorne {

void RegisterFieldScreens(ScreenRegistry& registry) {
  registry.Register<CropsFrm>("CropsFrm");
  registry.Register<CattleFrm>("CattleFrm");
  for (Works works : {Works::Wood, Works::Stone, Works::Ore}) {
    registry.Register(std::string(InfoOf(works).form), [works](Game& game, Ui& ui) {
      return std::make_unique<WorksFrm>(game, ui, works);
    });
  }
  registry.Register<PeopleFrm>("PeopleFrm");
  registry.Register<TaxFrm>("TaxFrm");
}

}  // namespace valorne
