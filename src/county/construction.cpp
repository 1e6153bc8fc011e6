#include "county/construction.h"

namespace valorne {

namespace {

bool ValidBuilding(int b) {
  return b >= 1 && b <= kBuildings;
}

struct CastleStageInfo {
  std::string_view picture;
  const char* gold;      // the stage's income, as the castle screen shows it
  const char* garrison;  // soldiers the stage holds
};

// Castle stages 1..5 (entry 0 unused).
constexpr std::array<CastleStageInfo, kCastleStages + 1> kCastleStageInfo = {{
    {"", "", "0"},
    {"KeepRes", "+2%", "400"},
    {"BailyRes", "+5%", "600"},
    {"FortRes", "+6%", "700"},
    {"BunkerRes", "- 10%", "1500"},
    {"CastleRes", "+8%", "1100"},
}};

}  // namespace

BuildingCost CostOfBuilding(const LevelParams& params, int b) {
  if (!ValidBuilding(b)) return {};
  const auto& row = params.BuildingParams[static_cast<std::size_t>(b)];
  return {row[0], row[1], row[2], row[3]};
}

bool UnderConstruction(const GameState& s) {
  return s.ConstructionTurns != kIdle;
}

bool IsBuilt(const GameState& s, int b) {
  if (b >= 1 && b < kFirstCastleStage) return IsTrue(s.BuildingBuilt[b]);
  if (b >= kFirstCastleStage && b <= kBuildings) {
    return IsTrue(s.CastleStageBuilt[b - kFirstCastleStage + 1]);
  }
  return false;
}

int HighestCastleStage(const GameState& s) {
  for (int stage = kCastleStages; stage >= 1; --stage) {
    if (IsTrue(s.CastleStageBuilt[stage])) return stage;
  }
  return 0;
}

std::string_view CastlePicture(const GameState& s) {
  return kCastleStageInfo[static_cast<std::size_t>(HighestCastleStage(s))].picture;
}

TextRef BuildLineText(const GameState& s) {
  if (!UnderConstruction(s) || !ValidBuilding(s.ConstructionBuilding)) return kNothingRunning;
  return {4, kBuildingInfo[s.ConstructionBuilding].name_text};
}

BuildButtonState BuildButton(const GameState& s, int b) {
  if (!ValidBuilding(b)) return {false, false};
  if (b < kFirstCastleStage) {
    const bool built = IsBuilt(s, b);
    return {!built, built};
  }
  const int stage = b - kFirstCastleStage + 1;
  const int standing = HighestCastleStage(s);
  return {stage > standing, stage == standing};
}

BuildScreenView BuildScreenOnOpening(const GameState& s) {
  BuildScreenView v;
  for (int b = 1; b <= kBuildings; ++b) {
    v.buttons[static_cast<std::size_t>(b)] = BuildButton(s, b);
  }
  v.under_construction = UnderConstruction(s);
  if (!v.under_construction) {
    v.Label4 = kNothingRunning;
    return v;
  }
  v.Helper = {4, 30};
  if (ValidBuilding(s.ConstructionBuilding)) {
    v.arrow_building = s.ConstructionBuilding;
    v.BuildingName = {4, kBuildingInfo[s.ConstructionBuilding].name_text};
  }
  v.Turns = std::to_string(s.ConstructionTurns);
  v.show_label3 = true;
  v.show_cancel = true;
  v.show_ok = false;
  return v;
}

bool CanChooseBuilding(const GameState& s, int b) {
  return !UnderConstruction(s) && BuildButton(s, b).enabled;
}

ChosenBuildingFigures BuildingFigures(const LevelParams& params, int b) {
  if (!ValidBuilding(b)) return {};
  const BuildingCost cost = CostOfBuilding(params, b);
  const BuildingInfo& info = kBuildingInfo[static_cast<std::size_t>(b)];
  return {{1, info.hint_text},       std::to_string(cost.gold),
          std::to_string(cost.wood), std::to_string(cost.stone),
          {4, info.name_text},       " -- " + std::to_string(cost.turns)};
}

Outcome OrderBuilding(Game& game, int chosen) {
  GameState& s = game.state;
  if (UnderConstruction(s)) return Accepted();
  if (!ValidBuilding(chosen)) {
    s.ConstructionBuilding = 0;
    return Refused(kNothingChosen);
  }
  const BuildingCost cost = CostOfBuilding(game.params, chosen);
  if (cost.gold > s.Gold || cost.wood > s.WoodStock || cost.stone > s.StoneStock) {
    s.ConstructionBuilding = 0;
    return Refused(kNotEnoughResources);
  }
  s.ConstructionBuilding = static_cast<Byte>(chosen);
  s.ConstructionTurns = WrapByte(cost.turns);
  s.Gold -= cost.gold;
  s.WoodStock -= cost.wood;
  s.StoneStock -= cost.stone;
  return Accepted();
}

Outcome StopConstruction(Game& game) {
  GameState& s = game.state;
  if (!UnderConstruction(s)) return Refused();
  const BuildingCost cost = CostOfBuilding(game.params, s.ConstructionBuilding);
  s.Gold += cost.gold;
  s.WoodStock += cost.wood;
  s.StoneStock += cost.stone;
  s.ConstructionTurns = kIdle;
  s.ConstructionBuilding = 0;
  return Accepted(kNothingRunning);
}

CastleFigures CastleScreenFigures(const GameState& s) {
  const int stage = HighestCastleStage(s);
  const CastleStageInfo& info = kCastleStageInfo[static_cast<std::size_t>(stage)];
  CastleFigures f;
  if (stage > 0) f.Name = {4, kBuildingInfo[static_cast<std::size_t>(stage + 5)].name_text};
  f.Gold = info.gold;
  f.Garison = info.garrison;
  const int army = s.GarrisonedArmy;
  for (int slot = 1; slot <= kUnitKinds; ++slot) {
    const long count = (army >= 1 && army <= 3) ? s.ArmySoldiers[army].Get(slot) : 0;
    f.Soldiers[static_cast<std::size_t>(slot - 1)] = std::to_string(count);
  }
  if (army >= 1 && army <= 3) f.ArmyName = {4, static_cast<std::int16_t>(111 + army)};
  // The county keeps no stores of boiling oil, stones, pikes or fire arrows
  // in this level: the castle screen shows them empty.
  f.Oils = f.Stones = f.Pikes = f.FireArrows = "0";
  return f;
}

}  // namespace valorne
