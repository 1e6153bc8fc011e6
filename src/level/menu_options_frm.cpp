#include "level/menu_options_frm.h"

#include <cmath>
#include <string>

#include "level/options_rules.h"
#include "level/save_list_frm.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

constexpr int kRow = 32;
constexpr Colour kBarInk = Rgb(120, 64, 24);

constexpr ControlSpec Box(std::string_view name, std::string_view parent, int row,
                          std::string_view text) {
  return {.name = name,
          .kind = ControlKind::CheckBox,
          .rect = {8, row * kRow, 384, 26},
          .text = text,
          .parent = parent,
          .fore = look::kInk,
          .font_size = 15};
}

constexpr ControlSpec Caption(std::string_view name, std::string_view parent, Rect rect,
                              std::string_view text, TextAlign align = TextAlign::Left) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .text = text,
          .parent = parent,
          .fore = look::kInk,
          .font_size = 14,
          .align = align};
}

constexpr ControlSpec VolumeButton(std::string_view name, int left, int top, bool up) {
  return {.name = name,
          .kind = ControlKind::AniButton,
          .rect = {left, top, 30, 30},
          .picture = up ? "UpAniBtn" : "DownAniBtn",
          .parent = kMoreOptionsPage,
          .hover_picture = up ? "UpAniBtn_hover" : "DownAniBtn_hover"};
}

// A volume bar: a frame 300 units wide inside, and the bar, 30 units a step.
constexpr ControlSpec BarFrame(std::string_view name, int top) {
  return {.name = name,
          .kind = ControlKind::Frame,
          .rect = {44, top, 302, 22},
          .parent = kMoreOptionsPage,
          .fore = look::kWoodDark,
          .back = look::kParchmentDark};
}
constexpr ControlSpec Bar(std::string_view name, int top) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = {45, top + 1, VolumeBarWidth(10), 20},
          .parent = kMoreOptionsPage,
          .back = kBarInk};
}

const ControlSpec kOptionsPagesControls[] = {
    {.name = kOptionsPage,
     .kind = ControlKind::Picture,
     .rect = {40, 76, 400, 290},
     .visible = false},
    Box("MapAnimOption", kOptionsPage, 0, "Animations on the map"),
    Box("TrooperOption", kOptionsPage, 1, "Mark the chosen army"),
    Box("WalkOption", kOptionsPage, 2, "Show armies that have no moves left"),
    Box("TooltipOption", kOptionsPage, 3, "Show tooltips"),
    Box("AutoCalcOption", kOptionsPage, 4, "Let battles be reckoned at once"),
    Box("AutoSaveOption", kOptionsPage, 5, "Save every turn as \"AutoSave\""),
    Box("AnimatedSOption", kOptionsPage, 6, "Animations on the weather, smithy and trade"),
    Caption("OptionsNoteLbl", kOptionsPage, {8, 230, 384, 40},
            "Confirm keeps these options for later games too; Back keeps them until you leave."),

    {.name = kMoreOptionsPage,
     .kind = ControlKind::Picture,
     .rect = {40, 76, 400, 290},
     .visible = false},
    Box("MusicOption", kMoreOptionsPage, 0, "Music and sounds"),
    Caption("MusicCaptionLbl", kMoreOptionsPage, {8, 42, 240, 20}, "Music volume"),
    Caption("MusicStepLbl", kMoreOptionsPage, {292, 42, 54, 20}, "", TextAlign::Right),
    VolumeButton("MusicDown", 8, 66, false),
    BarFrame("MusicVolumeFrame", 70),
    Bar("MusicVolumeCtrl", 70),
    VolumeButton("MusicUp", 354, 66, true),
    Caption("SoundCaptionLbl", kMoreOptionsPage, {8, 108, 240, 20}, "Sound effects volume"),
    Caption("SoundStepLbl", kMoreOptionsPage, {292, 108, 54, 20}, "", TextAlign::Right),
    VolumeButton("SoundsDown", 8, 132, false),
    BarFrame("SoundVolumeFrame", 136),
    Bar("SoundVolumeCtrl", 136),
    VolumeButton("SoundsUp", 354, 132, true),
    Box("DeleteMsgOption", kMoreOptionsPage, 6, "Clear the message lists every turn"),
    Box("DisableMsgSOption", kMoreOptionsPage, 7, "No sound for new messages"),
};

constexpr std::string_view kOptionBoxes[] = {
    "MapAnimOption",  "TrooperOption",   "WalkOption",  "TooltipOption",   "AutoCalcOption",
    "AutoSaveOption", "AnimatedSOption", "MusicOption", "DeleteMsgOption", "DisableMsgSOption"};

