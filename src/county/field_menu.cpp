#include "county/field_menu.h"

#include "county/county_sounds.h"
#include "county/fields.h"

namespace valorne {

namespace {

bool IsField(int field) {
  return field >= 1 && field <= kFieldCount;
}

struct ButtonRule {
  std::string_view sound;
  Byte new_state;
};

ButtonRule RuleOf(FieldMenuButton button) {
  switch (button) {
    case FieldMenuButton::Field1Pic:
      return {"plain01.wav", FieldEmpty};
    case FieldMenuButton::Field2Pic:
      return {"crops01.wav", FieldCrops};
    case FieldMenuButton::Field3Pic:
      return {"cattle01.wav", FieldCattle};
    case FieldMenuButton::Field4Pic:
      return {"tax01.wav", FieldHire};
  }
  return {"", FieldEmpty};
}

// Crops and cattle need a field's people from the idle pool, even when the
// field already has that use.
bool EnoughIdlePeople(const Game& game, Byte new_state) {
  if (new_state == FieldCrops) return game.state.IdlePeople >= game.params.CropsParams[1];
  if (new_state == FieldCattle) return game.state.IdlePeople >= game.params.CattleParams[1];
  return true;
}

}  // namespace

bool SmallFieldButtons::Shown(FieldMenuButton button) const {
  switch (button) {
    case FieldMenuButton::Field1Pic:
      return Field1Pic;
    case FieldMenuButton::Field2Pic:
      return Field2Pic;
    case FieldMenuButton::Field3Pic:
      return Field3Pic;
    case FieldMenuButton::Field4Pic:
      return Field4Pic;
  }
  return false;
}

SmallFieldButtons ShowSmallFieldsBtns(int season) {
  SmallFieldButtons shown;
  shown.Field1Pic = true;
  shown.Field2Pic = season == 1;
  shown.Field3Pic = season == 2;
  shown.Field4Pic = true;
  return shown;
}

SmallFieldButtons FieldMenuChoices(const Game& game, int field) {
  if (!IsField(field) || game.state.FieldStates[field] == FieldFlood) return {};
  return ShowSmallFieldsBtns(game.state.Season);
}

bool OpenFieldMenu(Game& game, int field) {
  if (!FieldMenuChoices(game, field).Any()) return false;
  game.PlaySound(kCountySoundChannel, "rollover01.wav");
  game.live.SelectedField = static_cast<Byte>(field);
  game.live.FieldMenuShown = true;
  return true;
}

void CloseFieldMenu(Game& game) {
  game.live.FieldMenuShown = false;
}

Outcome ChooseFieldAction(Game& game, int field, FieldMenuButton button) {
  if (!FieldMenuChoices(game, field).Shown(button)) return Refused();
  const ButtonRule rule = RuleOf(button);
  game.PlaySound(kCountySoundChannel, rule.sound);
  if (!EnoughIdlePeople(game, rule.new_state)) return Refused();
  SetWorkers(game, field, rule.new_state);
  SetField(game, field, rule.new_state);
  CloseFieldMenu(game);
  return Accepted();
}

std::string_view FieldInfoScreen(const Game& game, int field) {
  if (!IsField(field)) return {};
  switch (game.state.FieldStates[field]) {
    case FieldCrops:
      return "CropsFrm";
    case FieldCattle:
      return "CattleFrm";
    default:
      return {};
  }
}

bool OpenFieldInfo(Game& game, int field) {
  const std::string_view form = FieldInfoScreen(game, field);
  if (form.empty()) return false;
  game.PlaySound(kCountySoundChannel, form == "CropsFrm" ? "crops01.wav" : "cattle01.wav");
  game.ui().OpenScreen(form);
  return true;
}

}  // namespace valorne
