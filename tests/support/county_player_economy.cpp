// The scripted lord's orders on the county's screens: each one the clicks a
// player makes, from the map's button to the screen's closing seal.
#include <stdexcept>

#include "support/county_player.h"

namespace valorne::testing {

namespace {

// Whether the box `name` of a `show` line is ticked.
bool Ticked(const JsonValue& screen, const std::string& name) {
  for (const JsonValue& c : screen.at("controls")) {
    if (c.at("name").get<std::string>() == name) return c.at("checked").get<bool>();
  }
  throw std::runtime_error("no box " + name);
}

// The works' screen names as the map's pictures open them.
std::string WorksForm(const std::string& works) {
  if (works == "Stone") return "Stonefrm";
  return works + "Frm";
}

}  // namespace

void CountyPlayer::SetTaxRate(int rate) {
  level_.Do("click Camp1Frm.TaxBtn");
  for (int step = 0; step < 10; ++step) {
    const long now = static_cast<long>(level_.Dump().at("TaxRate").get<double>());
    if (now == rate) break;
    level_.Do(now < rate ? "click TaxFrm.TaxUp" : "click TaxFrm.TaxDown");
  }
  level_.Do("click TaxFrm.OkAniBtn");
}

void CountyPlayer::StaffWorkPlace(const std::string& works, int place) {
  const std::string slot = WorksForm(works) + ".SlotImg" + std::to_string(place);
  level_.Do("click Camp1Frm." + works + "CutterImg1");
  level_.Do("down " + slot);
  level_.Do("up " + slot);
  level_.Do("click " + WorksForm(works) + ".OkAniBtn");
}

void CountyPlayer::BuyTheTurnsFood() {
  level_.Do("click Camp1Frm.GarryImg");
  level_.Do("click GarryFrm.Label3");
  for (const char* good : {"Crops", "Meat"}) {
    level_.Do(std::string("down GarryFrm.") + good + "UpAniBtn");
    level_.Do(std::string("up GarryFrm.") + good + "UpAniBtn");
  }
  level_.Do("click GarryFrm.OkAniBtn");
}

void CountyPlayer::FeedThePeople() {
  level_.Do("click Camp1Frm.PeopleBtn");
  const JsonValue screen = ParseJson(level_.Ask("show PeopleFrm"));
  for (const char* food : {"MeatOption", "CropsOption"}) {
    if (!Ticked(screen, food)) level_.Do(std::string("click PeopleFrm.") + food);
  }
  level_.Do("click PeopleFrm.OkAniBtn");
}

void CountyPlayer::StartResearch() {
  level_.Do("click Camp1Frm.ScienceBtn");
  level_.Do("click ScienceFrm.OkAniBtn");
  // Too little gold or ore: the screen stays with its refusal.
  if (level_.Top() == "ScienceFrm") level_.Do("click ScienceFrm.Noanibtn");
}

void CountyPlayer::Build(const std::string& button) {
  level_.Do("click Camp1Frm.BuildBtn");
  level_.Do("click BuildFrm." + button);
  level_.Do("click BuildFrm.OkAniBtn");
  if (level_.Top() == "BuildFrm") level_.Do("click BuildFrm.Noanibtn");
}

void CountyPlayer::Forge(const std::string& item) {
  level_.Do("click Camp1Frm.BlacksmithBtn");
  level_.Do("click BlacksmithFrm." + item);
  level_.Do("click BlacksmithFrm.OkAniBtn");
  if (level_.Top() == "BlacksmithFrm") level_.Do("click BlacksmithFrm.Noanibtn");
}

bool CountyPlayer::Recruit(const std::vector<std::string>& types) {
  level_.Do("click Camp1Frm.ArmyBtn");
  if (level_.Top() != "ArmyFrm") return false;
  for (const std::string& type : types) {
    level_.Do("click ArmyFrm." + type);
    // The raise button held until the armoury or the idle people run out.
    level_.Do("down ArmyFrm.UpAniBtn");
    level_.Do("advance 200000");
    level_.Do("up ArmyFrm.UpAniBtn");
  }
  level_.Do("click ArmyFrm.OkAniBtn");
  if (level_.Top() != "ArmyFrm") return true;
  level_.Do("click ArmyFrm.Noanibtn");
  return false;
}

void CountyPlayer::CombineArmies(int army) {
  level_.Do("click Camp1Frm.ArmyCamp" + std::to_string(army) + "Img");
  level_.Do("click ArmyCampFrm.CombineBtn");
  const JsonValue screen = ParseJson(level_.Ask("show ArmyCombineFrm"));
  for (const JsonValue& c : screen.at("controls")) {
    const std::string name = c.at("name").get<std::string>();
    if (name.rfind("ArmyOption", 0) == 0 && c.at("visible").get<bool>() &&
        !c.at("checked").get<bool>()) {
      level_.Do("click ArmyCombineFrm." + name);
    }
  }
  level_.Do("click ArmyCombineFrm.OkAniBtn");
  if (level_.Top() == "ArmyCampFrm") level_.Do("click ArmyCampFrm.OkAniBtn");
}

void CountyPlayer::BuyOreFromTheMarket(int percent) {
  level_.Do("click Camp1Frm.DiploBtn");
  level_.Do("click DiploFrm.TradeBtn");
  level_.Do("select DiploFrm.BuyLst 2");
  for (int step = 0; step < percent / 10; ++step) level_.Do("click DiploFrm.UpAniBtn2");
  level_.Do("click DiploFrm.OkAniBtn");
}

}  // namespace valorne::testing
