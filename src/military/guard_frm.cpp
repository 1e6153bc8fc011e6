#include "military/guard_frm.h"

#include <array>
#include <string>

#include "screens/toolkit/controls.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 720;
constexpr int kHeight = 560;
constexpr int kGlow = 4;
constexpr Rect kServiceButton{36, 80, 160, 36};
constexpr int kServiceGap = 48;
constexpr int kChoiceTop = 272;
constexpr int kMapWidth = 160;
constexpr int kMapHeight = 120;
constexpr int kSealTop = 484;

// The three services: their button, portrait and texts (category 5).
struct ServiceLook {
  GuardService service;
  std::string_view button;
  std::string_view portrait;
  TextRef name;
  TextRef description;
};
constexpr std::array<ServiceLook, 3> kServices = {{
    {GuardService::Assassin, "AssassinBtn", "sold17res", {5, 160}, {5, 163}},
    {GuardService::Scout, "ScoutBtn", "sold15res", {5, 161}, {5, 164}},
    {GuardService::Guard, "GuardBtn", "sold16res", {5, 162}, {5, 165}},
}};

const ServiceLook* LookOf(GuardService service) {
  for (const ServiceLook& look : kServices) {
    if (look.service == service) return &look;
  }
  return nullptr;
}

constexpr Rect ServiceRect(int k) {
  return {kServiceButton.left, kServiceButton.top + k * kServiceGap, kServiceButton.width,
          kServiceButton.height};
}

// The scouts' small maps, by target 1..3, with the place's name under each.
constexpr std::array<std::string_view, 3> kMiniMaps = {"Image2", "Image3", "Image4"};
constexpr std::array<std::string_view, 3> kMiniMapPictures = {"ScoutMapRes1", "ScoutMapRes2",
                                                              "ScoutMapRes3"};
constexpr std::array<TextRef, 3> kPlaceNames = {{{4, 92}, {4, 98}, {4, 94}}};

constexpr Rect MiniMapRect(int k) {
  return {60 + k * 210, kChoiceTop, kMapWidth, kMapHeight};
}

constexpr Rect Grown(Rect r) {
  return {r.left - kGlow, r.top - kGlow, r.width + 2 * kGlow, r.height + 2 * kGlow};
}

constexpr TextRef kStrikes{5, 166};
constexpr TextRef kChooseService{5, 171};

constexpr std::size_t kControlCount = 35;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 14, kWidth - 40, 36}, {}, "The Guard");
  c[n++] = Rule("RuleLbl", 1, {160, 54, kWidth - 320, 2});
  // The chosen service: its button glows, its portrait, name, description
  // and price beside.
  c[n++] = {.name = "ChosenLbl",
            .kind = ControlKind::Label,
            .rect = Grown(ServiceRect(0)),
            .back = kChosenGlow,
            .visible = false};
  for (std::size_t k = 0; k < kServices.size(); ++k) {
    c[n++] = {.name = kServices[k].button,
              .kind = ControlKind::Button,
              .rect = ServiceRect(static_cast<int>(k)),
              .caption = kServices[k].name};
  }
  c[n++] = {.name = "PortraitImg",
            .kind = ControlKind::Image,
            .rect = {220, 72, 120, 150},
            .visible = false};
  c[n++] = TextLine("NameLbl", {360, 72, 330, 28}, 20);
  c[n++] = TextLine("DescriptionLbl", {360, 104, 330, 90}, 14);
  c[n++] = Caption("PriceCaptionLbl", -1, {360, 198, 150, kRowHeight}, "Price in gold");
  c[n++] = Figure("GoldLbl", {510, 198, 80, kRowHeight});
  c[n++] = Caption("StatusLbl", -1, {36, 234, kWidth - 72, kRowHeight}, {}, {}, TextAlign::Centre);
  c[n++] = Rule("RuleLbl", 2, {36, 262, kWidth - 72, 1});
  // The assassins' targets: the lord or the morale of either rival county.
  c[n++] = Heading("HeadingLbl", 1, {60, kChoiceTop, 280, kRowHeight}, "First rival county");
  c[n++] = {.name = "AssassinLst",
            .kind = ControlKind::ListBox,
            .rect = {60, kChoiceTop + 28, 280, 46},
            .caption = kStrikes,
            .fore = look::kInk,
            .font_size = kRowFont};
  c[n++] = Heading("HeadingLbl", 2, {380, kChoiceTop, 280, kRowHeight}, "Second rival county");
  c[n++] = {.name = "AssassinLst2",
            .kind = ControlKind::ListBox,
            .rect = {380, kChoiceTop + 28, 280, 46},
            .caption = kStrikes,
            .fore = look::kInk,
            .font_size = kRowFont};
  // The scouts' places on their small maps.
  c[n++] = {.name = "MapGlowLbl",
            .kind = ControlKind::Label,
            .rect = Grown(MiniMapRect(0)),
            .back = kChosenGlow,
            .visible = false};
  for (std::size_t k = 0; k < kMiniMaps.size(); ++k) {
    const Rect map = MiniMapRect(static_cast<int>(k));
    c[n++] = {.name = kMiniMaps[k],
              .kind = ControlKind::Image,
              .rect = map,
              .picture = kMiniMapPictures[k]};
    c[n++] = Line("MapNameLbl", {map.left - 20, map.top + kMapHeight + 6, kMapWidth + 40, 20},
                  kPlaceNames[k], TextAlign::Centre, static_cast<int>(k) + 1);
  }
  c[n++] = Caption("TravelLbl", -1, {60, kChoiceTop + kMapHeight + 30, kWidth - 120, kRowHeight},
                   {}, {}, TextAlign::Centre);
  // The guard's training: its level now.
  c[n++] = Caption("GuardLevelCaptionLbl", -1, {60, kChoiceTop + 8, 220, kRowHeight},
                   "Level of the guard");
  c[n++] = Figure("GuardLevelLbl", {280, kChoiceTop + 8, 60, kRowHeight});
  c[n++] = Caption("TrainingLbl", -1, {60, kChoiceTop + 40, 600, kRowHeight}, {});
  c[n++] = HintLine({36, 446, kWidth - 72, 24});
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", 200, kSealTop);
  c[n++] = SealWord("OkWordLbl", 200, kSealTop, "Buy");
  c[n++] = Seal("CancelAniBtn", "CancelAniBtn_hover", 336, kSealTop);
  c[n++] = SealWord("CancelWordLbl", 336, kSealTop, "Clear");
  c[n++] = Seal("Noanibtn", "Noanibtn_hover", 472, kSealTop);
  c[n++] = SealWord("NoWordLbl", 472, kSealTop, "Close");
  // A service's own controls are shown once it is chosen.
  for (std::size_t k = 0; k < n; ++k) {
    const std::string_view name = c[k].name;
    if (name == "HeadingLbl" || name.starts_with("Assassin") || name.starts_with("Image") ||
        name.starts_with("Map") || name == "TravelLbl" || name.starts_with("GuardLevel") ||
        name == "TrainingLbl" || name == "PriceCaptionLbl") {
      if (name != "AssassinBtn") c[k].visible = false;
    }
  }
  if (n != kControlCount) throw "GuardFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

