#include "county/fields.h"

#include <cstdint>

namespace valorne {

namespace {

bool IsField(int field) {
  return field >= 1 && field <= kFieldCount;
}

// One change of a field's use: who moves, in units of the people of one crops
// field (Wc) and of one cattle field (Wk).
struct WorkerMove {
  Byte old_state;
  Byte new_state;
  int idle_wc, idle_wk;  // IdlePeople += idle_wc * Wc + idle_wk * Wk
  int crops_wc;          // CropsWorkers += crops_wc * Wc
  int cattle_wk;         // CattleWorkers += cattle_wk * Wk
  int leased;            // LeasedFields += leased
};

// The only changes that move people; every other pair moves nobody.
constexpr WorkerMove kWorkerMoves[] = {
    {FieldEmpty, FieldCrops, -1, 0, +1, 0, 0},    {FieldEmpty, FieldCattle, 0, -1, 0, +1, 0},
    {FieldEmpty, FieldHire, 0, 0, 0, 0, +1},      {FieldCrops, FieldEmpty, +1, 0, -1, 0, 0},
    {FieldCrops, FieldCattle, +1, -1, -1, +1, 0}, {FieldCrops, FieldHire, +1, 0, -1, 0, +1},
    {FieldCattle, FieldEmpty, 0, +1, 0, -1, 0},   {FieldCattle, FieldCrops, -1, +1, +1, -1, 0},
    {FieldCattle, FieldHire, 0, +1, 0, -1, +1},   {FieldFlood, FieldCrops, -1, 0, +1, 0, 0},
    {FieldFlood, FieldCattle, 0, -1, 0, +1, 0},   {FieldFlood, FieldHire, 0, 0, 0, 0, +1},
    {FieldHire, FieldEmpty, 0, 0, 0, 0, -1},      {FieldHire, FieldCrops, -1, 0, +1, 0, -1},
    {FieldHire, FieldCattle, 0, -1, 0, +1, -1},   {FieldHire, FieldFlood, 0, 0, 0, 0, -1},
};

// Integer (16-bit) product, as the harvest rule computes its intermediates.
std::int64_t Product16(std::int64_t a, std::int64_t b) {
  return WrapInteger(a * b);
}

// Fix(value * percent / 100) with a 16-bit product, as a whole number.
std::int64_t PercentOf16(std::int64_t value, int percent) {
  return static_cast<std::int64_t>(Fix(Product16(value, percent) / 100.0));
}

// Fix(workers / people per field): the fields those workers fill. A table
// without people per field (no level set up) counts no fields.
Long FieldsWorked(Integer workers, Integer people_per_field) {
  if (people_per_field == 0) return 0;
  return static_cast<Long>(Fix(static_cast<double>(workers) / people_per_field));
}

void SetLosses(GameState& s, const LevelParams& p) {
  const std::int64_t level = s.FarmingLevel;
  const std::int64_t crops_base = WrapInteger(5 * level + p.CropsParams[0]);
  const std::int64_t cattle_base = WrapInteger(level + p.CattleParams[0]);
  if (level < 2) {
    s.BirdsLoss = WrapByte(PercentOf16(crops_base, 20));
    s.WolvesLoss = WrapByte(PercentOf16(cattle_base, 20));
  } else if (level < 4) {
    s.BirdsLoss = WrapByte(PercentOf16(crops_base, 10));
    s.WolvesLoss = WrapByte(PercentOf16(cattle_base, 10));
  } else {
    s.BirdsLoss = WrapByte(PercentOf16(crops_base, 5));
    s.WolvesLoss = 0;
  }
}

void SetYields(GameState& s, const LevelParams& p) {
  const std::int64_t level = s.FarmingLevel;
  s.CropYieldPerField = WrapInteger(20 * level - s.BirdsLoss + p.CropsParams[0]);
  s.CattleYieldPerField = WrapInteger(5 * level - s.WolvesLoss + p.CattleParams[0]);
  // A burnt village works its fields at 55 %.
  if (s.VillageStates[1] != 200) {
    s.CropYieldPerField = WrapInteger(PercentOf16(s.CropYieldPerField, 55));
    s.CattleYieldPerField = WrapInteger(PercentOf16(s.CattleYieldPerField, 55));
  }
  // Without the windmill only a fifth of the grain is milled.
  if (s.WindmillStates[1] != 200) {
    s.CropYieldPerField = WrapInteger(PercentOf16(s.CropYieldPerField, 20));
  }
}

void HarvestGrain(Game& game) {
  GameState& s = game.state;
  for (int field = 1; field <= kFieldCount; ++field) {
    if (s.FieldStates[field] != FieldCrops) continue;
    s.GrainStock = WrapLong(static_cast<std::int64_t>(s.GrainStock) + s.CropYieldPerField);
    game.live.FieldPictures[field] = game.live.CropsPicture;
  }
}

void GatherMeat(GameState& s) {
  for (int field = 1; field <= kFieldCount; ++field) {
    if (s.FieldStates[field] != FieldCattle) continue;
    s.MeatStock = WrapLong(static_cast<std::int64_t>(s.MeatStock) + s.CattleYieldPerField);
  }
}

}  // namespace

std::string_view FieldStatePicture(Byte state) {
  switch (state) {
    case FieldEmpty:
      return kEmptyRes;
    case FieldCrops:
      return kCropsRes1;
    case FieldCattle:
      return kCattleRes;
    case FieldFlood:
      return kFloodRes;
    case FieldHire:
      return kHireRes;
    default:
      return {};
  }
}

std::string_view SeasonCropsPicture(int season) {
  switch (season) {
    case 1:
      return kCropsRes1;
    case 2:
      return kCropsRes2;
    case 3:
      return kCropsRes3;
    case 4:
      return kCropsRes4;
    default:
      return {};
  }
}

void SetWorkers(Game& game, int field, Byte new_state) {
  if (!IsField(field)) return;
  game.live.SelectedField = static_cast<Byte>(field);
  GameState& s = game.state;
  const Byte old_state = s.FieldStates[field];
  const std::int64_t wc = game.params.CropsParams[1];
  const std::int64_t wk = game.params.CattleParams[1];
  for (const WorkerMove& m : kWorkerMoves) {
    if (m.old_state != old_state || m.new_state != new_state) continue;
    s.IdlePeople = WrapLong(s.IdlePeople + m.idle_wc * wc + m.idle_wk * wk);
    s.CropsWorkers = WrapInteger(s.CropsWorkers + m.crops_wc * wc);
    s.CattleWorkers = WrapInteger(s.CattleWorkers + m.cattle_wk * wk);
    s.LeasedFields = WrapByte(s.LeasedFields + m.leased);
    return;
  }
}

void SetField(Game& game, int field, Byte new_state) {
  if (!IsField(field) || new_state > FieldHire) return;
  game.live.SelectedField = static_cast<Byte>(field);
  game.live.FieldPictures[field] = FieldStatePicture(new_state);
  game.state.FieldStates[field] = new_state;
}

void CalcFood(Game& game) {
  GameState& s = game.state;
  SetLosses(s, game.params);
  SetYields(s, game.params);
  const std::string_view picture = SeasonCropsPicture(s.Season);
  if (picture.empty()) return;
  game.live.CropsPicture = picture;
  switch (s.Season) {
    case 1:
      HarvestGrain(game);
      break;
    case 2:
      ShowCropsPictures(game);
      GatherMeat(s);
      break;
    default:
      ShowCropsPictures(game);
      break;
  }
}

void ShowCropsPictures(Game& game) {
  for (int field = 1; field <= kFieldCount; ++field) {
    if (game.state.FieldStates[field] == FieldCrops) {
      game.live.FieldPictures[field] = game.live.CropsPicture;
    }
  }
}

void RestoreFieldPictures(Game& game) {
  const std::string_view season_picture = SeasonCropsPicture(game.state.Season);
  game.live.CropsPicture = season_picture.empty() ? kCropsRes1 : season_picture;
  for (int field = 1; field <= kFieldCount; ++field) {
    const Byte state = game.state.FieldStates[field];
    game.live.FieldPictures[field] =
        state == FieldCrops ? game.live.CropsPicture : FieldStatePicture(state);
  }
}

Long CCropsLblValue(const Game& game) {
  return FieldsWorked(game.state.CropsWorkers, game.params.CropsParams[1]);
}

Long CCattleLblValue(const Game& game) {
  return FieldsWorked(game.state.CattleWorkers, game.params.CattleParams[1]);
}

Long CEmptyLblValue(const Game& game) {
  return kFieldCount - CCropsLblValue(game) - CCattleLblValue(game);
}

Long CHireLblValue(const Game& game) {
  return game.state.LeasedFields;
}

}  // namespace valorne
