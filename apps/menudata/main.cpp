// The campaign's title menu, "menudata.rx": a new game at a difficulty, a
// saved game continued, the display and sound settings, the campaign's
// progress, and quit. Starting a game starts the level and ends the menu.
#include "level/campaign_files.h"
#include "sibling_program.h"
#include "title_frm.h"

int main(int argc, char** argv) {
  using namespace valorne;
  const SiblingProgram program{
      .name = kTitleProgram,
      .first_screen = "TitleFrm",
      .register_screens = [](ScreenRegistry& r) { r.Register<TitleFrm>("TitleFrm"); },
      .prepare =
          [](Game& game, std::ostream& warnings) {
            // A new campaign folder gets its files; damaged ones are repaired
            // before the player sees them.
            ReadOrRepairMenuSettings(game.AppPath, warnings, kTitleProgram);
            ReadOrCreateCampaignProgress(game.AppPath, warnings, kTitleProgram);
          },
  };
  return RunSibling(program, argc, argv);
}
