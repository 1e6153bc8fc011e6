#include "level/menu_frm.h"

#include <vector>

#include "level/handoff.h"
#include "level/save_actions.h"
#include "level/save_list_frm.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

constexpr std::string_view kMainPage = "MainPage";
constexpr std::string_view kAboutPage = "AboutPage";
constexpr Colour kEntryHover = Rgb(120, 40, 16);

// An entry of the main page: a line of large letters that lights up under
// the pointer.
constexpr ControlSpec Entry(std::string_view name, int top, std::string_view text) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = {40, top, 320, 28},
          .text = text,
          .parent = kMainPage,
          .fore = look::kInk,
          .font_size = 19,
          .align = TextAlign::Centre};
}

constexpr std::string_view kEntries[] = {"SaveGameLbl",  "LoadGameLbl",    "SaveExitLbl",
                                         "OptionsLbl",   "MoreOptionsLbl", "AboutLbl",
                                         "ExitTitlelbl", "ExitLbl",        "ResumeLbl"};

const ControlSpec kMenuControls[] = {
    {.name = "TitleLbl",
     .kind = ControlKind::Label,
     .rect = {40, 34, 400, 34},
     .fore = look::kInk,
     .font_size = 24,
     .align = TextAlign::Centre},
    {.name = kMainPage, .kind = ControlKind::Picture, .rect = {40, 76, 400, 290}},
    Entry("SaveGameLbl", 0, "Save the game"),
    Entry("LoadGameLbl", 32, "Load a game"),
    Entry("SaveExitLbl", 64, "Save and exit"),
    Entry("OptionsLbl", 104, "Options"),
    Entry("MoreOptionsLbl", 136, "Sound and messages"),
    Entry("AboutLbl", 168, "About Valorne"),
    Entry("ExitTitlelbl", 208, "Exit to the title"),
    Entry("ExitLbl", 240, "Exit to the desktop"),
    {.name = kAboutPage,
     .kind = ControlKind::Picture,
     .rect = {40, 76, 400, 290},
     .visible = false},
    {.name = "AboutTextLbl",
     .kind = ControlKind::Label,
     .rect = {16, 0, 368, 150},
     .text = "Valorne\n\n"
             "The ninth county of the campaign: rule it, raise its castle and armies, "
             "and bring down the first of the rival counties.\n\n"
             "Valorne is free software: you may share and change it under the terms of "
             "the GNU General Public License, version 3 or any later version "
             "(GPL-3.0-or-later).",
     .parent = kAboutPage,
     .fore = look::kInk,
     .font_size = 12,
     .align = TextAlign::Centre},
    // The keys, as every screen answers them.
    {.name = "KeysLbl",
     .kind = ControlKind::Label,
     .rect = {16, 146, 368, 126},
     .text = "Keys\n"
             "Escape: close or cancel a screen; on the map, this menu\n"
             "Return: the screen's OK    F12: a screenshot\n"
             "F6: quick save    F7: quick load    Arrows: scroll the map\n"
             "On the map: A army, B blacksmith, C build, D diplomacy,\n"
             "E end turn, G guard, M messages, P people, R realm,\n"
             "S science, T taxes, V whole map, W weather",
     .parent = kAboutPage,
     .fore = look::kInk,
     .font_size = 12,
     .align = TextAlign::Centre},
    {.name = "Helper",
     .kind = ControlKind::Label,
     .rect = {40, 350, 400, 36},
     .fore = kHintInk,
     .font_size = 12,
     .align = TextAlign::Centre},
    {.name = "ResumeLbl",
     .kind = ControlKind::Label,
     .rect = {120, 392, 240, 30},
     .text = "Back to the game",
     .fore = look::kInk,
     .font_size = 19,
     .align = TextAlign::Centre},
    // The options pages' two ways out, as a pair of buttons.
    {.name = "MenuLbl",
     .kind = ControlKind::AniButton,
     .rect = {60, 392, 140, 30},
     .text = "Back",
     .visible = false},
    {.name = "OkAniBtn",
     .kind = ControlKind::AniButton,
     .rect = {280, 392, 140, 30},
     .text = "Confirm",
     .visible = false},
};

