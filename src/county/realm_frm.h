// The realm screen `RealmFrm`: the county at a glance (the works and their
// workers, the fields, the special units, the places held, the armies and
// the lords). Each line leads on: the pictures open the screens that manage
// them, the army lines select an army on the map and the lords' names open
// the leader screen.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class RealmFrm : public Form {
 public:
  RealmFrm(Game& game, Ui& ui);

 private:
  void ShowFigures();
  void OpenWith(std::string_view sound, std::string_view screen);
  void ArmyLbl_Click(int army);
  void Lord_Click(int lord);
};

}  // namespace valorne
