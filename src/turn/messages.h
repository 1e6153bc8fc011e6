// The game's two ways of telling the player what happened: notices in the two
// message lists (news and reports), and questions that wait for an answer.
#pragma once

#include "state/game.h"

namespace valorne {

// Adds a notice to the news list (the first list) or the reports list. A full
// list (eight lines) drops the notice without a sound or a hint.
void PostNews(Game& game, int category, int id);
void PostReport(Game& game, int category, int id);

// Empties both lists.
void ClearMessages(Game& game);

// Asks question `kind` with text 1/`id`, waits for the answer and applies the
// kind's effect. Returns true when the player answered OK.
bool Ask(Game& game, int kind, int id);

// The effect of answering question `kind` (OK when `ok`), without asking.
void ApplyAnswer(Game& game, int kind, bool ok);

}  // namespace valorne
