#include "military/battle_run.h"

#include <iostream>

#include "level/game_files.h"
#include "military/battle_exchange.h"
#include "military/battle_forces.h"
#include "military/battle_results.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

constexpr int kBattleFade = 2;
constexpr int kBattleFailedText = 127;  // 1/127: the battle could not be fought
constexpr std::string_view kEnvChannels[] = {"EnvChanel01", "EnvChanel02", "EnvChanel03",
                                             "EnvChanel04"};

Form* Map(Ui& ui) {
  return ui.FindOpen("Camp1Frm");
}

// The map, its life, its tooltips and its sounds while a battle is fought,
// and back afterwards.
void QuietMap(Game& game, Ui& ui, bool quiet) {
  const AdvancedOptions& o = game.options;
  if (Form* map = Map(ui)) {
    map->SetEnabled(!quiet);
    if (IsTrue(o.MapAnimOption)) {
      if (Timer* life = map->FindTimer("AmbientTimer")) life->SetEnabled(!quiet);
    }
  }
  if (IsTrue(o.TooltipOption)) ui.timer("TooltipsTimer").SetEnabled(!quiet);
  if (!game.SoundOn) return;
  if (quiet) {
    ui.sound().Stop("MusicChanel01");
    ui.sound().Stop("FaunaChanel01");
  }
  for (std::string_view channel : kEnvChannels)
    ui.sound().SetVolume(channel, quiet ? kSilent : o.SoundVolume);
  if (!quiet) {
    ui.PlayChannel("MusicChanel01");
    ui.PlayChannel("FaunaChanel01");
  }
}

void StopBattle(Game& game, Ui& ui) {
  ui.timer("BattleTimer").SetEnabled(false);
  game.live.BattleRunning = false;
  game.live.BattleProcess = 0;
  QuietMap(game, ui, false);
}

bool ReadStatus(Game& game) {
  int status = 0;
  if (!ReadFightStatus(game.AppPath, status).ok()) return false;
  game.live.BattleStatus = static_cast<Byte>(status);
  return status == kFightStatusFinished;
}

}  // namespace

void LaunchBattle(Game& game, Ui& ui) {
  if (IsTrue(game.display.FadesOff)) {
    RunBattleProgram(game, ui);
    return;
  }
  game.live.FadePhase = kBattleFade;
  ui.Open("EndTurnFrm");
  game.live.FadePhase = 0;
}

void RunBattleProgram(Game& game, Ui& ui) {
  QuietMap(game, ui, true);
  game.live.BattleRunning = true;
  Timer& poll = ui.timer("BattleTimer");
  poll.SetHandler([&game, &ui] { PollBattle(game, ui); });
  poll.SetInterval(kBattlePollMs);
  poll.SetEnabled(true);
  const std::filesystem::path program = GamePath(game, kBattleProgram);
  game.live.BattleProcess =
      ui.services().StartWatchedProgram(program, {"--app-path", game.AppPath.string()});
  if (game.live.BattleProcess == 0) FailBattle(game, ui, program.string() + " cannot be started");
}

void PollBattle(Game& game, Ui& ui) {
  LiveState& live = game.live;
  if (!live.BattleRunning) return;
  // The battle fade still covers the map.
  if (live.FadePhase == kBattleFade && ui.FindOpen("EndTurnFrm")) return;
  if (!ReadStatus(game)) {
    // The battle program may have finished between the two looks.
    if (ui.services().ProgramRunning(live.BattleProcess) || ReadStatus(game)) return;
    FailBattle(game, ui, "the battle program ended without finishing the battle");
    return;
  }
  std::string problem;
  if (!CheckBattleOutput(game, problem)) {
    FailBattle(game, ui, problem);
    return;
  }
  WriteFightStatus(game.AppPath, kFightStatusIdle);
  StopBattle(game, ui);
  ui.Open("ResultsFrm");
}

void FailBattle(Game& game, Ui& ui, const std::string& reason) {
  std::cerr << "level9: the battle could not be fought: " << reason << "\n";
  DeleteBattleExchangeFiles(game.AppPath);
  WriteFightStatus(game.AppPath, kFightStatusIdle);
  game.live.BattleStatus = kFightStatusIdle;
  LoadEnemyForce(game.state, 0);
  StopBattle(game, ui);
  ui.ShowMessage(1, kBattleFailedText);
}

}  // namespace valorne
