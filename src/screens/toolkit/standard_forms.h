// The screens the toolkit brings itself: the placeholder shown for a screen
// no part has registered yet (its name as the title and a close button),
// and plain question and message boxes that serve until the message screens
// are registered under the same names.
#pragma once

#include <string_view>

#include "screens/toolkit/form.h"

namespace valorne {

inline constexpr std::string_view kQuestionBoxName = "MsgFrm";
inline constexpr std::string_view kMessageBoxName = "MsgBoxFrm";

// TitleLbl holds the screen's name; CloseBtn closes it.
class PlaceholderForm : public Form {
 public:
  PlaceholderForm(Ui& ui, std::string_view name);
};

// The question text 1/id in MsgLbl; OkAniBtn answers yes, Noanibtn no.
class QuestionBoxForm : public Form {
 public:
  explicit QuestionBoxForm(Ui& ui);
};

// The message in MsgLbl; OkAniBtn closes it.
class MessageBoxForm : public Form {
 public:
  explicit MessageBoxForm(Ui& ui);
};

}  // namespace valorne
