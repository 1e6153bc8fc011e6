#include "battle/fight.h"

#include <algorithm>
#include <cmath>

#include "battle/unit_figures.h"

namespace valorne {

namespace {

// Damage a soldier deals per point of attack in one round.
constexpr double kPace = 0.08;
// How much of the blows aimed at a side fall on each kind of soldier: the
// bowmen stand behind the lines, monks and engineers further back still.
constexpr double kExposure[] = {1.0, 0.5, 0.25};  // Melee, Ranged, Rear
// A warlord is one man, but it takes many blows to bring him down.
constexpr double kWarlordToughness = 10.0;
// Morale: a warlord in the ranks lifts it by 10, each monk by 3 (five at most).
constexpr int kWarlordMorale = 10;
constexpr int kMonkMorale = 3;
constexpr int kMonksCounted = 5;
// Walls: each castle stage adds 12 wall points; a round of storming breaks
// one point, and half a point more for every engineer (24 at most).
constexpr double kWallPointsPerStage = 12.0;
constexpr double kEngineersCounted = 24.0;

// Splitmix64: a small generator whose sequence is the same everywhere.
class Luck {
 public:
  explicit Luck(std::uint64_t seed) : state_(seed) {}
  double Draw() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
  }

 private:
  std::uint64_t state_;
};

double Total(const SlotCounts& counts) {
  double sum = 0;
  for (double n : counts) sum += n;
  return sum;
}

struct Side {
  int team = 0;
  SlotCounts sent{};
  double sent_total = 0;
  int morale = 0;  // with the warlord and the monks
  bool defends_walls = false;
};

class Fight {
 public:
  explicit Fight(const BattleInput& input)
      : input_(input),
        luck_(BattleSeed(input)),
        count_(std::min<int>(static_cast<int>(input.sides.size()), kMaxBattleSides)) {
    report_.input = input;
    report_.map = ReadBattleMap(input.map_name);
    const bool castle = input.battle_kind == kCastleAssault || input.battle_kind == kCastleDefence;
    stage_ = castle ? std::max(1, report_.map.castle_stage) : 0;
    const int defending_team = input.battle_kind == kCastleAssault   ? TeamOf(1)
                               : input.battle_kind == kCastleDefence ? TeamOf(0)
                                                                     : -1;
    FightRound start;
    start.walls = stage_ > 0 ? 1.0 : 0.0;
    for (int s = 0; s < count_; ++s) {
      const BattleSide& in = input.sides[s];
      Side& side = sides_[s];
      side.team = in.team;
      // A short list carries nobody past slot 10.
      for (int k = 0; k < SlotsCarried(in.short_list); ++k) {
        side.sent[k] = std::max(0, static_cast<int>(in.troops[k]));
      }
      side.sent_total = Total(side.sent);
      const double monks = std::min<double>(side.sent[kSlotMonks], kMonksCounted);
      side.morale = std::min<int>(in.morale, 100) +
                    (side.sent[kSlotWarlords] > 0 ? kWarlordMorale : 0) +
                    static_cast<int>(monks) * kMonkMorale;
      side.defends_walls = stage_ > 0 && in.team == defending_team;
      start.alive[s] = side.sent;
      start.status[s] = side.sent_total > 0 ? SideStatus::Fighting : SideStatus::Fallen;
    }
    for (int s = count_; s < kMaxBattleSides; ++s) start.status[s] = SideStatus::Fallen;
    wall_points_ = stage_ * kWallPointsPerStage;
    report_.rounds.push_back(start);
  }

  FightReport Run() {
    for (int round = 1; round < kMaxBattleRounds && TeamsOnField() > 1; ++round) {
      FightRound next = report_.rounds.back();
      Strike(round == 1 ? Phase::Volley : round == 2 ? Phase::FirstClash : Phase::Clash, next);
      report_.rounds.push_back(next);
    }
    Decide();
    Count();
    return std::move(report_);
  }

 private:
  enum class Phase { Volley, FirstClash, Clash };

  int TeamOf(int side) const { return side < count_ ? input_.sides[side].team : -1; }

  int TeamsOnField() const {
    const FightRound& now = report_.rounds.back();
    std::array<int, kMaxBattleSides> teams{};
    int distinct = 0;
    for (int s = 0; s < count_; ++s) {
      if (now.status[s] != SideStatus::Fighting) continue;
      const int team = sides_[s].team;
      if (std::find(teams.begin(), teams.begin() + distinct, team) == teams.begin() + distinct) {
        teams[distinct++] = team;
      }
    }
    return distinct;
  }

  double MoraleFactor(int s) const { return 0.6 + sides_[s].morale / 125.0; }

