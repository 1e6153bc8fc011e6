#include "screens/camp1_frm.h"

#include "county/fields.h"
#include "platform/data_files.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

bool IsStrip(std::string_view name) {
  return name == "TopMargin" || name == "BottomMargin" || name == "LeftMargin" ||
         name == "RightMargin";
}

Byte StripDirection(std::string_view name) {
  if (name == "TopMargin") return kScrollUp;
  if (name == "BottomMargin") return kScrollDown;
  if (name == "LeftMargin") return kScrollLeft;
  return kScrollRight;
}

}  // namespace

Camp1Frm::Camp1Frm(Game& game, Ui& ui)
    : Camp1Layout(LoadMapLayout(DataFile(game.AppPath, kCountyMapFile)), ui.display_size()),
      Form(ui, {.name = "Camp1Frm",
                .size = form_size(),
                .controls = table(),
                .centred = true,
                .enlarges = false}) {
  BindHandlers();
  BindMapObjects();
  BindPlaces();
  // A place's own behaviour comes after its information is on the panel.
  if (Find("OutpostImg1")) On("OutpostImg1", FormEvent::Click, [this] { OutpostClick(); });
  BindBattlePlaces();
  BindArmies();
  StartAmbience();
  // The land, the fields and the buildings are drawn once and kept.
  if (const Control* lively = Find(first_lively())) KeepStillUntil(*lively);
}

void Camp1Frm::BindHandlers() {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  OnForm(FormEvent::Activate, [this] { Form_Activate(); });
  OnForm(FormEvent::Deactivate, [this] {
    StopScrolling();
    if (Control* tooltip = Find("TooltipFrame")) tooltip->SetVisible(false);
  });
  // Under a question of the end of turn the map already shows the turn's
  // new figures and its cleared (or newly set) status line.
  OnForm(FormEvent::Covered, [this] { RedrawAll(); });
  OnForm(FormEvent::MouseMove, [this] { PointerOverBackground(); });
  OnForm(FormEvent::KeyDown, [this](const EventArgs& a) {
    ArrowKey(a);
    CommandKey(a, true);
  });
  OnForm(FormEvent::KeyUp, [this](const EventArgs& a) {
    QuickKey(a);
    CommandKey(a, false);
  });

  // The pointer over anything but a command button or an edge strip counts
  // as the background: scrolling stops and the help goes.
  for (const auto& c : controls()) {
    Control& control = *c;
    const std::string& name = control.name();
    if (const MapCommand* command = FindMapCommand(name)) {
      control.AddHandler(FormEvent::MouseMove, [this, command, &control](const EventArgs&) {
        CommandHover(*command, control);
      });
      control.AddHandler(FormEvent::Click,
                         [this, command](const EventArgs&) { CommandClick(*command); });
    } else if (IsStrip(name)) {
      const Byte direction = StripDirection(name);
      control.AddHandler(FormEvent::MouseMove,
                         [this, direction](const EventArgs&) { EnterStrip(direction); });
    } else {
      control.AddHandler(FormEvent::MouseMove,
                         [this](const EventArgs&) { PointerOverBackground(); });
    }
  }
  if (Find("Image1")) On("Image1", FormEvent::Click, [this] { this->ui().Open("TipsFrm"); });
}

void Camp1Frm::Form_Load() {
  RestoreFieldPictures(game());
  PlaceMapAtStart();
  StartAmbientTimers();
  ShowTime();
}

// Whatever a screen opened over the map did (a load among it), the map shows
// the state as it now is.
void Camp1Frm::Form_Activate() {
  RestoreFieldPictures(game());
  // An army ordered out of the castle walks once the map is in front again.
  if (game().live.WalkOrdered && !game().live.ArmyWalking) StartWalk();
  RedrawAll();
}

void Camp1Frm::RedrawAll() {
  RedrawStatusBar();
  RedrawMap();
  ShowHelper();
  RedrawInfoPanel();
}

}  // namespace valorne
