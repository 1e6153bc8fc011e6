// The recruiting screen `ArmyFrm`: the fourteen unit types with their
// portraits, the figures and equipment of the type chosen, the raise and
// release buttons that work while they are held (one soldier each tick of the
// screen's `RaiseTimer`), and the forming of a new army from the soldiers
// raised. Cancelling puts every stock and pool back as it was on opening.
#pragma once

#include "county/recruitment.h"
#include "screens/toolkit/form.h"

namespace valorne {

class ArmyFrm : public Form {
 public:
  // Recruits at the castle (place 0) or at the outpost (place 1).
  ArmyFrm(Game& game, Ui& ui, Byte place = kRecruitPlaceCastle);

  // The pace of the held raise and release buttons.
  static constexpr int kRaiseIntervalMs = 40;

  const Recruiting& recruiting() const { return recruiting_; }

 private:
  void Form_Load();
  void Type_Click(int type);
  void Hold(int direction);
  void Release();
  void RaiseTimer_Tick();
  void OkAniBtn_Click();
  void Noanibtn_Click();

  void ShowFigures();
  void ShowOn(std::string_view control, TextRef text);

  Byte place_;
  Recruiting recruiting_;
  int direction_ = 0;  // +1 while the raise button is held, -1 for release
};

}  // namespace valorne
