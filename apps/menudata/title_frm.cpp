#include "title_frm.h"

#include <array>
#include <sstream>

#include "level/game_files.h"
#include "level/saves.h"
#include "level/startup.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"
#include "state/game_state.h"

namespace valorne {

namespace {

constexpr std::string_view kMainPage = "MainPage";
constexpr std::string_view kDifficultyPage = "DifficultyPage";
constexpr std::string_view kDisplayPage = "DisplayPage";
constexpr Colour kEntryHover = Rgb(120, 40, 16);
constexpr Colour kHintInk = Rgb(128, 28, 16);

// The board's inside, where the pages lie.
constexpr Rect kPageRect{474, 200, 272, 256};

constexpr ControlSpec Page(std::string_view name, bool visible) {
  return {.name = name, .kind = ControlKind::Picture, .rect = kPageRect, .visible = visible};
}

// An entry of a page: a line of large letters that lights up under the
// pointer.
constexpr ControlSpec Entry(std::string_view name, std::string_view page, int top,
                            std::string_view text) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = {0, top, kPageRect.width, 30},
          .text = text,
          .parent = page,
          .fore = look::kInk,
          .font_size = 20,
          .align = TextAlign::Centre};
}

constexpr ControlSpec Note(std::string_view name, std::string_view page, int top, int height) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = {8, top, kPageRect.width - 16, height},
          .parent = page,
          .fore = look::kWood,
          .font_size = 14,
          .align = TextAlign::Centre};
}

constexpr ControlSpec Box(std::string_view name, int top, std::string_view text) {
  return {.name = name,
          .kind = ControlKind::CheckBox,
          .rect = {12, top, kPageRect.width - 16, 26},
          .text = text,
          .parent = kDisplayPage,
          .fore = look::kInk,
          .font_size = 15};
}

constexpr ControlSpec Button(std::string_view name, int left, std::string_view text) {
  return {.name = name,
          .kind = ControlKind::AniButton,
          .rect = {left, 500, 116, 32},
          .text = text,
          .visible = false};
}

constexpr std::string_view kEntries[] = {"NewGameLbl", "ContinueLbl",  "DisplayLbl",
                                         "QuitLbl",    "EasyLbl",      "NormalLbl",
                                         "HardLbl",    "ScreenSizeLbl"};
constexpr std::string_view kDisplayBoxes[] = {"ColourOption", "FadesOption", "SoundOption",
                                              "PointerOption"};
constexpr std::string_view kDifficultyNames[] = {"", "Easy", "Normal", "Hard"};

const ControlSpec kTitleControls[] = {
    {.name = "GameTitleLbl",
     .kind = ControlKind::Label,
     .rect = {40, 34, 720, 64},
     .text = "Valorne",
     .fore = look::kInk,
     .font_size = 46,
     .align = TextAlign::Centre},
    {.name = "MenuBoard",
     .kind = ControlKind::Image,
     .rect = {450, 126, 320, 440},
     .picture = "graphic_normalbox.rx"},
    {.name = "PageTitleLbl",
     .kind = ControlKind::Label,
     .rect = {474, 164, 272, 30},
     .fore = look::kWood,
     .font_size = 22,
     .align = TextAlign::Centre},
    Page(kMainPage, true),
    Entry("NewGameLbl", kMainPage, 24, "New game"),
    Entry("ContinueLbl", kMainPage, 64, "Continue a saved game"),
    Entry("DisplayLbl", kMainPage, 104, "Display and sound"),
    Entry("QuitLbl", kMainPage, 144, "Quit"),
    Note("ProgressLbl", kMainPage, 196, 60),
    Page(kDifficultyPage, false),
    Entry("EasyLbl", kDifficultyPage, 24, "Easy"),
    Entry("NormalLbl", kDifficultyPage, 64, "Normal"),
    Entry("HardLbl", kDifficultyPage, 104, "Hard"),
    Note("DifficultyNoteLbl", kDifficultyPage, 156, 80),
    Page(kDisplayPage, false),
    Entry("ScreenSizeLbl", kDisplayPage, 8, ""),
    Box("ColourOption", 56, "Pictures in full colour"),
    Box("FadesOption", 90, "Fades between turns"),
    Box("SoundOption", 124, "Sound and music"),
    Box("PointerOption", 158, "The county's own pointer"),
    Note("DisplayNoteLbl", kDisplayPage, 196, 52),
    {.name = "Helper",
     .kind = ControlKind::Label,
     .rect = {466, 454, 288, 40},
     .fore = kHintInk,
     .font_size = 13,
     .align = TextAlign::Centre},
    Button("BackBtn", 484, "Back"),
    Button("OkAniBtn", 620, "Confirm"),
};

