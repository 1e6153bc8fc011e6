// The two rival counties as the rules see them: their records, their camps
// on the map and what sets one apart from the other.
#include "rivals/rival_rules.h"

namespace valorne {

namespace {

using U = Unit;

CampComposition Listed(std::initializer_list<std::pair<Unit, int>> counts) {
  CampComposition t;
  for (const auto& [unit, count] : counts) t.Set(unit, count);
  return t;
}

// The five foot kinds every muster names first, then the others it gives.
CampComposition Foot(int archers, int club_men, int sword_men, int helebarders, int two_handers,
                     std::initializer_list<std::pair<Unit, int>> others = {}) {
  CampComposition t = Listed({{U::Archers, archers},
                              {U::ClubMen, club_men},
                              {U::SwordMen, sword_men},
                              {U::Helebarders, helebarders},
                              {U::TwoHanders, two_handers}});
  for (const auto& [unit, count] : others) t.Set(unit, count);
  return t;
}

// The knights of the great musters: a horseman, fifteen heavy horse and a
// champion, as in the army that guards county 1 at the start.
const std::initializer_list<std::pair<Unit, int>> kKnights = {
    {U::Cavalry, 1}, {U::HeavyCavalry, 15}, {U::Champions, 1}};

// The rows of county 1's musters, in the order the counties' tables reuse.
const CampComposition kFirstArmy = Foot(240, 200, 50, 100, 100);
const CampComposition kStrongerArmy = Foot(320, 200, 100, 150, 100);
const CampComposition kVeteranArmy = Foot(320, 260, 50, 200, 150);
const CampComposition kGreatArmy = Foot(700, 723, 400, 450, 650, kKnights);
const CampComposition kGreatestArmy = Foot(900, 800, 400, 500, 650, kKnights);
const CampComposition kSiegeArmy =
    Foot(120, 120, 120, 120, 0, {{U::Warlords, 0}, {U::Engineers, 10}});

// County 1 raises its first army on turn 12 and strengthens it on 22, 35, 60
// and 95; its second army comes on turn 28.
const MusterRow kCounty1Musters[] = {
    {12, 1, 2000, 200, kFirstArmy},    {22, 1, 2000, 200, kStrongerArmy},
    {35, 1, 2000, 200, kVeteranArmy},  {60, 1, 7000, 700, kGreatArmy},
    {95, 1, 5000, 500, kGreatestArmy}, {28, 2, 4000, 400, kSiegeArmy},
};

// County 2 follows the same rows: its first army on turns 9, 16, 40, 72 and
// 95; its second, the one that marches, is raised on turn 15 as county 1's
// second and grows on 25, 46, 50, 78, 89 and 130 through the first army's
// rows.
const MusterRow kCounty2Musters[] = {
    {9, 1, 2000, 200, kFirstArmy},     {16, 1, 2000, 200, kStrongerArmy},
    {40, 1, 2000, 200, kVeteranArmy},  {72, 1, 7000, 700, kGreatArmy},
    {95, 1, 5000, 500, kGreatestArmy}, {15, 2, 4000, 400, kSiegeArmy},
    {25, 2, 2000, 200, kFirstArmy},    {46, 2, 2000, 200, kStrongerArmy},
    {50, 2, 2000, 200, kVeteranArmy},  {78, 2, 2000, 200, kVeteranArmy},
    {89, 2, 7000, 700, kGreatArmy},    {130, 2, 5000, 500, kGreatestArmy},
};

// County 1 takes the old dolmen every 4th turn, the statue every 6th and the
// chapel every 8th; county 2 the dolmen every 8th, the obelisk every 6th and
// the great chapel every 4th.
constexpr SiteGrab kCounty1Grabs[] = {{2, 4}, {8, 6}, {4, 8}};
constexpr SiteGrab kCounty2Grabs[] = {{1, 8}, {7, 6}, {5, 4}};

const RivalProfile kProfiles[] = {
    {.county = 1,
     .site_owner = 2,
     .fame_text = 107,
     .gift_period = 8,
     .raid_period = 3,
     .loss_period = 6,
     .tells_by_news = false,
     .grabs = kCounty1Grabs,
     .assassins_period = 8,
     .camp_strike_period = 20,
     .rival_strike_period = 18,
     .lord_strike_period = 24,
     .musters = kCounty1Musters,
     .armies = 3},
    {.county = 2,
     .site_owner = 3,
     .fame_text = 108,
     .gift_period = 6,
     .raid_period = 5,
     .loss_period = 8,
     .tells_by_news = true,
     .grabs = kCounty2Grabs,
     .assassins_period = 8,
     .camp_strike_period = 27,
     .rival_strike_period = 33,
     .lord_strike_period = 45,
     .musters = kCounty2Musters,
     .armies = 2},
};

}  // namespace

const RivalProfile& ProfileOf(int county) {
  return kProfiles[county == 2 ? 1 : 0];
}

RivalCounty& RivalOf(GameState& s, int county) {
  return s.Rivals[county == 2 ? 2 : 1];
}

int CampOf(int county, int army) {
  return county == 2 ? 3 + army : army;
}

bool RivalStands(const GameState& s, int county) {
  return IsTrue(county == 2 ? s.Rival2Standing : s.Rival1Standing);
}

bool PlayerArmyOn(const GameState& s, int waypoint) {
  for (int army = 1; army <= 3; ++army) {
    if (IsTrue(s.ArmyExists[army]) && s.ArmyWaypointNos[army] == waypoint) return true;
  }
  return false;
}

}  // namespace valorne
