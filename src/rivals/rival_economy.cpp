// A rival county's own economy: a smaller copy of the player's. Its taxes
// follow its people's mood, its lord's attributes move morale and happiness,
// the church and the stake come on their turns, it trains its guard, holds
// tournaments, lives from its castle, and the player's plague spreads to it.
#include "rivals/rival_rules.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

double Percent(double value, int percent) {
  return Fix(value * percent / 100);
}

// One of the lord's attributes makes the people happier by 5 % or sadder by
// 10 %.
void Cheer(RivalCounty& r, bool good) {
  const double h = r.Happiness;
  AddTo(r.Happiness, good ? Percent(h, 5) : -Percent(h, 10));
}

}  // namespace

void RivalTaxes(Game&, RivalCounty& r) {
  const Long h = r.Happiness;
  r.TaxRate = h <= 10 ? 0 : h <= 30 ? 10 : h <= 60 ? 50 : h <= 75 ? 60 : 80;
  // The rival's people pay twice what the player's do at the same rate.
  AddTo(r.Gold, Int(static_cast<double>(r.TaxRate) * r.People / 100));
  AddTo(r.Happiness, -Int(r.TaxRate / 4.0));
}

void RivalPeople(Game& game, RivalCounty& r) {
  Random& rng = game.rng;
  rng.Randomize();
  auto draw = [&](int range, int base) { return Int(rng.Rnd() * range + base); };
  AddTo(r.People, draw(30, 230));
  AddTo(r.People, -draw(30, 230));
  if (r.Happiness < 25) {
    AddTo(r.People, -draw(30, 60));
  } else if (r.Happiness < 50) {
    AddTo(r.People, -draw(20, 50));
  } else if (r.Happiness < 75) {
    AddTo(r.People, draw(20, 50));
  } else {
    AddTo(r.People, draw(30, 60));
  }
}

void RivalHeldSites(const GameState& s, const RivalProfile& p, RivalCounty& r) {
  auto held = [&](int site) { return s.SitesHeld[site] == p.site_owner; };
  if (held(2)) AddTo(r.Morale, 1);
  if (held(4)) AddTo(r.Happiness, 2);
  if (held(5)) AddTo(r.Happiness, 3);
  if (held(9)) {
    AddTo(r.Morale, 2);
    AddTo(r.Happiness, 2);
  }
  if (held(1)) AddTo(r.Morale, 0.5);
  if (held(10)) AddTo(r.Gold, 500);
}

void RivalLordAttributes(RivalCounty& r) {
  if (r.Leadership >= 20) {
    AddTo(r.Morale, r.Leadership / 50.0);
  } else {
    AddTo(r.Morale, -r.Leadership / 5.0);
  }
  Cheer(r, r.Leadership >= 20);
  if (r.Nobility >= 10) {
    AddTo(r.Morale, r.Nobility / 50.0);
  } else {
    AddTo(r.Morale, -r.Nobility / 5.0);
  }
  Cheer(r, r.Nobility >= 10);
  Cheer(r, r.Religion >= 40);
  AddTo(r.Diplomacy, r.Religion >= 40 ? 1 : -3);
}

void RivalLordFame(Game& game, const RivalProfile& p, RivalCounty& r) {
  const double average = Fix((r.Leadership + r.Nobility + r.Diplomacy + r.Religion) / 4.0);
  bool& shown = game.live.RivalFameShown[p.county];
  if (average < 50) {
    shown = false;
    return;
  }
  AddTo(r.Happiness, 2);
  AddTo(r.Morale, 1);
  AddTo(r.Nobility, 1);
  AddTo(r.Diplomacy, 1);
  if (!shown) {
    shown = true;
    Ask(game, 2, p.fame_text);
  }
}

void RivalChurch(const GameState& s, const RivalProfile& p, RivalCounty& r) {
  if (s.Turn % 4 != 0) return;
  double tithe = Percent(r.People, 20);
  auto held = [&](int site) { return s.SitesHeld[site] == p.site_owner; };
  if (held(3)) tithe -= Percent(tithe, 20);
  if (held(4)) tithe -= Percent(tithe, 10);
  if (held(5)) tithe -= Percent(tithe, 35);
  if (held(9)) tithe += Percent(tithe, 20);
  if (r.Gold >= tithe) {
    AddTo(r.Gold, -tithe);
    AddTo(r.Religion, 2);
    AddTo(r.Nobility, 1);
  } else {
    AddTo(r.Happiness, -10);
    AddTo(r.Religion, -4);
    AddTo(r.Nobility, -1);
  }
}

void RivalStake(const GameState& s, RivalCounty& r) {
  if (s.Turn % 7 != 0) return;
  // An unhappy county cheers the burning; a content one is shocked by it.
  const bool unhappy = r.Happiness < 40;
  AddTo(r.Happiness, unhappy ? 8 : -22);
  AddTo(r.Religion, unhappy ? -3 : 2);
  AddTo(r.Nobility, unhappy ? -1 : 1);
}

void RivalGuardTraining(RivalCounty& r) {
  const Long fee = 700 * r.Guard;
  if (r.Gold >= fee + 2000 && r.GuardTurns == kIdle) {
    r.GuardTurns = ToByte(Int(r.Guard / 3.0));
    AddTo(r.Gold, -fee);
  }
  if (CountdownFires(r.GuardTurns)) {
    AddTo(r.Guard, 1);
    AddTo(r.Nobility, 2);
  }
}

void RivalTournament(const GameState& s, RivalCounty& r) {
  if (s.Turn % 12 != 0 || IsTrue(s.TournamentHeld) || r.Gold < 3500) return;
  AddTo(r.Gold, -3500);
  AddTo(r.Happiness, 20);
  AddTo(r.Morale, 5);
}

void RivalCastleIncome(RivalCounty& r) {
  const double people = r.People;
  auto share = [&](int percent) { return Int(percent * people / 100); };
  if (IsTrue(r.CastleStage[1])) AddTo(r.Gold, share(2));
  if (IsTrue(r.CastleStage[2])) AddTo(r.Gold, share(5));
  if (IsTrue(r.CastleStage[3])) {
    AddTo(r.Gold, share(6));
    AddTo(r.Nobility, 1);
  }
  if (IsTrue(r.CastleStage[4])) AddTo(r.Gold, -share(10));
  if (IsTrue(r.CastleStage[5])) {
    AddTo(r.Gold, share(8));
    AddTo(r.Nobility, 2);
  }
}

void PlagueReachesRival(const GameState& s, RivalCounty& r) {
  const int health = s.Health;
  if (health > 50) {
    AddTo(r.Happiness, 5);
    AddTo(r.People, Percent(r.People, 5));
  } else if (health > 30) {
    AddTo(r.Happiness, -3);
    AddTo(r.People, -Percent(r.People, 10));
  } else if (health > 20) {
    AddTo(r.People, -Percent(r.People, 25));
  } else {
    AddTo(r.People, -Percent(r.People, 35));
    AddTo(r.Happiness, -12);
  }
}

void ClampRival(RivalCounty& r) {
  auto clamp = [](auto& v, auto low, auto high) {
    if (v < low) v = low;
    if (v > high) v = high;
  };
  for (Integer* a : {&r.Leadership, &r.Nobility, &r.Diplomacy, &r.Religion}) {
    clamp(*a, Integer{0}, Integer{100});
  }
  clamp(r.Morale, -100.0f, 100.0f);
  clamp(r.Happiness, Long{0}, Long{100});
  clamp(r.People, Long{0}, Long{5000});
}

}  // namespace valorne
