// A seeded random player for long soaks of the level: it clicks the visible,
// enabled controls of the top screen, holds and releases buttons, types
// hostile text into text boxes, presses keys, saves and loads, and ends
// turns. After every end of turn it checks that the values the end of turn
// keeps in range are in range, that the county saved and loaded again is
// unchanged, and that the program is alive.
//
// The whole run is one level process, so that its memory can be watched
// over thousands of turns: the player never takes a way out of the level
// (the exit and save-and-exit entries, the menu and next buttons of the
// objectives page), and a lost level goes on as a player's would, through
// the replay button of the defeat page. A won level, whose page offers
// only the way on, ends the program; it is then started again and the
// restart counted, as it is should the program end in any other way.
//
// The level's resident memory (VmRSS, VmHWM) is sampled at the start, every
// few ends of turn and at the end, and printed; memory that grows after the
// warm-up by more than an allowance is a fault. The level plays with its
// sounds on unless asked otherwise ("--sound off").
//
//   soak LEVEL9 GAME_FOLDER [--seed N] [--actions N] [--turns N]
//        [--sample-every TURNS] [--warmup TURNS] [--rss-allowance-kb KB]
//        [--sound on|off]
//
// Exits 0 when the actions and turns were played with no fault, 1 on a
// fault (named on standard error with the last commands), 2 on bad usage.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "soak/level_process.h"
#include "soak/memory_curve.h"
#include "support/json.h"

namespace valorne::soak {
namespace {

namespace fs = std::filesystem;
using testing::JsonValue;
using testing::ParseJson;

struct Options {
  fs::path level9, game;
  unsigned long seed = 1;
  long actions = 1000, turns = 100;
  long sample_every = 0;         // ends of turn between memory samples; 0: a twentieth of the run
  long warmup = -1;              // ends of turn before memory is judged; -1: a fifth of the run
  long rss_allowance_kb = 1024;  // growth after the warm-up that is not a fault
  // The level's sounds ("Optim.rx"); on, as a player has them.
  bool sound = true;
};

// The controls that end the level program: the game menu's save-and-exit,
// the exit question's yes, and the objectives page's next (a won level) and
// menu (a lost one) buttons with their captions.
constexpr std::string_view kWaysOut[] = {
    "MenuFrm.SaveExitLbl", "MainScreenExit.OkAniBtn", "TipsFrm.NextLbl",
    "TipsFrm.ContinueLbl", "TipsFrm.Image4",          "TipsFrm.MenuLbl",
};
bool IsWayOut(const std::string& target) {
  return std::find(std::begin(kWaysOut), std::end(kWaysOut), target) != std::end(kWaysOut);
}
// The lost level's replay button and its caption.
constexpr long kMostActionsBetweenTurns = 5000;
bool IsReplay(const std::string& target) {
  return target == "TipsFrm.Image3" || target == "TipsFrm.ReplayLbl";
}

// What the end of turn keeps in range: the lord's four virtues, happiness
// and health 0..100, morale -100..100, and the stores, people and gold not
// below zero.
struct Range {
  const char* field;
  double low, high;
};
constexpr Range kClamped[] = {
    {"LordLeadership", 0, 100}, {"LordNobility", 0, 100}, {"LordDiplomacy", 0, 100},
    {"LordReligion", 0, 100},   {"Morale", -100, 100},    {"Happiness", 0, 100},
    {"Health", 0, 100},         {"WoodStock", 0, 1e300},  {"StoneStock", 0, 1e300},
    {"OreStock", 0, 1e300},     {"Population", 0, 1e300}, {"GrainStock", 0, 1e300},
    {"MeatStock", 0, 1e300},    {"Gold", 0, 1e300},
};

// Texts a careless or hostile player types.
std::string HostileText(std::mt19937& random) {
  const std::vector<std::string> parts = {"..",   "../..",    "/",    "\\",
                                          "a/b",  "C:\\x",    "\t",   "\x01\x02\x1f\x7f",
                                          "é",    "Ölmühle",  "城",   "\xF0\x9F\x8F\xB0",
                                          "\xC3", "\xFF\xFE", "%s%n", "QuickSave",
                                          "   ",  "name",     ".s9_", "*?<>|\""};
  std::string text;
  const int count = std::uniform_int_distribution<int>(1, 6)(random);
  for (int i = 0; i < count; ++i) {
    text += parts[std::uniform_int_distribution<std::size_t>(0, parts.size() - 1)(random)];
  }
  if (random() % 8 == 0) text += std::string(random() % 4000 + 200, 'W');
  // A script line loses the blanks at its ends: blanks are typed between
  // letters.
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  if (blank(text.front())) text.insert(0, "a");
  if (blank(text.back())) text += "z";
  return text;
}

class Soak {
 public:
  explicit Soak(Options options) : o_(std::move(options)), random_(o_.seed) {
    if (o_.sample_every <= 0) o_.sample_every = std::max(1L, o_.turns / 20);
    if (o_.warmup < 0) o_.warmup = o_.turns / 5;
  }