bool BoxValue(const AdvancedOptions& o, std::string_view box) {
  if (box == "MapAnimOption") return IsTrue(o.MapAnimOption);
  if (box == "TrooperOption") return IsTrue(o.TrooperOption);
  if (box == "WalkOption") return IsTrue(o.WalkOption);
  if (box == "TooltipOption") return IsTrue(o.TooltipOption);
  if (box == "AutoCalcOption") return IsTrue(o.AutoCalcOption);
  if (box == "AutoSaveOption") return IsTrue(o.AutoSaveOption);
  if (box == "AnimatedSOption") return IsTrue(o.AnimatedSOption);
  if (box == "MusicOption") return IsTrue(o.MusicOption);
  if (box == "DeleteMsgOption") return IsTrue(o.ClearMessagesOption);
  return IsTrue(o.MessageSoundOff);
}

}  // namespace

std::span<const ControlSpec> OptionsPagesControls() {
  return kOptionsPagesControls;
}

MenuOptionsPages::MenuOptionsPages(Form& menu) : menu_(menu) {
  for (std::string_view box : kOptionBoxes) {
    menu_.On(box, FormEvent::Click, [this](const EventArgs& a) { OptionBox_Click(a); });
  }
  for (std::string_view button : {"MusicUp", "MusicDown", "SoundsUp", "SoundsDown"}) {
    menu_.On(button, FormEvent::Click, [this](const EventArgs& a) { Volume_Click(a); });
  }
  menu_.On("OkAniBtn", FormEvent::Click, [this] { OkAniBtn_Click(); });
}

void MenuOptionsPages::Refresh() {
  const AdvancedOptions& o = menu_.game().options;
  for (std::string_view box : kOptionBoxes) {
    menu_.Get<CheckBox>(box).SetChecked(BoxValue(o, box));
  }
  ShowVolumes();
}

void MenuOptionsPages::OptionBox_Click(const EventArgs& args) {
  auto* box = dynamic_cast<CheckBox*>(args.control);
  if (!box) return;
  Game& game = menu_.game();
  SetOptionBox(game.options, box->name(), box->checked());
  if (box->name() == "MusicOption") {
    ShowVolumes();
    GiveVolumesToChannels();
  }
}

void MenuOptionsPages::Volume_Click(const EventArgs& args) {
  AdvancedOptions& o = menu_.game().options;
  const std::string& button = args.control->name();
  bool changed = false;
  if (button == "MusicUp") changed = MusicUp(o);
  if (button == "MusicDown") changed = MusicDown(o);
  if (button == "SoundsUp") changed = SoundsUp(o);
  if (button == "SoundsDown") changed = SoundsDown(o);
  if (!changed) return;
  ShowVolumes();
  GiveVolumesToChannels();
}

void MenuOptionsPages::OkAniBtn_Click() {
  Game& game = menu_.game();
  const FileResult written = ConfirmOptions(game);
  menu_.ui().timer("TooltipsTimer").SetEnabled(IsTrue(game.options.TooltipOption));
  if (!written.ok()) {
    // The options stay in force for this run; the player learns why they
    // could not be kept and may go back to the main page.
    menu_["Helper"].SetText(AsSentence(written.message));
    return;
  }
  menu_.Close();
}

void MenuOptionsPages::ShowVolumes() {
  const AdvancedOptions& o = menu_.game().options;
  const auto bar = [this](std::string_view name, std::string_view step_label, int step) {
    Control& c = menu_[name];
    // 30 units a step, enlarged with the page in the large screen mode.
    c.SetWidth(static_cast<int>(std::lround(VolumeBarWidth(step) * menu_.scale())));
    c.SetVisible(step > 0);
    menu_[step_label].SetText(std::to_string(step) + " / 10");
  };
  bar("MusicVolumeCtrl", "MusicStepLbl", o.MusicStep);
  bar("SoundVolumeCtrl", "SoundStepLbl", o.SoundStep);
}

// A channel the sound device does not have is passed over by the device.
void MenuOptionsPages::GiveVolumesToChannels() {
  const AdvancedOptions& o = menu_.game().options;
  SoundChannels& sound = menu_.ui().sound();
  sound.SetVolume(kMusicChannel, o.MusicVolume);
  for (std::string_view channel : kEffectChannels) sound.SetVolume(channel, o.SoundVolume);
}

}  // namespace valorne
