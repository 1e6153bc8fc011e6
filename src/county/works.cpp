#include "county/works.h"

#include <cstdint>
#include <type_traits>

#include "county/county_sounds.h"

namespace valorne {

namespace {

// The state fields and the table of one works; S is GameState or, for
// reading, const GameState.
template <typename S>
struct WorksFields {
  template <typename T>
  using Field = std::conditional_t<std::is_const_v<S>, const T, T>;
  Field<Integer>& workers;
  Field<Integer>& places_used;
  Field<OneBased<Byte, 5>>& places;
  const std::array<Integer, 2>& params;
};

template <typename S>
WorksFields<S> FieldsOf(S& s, const LevelParams& p, Works works) {
  switch (works) {
    case Works::Stone:
      return {s.StoneWorkers, s.StoneSlotsUsed, s.StoneSlots, p.StoneWorksParams};
    case Works::Ore:
      return {s.OreWorkers, s.OreSlotsUsed, s.OreSlots, p.OreWorksParams};
    case Works::Wood:
      break;
  }
  return {s.WoodWorkers, s.WoodSlotsUsed, s.WoodSlots, p.WoodWorksParams};
}

}  // namespace

WorksInfo InfoOf(Works works) {
  switch (works) {
    case Works::Stone:
      return {"Stonefrm", "StoneCutterImg1", "stonecutter01.wav", "StoneLbl", {3, 82}};
    case Works::Ore:
      return {"OreFrm", "OreCutterImg1", "orecutter01.wav", "OreLbl", {3, 60}};
    case Works::Wood:
      break;
  }
  return {"WoodFrm", "WoodCutterImg1", "woodcutter01.wav", "WoodLbl", {3, 95}};
}

WorksStaff StaffOf(const Game& game, Works works) {
  const auto f = FieldsOf(game.state, game.params, works);
  WorksStaff staff;
  staff.workers = f.workers;
  staff.places_used = f.places_used;
  staff.places = f.places;
  staff.yield_per_place = f.params[0];
  staff.people_per_place = f.params[1];
  return staff;
}

bool CanOpenWorks(const Game& game, Works works) {
  return works != Works::Ore || !IsTrue(game.state.Rival1Standing);
}

bool OpenWorks(Game& game, Works works) {
  if (!CanOpenWorks(game, works)) return false;
  const WorksInfo info = InfoOf(works);
  game.PlaySound(kCountySoundChannel, info.sound);
  game.ui().OpenScreen(info.form);
  return true;
}

Outcome ToggleWorkPlace(Game& game, Works works, int place) {
  if (place < 1 || place > kWorkPlaces) return Refused();
  GameState& s = game.state;
  const auto f = FieldsOf(s, game.params, works);
  const Integer people = f.params[1];
  Outcome outcome = Refused();
  if (f.places[place] == 0 && s.IdlePeople >= people) {
    f.workers = WrapInteger(f.workers + people);
    f.places_used = WrapInteger(f.places_used + 1);
    s.IdlePeople = WrapLong(static_cast<std::int64_t>(s.IdlePeople) - people);
    f.places[place] = 1;
    outcome = Accepted();
  } else if (f.places[place] == 1) {
    f.workers = WrapInteger(f.workers - people);
    f.places_used = WrapInteger(f.places_used - 1);
    s.IdlePeople = WrapLong(static_cast<std::int64_t>(s.IdlePeople) + people);
    f.places[place] = 0;
    outcome = Accepted();
  }
  game.PlaySound(kClickChannel, kClickSound);
  return outcome;
}

WorksFigures WorksScreenFigures(const Game& game, Works works) {
  const WorksStaff staff = StaffOf(game, works);
  WorksFigures f;
  f.FrmTitle = InfoOf(works).title;
  f.Available = std::to_string(game.state.IdlePeople);
  f.AvailableWarning = game.state.IdlePeople < staff.people_per_place;
  f.People = std::to_string(staff.workers);
  f.Yield = "+" + std::to_string(WrapInteger(static_cast<std::int64_t>(staff.yield_per_place) *
                                             staff.places_used));
  for (int place = 1; place <= kWorkPlaces; ++place) {
    f.SlotPictures[place] = staff.places[place] == 1 ? kSlotInUse : kSlotFree;
  }
  return f;
}

}  // namespace valorne
