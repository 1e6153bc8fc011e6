// A seeded random player for long soaks of the level: it clicks the visible,
// enabled controls of the top screen, holds and releases buttons, types
// hostile text into text boxes, presses keys, saves and loads, and ends
// turns. After every end of turn it checks that the values the end of turn
// keeps in range are in range, that the county saved and loaded again is
// unchanged, and that the program is alive. A program that ends by itself
// (the level lost or left) is started again.
//
//   soak LEVEL9 GAME_FOLDER [--seed N] [--actions N] [--turns N]
//
// Exits 0 when the actions and turns were played with no fault, 1 on a
// fault (named on standard error with the last commands), 2 on bad usage.
#include <unistd.h>

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
};

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
  return text;
}

class Soak {
 public:
  explicit Soak(Options options) : o_(std::move(options)), random_(o_.seed) {}

  int Run() {
    Start();
    while (actions_ < o_.actions || turns_ < o_.turns) {
      if (!Step()) return Fault();
    }
    std::cout << "soak: seed " << o_.seed << ", " << actions_ << " actions, " << turns_
              << " ends of turn, " << saves_checked_ << " saves reloaded, " << restarts_
              << " restarts; resident memory " << first_rss_
              << " kB at the first end of turn of the last run, " << level_->ResidentKb()
              << " kB at the end\n";
    return 0;
  }

 private:
  void Start() {
    level_ = std::make_unique<LevelProcess>(o_.level9, o_.game, random_());
    Send("click TipsFrm.Image1");
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
    ++actions_;
    if (actions_ % 10 == 0 && turns_ < o_.turns) wants_turn_end_ = true;
    const int choice = std::uniform_int_distribution<int>(0, 99)(random_);
    std::vector<const JsonValue*> usable, boxes;
    for (const JsonValue& c : (*top).at("controls")) {
      if (!c.at("visible").get<bool>() || !c.at("enabled").get<bool>()) continue;
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
    if (choice < 8 && !boxes.empty()) {
      Send("type " + aim(pick(boxes)) + " " + HostileText(random_));
    } else if (choice < 16) {
      const char* keys[] = {"F6",   "F7",     "Left",   "Up", "Right",
                            "Down", "Return", "Escape", "A",  "S"};
      const std::string key = keys[random_() % std::size(keys)];
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
      // Only saves that are there are loaded (the player may have deleted
      // one in the load dialog): loading a name that is not there is a
      // script's mistake, not the player's.
      const std::string name = "Soak" + std::to_string(random_() % 3);
      const bool save = random_() % 2 || !fs::exists(o_.game / "Save Game" / (name + ".s9_"));
      Send((save ? "save " : "load ") + name);
    } else if (!usable.empty()) {
      const JsonValue* c = pick(usable);
      if ((*c).at("kind").get<std::string>() == "listbox" && (*c).contains("items") &&
          !(*c).at("items").empty()) {
        Send("select " + aim(c) + " " + std::to_string(random_() % (*c).at("items").size()));
      } else {
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
          buttons.push_back((*top).at("name").get<std::string>() + "." +
                            c.at("name").get<std::string>());
        }
      }
      ++actions_;
      if (buttons.empty() || random_() % 4 == 0) {
        Send("advance 1000");
      } else {
        Send("click " + buttons[random_() % buttons.size()]);
      }
    }
    auto after = AskJson("dump");
    if (!after) return Ended();
    if ((*after).at("Turn").get<double>() == (*before).at("Turn").get<double>()) return true;
    ++turns_;
    if (first_rss_ == 0) first_rss_ = level_->ResidentKb();
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
    first_rss_ = 0;
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
    return 1;
  }

  Options o_;
  std::mt19937 random_;
  std::unique_ptr<LevelProcess> level_;
  std::deque<std::string> history_;
  std::string problem_;
  long actions_ = 0, turns_ = 0, saves_checked_ = 0, restarts_ = 0, first_rss_ = 0;
  bool wants_turn_end_ = false;
};

// A game folder of the soak's own: the built folder's settings, texts, map
// and pointers, and a save folder that starts empty.
fs::path PrepareGameFolder(const fs::path& built, unsigned long seed) {
  const fs::path game = fs::temp_directory_path() /
                        ("valorne-soak-" + std::to_string(seed) + "-" + std::to_string(::getpid()));
  fs::remove_all(game);
  fs::create_directories(game);
  for (const char* name : {"Optim.rx", "Options.rx", "Advanced.rx", "LGame.rx", "levelinfo.rx"}) {
    fs::copy_file(built / name, game / name);
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
    std::cerr << "usage: soak LEVEL9 GAME_FOLDER [--seed N] [--actions N] [--turns N]\n";
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
    else {
      std::cerr << "soak: unknown option " << flag << "\n";
      return 2;
    }
  }
  o.game = PrepareGameFolder(argv[2], o.seed);
  const int code = Soak(o).Run();
  if (code == 0) {
    std::filesystem::remove_all(o.game);
    std::filesystem::remove(o.game.string() + ".err");
  }
  return code;
}
