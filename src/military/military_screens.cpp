#include "military/military_screens.h"

#include "military/go_to_frm.h"
#include "military/results_frm.h"
#include "military/siege_frm.h"

namespace valorne {

void RegisterMilitaryScreens(ScreenRegistry& registry) {
  registry.Register<ResultsFrm>("ResultsFrm");
  registry.Register<SiegeFrm>("SiegeFrm");
  registry.Register("GoToFrm", [](Game& game, Ui& ui) -> std::unique_ptr<Form> {
    return std::make_unique<GoToFrm>(game, ui, true);
  });
}

}  // namespace valorne