  // The blows side `s` deals this round, before they are shared out.
  double Blows(int s, Phase phase, double walls, const SlotCounts& alive) const {
    const Side& side = sides_[s];
    double blows = 0;
    for (int k = 0; k < kBattleSlotsUsed; ++k) {
      const UnitFigures& f = FiguresOfSlot(k);
      const double n = alive[k];
      if (n <= 0 || f.reach == Reach::Rear) continue;
      if (phase == Phase::Volley && f.reach != Reach::Ranged) continue;
      double attack = f.attack;
      if (phase == Phase::FirstClash && f.reach == Reach::Melee) {
        attack = f.charge * (1.0 + std::max(0, f.speed - 7) / 10.0);
      }
      if (side.defends_walls && f.reach == Reach::Ranged) attack *= 1.0 + 0.1 * stage_;
      // Storming soldiers must climb the walls that still stand.
      if (stage_ > 0 && !side.defends_walls && f.reach == Reach::Melee) attack *= 1.0 - 0.5 * walls;
      blows += n * attack;
    }
    return blows * kPace * MoraleFactor(s);
  }

  void Strike(Phase phase, FightRound& next) {
    const FightRound& now = report_.rounds.back();
    std::array<SlotCounts, kMaxBattleSides> losses{};
    for (int s = 0; s < count_; ++s) {
      if (now.status[s] != SideStatus::Fighting) continue;
      const double luck = 0.85 + 0.3 * luck_.Draw();
      const double blows = Blows(s, phase, now.walls, now.alive[s]) * luck;
      // Shared among the enemies on the field by their numbers.
      double enemies = 0;
      for (int t = 0; t < count_; ++t) {
        if (IsEnemyOnField(s, t, now)) enemies += Total(now.alive[t]);
      }
      if (enemies <= 0) continue;
      for (int t = 0; t < count_; ++t) {
        if (!IsEnemyOnField(s, t, now)) continue;
        const SlotCounts& target = now.alive[t];
        Wound(t, blows * Total(target) / enemies, target, now.walls, losses[t]);
      }
    }
    for (int s = 0; s < count_; ++s) {
      SlotCounts& alive = next.alive[s];
      for (int k = 0; k < kBattleSlotsUsed; ++k) {
        alive[k] = std::max(0.0, alive[k] - losses[s][k]);
      }
      if (next.status[s] != SideStatus::Fighting) continue;
      const Side& side = sides_[s];
      const double left = Total(alive);
      double holds = 0.4 + side.morale / 250.0;
      if (side.defends_walls) holds += 0.15 * now.walls;
      if (left < 0.5) {
        next.status[s] = SideStatus::Fallen;
      } else if (left < side.sent_total * (1.0 - std::min(holds, 0.95))) {
        next.status[s] = SideStatus::Routed;
      }
    }
    if (phase != Phase::Volley && stage_ > 0) {
      double engineers = 0;
      for (int s = 0; s < count_; ++s) {
        if (now.status[s] == SideStatus::Fighting && !sides_[s].defends_walls) {
          engineers += now.alive[s][kSlotEngineers];
        }
      }
      const double broken = 1.0 + 0.5 * std::min(engineers, kEngineersCounted);
      next.walls = std::max(0.0, now.walls - broken / wall_points_);
    }
  }

  bool IsEnemyOnField(int s, int t, const FightRound& now) const {
    return t != s && now.status[t] == SideStatus::Fighting && sides_[t].team != sides_[s].team;
  }

  // Shares `blows` out over the kinds of side `t` by their numbers and how
  // exposed they stand; each kind loses its blows divided by its toughness.
  void Wound(int t, double blows, const SlotCounts& target, double walls,
             SlotCounts& losses) const {
    double weight = 0;
    for (int k = 0; k < kBattleSlotsUsed; ++k) {
      weight += target[k] * kExposure[static_cast<int>(FiguresOfSlot(k).reach)];
    }
    if (weight <= 0) return;
    const Side& side = sides_[t];
    const double wall_guard = side.defends_walls ? 1.0 + 0.25 * stage_ * walls : 1.0;
    for (int k = 0; k < kBattleSlotsUsed; ++k) {
      const UnitFigures& f = FiguresOfSlot(k);
      const double share = target[k] * kExposure[static_cast<int>(f.reach)] / weight;
      double toughness = (1.0 + f.defence / 4.0) * wall_guard;
      if (k == kSlotWarlords) toughness *= kWarlordToughness;
      losses[k] += blows * share / toughness;
    }
  }