  int Run() {
    const auto began = std::chrono::steady_clock::now();
    Start();
    while (actions_ < o_.actions || turns_ < o_.turns) {
      if (!Step()) return Fault();
    }
    SampleMemory();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::cout << "soak: seed " << o_.seed << ", " << actions_ << " actions, " << turns_
              << " ends of turn, " << saves_checked_ << " saves reloaded, " << loads_ << " loads, "
              << replays_ << " lost levels replayed, " << won_ << " won, " << restarts_
              << " restarts, " << static_cast<long>(seconds) << " s\n";
    return JudgeMemory() ? 0 : 1;
  }

 private:
  void Start() {
    level_ = std::make_unique<LevelProcess>(o_.level9, o_.game, random_());
    curves_.emplace_back();
    Send("click TipsFrm.Image1");
    SampleMemory();
  }

  void SampleMemory() {
    if (!level_->Ask("forms")) return;  // the objectives page has closed: a settled program
    curves_.back().Add({turns_, actions_, level_->ResidentKb(), level_->PeakResidentKb()});
  }

  // Prints the memory curve of each level process and judges it.
  bool JudgeMemory() {
    bool flat = true;
    for (std::size_t i = 0; i < curves_.size(); ++i) {
      std::cout << "resident memory of level process " << i + 1 << " of " << curves_.size()
                << ":\n";
      curves_[i].Print(std::cout);
      const std::string growth = curves_[i].Growth(o_.warmup, o_.rss_allowance_kb);
      if (!growth.empty()) {
        std::cerr << "soak: seed " << o_.seed << ", level process " << i + 1 << ": " << growth
                  << "\n";
        flat = false;
      }
    }
    return flat;
  }

  void Send(const std::string& line) {
    history_.push_back(line.substr(0, 200));
    if (history_.size() > 40) history_.pop_front();
    level_->Send(line);
  }
  std::optional<JsonValue> AskJson(const std::string& line) {
    history_.push_back(line);
    if (history_.size() > 40) history_.pop_front();
    auto answer = level_->Ask(line);
    if (!answer) return std::nullopt;
    return ParseJson(*answer);
  }

