// What the level's tests share: a screen double that records what the rules
// asked of it, and a fresh game folder holding the default settings and five
// small text files.
#pragma once

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "level/default_settings.h"
#include "level/settings_files.h"
#include "state/game.h"
#include "support/temp_dir.h"

namespace valorne::testing {

// Records every message and screen as "message 1/126" or "screen TipsFrm";
// a screen may be given something to do while it is open.
class RecordingUi : public GameUi {
 public:
  std::vector<std::string> events;
  std::function<void(std::string_view form)> on_open;

  bool AskQuestion(int kind, int id) override {
    events.push_back("question " + std::to_string(kind) + " 1/" + std::to_string(id));
    return false;
  }
  void ShowMessage(int category, int id) override {
    events.push_back("message " + std::to_string(category) + "/" + std::to_string(id));
  }
  void OpenScreen(std::string_view form) override {
    events.push_back("screen " + std::string(form));
    if (on_open) on_open(form);
  }
  void PlaySound(std::string_view, std::string_view) override {}
};

// A text file with `count` texts of one glyph each.
inline std::vector<unsigned char> TextFile(int count) {
  std::vector<unsigned char> bytes = {static_cast<unsigned char>(count), 0};
  for (int i = 0; i < count; ++i) bytes.insert(bytes.end(), {1, 0, 'A', 0});
  return bytes;
}

// A game folder as the campaign leaves it: the default settings at the given
// difficulty and the five text files.
inline void MakeGameFolder(const std::filesystem::path& folder, int difficulty = 2) {
  std::ostringstream log;
  WriteDefaultSettings(folder, log);
  WriteDifficulty(folder, difficulty);
  std::filesystem::create_directories(folder / "localizations");
  for (const char* name :
       {"levels.loc", "campaign1.loc", "captions.loc", "missions.loc", "campaign.loc"}) {
    WriteBytes(folder / "localizations" / name, TextFile(3));
  }
}

// A game whose folder is `folder`, telling `ui` what it asks of the screens.
struct TestGame {
  explicit TestGame(const std::filesystem::path& folder) {
    game.AppPath = folder;
    game.set_ui(&ui);
  }
  Game game;
  RecordingUi ui;
};

}  // namespace valorne::testing
