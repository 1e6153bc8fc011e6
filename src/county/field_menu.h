// The small menu beside a field of the map: a right press on a field opens
// four buttons (empty, crops, cattle, lease) of which the season shows some;
// a left click on a crops or cattle field opens its information screen.
#pragma once

#include <string_view>

#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

// The four buttons of the field menu.
enum class FieldMenuButton {
  Field1Pic = 1,  // leave the field empty
  Field2Pic,      // sow crops
  Field3Pic,      // put out cattle
  Field4Pic,      // lease the field out
};

// Which of the four buttons are shown.
struct SmallFieldButtons {
  bool Field1Pic = false;
  bool Field2Pic = false;
  bool Field3Pic = false;
  bool Field4Pic = false;

  bool Shown(FieldMenuButton button) const;
  bool Any() const { return Field1Pic || Field2Pic || Field3Pic || Field4Pic; }
};

// The buttons the season allows: crops are sown only in season 1 and cattle
// put out only in season 2; emptying and leasing are always offered.
SmallFieldButtons ShowSmallFieldsBtns(int season);

// The buttons the menu of field 1..10 shows now: none for a flooded field
// (it opens no menu) or a number that is no field.
SmallFieldButtons FieldMenuChoices(const Game& game, int field);

// A right press on `FieldImg1`..`FieldImg10`: opens the menu of the field
// unless it is flooded. The field becomes the selected field. Returns whether
// the menu is open.
bool OpenFieldMenu(Game& game, int field);

// Hides the field menu (also a click elsewhere on the map).
void CloseFieldMenu(Game& game);

// A button of the menu of `field`. The button plays its sound, then sows
// crops or puts out cattle only when enough people are idle (a refusal is
// silent and leaves the menu open); emptying and leasing always go through.
// A button the menu does not show is refused without a sound. An accepted
// choice moves the people, sets the field and closes the menu.
Outcome ChooseFieldAction(Game& game, int field, FieldMenuButton button);

// The information screen a left click on the field opens: `CropsFrm` for a
// crops field, `CattleFrm` for a cattle field, none (empty) for the others.
std::string_view FieldInfoScreen(const Game& game, int field);

// A left click on a field: plays the screen's sound and opens it modally.
// Returns whether a screen was opened.
bool OpenFieldInfo(Game& game, int field);

}  // namespace valorne