// The screen sizes, in the order of the display record's choice.
constexpr std::array<std::string_view, 4> kScreenSizes = {"800 x 600", "1024 x 768", "1280 x 960",
                                                          "1280 x 1024"};

std::string_view PageTitle(std::string_view page) {
  if (page == kDifficultyPage) return "New game";
  if (page == kDisplayPage) return "Display and sound";
  return "";
}

}  // namespace

TitleFrm::TitleFrm(Game&, Ui& ui)
    : Form(ui, {.name = "TitleFrm",
                .size = {800, 600},
                .controls = kTitleControls,
                .background = "titleres",
                .enlarges = false}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  OnForm(FormEvent::KeyUp, [this](const EventArgs& a) { Form_KeyUp(a); });
  for (std::string_view entry : kEntries) {
    On(entry, FormEvent::MouseEnter, [this, entry] { (*this)[entry].SetFore(kEntryHover); });
    On(entry, FormEvent::MouseLeave, [this, entry] { (*this)[entry].SetFore(look::kInk); });
  }
  On("NewGameLbl", FormEvent::Click, [this] { ShowPage(kDifficultyPage); });
  On("ContinueLbl", FormEvent::Click, &TitleFrm::ContinueLbl_Click);
  On("DisplayLbl", FormEvent::Click, [this] { ShowPage(kDisplayPage); });
  On("QuitLbl", FormEvent::Click, [this] { Close(); });
  On("EasyLbl", FormEvent::Click, [this] { StartGame(1, false); });
  On("NormalLbl", FormEvent::Click, [this] { StartGame(2, false); });
  On("HardLbl", FormEvent::Click, [this] { StartGame(3, false); });
  On("ScreenSizeLbl", FormEvent::Click, &TitleFrm::ScreenSizeLbl_Click);
  for (std::string_view box : kDisplayBoxes) {
    On(box, FormEvent::Click, &TitleFrm::DisplayOption_Click);
  }
  On("BackBtn", FormEvent::Click, [this] { ShowPage(kMainPage); });
  On("OkAniBtn", FormEvent::Click, &TitleFrm::OkAniBtn_Click);
}

void TitleFrm::Form_Load() {
  // The files were repaired when the menu started; read them as they are now.
  std::ostringstream quiet;
  settings_ = ReadOrRepairMenuSettings(game().AppPath, quiet, kTitleProgram);
  ShowPage(kMainPage);
}

void TitleFrm::Form_KeyUp(const EventArgs& args) {
  if (args.key == "Escape" && page_ != kMainPage) ShowPage(kMainPage);
}

void TitleFrm::ShowPage(std::string_view page) {
  page_ = page;
  for (std::string_view p : {kMainPage, kDifficultyPage, kDisplayPage}) {
    (*this)[p].SetVisible(p == page);
  }
  (*this)["PageTitleLbl"].SetText(PageTitle(page));
  (*this)["BackBtn"].SetVisible(page != kMainPage);
  (*this)["OkAniBtn"].SetVisible(page == kDisplayPage);
  // Back sits in the middle where there is nothing to confirm.
  (*this)["BackBtn"].SetLeft(page == kDisplayPage ? 484 : 552);
  Hint("");
  if (page == kMainPage) ShowProgress();
  if (page == kDifficultyPage) {
    (*this)["DifficultyNoteLbl"].SetText(
        "The rival lords press harder the higher you choose.\nYour last game was " +
        std::string(kDifficultyNames[settings_.difficulty]) + ".");
  }
  if (page == kDisplayPage) {
    chosen_ = settings_.display;
    ShowDisplaySettings();
  }
}