  double Power(int s, const FightRound& at) const {
    double power = 0;
    for (int k = 0; k < kBattleSlotsUsed; ++k) {
      const UnitFigures& f = FiguresOfSlot(k);
      power += at.alive[s][k] * (f.attack + f.defence);
    }
    return power * MoraleFactor(s);
  }

  // The team left on the field wins. When several are left after the last
  // round, or none, the team with the most fighting power left holds the
  // field and the others withdraw.
  void Decide() {
    FightRound& last = report_.rounds.back();
    const bool anyone_fighting =
        std::any_of(last.status.begin(), last.status.begin() + count_,
                    [](SideStatus st) { return st == SideStatus::Fighting; });
    std::array<double, 256> power{};
    for (int s = 0; s < count_; ++s) {
      const bool counts = anyone_fighting ? last.status[s] == SideStatus::Fighting : true;
      if (counts) power[sides_[s].team] += Power(s, last);
    }
    int best = -1;
    double best_power = 0;
    bool tie = false;
    for (int team = 0; team < 256; ++team) {
      if (power[team] > best_power) {
        best = team;
        best_power = power[team];
        tie = false;
      } else if (best >= 0 && power[team] == best_power) {
        tie = true;
      }
    }
    report_.winning_team = tie ? -1 : best;
    for (int s = 0; s < count_; ++s) {
      if (last.status[s] == SideStatus::Fighting && sides_[s].team != report_.winning_team) {
        last.status[s] = SideStatus::Routed;
      }
    }
  }

  void Count() {
    const FightRound& last = report_.rounds.back();
    BattleOutput& out = report_.output;
    long our_dead = 0, enemy_dead = 0;
    double team_sent = 0, team_left = 0;
    const int our_team = TeamOf(0);
    for (int s = 0; s < count_; ++s) {
      const BattleSide& in = input_.sides[s];
      BattleSideSurvivors survivors{in.short_list, {}};
      long dead = 0;
      for (int k = 0; k < SlotsCarried(in.short_list); ++k) {
        const Integer sent = in.troops[k];
        if (sent <= 0) {
          survivors.survivors[k] = sent;
          continue;
        }
        const double alive = last.status[s] == SideStatus::Fallen ? 0.0 : last.alive[s][k];
        const auto left = static_cast<Integer>(std::clamp<long>(std::lround(alive), 0, sent));
        survivors.survivors[k] = left;
        dead += sent - left;
        if (in.team == our_team) {
          team_sent += sent;
          team_left += left;
        }
      }
      if (s == 0) our_dead = dead;
      if (s > 0 && in.team != our_team) enemy_dead += dead;
      out.sides.push_back(survivors);
    }
    out.our_dead = static_cast<std::uint16_t>(std::min(our_dead, 65535L));
    out.enemy_dead = static_cast<std::uint16_t>(std::min(enemy_dead, 65535L));
    if (report_.winning_team != our_team || our_team < 0) {
      out.outcome = kOutcomeDefeat;
    } else {
      // A clear victory keeps at least half of the player's team standing.
      out.outcome = team_left * 2 >= team_sent ? kOutcomeVictoryWithPlunder : kOutcomeNarrowVictory;
    }
  }

  const BattleInput& input_;
  Luck luck_;
  int count_;
  int stage_ = 0;
  double wall_points_ = 0;
  std::array<Side, kMaxBattleSides> sides_{};
  FightReport report_;
};

}  // namespace

FightReport FightBattle(const BattleInput& input) {
  return Fight(input).Run();
}

std::optional<std::string> UnfightableBattle(const BattleInput& input) {
  if (input.sides.empty() || input.sides.size() > kMaxBattleSides) {
    return "it has " + std::to_string(input.sides.size()) + " sides, not 1..4";
  }
  if (input.battle_kind > kCastleDefence) {
    return "its battle kind is " + std::to_string(input.battle_kind) + ", not 0..2";
  }
  for (std::size_t s = 0; s < input.sides.size(); ++s) {
    const BattleSide& side = input.sides[s];
    if (side.morale > 100) {
      return "side " + std::to_string(s) + " has morale " + std::to_string(side.morale) +
             ", more than 100";
    }
    for (int k = 0; k < kBattleSlots; ++k) {
      if (side.troops[k] < 0) {
        return "side " + std::to_string(s) + " sends " + std::to_string(side.troops[k]) +
               " soldiers in slot " + std::to_string(k);
      }
    }
  }
  return std::nullopt;
}

std::uint64_t BattleSeed(const BattleInput& input) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (char c : EncodeBattleInput(input)) {
    hash ^= static_cast<std::uint8_t>(c);
    hash *= 0x100000001B3ull;
  }
  return hash;
}

}  // namespace valorne
