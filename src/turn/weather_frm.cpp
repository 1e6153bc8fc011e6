#include "turn/weather_frm.h"

#include <string>

#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"
#include "turn/seasons.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 520;
constexpr int kHeight = 430;
constexpr int kAnimSize = 160;
constexpr int kRightLeft = 230;
constexpr int kRightWidth = kWidth - kRightLeft - 30;
constexpr int kFloodTop = 262;

// What each season shows: its animation, the change of happiness and health
// when it ends, its two weather lines (category 4), its sounds and its name.
struct SeasonWeather {
  std::string_view anim;
  std::string_view mood;
  int line1;
  int line2;
  std::string_view sound1;
  std::string_view sound2;
  int name;  // category 4
};

constexpr SeasonWeather kSeasons[4] = {
    {"fall.rx", "- 2", 33, 34, "rain01.wav", "thunder02.wav", 159},
    {"winter.rx", "- 4", 35, 33, "cave01.wav", "", 160},
    {"spring.rx", "+2", 36, 35, "dolmen01.wav", "", 161},
    {"summer.rx", "+4", 34, 36, "dolmen01.wav", "", 162},
};

constexpr TextRef kFloodChance{4, 150};
constexpr TextRef kFloodFields{4, 151};
constexpr TextRef kNoFlood{4, 152};

const ControlSpec kControls[] = {
    Title("TitleLbl", kWidth, 14, {3, 92}),
    Rule("TitleRule", {90, 52, kWidth - 180, 1}),
    {.name = "WeatherFrameLbl",
     .kind = ControlKind::Label,
     .rect = {36, 70, kAnimSize + 8, kAnimSize + 8},
     .back = look::kWoodDark},
    {.name = "WeatherImg", .kind = ControlKind::Image, .rect = {40, 74, kAnimSize, kAnimSize}},
    Heading("SeasonHeadLbl", {kRightLeft, 70, kRightWidth, 22}, {3, 93}),
    {.name = "SeasonLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {kRightLeft, 94, kRightWidth, 28},
     .fore = look::kInk,
     .font_size = 22},
    Line("WeatherLbl", {kRightLeft, 126, kRightWidth, 20}),
    Line("WeatherLbl2", {kRightLeft, 148, kRightWidth, 20}),
    Heading("MoodHeadLbl", {kRightLeft, 184, kRightWidth, 22}, {3, 94}),
    {.name = "HappinessLbl",
     .kind = ControlKind::Label,
     .rect = {kRightLeft, 208, kRightWidth, 28},
     .fore = look::kInk,
     .font_size = 22},
    Rule("FloodRule", {40, kFloodTop - 10, kWidth - 80, 1}),
    Heading("FloodHeadLbl", {40, kFloodTop, 200, 22}, {3, 96}),
    Line("FloodChanceCaptionLbl", {60, kFloodTop + 26, 330, 20}, kFloodChance),
    Figure("FloodChanceLbl", {390, kFloodTop + 26, 90, 20}),
    Line("FloodFieldsCaptionLbl", {60, kFloodTop + 48, 330, 20}, kFloodFields),
    Figure("FloodFieldsLbl", {390, kFloodTop + 48, 90, 20}),
    Line("FloodNoneLbl", {60, kFloodTop + 26, kWidth - 120, 20}, kNoFlood),
    Hint({30, kHeight - 88, kWidth - 60, 20}, {1, 125}),
    Seal("OkAniBtn", kOkSeal, (kWidth - kSealSize) / 2, kHeight - kSealSize - 16),
};

std::string FieldList(const std::vector<int>& fields) {
  std::string list;
  for (int field : fields) list += (list.empty() ? "" : ", ") + std::to_string(field);
  return list;
}

}  // namespace

WeatherFrm::WeatherFrm(Game&, Ui& ui)
    : Form(ui, {.name = "WeatherFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  AddTimer("WeatherTimer", kAnimFrameMs, false, [this] { NextFrame(); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void WeatherFrm::Form_Load() {
  const int season = game().state.Season;
  if (season < 1 || season > 4) {
    // A season the year does not have: nothing to tell but the hint.
    (*this)["WeatherImg"].SetVisible(false);
    ShowFloodRisk();
    return;
  }
  const SeasonWeather& w = kSeasons[season - 1];
  const TextTables& texts = game().texts;
  ShowText((*this)["SeasonLbl"], w.name, 4, texts);
  ShowText((*this)["WeatherLbl"], w.line1, 4, texts);
  ShowText((*this)["WeatherLbl2"], w.line2, 4, texts);
  (*this)["HappinessLbl"].SetText(w.mood);
  Control& anim = (*this)["WeatherImg"];
  anim.SetPicture(AnimPicture(w.anim));
  anim.SetStripFrame(0);
  // With animated screens off the first picture of the season stays still.
  GetTimer("WeatherTimer").SetEnabled(IsTrue(game().options.AnimatedSOption));
  game().PlaySound("EnvChanel02", w.sound1);
  if (!w.sound2.empty()) game().PlaySound("EnvChanel03", w.sound2);
  ShowFloodRisk();
}

// Floods come only when winter ends, and not at all on the easy difficulty.
void WeatherFrm::ShowFloodRisk() {
  const FloodRisk risk = game().state.Season == 2 ? FloodRiskFor(game().Difficulty) : FloodRisk{};
  const bool floods = risk.percent > 0;
  for (const char* name :
       {"FloodChanceCaptionLbl", "FloodChanceLbl", "FloodFieldsCaptionLbl", "FloodFieldsLbl"}) {
    (*this)[name].SetVisible(floods);
  }
  (*this)["FloodNoneLbl"].SetVisible(!floods);
  (*this)["FloodChanceLbl"].SetText(floods ? std::to_string(risk.percent) + " %" : "");
  (*this)["FloodFieldsLbl"].SetText(FieldList(risk.fields));
}

void WeatherFrm::NextFrame() {
  (*this)["WeatherImg"].SetStripFrame(++frame_);
}

}  // namespace valorne