void TitleFrm::ShowProgress() {
  std::ostringstream quiet;
  const CampaignProgress progress =
      ReadOrCreateCampaignProgress(game().AppPath, quiet, kTitleProgram);
  std::string text = "The campaign has reached level " + std::to_string(progress.reached) + ".";
  if (progress.next > kLevelNumber) {
    text += "\nValorne, level " + std::to_string(kLevelNumber) +
            ", is won; the campaign goes on at level " + std::to_string(progress.next) + ".";
  } else if (progress.reached < kLevelNumber) {
    text += "\nValorne, level " + std::to_string(kLevelNumber) + ", is not open to it yet.";
  }
  (*this)["ProgressLbl"].SetText(text);
}

void TitleFrm::ContinueLbl_Click() {
  if (ListSaves(game()).empty()) {
    Hint("No game of this county has been saved yet.");
    return;
  }
  StartGame(settings_.difficulty, true);
}

void TitleFrm::StartGame(int difficulty, bool load_saved) {
  const FileResult written = WriteGameStart(game().AppPath, difficulty, load_saved);
  if (!written.ok()) {
    Hint(written.message);
    return;
  }
  if (!ui().services().StartProgram(GamePath(game(), kLevelProgram))) {
    Hint("The level cannot be started: \"level9\" is missing from the game folder.");
    return;
  }
  Close();
}

void TitleFrm::ShowDisplaySettings() {
  const int size = IsTrue(chosen_.Force1024) ? 1 : chosen_.ResolutionChoice;
  (*this)["ScreenSizeLbl"].SetText("Screen: " + std::string(kScreenSizes.at(size)));
  Get<CheckBox>("ColourOption").SetChecked(chosen_.GraphicsDepth == 16);
  Get<CheckBox>("FadesOption").SetChecked(!IsTrue(chosen_.FadesOff));
  Get<CheckBox>("SoundOption").SetChecked(!IsTrue(chosen_.SoundOff));
  Get<CheckBox>("PointerOption").SetChecked(!IsTrue(chosen_.StandardPointer));
  (*this)["DisplayNoteLbl"].SetText(
      "Click the screen size to change it. The level takes the "
      "settings when it next starts.");
}

void TitleFrm::ScreenSizeLbl_Click() {
  // The sizes in turn; a size chosen here is the one the level takes.
  const int size = IsTrue(chosen_.Force1024) ? 1 : chosen_.ResolutionChoice;
  chosen_.ResolutionChoice = static_cast<Byte>((size + 1) % kScreenSizes.size());
  chosen_.Force1024 = kFalse;
  ShowDisplaySettings();
}

void TitleFrm::DisplayOption_Click(const EventArgs& args) {
  const bool on = Get<CheckBox>(args.control->name()).checked();
  const std::string& box = args.control->name();
  if (box == "ColourOption") chosen_.GraphicsDepth = on ? 16 : 8;
  if (box == "FadesOption") {
    chosen_.FadesOff = ToBoolean(!on);
    chosen_.FadeSurfacesOff = ToBoolean(!on);
  }
  if (box == "SoundOption") chosen_.SoundOff = ToBoolean(!on);
  if (box == "PointerOption") chosen_.StandardPointer = ToBoolean(!on);
}

void TitleFrm::OkAniBtn_Click() {
  const FileResult written = WriteDisplaySettings(game().AppPath, chosen_);
  if (!written.ok()) {
    Hint(written.message);
    return;
  }
  settings_.display = chosen_;
  // The pictures of the depth just chosen.
  game().display = chosen_;
  ShowPage(kMainPage);
  ui().Invalidate();
}

void TitleFrm::Hint(std::string_view text) {
  (*this)["Helper"].SetText(text);
}

}  // namespace valorne
