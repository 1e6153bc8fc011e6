// The wood, stone and ore works. Each has five work places; a staffed place
// takes a fixed number of people from the idle pool and yields a fixed amount
// of its material at every end of turn. The three works follow the same rules
// with their own values, screens and sounds. The ore works lie in the land of
// rival county 1 and cannot be entered while that county stands.
#pragma once

#include <string>
#include <string_view>

#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

enum class Works { Wood = 1, Stone, Ore };

inline constexpr int kWorkPlaces = 5;

// What tells one works from another.
struct WorksInfo {
  std::string_view form;         // its screen
  std::string_view map_picture;  // the picture on the campaign map
  std::string_view sound;        // played when the screen opens
  std::string_view yield_label;  // the screen's yield label
  TextRef title;                 // `FrmTitleLbl`
};
WorksInfo InfoOf(Works works);

// The works' figures, read from the state and the level's table.
struct WorksStaff {
  Integer workers = 0;           // `WoodWorkers` ...
  Integer places_used = 0;       // `WoodSlotsUsed` ...
  OneBased<Byte, 5> places;      // `WoodSlots` ...
  Integer yield_per_place = 0;   // `WoodWorksParams`[0] ...
  Integer people_per_place = 0;  // `WoodWorksParams`[1] ...
};
WorksStaff StaffOf(const Game& game, Works works);

// Whether the works' screen may open: always for wood and stone, for ore only
// while rival county 1 no longer stands.
bool CanOpenWorks(const Game& game, Works works);

// A click on the works picture of the map: plays the works' sound and opens
// its screen modally. Returns false (and does nothing) when the screen may not
// open.
bool OpenWorks(Game& game, Works works);

// A press on `SlotImg1`..`SlotImg5`: a free place is staffed when enough
// people are idle (otherwise it stays free, silently); a staffed place is
// freed and its people go back to the idle pool. After the press a short
// click plays. A place number outside 1..5 changes nothing.
Outcome ToggleWorkPlace(Game& game, Works works, int place);

// The works' screen.
struct WorksFigures {
  TextRef FrmTitle{};             // `FrmTitleLbl`
  TextRef Label1{3, 61};          // `RUNA_Label1`
  TextRef Label2{3, 62};          // `RUNA_Label2`
  std::string Available;          // `AvailableLbl`: idle people
  bool AvailableWarning = false;  // marked when fewer are idle than a place needs
  std::string People;             // `PeopleLbl`: the works' people
  std::string Yield;              // `WoodLbl`/`StoneLbl`/`OreLbl`: "+" the next turn's yield
  OneBased<std::string_view, 5> SlotPictures;  // `SlotImg1`..`SlotImg5`
};
WorksFigures WorksScreenFigures(const Game& game, Works works);

inline constexpr std::string_view kSlotFree = "SlotRes1";
inline constexpr std::string_view kSlotInUse = "SlotRes2";

}  // namespace valorne