  // One action; false on a fault.
  bool Step() {
    auto top = AskJson("show");
    if (!top) return Ended();
    const std::string form = (*top).at("name").get<std::string>();
    if (form == "Camp1Frm" && wants_turn_end_) return EndTurn();
    // A screen the player cannot leave, or a map never reached again.
    if (turns_ < o_.turns && actions_ - actions_at_last_turn_ > kMostActionsBetweenTurns) {
      problem_ = "no end of turn in " + std::to_string(kMostActionsBetweenTurns) +
                 " actions; the top screen is " + form;
      return false;
    }
    ++actions_;
    if (actions_ % 10 == 0 && turns_ < o_.turns) wants_turn_end_ = true;
    const int choice = std::uniform_int_distribution<int>(0, 99)(random_);
    std::vector<const JsonValue*> usable, boxes;
    std::string way_out;
    for (const JsonValue& c : (*top).at("controls")) {
      if (!c.at("visible").get<bool>() || !c.at("enabled").get<bool>()) continue;
      if (IsWayOut(form + "." + c.at("name").get<std::string>())) {
        way_out = form + "." + c.at("name").get<std::string>();
        continue;
      }
      usable.push_back(&c);
      const std::string& kind = c.at("kind").get<std::string>();
      if (kind == "textbox") boxes.push_back(&c);
    }
    auto pick = [&](const std::vector<const JsonValue*>& from) {
      return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
    };
    const auto aim = [&](const JsonValue* c) {
      return form + "." + (*c).at("name").get<std::string>();
    };
    if (usable.empty() && !way_out.empty()) {
      // Nothing but a way out: the level is won, and the player goes on to
      // the next program. The level is started again.
      ++won_;
      Send("click " + way_out);
      return true;
    }
    if (choice < 8 && !boxes.empty()) {
      Send("type " + aim(pick(boxes)) + " " + HostileText(random_));
    } else if (choice < 16) {
      const char* keys[] = {"F6",   "F7",     "Left",   "Up", "Right",
                            "Down", "Return", "Escape", "A",  "S"};
      std::string key = keys[random_() % std::size(keys)];
      if (form == "MainScreenExit" && key == "Return") key = "Escape";  // Return says yes
      if (form == "Camp1Frm" && key == "F7") ++loads_;
      Send("key " + key + " down");
      Send("key " + key + " up");
    } else if (choice < 24 && !usable.empty()) {
      const std::string target = aim(pick(usable));
      Send("down " + target);
      Send("advance " + std::to_string(random_() % 1500));
      // The button is released only where it was pressed: while it was held
      // the screen may have closed (a fade that ended, a timer's screen).
      auto now = AskJson("show");
      if (!now) return Ended();
      if ((*now).at("name").get<std::string>() == form) Send("up " + target);
    } else if (choice < 30) {
      Send("advance " + std::to_string(random_() % 3000));
    } else if (choice < 34 && form == "Camp1Frm") {
      // The save and load dialogs wait while an army walks.
      auto now = AskJson("dump");
      if (!now) return Ended();
      if ((*now).at("ArmyWalking").get<bool>()) {
        Send("advance 1000");
        return true;
      }
      // Only saves that are there are loaded (the player may have deleted
      // one in the load dialog): loading a name that is not there is a
      // script's mistake, not the player's.
      const std::string name = "Soak" + std::to_string(random_() % 3);
      const bool save = random_() % 2 || !fs::exists(o_.game / "Save Game" / (name + ".s9_"));
      if (!save) ++loads_;
      Send((save ? "save " : "load ") + name);
    } else if (!usable.empty()) {
      const JsonValue* c = pick(usable);
      if ((*c).at("kind").get<std::string>() == "listbox" && (*c).contains("items") &&
          !(*c).at("items").empty()) {
        Send("select " + aim(c) + " " + std::to_string(random_() % (*c).at("items").size()));
      } else {
        if (IsReplay(aim(c))) ++replays_;
        Send("click " + aim(c) + (random_() % 6 == 0 ? " right" : ""));
      }
    }
    return true;
  }

