#include "support/county_player.h"

#include <stdexcept>

namespace valorne::testing {

namespace {

// The visible control of a `show` line named first in `names`; empty when
// none is.
std::string FirstVisible(const JsonValue& screen, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    for (const JsonValue& c : screen.at("controls")) {
      if (c.at("name").get<std::string>() == name && c.at("visible").get<bool>()) return name;
    }
  }
  return {};
}

std::string Text(const JsonValue& screen, const std::string& name) {
  for (const JsonValue& c : screen.at("controls")) {
    if (c.at("name").get<std::string>() == name) return c.at("text").get<std::string>();
  }
  return {};
}

}  // namespace

void CountyPlayer::Begin() {
  level_.Do("click TipsFrm.Image1");
}

bool CountyPlayer::Answer(const std::string& top) {
  seen_.push_back(top);
  if (top == "MessagesFrm") {
    level_.Do("click MessagesFrm.OkAniBtn");
  } else if (top == "ReligionFrm") {
    // The tithe is paid while the treasury holds it (the hint line tells
    // when it does not), the heretic burned.
    const JsonValue screen = ParseJson(level_.Ask("show ReligionFrm"));
    std::string button = FirstVisible(screen, {"TaxOkAniBtn", "StakeOkAniBtn", "OkAniBtn"});
    if (button == "TaxOkAniBtn" && !Text(screen, "Helper").empty()) button = "TaxNoAniBtn";
    seen_.back() += " " + button;
    level_.Do("click ReligionFrm." + button);
  } else if (top == "TournamentFrm") {
    level_.Do("click TournamentFrm.Noanibtn");
  } else if (top == "MsgBoxFrm" || top == "MovieFrm") {
    level_.Do("click " + top + ".OkAniBtn");
  } else if (top == "EndTurnFrm") {
    level_.Do("advance 500");
  } else if (top == "MsgFrm") {
    const int kind = level_.Dump().at("MessageKind").get<int>();
    seen_.back() += " " + std::to_string(kind);
    level_.Do(refused_.count(kind) != 0 ? "click MsgFrm.Noanibtn" : "click MsgFrm.OkAniBtn");
  } else if (top == "ResultsFrm") {
    level_.Do("click ResultsFrm.OkAniBtn");
  } else if (top == "GarryFrm") {
    // The trade post's demand accepted: ten grain for the people.
    level_.Do("down GarryFrm.CropsUpAniBtn");
    level_.Do("up GarryFrm.CropsUpAniBtn");
    level_.Do("click GarryFrm.OkAniBtn");
  } else {
    return false;
  }
  return true;
}

bool CountyPlayer::EndTurn() {
  level_.Do("click Camp1Frm.EndTurnBtn");
  for (int answers = 0; answers < 40; ++answers) {
    const std::string top = level_.Top();
    if (top.empty() || top == "TipsFrm") {
      if (!top.empty()) seen_.push_back(top);
      return false;
    }
    if (top == "Camp1Frm") return true;
    if (!Answer(top)) {
      throw std::runtime_error("no answer for " + top + ": " + level_.Ask("show"));
    }
  }
  throw std::runtime_error("the end of the turn never returned to the map");
}

void CountyPlayer::PlayUntil(const std::function<bool(const JsonValue&)>& done, int limit) {
  for (int turn = 0; turn < limit; ++turn) {
    if (done(level_.Dump()) || !EndTurn()) return;
  }
}

void CountyPlayer::TrainGuard() {
  level_.Do("click Camp1Frm.SpecialBtn");
  level_.Do("click GuardFrm.GuardBtn");
  level_.Do("click GuardFrm.OkAniBtn");
  level_.Do("click GuardFrm.Noanibtn");
}

void CountyPlayer::Sell(const std::vector<std::string>& goods, int ms) {
  level_.Do("click Camp1Frm.GarryImg");
  level_.Do("click GarryFrm.Label4");
  for (const std::string& good : goods) {
    level_.Do("down GarryFrm." + good + "UpAniBtn");
    level_.Do("advance " + std::to_string(ms));
    level_.Do("up GarryFrm." + good + "UpAniBtn");
  }
  level_.Do("click GarryFrm.OkAniBtn");
}

std::string CountyPlayer::Walk(int army, int waypoint) {
  level_.Do("click Camp1Frm.ArmyCamp" + std::to_string(army) + "Img right");
  level_.Do("click Camp1Frm.WalkTo" + std::to_string(waypoint));
  level_.Do("advance 20000");
  return level_.Top();
}

}  // namespace valorne::testing

namespace valorne::testing {

int CountyPlayer::Fight() {
  level_.Do("click MsgFrm.OkAniBtn");
  level_.Do("await ResultsFrm");
  const JsonValue results = level_.Dump();
  if (level_.Top() != "ResultsFrm") return -1;
  seen_.push_back("ResultsFrm " + std::to_string(results.at("BattleTarget").get<int>()));
  level_.Do("click ResultsFrm.OkAniBtn");
  return results.at("BattleOutcome").get<int>();
}

bool CountyPlayer::MarchOn(std::vector<int>& road) {
  while (!road.empty()) {
    const JsonValue county = level_.Dump();
    if (!county.is_object() || county.at("ArmyMovesLeft").at(0).get<double>() == 0) return true;
    const std::string top = Walk(1, road.front());
    if (top == "MsgFrm" && level_.Dump().at("MessageKind").get<double>() == 11) {
      if (Fight() <= 0) return false;
      continue;
    }
    if (top != "Camp1Frm" ||
        level_.Dump().at("ArmyWaypointNos").at(0).get<double>() != road.front()) {
      return false;
    }
    road.erase(road.begin());
  }
  return true;
}

}  // namespace valorne::testing
