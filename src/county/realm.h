// The realm screen `RealmFrm` (a summary of the county's works, fields,
// special units, held sites and armies) and the leader screen `LeaderFrm`
// (the standings of the player's lord or of a rival lord). Both only show;
// the realm screen's army lines select an army on the map.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "state/game.h"

namespace valorne {

inline constexpr int kMapSites = 10;

// The realm screen's site lines, in the order of the held sites.
inline constexpr std::array<std::string_view, kMapSites> kSiteLines = {
    "DolmenLbl", "ADolmenLbl", "CrossLbl",  "ChapelLbl", "GChapelLbl",
    "HutLbl",    "ObeliskLbl", "StatueLbl", "TavernLbl", "HBattlefieldLbl"};

struct RealmFigures {
  std::string WoodCutter, StoneCutter, OreCutter;   // workers of the works
  std::string CropsField, CattleField, PlainField;  // fields, counted as on the map
  std::string Assassin, Scout, Guard;               // the special units
  std::array<std::string, kMapSites> Sites{};       // "1" held, "0" not
  std::array<TextRef, 3> ArmyNames{};               // the armies that exist, none for the others
};
RealmFigures RealmScreenFigures(const Game& game);

// `ArmyLbl1`..`ArmyLbl3`: selects that army on the map when it exists.
bool SelectArmyFromRealm(GameState& state, int army);

// A rival is fully known once an ambassador sits at its court.
bool RivalFullyKnown(const GameState& state, int rival);

// The lord's standing: the mean of the four standings, truncated.
int StandingPercent(int leadership, int nobility, int diplomacy, int religion);

// The leader screen for lord 1 (the player), 2 or 3 (rival counties 1 and 2).
// A rival not fully known shows "?" on every value line.
struct LeaderFigures {
  TextRef Name{};         // `NameLbl`
  TextRef Description{};  // `Label3`
  std::string Moral, Leadership, Nobility, Diplo, Religion, Status;
};
LeaderFigures LeaderScreenFigures(const Game& game, int lord);

}  // namespace valorne
