#include "rivals/diplo_frm.h"

#include "screens/toolkit/controls.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

struct MissionButton {
  std::string_view name;
  Mission mission;
};

// In the order of the row of buttons.
constexpr MissionButton kMissionButtons[] = {{"EnvoyBtn", Mission::Envoy},
                                             {"AmbasadorBtn", Mission::Ambassador},
                                             {"SpieBtn", Mission::Spy},
                                             {"GiftBtn", Mission::Gift}};

std::optional<Colour> Glow(bool on) {
  return on ? std::optional<Colour>(page_look::kChosenGlow) : std::nullopt;
}

}  // namespace

DiploFrm::DiploFrm(Game&, Ui& ui)
    : Form(ui, {.name = "DiploFrm",
                .size = DiploFrmSize(),
                .controls = DiploFrmControls(),
                .enlarges = page_look::FitsEnlarged(DiploFrmSize().width, DiploFrmSize().height)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("Label4", FormEvent::Click, [this] { ShowPage(DiploPage::Rivals); });
  On("Label5", FormEvent::Click, [this] { ShowPage(DiploPage::Counties); });
  On("RivalsLst", FormEvent::Click, &DiploFrm::Party_Click);
  On("CountyLst", FormEvent::Click, &DiploFrm::Party_Click);
  for (const MissionButton& b : kMissionButtons) {
    const Mission mission = b.mission;
    On(b.name, FormEvent::Click, [this, mission] { ChooseMission(mission); });
  }
  On("EnvoyAniBtn", FormEvent::Click, &DiploFrm::EnvoyAniBtn_Click);
  On("WarBtn", FormEvent::Click, &DiploFrm::WarBtn_Click);
  On("TradeBtn", FormEvent::Click, &DiploFrm::TradeBtn_Click);
  On("SellLst", FormEvent::Click, &DiploFrm::SellLst_Click);
  On("BuyLst", FormEvent::Click, &DiploFrm::BuyLst_Click);
  On("UpAniBtn", FormEvent::Click, [this] { StepSale(+1); });
  On("DownAniBtn", FormEvent::Click, [this] { StepSale(-1); });
  On("UpAniBtn2", FormEvent::Click, [this] { StepPurchase(+1); });
  On("DownAniBtn2", FormEvent::Click, [this] { StepPurchase(-1); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void DiploFrm::Form_Load() {
  ShowPage(DiploPage::Rivals);
}

void DiploFrm::ShowPage(DiploPage page) {
  page_ = page;
  mission_ = Mission::None;
  const auto show = [this](std::span<const std::string_view> names, bool shown) {
    for (std::string_view name : names) (*this)[name].SetVisible(shown);
  };
  show(DiploRelationControls(), page != DiploPage::Trade);
  show(DiploRivalControls(), page == DiploPage::Rivals);
  show(DiploCountyControls(), page == DiploPage::Counties);
  show(DiploTradeControls(), page == DiploPage::Trade);
  (*this)["Label4"].SetBack(Glow(page == DiploPage::Rivals));
  (*this)["Label5"].SetBack(Glow(page == DiploPage::Counties));
  (*this)["Helper"].ClearText();
  if (page == DiploPage::Trade) {
    ShowTradeFigures();
    return;
  }
  ShowRelation();
  ShowMission();
}

int DiploFrm::SelectedParty() const {
  if (page_ == DiploPage::Trade) return 0;
  const auto& list = Get<ListBox>(page_ == DiploPage::Rivals ? "RivalsLst" : "CountyLst");
  return list.ListIndex() + 1;
}

void DiploFrm::Party_Click() {
  (*this)["Helper"].ClearText();
  ShowRelation();
}

void DiploFrm::ChooseMission(Mission mission) {
  mission_ = mission;
  (*this)["Helper"].ClearText();
  ShowMission();
}

void DiploFrm::EnvoyAniBtn_Click() {
  const Outcome outcome = SendMission(game().state, page_, SelectedParty(), mission_);
  if (outcome.HasHint()) Hint(outcome.hint);
  if (outcome.accepted && mission_ == Mission::Spy) Hint({4, 123});
  ShowRelation();
}

void DiploFrm::WarBtn_Click() {
  const Outcome outcome = DeclareWar(game(), SelectedParty());
  if (outcome.HasHint()) Hint(outcome.hint);
  ShowRelation();
}

// The relation with the chosen party: its picture, the two status lines and,
// for a lord of great diplomacy, what is known of a neutral county.
void DiploFrm::ShowRelation() {
  const int party = SelectedParty();
  const bool chosen = party > 0;
  const Byte relation = chosen ? Relation(game().state, page_, party) : 0;
  Control& picture = (*this)["DiploStatusImg"];
  picture.SetVisible(chosen);
  picture.SetPicture(RelationPicture(relation));
  ShowOn("StatusLbl1", chosen ? RelationText(relation) : TextRef{4, 22});
  ShowOn("StatusLbl2", chosen ? RelationRank(relation) : TextRef{});
  if (page_ == DiploPage::Counties) {
    ShowOn("CountyTextLbl", chosen ? CountyDescription(game().state, party) : TextRef{});
  }
}

void DiploFrm::ShowMission() {
  Control& glow = (*this)["ChosenMissionLbl"];
  glow.SetVisible(false);
  for (int slot = 0; slot < 4; ++slot) {
    if (kMissionButtons[slot].mission != mission_) continue;
    const Rect r = DiploMissionGlowRect(slot);
    glow.Move(r.left, r.top);
    glow.SetVisible(true);
  }
  ShowOn("MissionNameLbl", MissionName(mission_));
  ShowOn("MissionTextLbl", MissionDescription(mission_));
  const bool priced = mission_ != Mission::None;
  (*this)["GoldLbl"].SetText(priced ? std::to_string(MissionPrice(page_, mission_)) : "");
}

void DiploFrm::ShowOn(std::string_view control, TextRef text) {
  Control& c = (*this)[control];
  if (text.category == 0) {
    c.ClearText();
    return;
  }
  ShowText(c, text.id, text.category, game().texts);
}

void DiploFrm::Hint(TextRef text) {
  ShowOn("Helper", text);
}

void RegisterDiplomacyScreens(ScreenRegistry& registry) {
  registry.Register<DiploFrm>("DiploFrm");
}

}  // namespace valorne
