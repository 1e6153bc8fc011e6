// The command bar of the campaign map: the buttons that open the county's
// screens, their sounds and help texts, the guards of the army and smithy
// buttons, and the end of turn with its busy animation.
#include "county/screen_outcome.h"
#include "platform/data_files.h"
#include "screens/camp1_frm.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"
#include "turn/end_turn.h"

namespace valorne {

namespace {

constexpr MapCommand kMapCommands[] = {
    {"ArmyBtn", "ArmyFrm", "army01.wav", "", 12, 2},
    {"BlacksmithBtn", "BlacksmithFrm", "fire01.wav", "blacksmith01.wav", 11, 1},
    {"BuildBtn", "BuildFrm", "", "", 10, 0},
    {"DiploBtn", "DiploFrm", "", "", 9, 0},
    {"ScienceBtn", "ScienceFrm", "science01.wav", "", 8, 0},
    {"TaxBtn", "TaxFrm", "tax01.wav", "", 7, 0},
    {"PeopleBtn", "PeopleFrm", "people01.wav", "", 6, 0},
    {"EndTurnBtn", "", "", "", 5, 0},
    {"PreviewBtn", "MapPreviewFrm", "", "", 4, 0},
    {"RealmBtn", "RealmFrm", "", "", 3, 0},
    {"MenuBtn", "MenuFrm", "", "", 2, 0},
    {"MessagessBtn", "MessagesFrm", "", "", 1, 0},
    {"WeatherBtn", "WeatherFrm", "", "", 0, 0},
    {"SpecialBtn", "GuardFrm", "specialunits01.wav", "", 13, 0},
};

// The busy strip: four frames side by side.
constexpr int kBusyFrameWidth = 39;
constexpr int kBusyStripWidth = 4 * kBusyFrameWidth;

constexpr std::string_view kBusyPointer = "\\pointers\\loading01.ico";
constexpr std::string_view kNormalPointer = "\\pointers\\normal01.ico";

}  // namespace

const MapCommand* FindMapCommand(std::string_view control) {
  for (const MapCommand& c : kMapCommands) {
    if (c.control == control) return &c;
  }
  return nullptr;
}

// Over a command button: its highlight and its help, once; a pointer that
// comes straight from another button first takes that one's highlight away.
void Camp1Frm::CommandHover(const MapCommand& command, Control& button) {
  StopScrolling();
  if (button_hover_active_ && highlighted_ && highlighted_ != &button) {
    ClearHighlight();
    button_hover_active_ = false;
  }
  if (button_hover_active_) return;
  button_hover_active_ = true;
  highlighted_ = &button;
  highlighted_picture_ = button.picture();
  if (!button.hover_picture().empty()) button.SetPicture(button.hover_picture());
  game().live.Helper = {4, static_cast<std::int16_t>(command.help)};
  note_.clear();
  ShowHelper();
  ShowCommandKey(command);
}

// The pointer over the background or the map: scrolling stops, the flag and
// crown marks go, the hint line empties and no button is highlighted.
void Camp1Frm::PointerOverBackground() {
  StopScrolling();
  for (std::string_view mark : {"EFlagImg1", "EFlagImg2", "CrownImg"}) {
    if (Control* c = Find(mark)) c->SetVisible(false);
  }
  if (game().live.Helper.category != 0 || !note_.empty()) {
    game().live.Helper = {};
    note_.clear();
    ShowHelper();
  }
  ClearHighlight();
  button_hover_active_ = false;
}

// Takes the highlight off the button (the hover help stays).
void Camp1Frm::ClearHighlight() {
  if (!highlighted_) return;
  highlighted_->SetPicture(highlighted_picture_);
  highlighted_ = nullptr;
}

void Camp1Frm::CommandClick(const MapCommand& command) {
  if (command.screen.empty()) {
    EndTurnBtn_Click();
    return;
  }
  Game& g = game();
  if (command.building != 0) {
    ClearHighlight();
    if (!IsTrue(g.state.BuildingBuilt[command.building])) {
      g.live.Helper = kBuildingMissing;
      note_.clear();
      ShowHelper();
      return;
    }
  }
  if (!command.sound.empty()) g.PlaySound(kMapSoundChannel, command.sound);
  if (!command.second_sound.empty()) g.PlaySound(kMapSecondChannel, command.second_sound);
  ui().Open(command.screen);
  if (!closed()) RedrawAll();
}

void Camp1Frm::EndTurnBtn_Click() {
  ClearHighlight();
  // An army on the march arrives first: its step is a move of the turn that
  // ends, and the new turn's moves are all its own.
  if (game().live.ArmyWalking) FinishWalk();
  if (closed() || ui().ending()) return;
  EndTurnClick(game());
  if (closed() || ui().ending()) return;
  StartBusyAnimation();
  RedrawAll();
}

void Camp1Frm::StartBusyAnimation() {
  busy_offset_ = 0;
  Timer& timer = ui().timer("EndTurnTimer");
  ui().timers().Bind("EndTurnTimer", *this, [this] { EndTurnTimer_Timer(); });
  timer.SetInterval(kBusyFrameMs);
  timer.SetEnabled(true);
}

// One frame of the hourglass in the medallion of the status bar; after the
// fourth the pointer is the normal one again.
void Camp1Frm::EndTurnTimer_Timer() {
  Game& g = game();
  const bool own_pointer = !IsTrue(g.display.StandardPointer);
  if (own_pointer) ui().pointer().SetPointerFile(DataFile(g.AppPath, kBusyPointer));
  if (Control* anim = Find("EndTurnAnim")) anim->SetVisible(true);
  if (Control* strip = Find("EndTurnAnimImg")) strip->SetLeft(-busy_offset_);
  busy_offset_ += kBusyFrameWidth;
  if (busy_offset_ >= kBusyStripWidth) {
    busy_offset_ = 0;
    ui().timer("EndTurnTimer").SetEnabled(false);
    if (own_pointer) ui().pointer().SetPointerFile(DataFile(g.AppPath, kNormalPointer));
  }
}

}  // namespace valorne