  // Ends the turn from the map, plays the end of turn's screens at random
  // until the map is on top again, then checks the county.
  bool EndTurn() {
    wants_turn_end_ = false;
    auto before = AskJson("dump");
    if (!before) return Ended();
    Send("click Camp1Frm.EndTurnBtn");
    for (int guard = 0; guard < 400; ++guard) {
      auto top = AskJson("show");
      if (!top) return Ended();
      if ((*top).at("name").get<std::string>() == "Camp1Frm") break;
      std::vector<std::string> buttons;
      for (const JsonValue& c : (*top).at("controls")) {
        const std::string kind = c.at("kind").get<std::string>();
        if (c.at("visible").get<bool>() && c.at("enabled").get<bool>() &&
            (kind == "anibutton" || kind == "button" || kind == "image")) {
          const std::string target =
              (*top).at("name").get<std::string>() + "." + c.at("name").get<std::string>();
          if (!IsWayOut(target)) buttons.push_back(target);
        }
      }
      ++actions_;
      if (buttons.empty() || random_() % 4 == 0) {
        Send("advance 1000");
      } else {
        const std::string& target = buttons[random_() % buttons.size()];
        if (IsReplay(target)) ++replays_;
        Send("click " + target);
      }
    }
    auto after = AskJson("dump");
    if (!after) return Ended();
    if ((*after).at("Turn").get<double>() == (*before).at("Turn").get<double>()) return true;
    ++turns_;
    actions_at_last_turn_ = actions_;
    if (turns_ % o_.sample_every == 0) SampleMemory();
    for (const Range& r : kClamped) {
      const double v = (*after).at(r.field).get<double>();
      if (!(v >= r.low && v <= r.high)) {
        problem_ = std::string(r.field) + " is " + std::to_string(v) + " after the end of turn";
        return false;
      }
    }
    return SaveAndReload();
  }

  // The record part of a dump: every field before the live values.
  static std::string RecordPart(const std::string& dump) {
    return dump.substr(0, dump.find(",\"Difficulty\":"));
  }
  // A dump without one of its fields.
  static std::string Without(std::string json, const std::string& key) {
    const std::size_t at = json.find(",\"" + key + "\":");
    if (at == std::string::npos) return json;
    std::size_t end = at + key.size() + 4;
    int depth = 0;
    for (; end < json.size(); ++end) {
      const char c = json[end];
      if (c == '[' || c == '{') ++depth;
      if (c == ']' || c == '}') --depth;
      if (depth < 0 || (depth == 0 && c == ',')) break;
    }
    return json.erase(at, end - at);
  }
  static std::string FirstDifference(const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const std::size_t from = a.rfind(",\"", at);
    const std::size_t start = from == std::string::npos ? 0 : from;
    return a.substr(start, at - start + 40) + " became " + b.substr(start, at - start + 40);
  }

  std::optional<std::string> SaveLoadDump() {
    Send("save SoakCheck");
    Send("click MsgBoxFrm.OkAniBtn");
    Send("load SoakCheck");
    Send("click MsgBoxFrm.OkAniBtn");
    auto dump = level_->Ask("dump");
    if (!dump) return std::nullopt;
    return RecordPart(*dump);
  }

  // The county saved and loaded again is the county that was saved, but for
  // what loading resets by its rules (a rival county that no longer stands
  // comes back cleared with its armies; the battle's working copy is filled
  // afresh before each battle); saved and loaded once more, it is unchanged
  // to the last field.
  bool SaveAndReload() {
    auto before = level_->Ask("dump");
    auto once = SaveLoadDump();
    auto twice = SaveLoadDump();
    if (!before || !once || !twice) return Ended();
    auto comparable = [](std::string json) {
      for (const char* key : {"Rivals", "CampArmies", "BattleArmy"}) json = Without(json, key);
      return json;
    };
    const std::string a = comparable(RecordPart(*before)), b = comparable(*once);
    if (a != b) {
      problem_ = "the county saved and loaded again differs: " + FirstDifference(a, b);
      return false;
    }
    if (*once != *twice) {
      problem_ = "the county loaded a second time differs: " + FirstDifference(*once, *twice);
      return false;
    }
    ++saves_checked_;
    return true;
  }

