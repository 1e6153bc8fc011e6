#include "level/save_actions.h"

#include "level/handoff.h"
#include "level/save_names.h"

namespace valorne {

FileResult QuickSave(Game& game) {
  if (game.live.ArmyWalking) return FileResult::Success();
  FileResult saved = SaveToFile(game, kQuickSave);
  if (saved.ok()) game.ui().ShowMessage(1, kSavedMessage);
  return saved;
}

LoadResult QuickLoad(Game& game) {
  if (game.live.ArmyWalking) return {LoadOutcome::Ignored, {}};
  LoadResult loaded = LoadFromFile(game, kQuickSave);
  if (loaded.outcome == LoadOutcome::Loaded) game.ui().ShowMessage(1, kLoadedMessage);
  if (loaded.outcome == LoadOutcome::OtherLevel) game.ui().ShowMessage(1, kOtherLevelMessage);
  return loaded;
}

FileResult SaveAndExit(Game& game) {
  FileResult saved = SaveToFile(game, kSaveAndExit);
  if (saved.ok()) ExitProgram(game);
  return saved;
}

LoadResult ReplayFromFirstSave(Game& game) {
  if (game.live.ArmyWalking) return {LoadOutcome::Ignored, {}};
  LoadResult loaded = LoadFromFile(game, kFirstSave);
  if (loaded.outcome == LoadOutcome::OtherLevel) game.ui().ShowMessage(1, kOtherLevelMessage);
  return loaded;
}

}  // namespace valorne
