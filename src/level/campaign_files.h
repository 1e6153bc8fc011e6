// The campaign's files as the menu program keeps them. The menu is the one
// writer of the display and sound record "\Optim.rx", the difficulty
// "\Options.rx" and the load request "\LGame.rx" a game starts with, and it
// makes the campaign's progress files "\levelinfo.rx" and "\camp.rx" when a
// new campaign folder lacks them. A file that is missing or damaged is
// written afresh with its default and named on the warnings stream, so that
// the level finds every file it reads in good order.
#pragma once

#include <ostream>
#include <string_view>

#include "level/settings_files.h"
#include "state/settings.h"

namespace valorne {

// What the menu shows and changes: the display and sound settings and the
// difficulty of the next new game.
struct MenuSettings {
  DisplaySettings display;
  Byte difficulty = 2;
  friend bool operator==(const MenuSettings&, const MenuSettings&) = default;
};

// How far the campaign has come: the highest level reached
// ("\levelinfo.rx") and the next level to be played ("\camp.rx").
struct CampaignProgress {
  Byte reached = 0;
  Byte next = 0;
  friend bool operator==(const CampaignProgress&, const CampaignProgress&) = default;
};

// Reads the settings; a file missing or damaged is replaced by the default
// (the display record of a new folder, normal difficulty). Lines on
// `warnings` begin with `program`.
MenuSettings ReadOrRepairMenuSettings(const std::filesystem::path& folder, std::ostream& warnings,
                                      std::string_view program);

// Reads the campaign's progress; a file missing or damaged is written with
// this level's number, where a new campaign of this county begins.
CampaignProgress ReadOrCreateCampaignProgress(const std::filesystem::path& folder,
                                              std::ostream& warnings, std::string_view program);

// A game about to start: the difficulty chosen and the load request, 1 when
// the player asked to continue a saved game (the level then opens its load
// dialog), 0 for a new game. The first failure is returned.
FileResult WriteGameStart(const std::filesystem::path& folder, int difficulty, bool load_saved);

}  // namespace valorne
