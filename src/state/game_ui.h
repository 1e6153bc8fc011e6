// What the rules ask of the screens. The end of turn and the other rules stay
// plain code that runs without a window: when a rule needs the player (a
// question, a screen to open) or a sound, it goes through this interface. The
// screens implement it with modal forms; tests and benchmarks with a policy.
#pragma once

#include <string>
#include <string_view>

namespace valorne {

class GameUi {
 public:
  virtual ~GameUi() = default;

  // Shows the question box with text 1/`text_id` for question `kind` and
  // returns when the player has answered: true for OK, false for No.
  virtual bool AskQuestion(int kind, int text_id) = 0;

  // Shows one text in a message box that the player closes with OK (the
  // confirmations of saving and loading, for example).
  virtual void ShowMessage(int category, int id) = 0;

  // Opens a screen by its form name ("GarryFrm", "TipsFrm", ...) modally and
  // returns when it has closed.
  virtual void OpenScreen(std::string_view form) = 0;

  // Plays a file of the sounds folder on a named channel ("EnvChanel01").
  // Called only while sound is on.
  virtual void PlaySound(std::string_view channel, std::string_view file) = 0;
};

// Answers every question with one fixed answer, opens nothing and plays
// nothing: the game run without screens, for tests and tools.
class FixedAnswerUi : public GameUi {
 public:
  explicit FixedAnswerUi(bool answer = false) : answer_(answer) {}
  bool AskQuestion(int, int) override { return answer_; }
  void ShowMessage(int, int) override {}
  void OpenScreen(std::string_view) override {}
  void PlaySound(std::string_view, std::string_view) override {}
  void set_answer(bool answer) { answer_ = answer; }

 private:
  bool answer_;
};

}  // namespace valorne
