#include "screens/tips_frm.h"

#include "level/handoff.h"
#include "level/save_actions.h"
#include "screens/camp1_frm.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

constexpr int kLines = 6;
constexpr int kFirstObjectiveText = 84;  // category 5, one per line
constexpr TextRef kDefeatLine{4, 137};
constexpr TextRef kChapterTitle{2, 18};
constexpr TextRef kIntroduction{2, 28};

// The open middle of the stone frame: 560 x 360 from (120, 120).
constexpr int kInnerLeft = 120;
constexpr int kInnerWidth = 560;

ControlSpec Line(int line) {
  return {.name = "TipLbl",
          .kind = ControlKind::RunaLabel,
          .rect = {kInnerLeft + 36, 170 + 40 * (line - 1), kInnerWidth - 72, 38},
          .index = line,
          .fore = look::kInk,
          .font_size = 16};
}

ControlSpec Button(std::string_view name, int left, bool visible, TextRef caption = {}) {
  return {.name = name,
          .kind = ControlKind::AniButton,
          .rect = {left, 426, 140, 40},
          .caption = caption,
          .font_size = 16,
          .visible = visible};
}

ControlSpec Caption(std::string_view name, int left, int id, bool visible) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = {left, 436, 140, 22},
          .caption = {3, static_cast<std::int16_t>(id)},
          .fore = look::kGoldLetters,
          .font_size = 16,
          .align = TextAlign::Centre,
          .visible = visible};
}

const ControlSpec kTipsControls[] = {
    {.name = "Image2",
     .kind = ControlKind::Image,
     .rect = {80, 60, 640, 480},
     .picture = "graphic_objectives.rx"},
    {.name = "Image5",
     .kind = ControlKind::Image,
     .rect = {0, 0, 800, 600},
     .picture = "graphic_objectivesframe.rx"},
    {.name = "TitleLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {kInnerLeft + 20, 126, kInnerWidth - 40, 36},
     .caption = {3, 84},
     .fore = look::kInk,
     .font_size = 26,
     .align = TextAlign::Centre},
    Line(1),
    Line(2),
    Line(3),
    Line(4),
    Line(5),
    Line(6),
    {.name = "ChapterLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {kInnerLeft + 20, 126, kInnerWidth - 40, 32},
     .fore = look::kInk,
     .font_size = 20,
     .align = TextAlign::Centre,
     .visible = false},
    {.name = "IntroTextLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {kInnerLeft + 24, 164, kInnerWidth - 48, 254},
     .fore = look::kInk,
     .font_size = 12,
     .visible = false},
    Button("Label1", 160, true, {3, 89}),
    Button("Image1", 500, true),
    Caption("CloseLbl", 500, 86, true),
    Button("NextLbl", 330, false),
    Caption("ContinueLbl", 330, 85, false),
    Button("Image3", 200, false),
    Caption("ReplayLbl", 200, 87, false),
    Button("Image4", 460, false),
    Caption("MenuLbl", 460, 88, false),
};

}  // namespace

std::array<Byte, 6> ObjectivesMet(const Game& game) {
  const GameState& s = game.state;
  std::array<Byte, 6> met{};
  met[0] = !IsTrue(s.Rival1Standing);
  met[1] = game.live.ArmyTotal >= 1000;
  met[2] = s.FarmingLevel >= 10;
  met[3] = s.Morale >= 75.0f;
  return met;
}

TipsFace FaceOf(const Game& game) {
  if (!IsTrue(game.state.PlayerUndefeated)) return TipsFace::Defeat;
  const std::array<Byte, 6> met = ObjectivesMet(game);
  return met[0] && met[1] && met[2] && met[3] ? TipsFace::Victory : TipsFace::Objectives;
}

TipsFrm::TipsFrm(Game& game, Ui& ui)
    : Form(ui, {.name = "TipsFrm",
                .size = {800, 600},
                .controls = kTipsControls,
                .cancel = "Image1",
                .confirm = "Image1"}) {
  (void)game;
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  OnForm(FormEvent::Activate, [this] { Form_Activate(); });
  On("Label1", FormEvent::Click, [this] { ShowStory(); });
  BindButton("Image1", "CloseLbl", &TipsFrm::CloseScreen);
  BindButton("NextLbl", "ContinueLbl", &TipsFrm::GoOn);
  BindButton("Image3", "ReplayLbl", &TipsFrm::Replay);
  BindButton("Image4", "MenuLbl", &TipsFrm::BackToMenu);
}

// A button and the caption that lies on it act as one: a press on either
// shows the button pressed in (the caption moves with it), and a click on
// either does the button's work.
void TipsFrm::BindButton(std::string_view button, std::string_view caption,
                         void (TipsFrm::*action)()) {
  const std::string b(button);
  const std::string c(caption);
  for (const std::string& name : {b, c}) {
    On(name, FormEvent::MouseDown, [this, b, c] { SetPressed(b, c, true); });
    On(name, FormEvent::MouseUp, [this, b, c] { SetPressed(b, c, false); });
    On(name, FormEvent::Click, [this, action] { (this->*action)(); });
  }
}

