#include "county/realm.h"

namespace valorne {

namespace {

std::string Text(long v) {
  return std::to_string(v);
}

long FieldsWorked(long workers, Integer people_per_field) {
  if (people_per_field <= 0) return 0;
  return static_cast<long>(Fix(static_cast<double>(workers) / people_per_field));
}

}  // namespace

RealmFigures RealmScreenFigures(const Game& game) {
  const GameState& s = game.state;
  RealmFigures f;
  f.WoodCutter = Text(s.WoodWorkers);
  f.StoneCutter = Text(s.StoneWorkers);
  f.OreCutter = Text(s.OreWorkers);
  const long crops = FieldsWorked(s.CropsWorkers, game.params.CropsParams[1]);
  const long cattle = FieldsWorked(s.CattleWorkers, game.params.CattleParams[1]);
  f.CropsField = Text(crops);
  f.CattleField = Text(cattle);
  f.PlainField = Text(10 - crops - cattle);
  // The assassins' level, the scouts out on a mission (one party at most) and
  // the guard's level.
  f.Assassin = Text(s.GuardMissions[6]);
  f.Scout = Text(s.GuardMissions[4] < kIdle ? 1 : 0);
  f.Guard = Text(s.GuardLevel);
  for (int k = 1; k <= kMapSites; ++k) {
    f.Sites[static_cast<std::size_t>(k - 1)] = s.SitesHeld[k] == 1 ? "1" : "0";
  }
  for (int a = 1; a <= 3; ++a) {
    if (IsTrue(s.ArmyExists[a])) {
      f.ArmyNames[static_cast<std::size_t>(a - 1)] = {4, static_cast<std::int16_t>(111 + a)};
    }
  }
  return f;
}

bool SelectArmyFromRealm(GameState& s, int army) {
  if (army < 1 || army > 3 || !IsTrue(s.ArmyExists[army])) return false;
  s.SelectedArmy = static_cast<Byte>(army);
  return true;
}

bool RivalFullyKnown(const GameState& s, int rival) {
  return rival >= 1 && rival <= 2 && s.RivalStance[rival] == 100;
}

int StandingPercent(int leadership, int nobility, int diplomacy, int religion) {
  return static_cast<int>(Fix((leadership + nobility + diplomacy + religion) / 4.0));
}

LeaderFigures LeaderScreenFigures(const Game& game, int lord) {
  const GameState& s = game.state;
  if (lord < 1 || lord > 3) lord = 1;
  LeaderFigures f;
  f.Name = {5, static_cast<std::int16_t>(8 + lord)};
  f.Description = {1, static_cast<std::int16_t>(55 + lord)};
  Single morale = s.Morale;
  int standings[4] = {s.LordLeadership, s.LordNobility, s.LordDiplomacy, s.LordReligion};
  if (lord > 1) {
    const int rival = lord - 1;
    if (!RivalFullyKnown(s, rival)) {
      f.Moral = f.Leadership = f.Nobility = f.Diplo = f.Religion = f.Status = "?";
      return f;
    }
    const RivalCounty& r = s.Rivals[rival];
    morale = r.Morale;
    standings[0] = r.Leadership;
    standings[1] = r.Nobility;
    standings[2] = r.Diplomacy;
    standings[3] = r.Religion;
  }
  f.Moral = Text(static_cast<long>(Int(morale)));
  f.Leadership = Text(standings[0]);
  f.Nobility = Text(standings[1]);
  f.Diplo = Text(standings[2]);
  f.Religion = Text(standings[3]);
  f.Status = Text(StandingPercent(standings[0], standings[1], standings[2], standings[3])) + "%";
  return f;
}

}  // namespace valorne
