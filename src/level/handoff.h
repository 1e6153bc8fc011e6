// The level's ways out. The campaign is a chain of programs in one folder: a
// level that is done starts the next program and ends itself, and the
// programs pass the campaign's progress through small files.
#pragma once

#include <ostream>

#include "platform/services.h"
#include "state/game.h"

namespace valorne {

// The level is won (the next button of the objectives screen): no load
// request is left behind, the campaign moves on to the next level unless it
// has already gone further, and the splash and the next level's intro are
// started before the level ends. Problems with the campaign files are
// reported on `warnings`; the level ends all the same.
void CompleteLevel(Game& game, PlatformServices& services, std::ostream& warnings);
void CompleteLevel(Game& game, PlatformServices& services);

// Back to the campaign's menu: the splash, then the menu program, then the
// level ends.
void ExitToMenu(Game& game, PlatformServices& services);

// The level ends at once, starting nothing.
void ExitProgram(Game& game);

// The exit confirmation was answered OK: to the menu when the game menu asked
// to leave for the title (MessageKind 106), straight out otherwise (105).
void ConfirmExit(Game& game, PlatformServices& services);

inline constexpr Byte kExitToDesktopKind = 105;
inline constexpr Byte kExitToTitleKind = 106;

}  // namespace valorne