std::string TurnsWords(int turns) {
  return std::to_string(turns) + (turns == 1 ? " turn" : " turns");
}

bool CountyStands(const GameState& s, Byte county) {
  return IsTrue(county == 1 ? s.Rival1Standing : s.Rival2Standing);
}

}  // namespace

GuardFrm::GuardFrm(Game&, Ui& ui)
    : Form(ui, {.name = "GuardFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  for (const ServiceLook& look : kServices) {
    const GuardService service = look.service;
    On(look.button, FormEvent::Click, [this, service] { ChooseService(service); });
  }
  On("AssassinLst", FormEvent::Click, [this] { AssassinList_Click(1); });
  On("AssassinLst2", FormEvent::Click, [this] { AssassinList_Click(2); });
  for (std::size_t k = 0; k < kMiniMaps.size(); ++k) {
    const Byte target = static_cast<Byte>(k + 1);
    On(kMiniMaps[k], FormEvent::Click, [this, target] { MiniMap_Click(target); });
    On(kMiniMaps[k], FormEvent::MouseEnter, [this, target] { MiniMap_Hover(target); });
    On(kMiniMaps[k], FormEvent::MouseLeave, [this] { MiniMap_Hover(0); });
  }
  On("OkAniBtn", FormEvent::Click, &GuardFrm::OkAniBtn_Click);
  On("CancelAniBtn", FormEvent::Click, &GuardFrm::CancelAniBtn_Click);
  On("Noanibtn", FormEvent::Click, [this] { Close(); });
}

void GuardFrm::Form_Load() {
  ShowService();
}

void GuardFrm::ChooseService(GuardService service) {
  service_ = service;
  (*this)["Helper"].ClearText();
  ShowService();
  if (ServiceRunning(game().state, service)) ShowHint(kMissionUnderWay);
}

void GuardFrm::AssassinList_Click(Byte county) {
  GameState& s = game().state;
  if (ServiceRunning(s, GuardService::Assassin)) return;
  const int entry = Get<ListBox>(county == 1 ? "AssassinLst" : "AssassinLst2").ListIndex();
  if (entry < 0) return;
  ChooseAssassinTarget(s, county, entry);
  ShowChoices();
}

void GuardFrm::MiniMap_Click(Byte target) {
  GameState& s = game().state;
  if (ServiceRunning(s, GuardService::Scout)) return;
  s.ScoutTarget() = target;
  ShowChoices();
}

// Under the pointer a small map tells how long the scouts travel there;
// away from the maps the line tells it for the place chosen.
void GuardFrm::MiniMap_Hover(Byte target) {
  if (target == 0) target = game().state.ScoutTarget();
  const Byte turns = ScoutTravelTurns(target);
  (*this)["TravelLbl"].SetText(turns == 0 ? "" : "Travel time: " + TurnsWords(turns));
}

