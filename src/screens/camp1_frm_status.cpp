// The status bar of the campaign map: the county's stores and people, the
// season and the clock, taxes, the field counters, the building and smithy
// lines, the selected army; the hint line, the information panel and the
// status icons on their plaques.
#include <chrono>
#include <cmath>
#include <ctime>

#include "county/blacksmith.h"
#include "county/construction.h"
#include "county/fields.h"
#include "screens/camp1_frm.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

constexpr Colour kWarningInk = Rgb(190, 20, 20);

constexpr std::string_view kSeasonNames[4] = {"Autumn", "Winter", "Spring", "Summer"};

std::string Number(long value) {
  return std::to_string(value);
}

// A countdown byte that is running (1..199).
bool Running(Byte countdown) {
  return countdown < kIdle;
}

// The war line: "-" in peace, the turns left of the nearest war countdown,
// "!" once a rival's march is pending.
std::string WarLine(const GameState& s) {
  int nearest = 0;
  bool pending = false;
  for (int rival = 1; rival <= 2; ++rival) {
    const Byte c = s.WarCountdown[rival];
    if (c == 0) continue;
    if (c >= kIdle) {
      pending = true;
    } else if (nearest == 0 || c < nearest) {
      nearest = c;
    }
  }
  if (pending) return "!";
  return nearest == 0 ? "-" : Number(nearest);
}

// The season and the turn, "Autumn, turn 3".
std::string SeasonLine(const GameState& s) {
  std::string line = s.Season >= 1 && s.Season <= 4 ? std::string(kSeasonNames[s.Season - 1])
                                                    : std::string("Season ") + Number(s.Season);
  return line + ", turn " + Number(s.Turn);
}

}  // namespace

void Camp1Frm::SetLabel(std::string_view label, const std::string& text) {
  Control* c = Find(label);
  if (c && c->Text() != text) c->SetText(text);
}

void Camp1Frm::RedrawStatusBar() {
  const Game& g = game();
  const GameState& s = g.state;
  SetLabel("CountyNameLbl", "Valorne");
  SetLabel("SeassonLbl", SeasonLine(s));
  SetLabel("GoldLbl", Number(s.Gold));
  SetLabel("WoodLbl", Number(s.WoodStock));
  SetLabel("StoneLbl", Number(s.StoneStock));
  SetLabel("OreLbl", Number(s.OreStock));
  SetLabel("CropsLbl", Number(s.GrainStock));
  SetLabel("CattleLbl", Number(s.MeatStock));
  SetLabel("PeopleLbl", Number(s.Population));
  SetLabel("HappinessLbl", Number(s.Happiness));
  SetLabel("HealthLbl", Number(s.Health));
  SetLabel("TaxLbl", Number(s.TaxRate) + "%");
  SetLabel("CHireLbl", Number(CHireLblValue(g)));
  SetLabel("CEmptyLbl", Number(CEmptyLblValue(g)));
  SetLabel("CCropsLbl", Number(CCropsLblValue(g)));
  SetLabel("CCattleLbl", Number(CCattleLblValue(g)));
  SetLabel("WarLbl", WarLine(s));
  const struct {
    std::string_view label;
    bool low;
  } warnings[] = {{"CropsLbl", g.live.GrainLow},
                  {"CattleLbl", g.live.MeatLow},
                  {"PeopleLbl", g.live.PeopleLow},
                  {"HappinessLbl", g.live.HappinessLow},
                  {"HealthLbl", g.live.HealthLow}};
  for (const auto& w : warnings) {
    if (Control* c = Find(w.label)) c->SetFore(w.low ? kWarningInk : look::kInk);
  }
  if (Control* c = Find("BuildLbl")) {
    const TextRef line = BuildLineText(s);
    ShowText(*c, line.id, line.category, g.texts);
  }
  if (Control* c = Find("BlacksmithLbl")) {
    const TextRef line = SmithyLineText(s);
    ShowText(*c, line.id, line.category, g.texts);
  }
  const bool forging = s.ForgeOrder >= 1 && s.ForgeOrder <= kForgeItems;
  SetLabel("ProduceWeaponLbl",
           forging ? "+" + Number(RateOfItem(g.params, s.ForgeOrder).pieces) : std::string("-"));
  ShowArmyReadout(s.SelectedArmy);
  RedrawStatusIcons();
}

