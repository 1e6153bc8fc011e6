// A stand-in for the screens that writes down what the rules ask of them, in
// order: "ask 2/107", "open ReligionFrm", "sound EnvChanel01 message.wav".
// Questions get the answer set for their kind (No by default); a screen may
// be given an action that runs when it opens, as the real screen would.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "state/game.h"

namespace valorne::testing {

class RecordingUi : public GameUi {
 public:
  explicit RecordingUi(Game& game) : game_(game) { game.set_ui(this); }
  ~RecordingUi() override { game_.set_ui(nullptr); }

  bool AskQuestion(int kind, int text_id) override {
    log.push_back("ask " + std::to_string(kind) + "/" + std::to_string(text_id));
    kinds_seen.push_back(game_.live.MessageKind);
    const auto it = answers.find(kind);
    return it != answers.end() && it->second;
  }
  void ShowMessage(int category, int id) override {
    log.push_back("message " + std::to_string(category) + "/" + std::to_string(id));
  }
  void OpenScreen(std::string_view form) override {
    log.push_back("open " + std::string(form));
    const auto it = on_open.find(std::string(form));
    if (it != on_open.end()) it->second();
  }
  void PlaySound(std::string_view channel, std::string_view file) override {
    log.push_back("sound " + std::string(channel) + " " + std::string(file));
  }

  // The entries of the log that begin with `prefix`, in order.
  std::vector<std::string> Only(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& entry : log) {
      if (entry.rfind(prefix, 0) == 0) out.push_back(entry);
    }
    return out;
  }

  std::vector<std::string> log;
  std::vector<Byte> kinds_seen;  // MessageKind while each question was open
  std::map<int, bool> answers;   // kind -> OK
  std::map<std::string, std::function<void()>> on_open;

 private:
  Game& game_;
};

// The text ids of a message list, in order.
inline std::vector<int> Ids(const MessageList& list) {
  std::vector<int> ids;
  for (int i = 0; i < list.count; ++i) ids.push_back(list.lines[static_cast<std::size_t>(i)].id);
  return ids;
}

}  // namespace valorne::testing