  // The program gave no answer: a clean end starts it again, anything else
  // is a fault.
  bool Ended() {
    if (level_->TimedOut()) {
      problem_ = "the level gave no answer for 30 s (a hang)";
      return false;
    }
    if (!level_->EndedCleanly()) {
      problem_ = "the level ended with " + level_->HowItEnded();
      return false;
    }
    ++restarts_;
    wants_turn_end_ = false;
    Start();
    return true;
  }

  int Fault() {
    std::cerr << "soak: seed " << o_.seed << ", after " << actions_ << " actions and " << turns_
              << " ends of turn: " << problem_ << "\nthe last commands:\n";
    for (const std::string& line : history_) std::cerr << "  " << line << "\n";
    std::ifstream log(o_.game.string() + ".err");
    std::deque<std::string> last;
    for (std::string line; std::getline(log, line);) {
      last.push_back(line);
      if (last.size() > 5) last.pop_front();
    }
    std::cerr << "the level's last messages:\n";
    for (const std::string& line : last) std::cerr << "  " << line << "\n";
    JudgeMemory();
    return 1;
  }

  Options o_;
  std::mt19937 random_;
  std::unique_ptr<LevelProcess> level_;
  std::deque<std::string> history_;
  std::string problem_;
  long actions_ = 0, turns_ = 0, saves_checked_ = 0, restarts_ = 0, loads_ = 0, replays_ = 0;
  long won_ = 0, actions_at_last_turn_ = 0;
  std::vector<MemoryCurve> curves_;  // one for each level process
  bool wants_turn_end_ = false;
};

// A game folder of the soak's own: the built folder's settings, texts, map
// and pointers, and a save folder that starts empty.
fs::path PrepareGameFolder(const fs::path& built, unsigned long seed, bool sound) {
  const fs::path game = fs::temp_directory_path() /
                        ("valorne-soak-" + std::to_string(seed) + "-" + std::to_string(::getpid()));
  fs::remove_all(game);
  fs::create_directories(game);
  for (const char* name : {"Optim.rx", "Options.rx", "Advanced.rx", "LGame.rx", "levelinfo.rx"}) {
    fs::copy_file(built / name, game / name);
  }
  if (!sound) {
    // "Optim.rx": the sound-off Boolean is its seventh 16-bit field.
    std::fstream optim(game / "Optim.rx", std::ios::in | std::ios::out | std::ios::binary);
    optim.seekp(12);
    optim.write("\xFF\xFF", 2);
  }
  for (const char* folder : {"localizations", "maps", "pointers"}) {
    fs::copy(built / folder, game / folder, fs::copy_options::recursive);
  }
  return game;
}

}  // namespace
}  // namespace valorne::soak

int main(int argc, char** argv) {
  using namespace valorne::soak;
  if (argc < 3) {
    std::cerr << "usage: soak LEVEL9 GAME_FOLDER [--seed N] [--actions N] [--turns N]\n"
                 "            [--sample-every TURNS] [--warmup TURNS] [--rss-allowance-kb KB]\n"
                 "            [--sound on|off]\n";
    return 2;
  }
  Options o;
  o.level9 = argv[1];
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    const long value = std::strtol(argv[i + 1], nullptr, 10);
    if (flag == "--seed")
      o.seed = static_cast<unsigned long>(value);
    else if (flag == "--actions")
      o.actions = value;
    else if (flag == "--turns")
      o.turns = value;
    else if (flag == "--sample-every")
      o.sample_every = value;
    else if (flag == "--warmup")
      o.warmup = value;
    else if (flag == "--rss-allowance-kb")
      o.rss_allowance_kb = value;
    else if (flag == "--sound")
      o.sound = std::string(argv[i + 1]) == "on";
    else {
      std::cerr << "soak: unknown option " << flag << "\n";
      return 2;
    }
  }
  o.game = PrepareGameFolder(argv[2], o.seed, o.sound);
  const int code = Soak(o).Run();
  if (code == 0) {
    std::filesystem::remove_all(o.game);
    std::filesystem::remove(o.game.string() + ".err");
  }
  return code;
}
