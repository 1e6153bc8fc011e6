#include "county/crops_cattle_screens.h"

#include <cstdint>

namespace valorne {

namespace {

std::string Plus(std::int64_t value) {
  return "+" + std::to_string(value);
}

// The fields a number of workers fills, counted by the screens' own figures of
// 100 people per crops field and 45 per cattle field.
std::int64_t FieldsOf(Integer workers, int people_per_field) {
  return static_cast<std::int64_t>(Fix(static_cast<double>(workers) / people_per_field));
}

}  // namespace

CropsFigures CropsScreenFigures(const Game& game) {
  const GameState& s = game.state;
  const std::int64_t level = s.FarmingLevel;
  CropsFigures f;
  f.Crops = Plus(FieldsOf(s.CropsWorkers, 100) * s.CropYieldPerField);
  f.People = std::to_string(s.CropsWorkers);
  f.Field = std::to_string(WrapInteger(20 * level + game.params.CropsParams[0]));
  f.Working = "100";
  f.Birds = std::to_string(s.BirdsLoss);
  f.Crops2 = Plus(s.CropYieldPerField);
  f.FarmPicture = level >= 2;
  return f;
}

CattleFigures CattleScreenFigures(const Game& game) {
  const GameState& s = game.state;
  const std::int64_t level = s.FarmingLevel;
  CattleFigures f;
  f.Cattle = Plus(FieldsOf(s.CattleWorkers, 45) * s.CattleYieldPerField);
  f.People = std::to_string(s.CattleWorkers);
  f.Field = std::to_string((level + 15) * 5);
  f.Working = "45";
  f.Wolfs = std::to_string(s.WolvesLoss);
  f.Cattle2 = Plus(s.CattleYieldPerField);
  f.ExtraPictures = level >= 6 ? 2 : (level >= 3 ? 1 : 0);
  return f;
}

}  // namespace valorne
