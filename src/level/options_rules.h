// The rules of the options page of the game menu. The page holds one check
// box per option, four volume buttons and the confirm button; these functions
// change the live options and leave the drawing to the page (the volume bars,
// the map pictures that some options show or hide at once, the sound
// channels that take the new volumes).
#pragma once

#include <filesystem>
#include <string_view>

#include "level/game_files.h"
#include "state/game.h"

namespace valorne {

// A check box of the options page, named by its control ("MapAnimOption",
// "DeleteMsgOption", "DisableMsgSOption", "TrooperOption", "WalkOption",
// "TooltipOption", "AutoCalcOption", "MusicOption", "AutoSaveOption",
// "AnimatedSOption"), was checked or cleared. The music box also sets both
// volumes: full (0, step 10) when checked, silent (-10000, step 0) when
// cleared. False for a control that is no check box of the page.
bool SetOptionBox(AdvancedOptions& options, std::string_view control, bool checked);

// The volume buttons: a step of 350 hundredths of a decibel per press, the
// step kept within 0..10. True when the press changed something (the bar is
// redrawn and the channels take the new volume).
bool MusicUp(AdvancedOptions& options);
bool MusicDown(AdvancedOptions& options);
bool SoundsUp(AdvancedOptions& options);
bool SoundsDown(AdvancedOptions& options);

inline constexpr int kVolumePerStep = 350;
inline constexpr int kVolumeBarUnitsPerStep = 30;
inline constexpr int VolumeBarWidth(int step) {
  return step * kVolumeBarUnitsPerStep;
}

// The confirm button: with sound off (no sound device, or sound switched off
// in the display settings) both volumes are kept at full, then the options
// are written to "\Advanced.rx". The menu closes whatever the result; a
// failed write keeps the old file and the options stay in force for the run.
FileResult ConfirmOptions(Game& game);

}  // namespace valorne
