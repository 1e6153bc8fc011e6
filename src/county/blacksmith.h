// The blacksmith screen `BlacksmithFrm`: the player chooses one of eleven
// items and sets it as the smithy's standing order (`ForgeOrder`). Nothing is
// paid when the order is given; at each end of turn the smithy makes the
// item's pieces from wood and ore until the store runs short or the order is
// stopped.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "county/armoury.h"
#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

inline constexpr int kForgeItems = 11;

struct ForgeItemInfo {
  std::string_view button;
  ArmouryRow row;     // its row of `SmithyParams` and its stock
  Integer name_text;  // category 4
};

// Items 1..11 (entry 0 unused).
inline constexpr std::array<ForgeItemInfo, kForgeItems + 1> kForgeItemInfo = {{
    {"", ArmouryRow::Bows, 0},
    {"BowBtn", ArmouryRow::Bows, 49},
    {"ClubBtn", ArmouryRow::Clubs, 50},
    {"SwordBtn", ArmouryRow::Swords, 51},
    {"HelebardBtn", ArmouryRow::Helebards, 52},
    {"TwoHandBtn", ArmouryRow::TwoHandSwords, 53},
    {"MaceBtn", ArmouryRow::Maces, 54},
    {"PikeBtn", ArmouryRow::Pikes, 55},
    {"CrossBtn", ArmouryRow::Crosses, 56},
    {"ChainMailBtn", ArmouryRow::ChainMails, 57},
    {"PlateBtn", ArmouryRow::PlateArmours, 58},
    {"ShieldBtn", ArmouryRow::Shields, 59},
}};

// The item's row of `SmithyParams` (0 for bows, item + 2 for the others).
int SmithyRow(int item);

// A row of `SmithyParams`: pieces made, wood and ore used per turn.
struct SmithyRate {
  Integer pieces = 0;
  Integer wood = 0;
  Integer ore = 0;
};
SmithyRate RateOfItem(const LevelParams& params, int item);

// The map's blacksmith button opens the screen only once the blacksmith
// stands; otherwise the map's hint line reads "building missing".
Outcome CanOpenBlacksmith(const GameState& state);

// What the screen shows for a chosen item.
struct ForgeItemFigures {
  std::string WoodCost;        // `WoodCostLbl`
  std::string OreCost;         // `OreCostLbl`
  std::string Pieces;          // `RUNA_Label1`
  TextRef Season{4, 140};      // `SeasonLbl`: "per turn"
  TextRef Weapon{};            // `WeaponLbl`: the item's name
  std::vector<TextRef> Users;  // the unit types that use the item, in type order
};
ForgeItemFigures ItemFigures(const LevelParams& params, int item);

// `OkAniBtn` with the item chosen on the screen (0 for none). Nothing chosen:
// "nothing chosen". When the store holds one turn's wood and ore the item
// becomes the standing order (replacing any other) and the hint line shows
// its name; otherwise "not enough resources" and the smithy stands idle.
Outcome StartForging(Game& game, int chosen);

// `CancelAniBtn`: the smithy stands idle; the screen forgets its choice.
void StopForging(Game& game);

// The map's smithy line: the name of the item in production, or "nothing"
// (4/136) while the smithy is idle.
TextRef SmithyLineText(const GameState& state);

}  // namespace valorne
