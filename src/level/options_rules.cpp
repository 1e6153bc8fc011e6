#include "level/options_rules.h"

#include "level/settings_files.h"

namespace valorne {

namespace {

constexpr Integer kFullVolume = 0;
constexpr Integer kSilentVolume = -10000;
constexpr Byte kTopStep = 10;

void SetMusic(AdvancedOptions& o, bool on) {
  o.MusicOption = ToBoolean(on);
  o.MusicVolume = o.SoundVolume = on ? kFullVolume : kSilentVolume;
  o.MusicStep = o.SoundStep = on ? kTopStep : 0;
}

bool StepUp(Byte& step, Integer& volume) {
  if (step >= kTopStep) return false;
  ++step;
  volume = WrapInteger(volume + kVolumePerStep);
  return true;
}

bool StepDown(Byte& step, Integer& volume) {
  if (step == 0) return false;
  --step;
  volume = WrapInteger(volume - kVolumePerStep);
  return true;
}

}  // namespace

bool SetOptionBox(AdvancedOptions& o, std::string_view control, bool checked) {
  if (control == "MusicOption") {
    SetMusic(o, checked);
    return true;
  }
  struct Box {
    std::string_view control;
    Boolean AdvancedOptions::*field;
  };
  static constexpr Box kBoxes[] = {
      {"MapAnimOption", &AdvancedOptions::MapAnimOption},
      {"DeleteMsgOption", &AdvancedOptions::ClearMessagesOption},
      {"DisableMsgSOption", &AdvancedOptions::MessageSoundOff},
      {"TrooperOption", &AdvancedOptions::TrooperOption},
      {"WalkOption", &AdvancedOptions::WalkOption},
      {"TooltipOption", &AdvancedOptions::TooltipOption},
      {"AutoCalcOption", &AdvancedOptions::AutoCalcOption},
      {"AutoSaveOption", &AdvancedOptions::AutoSaveOption},
      {"AnimatedSOption", &AdvancedOptions::AnimatedSOption},
  };
  for (const Box& box : kBoxes) {
    if (box.control == control) {
      o.*box.field = ToBoolean(checked);
      return true;
    }
  }
  return false;
}

bool MusicUp(AdvancedOptions& o) {
  return StepUp(o.MusicStep, o.MusicVolume);
}
bool MusicDown(AdvancedOptions& o) {
  return StepDown(o.MusicStep, o.MusicVolume);
}
bool SoundsUp(AdvancedOptions& o) {
  return StepUp(o.SoundStep, o.SoundVolume);
}
bool SoundsDown(AdvancedOptions& o) {
  return StepDown(o.SoundStep, o.SoundVolume);
}

FileResult ConfirmOptions(Game& game) {
  if (!game.SoundOn || IsTrue(game.display.SoundOff)) {
    game.options.MusicVolume = game.options.SoundVolume = kFullVolume;
    game.options.MusicStep = game.options.SoundStep = kTopStep;
  }
  return WriteAdvancedOptions(game.AppPath, game.options);
}

}  // namespace valorne
