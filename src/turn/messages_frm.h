// The message screen `MessagesFrm`: the news and the reports of the last
// turns, eight lines each, with a marker the arrows move over the lines of
// each list, and the option that opens the screen after every turn.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class MessagesFrm : public Form {
 public:
  MessagesFrm(Game& game, Ui& ui);

  // The line (1..count) each list's marker is on; 0 while its list is empty.
  int news_marker() const { return markers_[0]; }
  int reports_marker() const { return markers_[1]; }

 private:
  void Form_Load();
  void MoveMarker(int list, int by);
  void ShowMarker(int list);

  int markers_[2] = {0, 0};
};

}  // namespace valorne
