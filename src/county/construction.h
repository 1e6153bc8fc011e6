// Construction: the five working buildings (blacksmith, barracks, stables,
// market, thieves' den) and the five castle stages (keep, bailey, fort,
// bunker, castle), numbered 1..10. One building at a time is under
// construction; it is paid in full when ordered and refunded in full when
// stopped. The end of turn counts it down and finishes it. This file holds
// the build screen `BuildFrm` and the castle screen `CastleFrm`.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

inline constexpr int kBuildings = 10;
inline constexpr int kFirstCastleStage = 6;  // building 6 is castle stage 1
inline constexpr int kCastleStages = 5;

struct BuildingInfo {
  std::string_view button;  // its button on the build screen
  Integer hint_text;        // category 1
  Integer name_text;        // category 4
};

// Buildings 1..10 (entry 0 unused).
inline constexpr std::array<BuildingInfo, kBuildings + 1> kBuildingInfo = {{
    {"", 0, 0},
    {"BlacksmithBtn", 10, 11},
    {"BaracksBtn", 11, 74},
    {"StablesBtn", 12, 75},
    {"MarketBtn", 13, 76},
    {"ThievesBtn", 14, 77},
    {"KeepBtn", 15, 78},
    {"BailyBtn", 16, 79},
    {"FortBtn", 17, 80},
    {"BunkerBtn", 18, 81},
    {"CastleBtn", 19, 82},
}};

// A building's row of `BuildingParams`.
struct BuildingCost {
  Integer turns = 0;
  Integer gold = 0;
  Integer wood = 0;
  Integer stone = 0;
};
BuildingCost CostOfBuilding(const LevelParams& params, int building);

bool UnderConstruction(const GameState& state);
bool IsBuilt(const GameState& state, int building);

// The castle stage standing, 1..5, or 0 when the county has no castle.
int HighestCastleStage(const GameState& state);

// The castle's picture on the map (`WarBuilding`) for the stage standing:
// "KeepRes", "BailyRes", "FortRes", "BunkerRes", "CastleRes"; empty without one.
std::string_view CastlePicture(const GameState& state);

// The map's building line (`BuildLbl`): the name of the building under
// construction, or "nothing" (4/136) while none is.
TextRef BuildLineText(const GameState& state);

// A building button's look: finished working buildings and the castle stages
// up to the one standing are disabled; the finished one is ticked.
struct BuildButtonState {
  bool enabled = true;
  bool ticked = false;
};
BuildButtonState BuildButton(const GameState& state, int building);

// What the build screen shows when it opens (and again after a stop).
struct BuildScreenView {
  bool under_construction = false;
  TextRef Helper{};        // 4/30 while something is under construction
  TextRef Label4{};        // 4/136 while nothing is
  int arrow_building = 0;  // the button `ArrowImg` points at, 0 for none
  TextRef BuildingName{};  // `BuildingLbl`
  std::string Turns;       // `RUNA_Label1`: the turns left
  bool show_label3 = false;
  bool show_cancel = false;
  bool show_ok = true;
  std::array<BuildButtonState, kBuildings + 1> buttons{};  // 1..10
};
BuildScreenView BuildScreenOnOpening(const GameState& state);

// A click on a building's button chooses it only while nothing is under
// construction and its button is enabled. The screen then remembers it and
// shows its figures.
bool CanChooseBuilding(const GameState& state, int building);

struct ChosenBuildingFigures {
  TextRef Helper{};  // the building's hint text
  std::string Gold, Wood, Stone;
  TextRef BuildingName{};  // `BuildingLbl`
  std::string Turns;       // `RUNA_Label1`: " -- " and the build turns
};
ChosenBuildingFigures BuildingFigures(const LevelParams& params, int building);

// `OkAniBtn` with the building chosen on the screen (0 for none). While a
// building is under construction the screen only closes (accepted, nothing
// changes). Nothing chosen: "nothing chosen". Too few gold, wood or stone:
// "not enough resources" and nothing is paid. Otherwise the county pays, the
// countdown starts and the screen closes.
Outcome OrderBuilding(Game& game, int chosen);

// `CancelAniBtn`: stops the construction and refunds its whole cost, however
// long it has run. Refused when nothing is under construction.
Outcome StopConstruction(Game& game);

// The castle screen `CastleFrm`, filled from the castle stage standing.
struct CastleFigures {
  TextRef Name{};                          // the stage's name
  std::string Gold;                        // the stage's income as a share of the people
  std::string Garison;                     // `GarisonLbl`: soldiers the castle holds
  TextRef ArmyName{};                      // the garrisoned army's name, none without a garrison
  std::array<std::string, 14> Soldiers{};  // garrison by army slot, "0" without one
  std::string Oils, Stones, Pikes, FireArrows;
};
CastleFigures CastleScreenFigures(const GameState& state);

}  // namespace valorne