// The army readout: the soldiers and moves of `army` (when it exists) and
// the county's morale.
void Camp1Frm::ShowArmyReadout(int army) {
  const GameState& s = game().state;
  const bool exists = army >= 1 && army <= 3 && IsTrue(s.ArmyExists[army]);
  SetLabel("ArmyNumLbl", exists ? Number(s.ArmySizes[army]) : std::string("-"));
  SetLabel("WalkLbl", exists ? Number(s.ArmyMovesLeft[army]) + " / 3" : std::string("-"));
  SetLabel("MoralLbl", Number(static_cast<long>(Fix(s.Morale))));
}

void Camp1Frm::RedrawStatusIcons() {
  Game& g = game();
  GameState& s = g.state;
  auto show = [this](std::string_view icon, bool shown, std::string_view picture) {
    if (Control* c = Find(icon)) {
      c->SetPicture(picture);
      c->SetVisible(shown);
    }
  };
  for (int army = 1; army <= 3; ++army) {
    const bool tired = IsTrue(g.options.WalkOption) && s.ArmyMovesLeft[army] == 0;
    show("Camp" + std::to_string(army) + "StatusImg", IsTrue(s.ArmyExists[army]),
         tired ? "CampStatusRes2" : "CampStatusRes1");
  }
  show("AssassinStatusImg", Running(s.AssassinTurns()), "AssassinStatusRes");
  show("ScoutStatusImg", Running(s.ScoutTurns()), "ScoutStatusRes");
  show("FlagImg", Running(s.ScoutTurns()), "FlagRes");
  show("ClockImg", Running(s.ConstructionTurns) || Running(s.FarmingResearchTurns), "ClockRes");
  show("WarwarningImg", s.WarCountdown[1] != 0 || s.WarCountdown[2] != 0, "WarwarningRes");
  show("ScullImg", g.live.PlagueShown, "ScullRes");
  for (std::string_view mark : {"CrownImg", "EFlagImg1", "EFlagImg2", "SelectorImg"}) {
    if (Control* c = Find(mark)) {
      c->SetPicture(std::string(mark.substr(0, mark.find("Img"))) + "Res");
    }
  }
}

// The hint line shows the game's hint text, or a line of the map's own (a
// save that could not be written); the tooltip follows it.
void Camp1Frm::ShowHelper() {
  Control* helper = Find("Helper");
  if (!helper) return;
  const TextRef& hint = game().live.Helper;
  if (hint.category != 0) {
    ShowText(*helper, hint.id, hint.category, game().texts);
  } else if (helper->Text() != note_) {
    helper->SetText(note_);
  }
}

void Camp1Frm::ShowNote(std::string note) {
  game().live.Helper = {};
  note_ = std::move(note);
  ShowHelper();
}

void Camp1Frm::RedrawInfoPanel() {
  const LiveState& live = game().live;
  const struct {
    std::string_view label;
    TextRef text;
  } lines[] = {{"Helper4", live.InfoName}, {"Helper3", live.InfoText}, {"Helper5", live.InfoState}};
  bool any = false;
  for (const auto& line : lines) {
    any = any || line.text.category != 0;
    if (Control* c = Find(line.label)) ShowText(*c, line.text.id, line.text.category, game().texts);
  }
  ShowInfoDetails();
  if (Control* panel = Find("InfoPanelPic")) panel->SetVisible(any);
}

void Camp1Frm::ShowTime() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  char text[16] = "";
  if (const std::tm* local = std::localtime(&now)) {
    std::strftime(text, sizeof text, "%H:%M:%S", local);
  }
  const std::string clock = text;
  SetLabel("TimeLbl", clock.size() > 3 ? clock.substr(0, clock.size() - 3) : clock);
}

}  // namespace valorne
