#include "level/level_commands.h"

#include "level/save_dialogs.h"
#include "state/record.h"

namespace valorne {

namespace {

std::string Lines(const MessageList& list) {
  std::string out = "[";
  for (int i = 0; i < list.count && i < 8; ++i) {
    const TextRef& t = list.lines[static_cast<std::size_t>(i)];
    if (i) out += ',';
    out += "\"" + std::to_string(t.category) + "/" + std::to_string(t.id) + "\"";
  }
  return out + "]";
}

std::string NameArgument(const ScriptArgs& args) {
  return std::string(args.Rest(0));
}

}  // namespace

std::string LiveStateJson(const Game& game) {
  std::string json = RecordToJson(game.state);
  json.pop_back();  // the closing brace; the live values follow
  const LiveState& l = game.live;
  json += ",\"Difficulty\":" + std::to_string(game.Difficulty);
  json += ",\"ArmyTotal\":" + std::to_string(l.ArmyTotal);
  json += ",\"MessageKind\":" + std::to_string(l.MessageKind);
  json += ",\"Helper\":\"" + std::to_string(l.Helper.category) + "/" + std::to_string(l.Helper.id) +
          "\"";
  json += ",\"NewsCount\":" + std::to_string(game.news.count);
  json += ",\"News\":" + Lines(game.news);
  json += ",\"ReportCount\":" + std::to_string(game.reports.count);
  json += ",\"Reports\":" + Lines(game.reports);
  json += ",\"PlagueShown\":" + std::string(l.PlagueShown ? "true" : "false");
  json += ",\"SoundOn\":" + std::string(game.SoundOn ? "true" : "false");
  // The remote places found by scouts or armies, and the films queued.
  json += ",\"DolmenDiscovered\":" + std::to_string(l.DolmenDiscovered);
  json += ",\"StatueDiscovered\":" + std::to_string(l.StatueDiscovered);
  json += ",\"ChapelDiscovered\":" + std::to_string(l.ChapelDiscovered);
  json += ",\"PendingMovies\":[";
  for (std::size_t k = 0; k < l.PendingMovies.size(); ++k) {
    json += (k ? "," : "") + std::to_string(l.PendingMovies[k]);
  }
  json += "]";
  // The battle under way or last fought, and the siege screen open.
  json += ",\"BattleTarget\":" + std::to_string(l.BattleTarget);
  json += ",\"BattleStatus\":" + std::to_string(l.BattleStatus);
  json += ",\"BattleOutcome\":" + std::to_string(l.BattleOutcome);
  json += ",\"OurDead\":" + std::to_string(l.OurDead);
  json += ",\"EnemyDead\":" + std::to_string(l.EnemyDead);
  json += ",\"SiegeMode\":" + std::to_string(l.SiegeMode);
  // Armies on the map.
  json += ",\"ArmyClickMode\":" + std::to_string(l.ArmyClickMode);
  json += ",\"ArmyWalking\":" + std::string(l.ArmyWalking ? "true" : "false");
  json += ",\"Waypoint34Find\":" + std::to_string(l.Waypoint34Find);
  return json + "}";
}

void RegisterLevelCommands(ScriptCommands& commands, Game& game) {
  commands.Register("dump", "dump", [&game](const ScriptArgs& args, std::ostream& out) {
    if (!args.empty()) return ScriptResult::Error("dump takes no arguments");
    out << LiveStateJson(game) << '\n';
    return ScriptResult::Ok();
  });
  commands.Register("save", "save NAME", [&game](const ScriptArgs& args, std::ostream&) {
    if (args.empty()) return ScriptResult::Error("save needs the name of the save");
    SaveDialogFields fields{NameArgument(args), ""};
    DialogResult result = SaveDialogOk(game, fields);
    if (!result.problem.empty()) return ScriptResult::Error(result.problem);
    return ScriptResult::Ok();
  });
  commands.Register("load", "load NAME", [&game](const ScriptArgs& args, std::ostream&) {
    if (args.empty()) return ScriptResult::Error("load needs the name of the save");
    LoadDialogFields fields{NameArgument(args), "", ""};
    DialogResult result = LoadDialogOk(game, fields);
    if (!result.problem.empty()) return ScriptResult::Error(result.problem);
    return ScriptResult::Ok();
  });
}

}  // namespace valorne
