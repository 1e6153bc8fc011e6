// The saves the game makes and loads by itself: the quick keys of the
// campaign map, "save and exit" of the game menu, and the replay of the level
// from its first save. Confirmations go to the message box of the screens:
// 1/126 a save was written, 1/130 a save was loaded, 1/131 the save belongs
// to another level. A save that cannot be written or read changes nothing
// and is reported in the result for the screen to show.
#pragma once

#include "level/saves.h"

namespace valorne {

// F6: saves "QuickSave" and confirms with 1/126. Ignored while an army walks.
FileResult QuickSave(Game& game);

// F7: loads "QuickSave", confirming with 1/130, or with 1/131 when the save
// belongs to another level (the game is then left as it was). Ignored while
// an army walks.
LoadResult QuickLoad(Game& game);

// The game menu's "save and exit": saves "Save and Exit" and ends the
// program. When the save cannot be written the program does not end, so that
// the player does not lose the game.
FileResult SaveAndExit(Game& game);

// The replay button of the objectives screen's defeat face: loads
// "FirstSave", reporting 1/131 when it belongs to another level. The
// objectives screen then closes, unless the result is Ignored (an army is
// walking) or Failed.
LoadResult ReplayFromFirstSave(Game& game);

}  // namespace valorne
