// The objectives screen `TipsFrm`: the level's four objectives with the ones
// already met in green, two reminders, and the level's story on request.
// Opened on a won level it is the victory screen, whose only way is on to
// the next level; opened on a lost level it is the defeat screen, which
// offers the replay from the level's first save or the way back to the menu.
// The face is decided from the game state each time the screen loads.
#pragma once

#include <array>
#include <string>

#include "screens/toolkit/form.h"
#include "state/values.h"

namespace valorne {

class Game;
class Ui;

enum class TipsFace { Objectives, Victory, Defeat };

// The objectives of the level as the game state stands: entries 0..3 are 1
// when rival county 1 has fallen, the armies held 1000 soldiers at the last
// end of turn, farming knowledge is at level 10 and morale at 75.
std::array<Byte, 6> ObjectivesMet(const Game& game);
TipsFace FaceOf(const Game& game);

inline constexpr Colour kObjectiveMetInk = Rgb(0, 150, 50);
inline constexpr Colour kDefeatInk = Rgb(255, 0, 0);

class TipsFrm : public Form {
 public:
  TipsFrm(Game& game, Ui& ui);

  TipsFace face() const { return face_; }
  const std::array<Byte, 6>& ObjectiveMet() const { return objective_met_; }
  bool LevelWon() const { return level_won_; }

 private:
  void Form_Load();
  void Form_Activate();
  void ShowStory();
  void CloseScreen();
  void GoOn();
  void Replay();
  void BackToMenu();
  // The pressed look of a button and its caption while the mouse is held.
  void BindButton(std::string_view button, std::string_view caption, void (TipsFrm::*action)());
  void SetPressed(std::string_view button, std::string_view caption, bool pressed);

  std::array<Byte, 6> objective_met_{};
  std::string held_;  // the button of a pair that is held down, empty for none
  bool level_won_ = false;
  TipsFace face_ = TipsFace::Objectives;
};

}  // namespace valorne