void TipsFrm::SetPressed(std::string_view button, std::string_view caption, bool pressed) {
  // The screen keeps its own note of the held button: the pointer's press
  // has already shown the control under it pressed in, and the pair must
  // answer the same whether the button or its caption was pressed.
  if ((held_ == button) == pressed) return;
  held_ = pressed ? std::string(button) : std::string();
  Control& b = (*this)[button];
  Control& c = (*this)[caption];
  if (pressed && (button == "Image1" || button == "NextLbl")) {
    game().PlaySound(kMapClickChannel, "click01.wav");
  }
  b.SetPressed(pressed);
  const int shift = pressed ? 1 : -1;
  c.Move(c.left() + shift, c.top() + shift);
}

void TipsFrm::Form_Load() {
  const Game& g = game();
  objective_met_ = ObjectivesMet(g);
  for (int line = 1; line <= 4; ++line) {
    At("TipLbl", line).SetFore(objective_met_[line - 1] ? kObjectiveMetInk : look::kInk);
  }
  level_won_ = objective_met_[0] && objective_met_[1] && objective_met_[2] && objective_met_[3];
  face_ = level_won_ ? TipsFace::Victory : TipsFace::Objectives;
  if (level_won_) {
    (*this)["Image1"].SetVisible(false);
    (*this)["CloseLbl"].SetVisible(false);
    (*this)["NextLbl"].SetVisible(true);
    (*this)["ContinueLbl"].SetVisible(true);
    (*this)["Label1"].SetVisible(false);
  }
  // A defeat overrides a victory found in the same load.
  if (!IsTrue(g.state.PlayerUndefeated)) {
    face_ = TipsFace::Defeat;
    At("TipLbl", 1).SetFore(kDefeatInk);
    (*this)["Image1"].SetVisible(false);
    (*this)["CloseLbl"].SetVisible(false);
    (*this)["NextLbl"].SetVisible(false);
    (*this)["ContinueLbl"].SetVisible(false);
    (*this)["Label1"].SetVisible(false);
    for (std::string_view shown : {"ReplayLbl", "MenuLbl", "Image3", "Image4"}) {
      (*this)[shown].SetVisible(true);
    }
  }
}

// The captions and the six lines; on the defeat face the first line tells
// of the defeat, the second what lost the level when the turn knows it, and
// the others stay empty.
void TipsFrm::Form_Activate() {
  const Game& g = game();
  for (const auto& c : controls()) {
    if (c->caption().category != 0) ShowText(*c, c->caption().id, c->caption().category, g.texts);
  }
  for (int line = 1; line <= kLines; ++line) {
    Control& label = At("TipLbl", line);
    if (face_ == TipsFace::Defeat) {
      const TextRef why = g.live.DefeatText;
      if (line == 1) {
        ShowText(label, kDefeatLine.id, kDefeatLine.category, g.texts);
      } else if (line == 2 && why.category != 0) {
        // What lost the level (the castle fallen, the lord murdered).
        ShowText(label, why.id, why.category, g.texts);
      } else {
        label.ClearText();
      }
    } else {
      ShowText(label, kFirstObjectiveText + line - 1, 5, g.texts);
    }
  }
}

void TipsFrm::ShowStory() {
  Game& g = game();
  g.PlaySound(kMapClickChannel, "click01.wav");
  (*this)["TitleLbl"].SetVisible(false);
  for (int line = 1; line <= kLines; ++line) At("TipLbl", line).SetVisible(false);
  Control& chapter = (*this)["ChapterLbl"];
  Control& intro = (*this)["IntroTextLbl"];
  chapter.SetVisible(true);
  intro.SetVisible(true);
  ShowText(chapter, kChapterTitle.id, kChapterTitle.category, g.texts);
  ShowText(intro, kIntroduction.id, kIntroduction.category, g.texts);
}

void TipsFrm::CloseScreen() {
  Close();
}

void TipsFrm::GoOn() {
  CompleteLevel(game(), ui().services());
  Close();
}

void TipsFrm::Replay() {
  const LoadResult loaded = ReplayFromFirstSave(game());
  if (loaded.outcome == LoadOutcome::Failed) {
    // The first save is missing or damaged: say so under the defeat line.
    Control& line = At("TipLbl", 2);
    line.SetFore(kDefeatInk);
    line.SetText(loaded.message);
    return;
  }
  if (loaded.outcome != LoadOutcome::Ignored) Close();
}

void TipsFrm::BackToMenu() {
  ExitToMenu(game(), ui().services());
  Close();
}

}  // namespace valorne
