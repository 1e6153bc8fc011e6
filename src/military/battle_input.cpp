#include "military/battle_input.h"

#include <algorithm>

#include "military/battle_forces.h"

namespace valorne {

namespace {

constexpr std::string_view kArmyNames[] = {"Ist Valorne", "The Lions", "The Dragons"};

// The short-list flags of sides 0..3 by enemy kind 0..5.
constexpr std::array<std::array<Byte, 4>, 6> kShortLists = {
    {{0, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 1, 0}, {0, 1, 1, 1}, {1, 0, 0, 0}, {1, 1, 0, 0}}};

std::uint8_t Flag(bool b) {
  return b ? 1 : 0;
}

// A volume of the options (-10000..0 hundredths of a decibel) as 0..100.
std::uint8_t VolumeCode(const Game& game, Integer volume) {
  if (!game.SoundOn) return 0;
  return static_cast<std::uint8_t>(Int((static_cast<double>(volume) + 10000) / 100));
}

std::uint8_t ScrollSpeedCode(Single speed) {
  if (speed == 0.5f) return 0;
  if (speed == 1.0f) return 2;
  return 4;
}

// Morale goes to the battle program as 0..100.
std::uint16_t MoraleCode(double morale) {
  return static_cast<std::uint16_t>(std::clamp(Int(morale), 0.0, 100.0));
}

void NameTeams(BattleInput& input, int ally_kind) {
  auto set = [&input](std::size_t side, int team, std::string_view name) {
    if (side >= input.sides.size()) return;
    input.sides[side].team = static_cast<std::uint8_t>(team);
    input.sides[side].name = std::string(name);
  };
  switch (ally_kind) {
    case 1:
      set(2, 0, "Allied army");
      set(3, 0, "Allied army");
      break;
    case 2:
      set(2, 0, "Allied army");
      set(3, 1, "Enemy army");
      break;
    case 3:
      set(2, 1, "Enemy army");
      set(3, 1, "Enemy army");
      break;
    default:
      set(2, 2, "");
      set(3, 3, "");
      break;
  }
}

BattleTroopList OurTroops(const GameState& s, int army) {
  if (army >= 1 && army <= 3) return ToBattleSlots(s.ArmySoldiers[army], kEngineersInBattle);
  if (army == 4) return ToBattleSlots(s.Outlaws.Band(0), kEngineersInBattle);
  return {};
}

BattleTroopList EnemyTroops(const GameState& s, int target) {
  if (target >= kTargetRival1Castle && target <= kTargetRival2Camp2)
    return ToBattleSlots(s.CampArmies[target - kTargetRival1Castle + 1]);
  return ToBattleSlots(s.Outlaws.Band(0));
}

}  // namespace

std::string BattleMapFileName(const Game& game, std::string_view map) {
  std::string name = "\\level" + std::to_string(game.state.LevelNumber) + "\\" + std::string(map);
  if (game.display.DisplaySetting4 == 0) name += "_low";
  if (game.state.Season == 2) name += "_winter";
  return name + ".cbf";
}

BattleInput BuildBattleInput(Game& game, const BattleRequest& request) {
  GameState& s = game.state;
  LiveState& live = game.live;
  const DisplaySettings& d = game.display;
  const AdvancedOptions& o = game.options;

  BattleInput input;
  input.map_name = BattleMapFileName(game, request.map);
  input.auto_calc = IsTrue(o.AutoCalcOption) ? kAutoCalcValue : 0;
  input.farming_advanced = Flag(s.FarmingLevel >= 6);
  input.performance13 = d.DisplaySetting11;
  if (d.DisplaySetting1 == 0) live.BattleSeason = s.Season == 1 ? 1 : s.Season == 2 ? 2 : 0;
  input.season_code = live.BattleSeason;
  input.fades_on = Flag(!IsTrue(d.FadesOff));
  input.scroll_speed_code = ScrollSpeedCode(live.ScrollSpeed);
  input.performance5_off = Flag(d.StandardPointer == 0);
  input.performance3_off = Flag(d.DisplaySetting3 == 0);
  input.music_volume = VolumeCode(game, o.MusicVolume);
  input.sound_volume = VolumeCode(game, o.SoundVolume);
  input.map_animation = Flag(IsTrue(o.MapAnimOption));
  input.tooltips = Flag(IsTrue(o.TooltipOption));
  input.battle_kind = static_cast<std::uint8_t>(request.battle_kind);

  const int sides = std::clamp(request.side_count, 1, kMaxBattleSides);
  input.sides.resize(static_cast<std::size_t>(sides));
  if (request.enemy_kind >= 0 && request.enemy_kind < static_cast<int>(kShortLists.size()))
    live.ShortListFlags = kShortLists[static_cast<std::size_t>(request.enemy_kind)];
  for (int i = 0; i < sides; ++i) {
    BattleSide& side = input.sides[static_cast<std::size_t>(i)];
    side.colour = kSideColours[i];
    side.team = static_cast<std::uint8_t>(i);
    side.short_list = live.ShortListFlags[static_cast<std::size_t>(i)] != 0;
  }
  const int army = request.army;
  if (army >= 1 && army <= 3) input.sides[0].name = std::string(kArmyNames[army - 1]);
  if (sides > 1) input.sides[1].name = request.enemy_kind == 1 ? "Viking army" : "Enemy army";
  NameTeams(input, request.ally_kind);

  input.sides[0].morale = MoraleCode(s.Morale);
  if (sides > 1) input.sides[1].morale = MoraleCode(request.enemy_morale);
  for (int i = 2; i < sides; ++i) {
    input.sides[static_cast<std::size_t>(i)].morale =
        static_cast<std::uint16_t>(Int(game.rng.Rnd() * 30 + 20));
  }

  input.sides[0].troops = OurTroops(s, army);
  if (sides > 1) input.sides[1].troops = EnemyTroops(s, request.target);
  // Slots a short list does not carry are not sent.
  for (BattleSide& side : input.sides) {
    for (int slot = SlotsCarried(side.short_list); slot < kBattleSlots; ++slot)
      side.troops[static_cast<std::size_t>(slot)] = 0;
  }
  live.BattleSides = static_cast<Byte>(sides);
  return input;
}

}  // namespace valorne
