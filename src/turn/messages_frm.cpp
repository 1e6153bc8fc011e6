#include "turn/messages_frm.h"

#include <algorithm>

#include "screens/toolkit/controls.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kLineLeft = 48;
constexpr int kLineWidth = 520;
constexpr int kLineHeight = 17;
constexpr int kArrowLeft = 584;
constexpr Colour kMarkerInk = Rgb(160, 116, 66, 80);

// Where each list begins: its heading, then eight lines, then its hint.
constexpr int kListTop[2] = {50, 234};

constexpr int LineTop(int list, int line) {
  return kListTop[list] + 22 + line * kLineHeight;
}

constexpr ControlSpec LineOf(std::string_view name, int list, int line) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = {kLineLeft, LineTop(list, line), kLineWidth, kLineHeight},
          .index = line,
          .fore = look::kInk,
          .font_size = 13};
}

constexpr ControlSpec Marker(std::string_view name, int list) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = {kLineLeft - 8, LineTop(list, 0), kLineWidth + 12, kLineHeight},
          .back = kMarkerInk,
          .visible = false};
}

constexpr ControlSpec Arrow(std::string_view name, SealLook seal, int list, bool down) {
  return Seal(name, seal, kArrowLeft, LineTop(list, down ? 5 : 1), kArrowSize);
}

constexpr ControlSpec ListHint(std::string_view name, int list, TextRef caption) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = {kLineLeft, LineTop(list, 8) + 5, kLineWidth, 16},
          .caption = caption,
          .fore = look::kWood,
          .font_size = 12};
}

const ControlSpec kControls[] = {
    Title("TitleLbl", kWidth, 8, {3, 56}),
    Rule("TitleRule", {90, 44, kWidth - 180, 1}),
    Heading("NewsLbl", {kLineLeft - 8, kListTop[0], 300, 22}, {3, 57}),
    Marker("MsgMarker", 0),
    LineOf("MsgLbl", 0, 0),
    LineOf("MsgLbl", 0, 1),
    LineOf("MsgLbl", 0, 2),
    LineOf("MsgLbl", 0, 3),
    LineOf("MsgLbl", 0, 4),
    LineOf("MsgLbl", 0, 5),
    LineOf("MsgLbl", 0, 6),
    LineOf("MsgLbl", 0, 7),
    Arrow("CUpAniBtn", kUpSeal, 0, false),
    Arrow("CDownAniBtn", kDownSeal, 0, true),
    ListHint("NewsHintLbl", 0, {4, 148}),
    Heading("ReportsLbl", {kLineLeft - 8, kListTop[1], 300, 22}, {3, 58}),
    Marker("MsgMarker2", 1),
    LineOf("MsgLbl2", 1, 0),
    LineOf("MsgLbl2", 1, 1),
    LineOf("MsgLbl2", 1, 2),
    LineOf("MsgLbl2", 1, 3),
    LineOf("MsgLbl2", 1, 4),
    LineOf("MsgLbl2", 1, 5),
    LineOf("MsgLbl2", 1, 6),
    LineOf("MsgLbl2", 1, 7),
    Arrow("CUpAniBtn2", kUpSeal, 1, false),
    Arrow("CDownAniBtn2", kDownSeal, 1, true),
    ListHint("ReportsHintLbl", 1, {4, 149}),
    Rule("FootRule", {40, kHeight - 60, kWidth - 160, 1}),
    {.name = "MsgOption",
     .kind = ControlKind::CheckBox,
     .rect = {44, kHeight - 44, 360, 24},
     .caption = {3, 59},
     .fore = look::kInk,
     .font_size = 14},
    Seal("OkAniBtn", kOkSeal, kWidth - kSealSize - 36, kHeight - kSealSize - 12),
};

constexpr std::string_view kLineNames[2] = {"MsgLbl", "MsgLbl2"};
constexpr std::string_view kMarkerNames[2] = {"MsgMarker", "MsgMarker2"};

}  // namespace

MessagesFrm::MessagesFrm(Game&, Ui& ui)
    : Form(ui, {.name = "MessagesFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("CUpAniBtn", FormEvent::Click, [this] { MoveMarker(0, -1); });
  On("CDownAniBtn", FormEvent::Click, [this] { MoveMarker(0, 1); });
  On("CUpAniBtn2", FormEvent::Click, [this] { MoveMarker(1, -1); });
  On("CDownAniBtn2", FormEvent::Click, [this] { MoveMarker(1, 1); });
  On("MsgOption", FormEvent::Click,
     [this] { game().ShowMessagesOption = Get<CheckBox>("MsgOption").checked(); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void MessagesFrm::Form_Load() {
  const MessageList* lists[2] = {&game().news, &game().reports};
  for (int list = 0; list < 2; ++list) {
    const MessageList& m = *lists[list];
    for (int line = 0; line < 8; ++line) {
      Control& label = At(kLineNames[list], line);
      if (line < m.count) {
        const TextRef& text = m.lines[static_cast<std::size_t>(line)];
        ShowText(label, text.id, text.category, game().texts);
      } else {
        label.ClearText();
      }
    }
    markers_[list] = m.count > 0 ? 1 : 0;
    ShowMarker(list);
  }
  Get<CheckBox>("MsgOption").SetChecked(game().ShowMessagesOption);
}

void MessagesFrm::MoveMarker(int list, int by) {
  game().PlaySound("ClickChanel01", "click01.wav");
  const int count = list == 0 ? game().news.count : game().reports.count;
  if (count == 0) return;
  markers_[list] = std::clamp(markers_[list] + by, 1, count);
  ShowMarker(list);
}

void MessagesFrm::ShowMarker(int list) {
  Control& marker = (*this)[kMarkerNames[list]];
  const int line = markers_[list];
  marker.SetVisible(line > 0);
  if (line > 0) marker.SetTop(At(kLineNames[list], line - 1).top());
}

}  // namespace valorne
