// The settings the level runs with: the display and sound record that the
// menu program leaves in "Optim.rx" (23 bytes) and the in-level options kept
// in "Advanced.rx" (26 bytes). The files are read and written by level/.
#pragma once

#include "state/values.h"

namespace valorne {

struct DisplaySettings {
  Integer DisplaySetting1 = 0;
  Boolean FadesOff = 0;
  Integer DisplaySetting3 = 0;
  Integer DisplaySetting4 = 0;
  Boolean StandardPointer = 0;
  Integer DisplaySetting6 = 0;
  Boolean SoundOff = 0;
  Boolean Force1024 = 0;
  Byte ResolutionChoice = 0;  // 0 800x600, 1 1024x768, 2 1280x960, 3 1280x1024
  Byte GraphicsDepth = 16;    // 16 picks the high-colour pictures
  Byte DisplaySetting9 = 0;
  Boolean FadeSurfacesOff = 0;
  Byte DisplaySetting11 = 0;
  Byte DisplaySetting12 = 0;
  friend bool operator==(const DisplaySettings&, const DisplaySettings&) = default;
};

struct AdvancedOptions {
  Boolean MapAnimOption = kTrue;
  Boolean ClearMessagesOption = kTrue;
  Boolean MessageSoundOff = kFalse;
  Boolean TrooperOption = kTrue;
  Boolean WalkOption = kTrue;
  Boolean TooltipOption = kTrue;
  Boolean AutoCalcOption = kFalse;
  Boolean MusicOption = kTrue;
  Boolean AutoSaveOption = kTrue;
  Boolean AnimatedSOption = kTrue;
  Integer MusicVolume = 0;  // hundredths of a decibel: 0 loudest, -10000 silent
  Integer SoundVolume = 0;
  Byte MusicStep = 10;  // 0..10
  Byte SoundStep = 10;
  friend bool operator==(const AdvancedOptions&, const AdvancedOptions&) = default;
};

}  // namespace valorne
