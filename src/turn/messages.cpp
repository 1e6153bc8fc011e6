#include "turn/messages.h"

namespace valorne {

namespace {

constexpr TextRef kNewMessageHint{1, 99};

// A notice lights the map's hint line and plays the message sound; a full
// list takes nothing more, not even the hint.
void Post(Game& game, MessageList& list, int category, int id) {
  if (list.count >= list.lines.size()) return;
  list.lines[list.count] =
      TextRef{static_cast<std::uint8_t>(category), static_cast<std::int16_t>(id)};
  ++list.count;
  game.live.Helper = kNewMessageHint;
  if (!IsTrue(game.options.MessageSoundOff)) game.PlaySound("EnvChanel01", "message.wav");
}

}  // namespace

void PostNews(Game& game, int category, int id) {
  Post(game, game.news, category, id);
}

void PostReport(Game& game, int category, int id) {
  Post(game, game.reports, category, id);
}

void ClearMessages(Game& game) {
  game.news = MessageList{};
  game.reports = MessageList{};
}

bool Ask(Game& game, int kind, int id) {
  game.live.MessageKind = static_cast<Byte>(kind);
  const bool ok = game.ui().AskQuestion(kind, id);
  ApplyAnswer(game, kind, ok);
  game.live.MessageKind = 0;
  return ok;
}

}  // namespace valorne