void GuardFrm::OkAniBtn_Click() {
  const Outcome outcome = BuyService(game(), service_);
  ShowService();
  ShowHint(outcome.hint);
}

void GuardFrm::CancelAniBtn_Click() {
  GameState& s = game().state;
  if (!ServiceRunning(s, GuardService::Assassin)) s.AssassinKind() = 0;
  if (!ServiceRunning(s, GuardService::Scout)) s.ScoutTarget() = 0;
  (*this)["Helper"].ClearText();
  ShowChoices();
}

void GuardFrm::ShowService() {
  const GameState& s = game().state;
  const ServiceLook* look = LookOf(service_);
  const bool running = look && ServiceRunning(s, service_);
  Control& glow = (*this)["ChosenLbl"];
  glow.SetVisible(look != nullptr);
  Control& portrait = (*this)["PortraitImg"];
  portrait.SetVisible(look != nullptr);
  (*this)["PriceCaptionLbl"].SetVisible(look != nullptr);
  if (!look) {  // the page invites a choice
    (*this)["NameLbl"].ClearText();
    ShowText((*this)["DescriptionLbl"], kChooseService.id, kChooseService.category, game().texts);
  } else {
    glow.SetRect(Grown((*this)[look->button].rect()));
    portrait.SetPicture(look->portrait);
    ShowText((*this)["NameLbl"], look->name.id, look->name.category, game().texts);
    ShowText((*this)["DescriptionLbl"], look->description.id, look->description.category,
             game().texts);
    (*this)["GoldLbl"].SetText(std::to_string(ServicePrice(game(), service_)));
  }
  (*this)["OkAniBtn"].SetEnabled(look && !running);
  (*this)["CancelAniBtn"].SetEnabled(look && !running);
  std::string status;
  if (running) {
    // The scouts report on the end of turn after their countdown has run out.
    const int turns = service_ == GuardService::Assassin ? s.GuardMissions[1]
                      : service_ == GuardService::Scout  ? s.GuardMissions[4] + 1
                                                         : s.GuardResearchTurns;
    status = "Under way: " + TurnsWords(turns) + " to go.";
  }
  (*this)["StatusLbl"].SetText(status);

  const bool assassin = service_ == GuardService::Assassin;
  const bool scout = service_ == GuardService::Scout;
  const bool guard = service_ == GuardService::Guard;
  for (Control* heading : Array("HeadingLbl")) heading->SetVisible(assassin);
  for (Byte county : {1, 2}) {
    Control& list = (*this)[county == 1 ? "AssassinLst" : "AssassinLst2"];
    list.SetVisible(assassin);
    list.SetEnabled(!running && CountyStands(s, county));
  }
  for (std::string_view map : kMiniMaps) {
    (*this)[map].SetVisible(scout);
    (*this)[map].SetEnabled(!running);
  }
  for (Control* name : Array("MapNameLbl")) name->SetVisible(scout);
  (*this)["TravelLbl"].SetVisible(scout);
  (*this)["GuardLevelCaptionLbl"].SetVisible(guard);
  (*this)["GuardLevelLbl"].SetVisible(guard);
  (*this)["GuardLevelLbl"].SetText(std::to_string(s.GuardLevel));
  (*this)["TrainingLbl"].SetVisible(guard);
  (*this)["TrainingLbl"].SetText("A level of training takes " + TurnsWords(kGuardTrainingTurns) +
                                 ".");
  ShowChoices();
}

// The choices the state holds: the strike chosen in its county's list, the
// scouts' place under its glow.
void GuardFrm::ShowChoices() {
  const GameState& s = game().state;
  const Byte county = s.GuardMissions[3];  // `AssassinTarget`
  const Byte kind = s.GuardMissions[2];    // `AssassinKind`
  for (Byte k : {1, 2}) {
    auto& list = Get<ListBox>(k == 1 ? "AssassinLst" : "AssassinLst2");
    const bool chosen = county == k && (kind == kMurderLord || kind == kStrikeMorale);
    list.SetListIndex(chosen && list.ListCount() >= kind ? kind - 1 : -1);
  }
  const Byte target = s.GuardMissions[5];  // `ScoutTarget`
  Control& glow = (*this)["MapGlowLbl"];
  const bool placed = service_ == GuardService::Scout && target >= 1 && target <= 3;
  glow.SetVisible(placed);
  if (placed) glow.SetRect(Grown(MiniMapRect(target - 1)));
  MiniMap_Hover(0);
}

void GuardFrm::ShowHint(TextRef hint) {
  if (hint.category != 0) ShowText((*this)["Helper"], hint.id, hint.category, game().texts);
}

void RegisterGuardScreens(ScreenRegistry& registry) {
  registry.Register<GuardFrm>("GuardFrm");
}

}  // namespace valorne