std::span<const ControlSpec> MenuControls() {
  static const std::vector<ControlSpec> all = [] {
    std::vector<ControlSpec> controls(std::begin(kMenuControls), std::end(kMenuControls));
    for (const ControlSpec& c : OptionsPagesControls()) controls.push_back(c);
    return controls;
  }();
  return all;
}

std::string_view PageTitle(std::string_view page) {
  if (page == kOptionsPage) return "Options";
  if (page == kMoreOptionsPage) return "Sound and messages";
  if (page == kAboutPage) return "About Valorne";
  return "Game menu";
}

}  // namespace

MenuFrm::MenuFrm(Game&, Ui& ui)
    : Form(ui, {.name = "MenuFrm",
                .size = {480, 460},
                .controls = MenuControls(),
                .background = kDialogBackground}),
      options_(*this) {
  OnForm(FormEvent::Load, [this] { ShowPage(kMainPage); });
  OnForm(FormEvent::Activate, [this] { CloseIfEnding(); });
  OnForm(FormEvent::KeyUp, [this](const EventArgs& a) { Form_KeyUp(a); });
  for (std::string_view entry : kEntries) {
    On(entry, FormEvent::MouseEnter, [this, entry] { (*this)[entry].SetFore(kEntryHover); });
    On(entry, FormEvent::MouseLeave, [this, entry] { (*this)[entry].SetFore(look::kInk); });
  }
  On("SaveGameLbl", FormEvent::Click, &MenuFrm::SaveGameLbl_Click);
  On("LoadGameLbl", FormEvent::Click, &MenuFrm::LoadGameLbl_Click);
  On("SaveExitLbl", FormEvent::Click, &MenuFrm::SaveExitLbl_Click);
  On("ExitTitlelbl", FormEvent::Click, [this] { AskExit(kExitToTitleKind); });
  On("ExitLbl", FormEvent::Click, [this] { AskExit(kExitToDesktopKind); });
  On("OptionsLbl", FormEvent::Click, [this] { ShowPage(kOptionsPage); });
  On("MoreOptionsLbl", FormEvent::Click, [this] { ShowPage(kMoreOptionsPage); });
  On("AboutLbl", FormEvent::Click, [this] { ShowPage(kAboutPage); });
  On("MenuLbl", FormEvent::Click, [this] { ShowPage(kMainPage); });
  On("ResumeLbl", FormEvent::Click, [this] { Close(); });
}

void MenuFrm::ShowPage(std::string_view page) {
  page_ = page;
  for (std::string_view p : {kMainPage, kOptionsPage, kMoreOptionsPage, kAboutPage}) {
    (*this)[p].SetVisible(p == page);
  }
  const bool main = page == kMainPage;
  const bool options = page == kOptionsPage || page == kMoreOptionsPage;
  (*this)["TitleLbl"].SetText(PageTitle(page));
  (*this)["Helper"].SetText("");
  (*this)["ResumeLbl"].SetVisible(main);
  (*this)["MenuLbl"].SetVisible(!main);
  (*this)["OkAniBtn"].SetVisible(options);
  // Back sits in the middle where there is nothing to confirm.
  (*this)["MenuLbl"].SetLeft(options ? 60 : 170);
  if (options) options_.Refresh();
}

void MenuFrm::SaveGameLbl_Click() {
  ui().Open("SaveGameFrm");
  CloseIfEnding();
}

void MenuFrm::LoadGameLbl_Click() {
  ui().Open("LoadGameFrm");
  CloseIfEnding();
}

void MenuFrm::SaveExitLbl_Click() {
  const FileResult saved = SaveAndExit(game());
  if (!saved.ok()) {
    (*this)["Helper"].SetText(AsSentence(saved.message));
    return;
  }
  CloseIfEnding();
}

void MenuFrm::AskExit(Byte message_kind) {
  game().live.MessageKind = message_kind;
  ui().Open("MainScreenExit");
  CloseIfEnding();
}

void MenuFrm::Form_KeyUp(const EventArgs& args) {
  if (args.key != "Escape") return;
  if (page_ == kMainPage) {
    Close();
  } else {
    ShowPage(kMainPage);
  }
}

void MenuFrm::CloseIfEnding() {
  if (game().live.ProgramEnding) Close();
}

}  // namespace valorne
