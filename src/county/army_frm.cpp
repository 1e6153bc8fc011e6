#include "county/army_frm.h"

#include <array>
#include <string>

#include "county/unit_catalogue.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPortraitWidth = 60;
constexpr int kPortraitHeight = 75;
constexpr int kButtonGap = 10;
constexpr int kButtonsLeft = 28;
constexpr int kButtonsTop = 72;
constexpr int kPerRow = 7;
constexpr int kGlow = 4;
constexpr int kTableTop = 332;
constexpr int kRaisingLeft = 440;
constexpr int kUpLeft = 644;
constexpr int kDownLeft = 716;
constexpr int kSealTop = 502;

constexpr Rect TypeButtonRect(int type) {
  const int column = (type - 1) % kPerRow;
  const int row = (type - 1) / kPerRow;
  return {kButtonsLeft + column * (kPortraitWidth + kButtonGap),
          kButtonsTop + row * (kPortraitHeight + kButtonGap), kPortraitWidth, kPortraitHeight};
}

constexpr Rect GlowRect(int type) {
  const Rect r = TypeButtonRect(type);
  return {r.left - kGlow, r.top - kGlow, r.width + 2 * kGlow, r.height + 2 * kGlow};
}

constexpr std::array<std::string_view, kUnitTypes + 1> kPortraits = {
    "",          "sold1res",  "sold2res",  "sold3res",  "sold4res",
    "sold5res",  "sold6res",  "sold7res",  "sold8res",  "sold9res",
    "sold10res", "sold11res", "sold12res", "sold13res", "sold14res"};

constexpr int TableRowTop(int row) {
  return kTableTop + row * (kRowHeight + 2);
}

// A row of the equipment table: what the type needs and what is in store.
struct EquipmentRow {
  std::string_view words, needs, stock;
};
constexpr std::array<EquipmentRow, 4> kEquipmentRows = {{
    {"Weapon", "NeedWeaponLbl", "WeaponLbl"},
    {"Shield", "NeedShieldLbl", "ShieldLbl"},
    {"Chain mail", "NeedChainMailLbl", "ChainMailLbl"},
    {"Plate armour", "NeedPlateLbl", "PlateLbl"},
}};

// The figures of the type: attack, defence, speed beside the portrait.
struct FigureRow {
  std::string_view words, figure;
};
constexpr std::array<FigureRow, 3> kFigureRows = {
    {{"Attack", "AttackLbl"}, {"Defence", "DefenceLbl"}, {"Speed", "SpeedLbl"}}};

// The raising figures.
constexpr std::array<FigureRow, 4> kRaisingRows = {{{"Of this type", "RaisedLbl"},
                                                    {"Raised in all", "RaisedTotalLbl"},
                                                    {"Idle people", "IdleLbl"},
                                                    {"New army", "ArmyNameLbl"}}};

constexpr std::size_t kControlCount = 21 + kUnitTypes + 3 * 4 + 2 * 3 + 2 * 4;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 16, kWidth - 40, 36}, {}, "Recruiting");
  c[n++] = Rule("RuleLbl", 1, {140, 56, kWidth - 280, 2});
  // The glow behind the chosen type's portrait.
  c[n++] = {.name = "ChosenLbl",
            .kind = ControlKind::Label,
            .rect = GlowRect(1),
            .back = kChosenGlow,
            .visible = false};
  for (int type = 1; type <= kUnitTypes; ++type) {
    c[n++] = {.name = kUnitCatalogue[static_cast<std::size_t>(type - 1)].button,
              .kind = ControlKind::AniButton,
              .rect = TypeButtonRect(type),
              .picture = kPortraits[static_cast<std::size_t>(type)]};
  }
  // The chosen type: portrait, figures, name and description.
  c[n++] = {.name = "PortraitImg",
            .kind = ControlKind::Image,
            .rect = {536, 70, 120, 150},
            .visible = false};
  for (std::size_t k = 0; k < kFigureRows.size(); ++k) {
    const int top = 84 + static_cast<int>(k) * (kRowHeight + 4);
    c[n++] = Caption("FigureCaptionLbl", static_cast<int>(k) + 1, {666, top, 76, kRowHeight},
                     kFigureRows[k].words);
    c[n++] = Figure(kFigureRows[k].figure, {738, top, 48, kRowHeight});
  }
  c[n++] = TextLine("NameLbl", {kButtonsLeft, 252, 480, 28}, 20);
  c[n++] = TextLine("HintLbl", {kButtonsLeft, 282, 744, 40}, 14);
  c[n++] = Rule("RuleLbl", 2, {kButtonsLeft, 326, kWidth - 2 * kButtonsLeft, 1});
  // What a soldier of the type carries, and what the armoury holds of it.
  c[n++] = Heading("HeadingLbl", 1, {kButtonsLeft, TableRowTop(0), 160, kRowHeight}, "Equipment");
  c[n++] =
      Heading("HeadingLbl", 2, {200, TableRowTop(0), 80, kRowHeight}, "Needs", TextAlign::Centre);
  c[n++] = Heading("HeadingLbl", 3, {290, TableRowTop(0), 100, kRowHeight}, "In store",
                   TextAlign::Right);
  for (std::size_t k = 0; k < kEquipmentRows.size(); ++k) {
    const int top = TableRowTop(static_cast<int>(k) + 1);
    c[n++] = Caption("EquipmentCaptionLbl", static_cast<int>(k) + 1,
                     {kButtonsLeft + 8, top, 160, kRowHeight}, kEquipmentRows[k].words);
    c[n++] = Figure(kEquipmentRows[k].needs, {200, top, 80, kRowHeight}, TextAlign::Centre);
    c[n++] = Figure(kEquipmentRows[k].stock, {290, top, 100, kRowHeight});
  }
  c[n++] = Rule("RuleLbl", 3, {kRaisingLeft - 20, kTableTop, 1, 120});
  c[n++] = Heading("HeadingLbl", 4, {kRaisingLeft, TableRowTop(0), 180, kRowHeight}, "Raising");
  for (std::size_t k = 0; k < kRaisingRows.size(); ++k) {
    const int top = TableRowTop(static_cast<int>(k) + 1);
    c[n++] = Caption("RaisingCaptionLbl", static_cast<int>(k) + 1,
                     {kRaisingLeft + 8, top, 110, kRowHeight}, kRaisingRows[k].words);
    if (k + 1 < kRaisingRows.size()) {
      c[n++] = Figure(kRaisingRows[k].figure, {kRaisingLeft + 110, top, 70, kRowHeight});
    } else {
      c[n++] = TextLine(kRaisingRows[k].figure, {kRaisingLeft + 118, top, 220, kRowHeight});
    }
  }
  c[n++] = Seal("UpAniBtn", "UpAniBtn_hover", kUpLeft, 340);
  c[n++] = Seal("DownAniBtn", "DownAniBtn_hover", kDownLeft, 340);
  c[n++] = {.name = "UpWordLbl",
            .kind = ControlKind::Label,
            .rect = {kUpLeft - 8, 388, kSealSize + 16, 18},
            .text = "Raise",
            .fore = look::kInk,
            .font_size = kSmallFont,
            .align = TextAlign::Centre};
  c[n++] = {.name = "DownWordLbl",
            .kind = ControlKind::Label,
            .rect = {kDownLeft - 8, 388, kSealSize + 16, 18},
            .text = "Release",
            .fore = look::kInk,
            .font_size = kSmallFont,
            .align = TextAlign::Centre};
  c[n++] = HintLine({kButtonsLeft, 464, kWidth - 2 * kButtonsLeft, 24});
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", 300, kSealTop);
  c[n++] = Seal("Noanibtn", "Noanibtn_hover", 452, kSealTop);
  c[n++] = SealWord("OkWordLbl", 300, kSealTop, "Form the army");
  c[n++] = SealWord("NoWordLbl", 452, kSealTop, "Cancel");
  if (n != kControlCount) throw "ArmyFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

ArmyFrm::ArmyFrm(Game&, Ui& ui, Byte place)
    : Form(ui, {.name = "ArmyFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}),
      place_(place) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  for (int type = 1; type <= kUnitTypes; ++type) {
    const std::string_view button = kUnitCatalogue[static_cast<std::size_t>(type - 1)].button;
    On(button, FormEvent::Click, [this, type] { Type_Click(type); });
    // Under the pointer a portrait names its unit type.
    On(button, FormEvent::MouseEnter, [this, type] {
      ShowOn("NameLbl", {4, UnitType(type).name_text});
    });
    On(button, FormEvent::MouseLeave, [this] { ShowFigures(); });
  }
  On("UpAniBtn", FormEvent::MouseDown, [this] { Hold(+1); });
  On("UpAniBtn", FormEvent::MouseUp, [this] { Release(); });
  On("DownAniBtn", FormEvent::MouseDown, [this] { Hold(-1); });
  On("DownAniBtn", FormEvent::MouseUp, [this] { Release(); });
  AddTimer("RaiseTimer", kRaiseIntervalMs, false, [this] { RaiseTimer_Tick(); });
  On("OkAniBtn", FormEvent::Click, &ArmyFrm::OkAniBtn_Click);
  On("Noanibtn", FormEvent::Click, &ArmyFrm::Noanibtn_Click);
  OnForm(FormEvent::Unload, [this] { Release(); });
}

void ArmyFrm::Form_Load() {
  recruiting_ = BeginRecruiting(game().state, place_);
  const bool can_form = CanFormAnotherArmy(game().state);
  (*this)["OkAniBtn"].SetEnabled(can_form);
  ShowFigures();
  if (!can_form) ShowOn("Helper", {4, 28});
}

void ArmyFrm::Type_Click(int type) {
  const Outcome outcome = ChooseUnitType(game(), recruiting_, type);
  if (!outcome.accepted) {
    if (outcome.HasHint()) ShowOn("Helper", outcome.hint);
    return;
  }
  (*this)["Helper"].ClearText();
  ShowFigures();
}

void ArmyFrm::Hold(int direction) {
  direction_ = direction;
  GetTimer("RaiseTimer").SetEnabled(true);
}

void ArmyFrm::Release() {
  direction_ = 0;
  GetTimer("RaiseTimer").SetEnabled(false);
}

void ArmyFrm::RaiseTimer_Tick() {
  if (direction_ == 0) return;
  const Outcome outcome = direction_ > 0 ? RaiseOneSoldier(game(), recruiting_)
                                         : ReleaseOneSoldier(game(), recruiting_);
  if (outcome.HasHint()) ShowOn("Helper", outcome.hint);
  if (outcome.accepted) ShowFigures();
}

void ArmyFrm::OkAniBtn_Click() {
  const Outcome outcome = FormArmy(game(), recruiting_);
  if (outcome.accepted) {
    Close();
    return;
  }
  if (outcome.HasHint()) ShowOn("Helper", outcome.hint);
}

void ArmyFrm::Noanibtn_Click() {
  CancelRecruiting(game(), recruiting_);
  Close();
}

void ArmyFrm::ShowFigures() {
  const RecruitFigures f = RecruitingFigures(game(), recruiting_);
  const int type = recruiting_.SelectedUnitType;
  const bool chosen = type >= 1 && type <= kUnitTypes;
  Control& glow = (*this)["ChosenLbl"];
  glow.SetVisible(chosen);
  if (chosen) {
    const Rect r = GlowRect(type);
    glow.Move(r.left, r.top);
  }
  Control& portrait = (*this)["PortraitImg"];
  portrait.SetVisible(chosen);
  portrait.SetPicture(f.Portrait);
  ShowOn("NameLbl", f.Name);
  ShowOn("HintLbl", f.Hint);
  (*this)["AttackLbl"].SetText(f.Attack);
  (*this)["DefenceLbl"].SetText(f.Defence);
  (*this)["SpeedLbl"].SetText(f.Speed);
  (*this)["NeedWeaponLbl"].SetText(f.NeedsWeapon);
  (*this)["NeedShieldLbl"].SetText(f.NeedsShield);
  (*this)["NeedChainMailLbl"].SetText(f.NeedsChainMail);
  (*this)["NeedPlateLbl"].SetText(f.NeedsPlate);
  (*this)["WeaponLbl"].SetText(f.Weapon);
  (*this)["ShieldLbl"].SetText(f.Shield);
  (*this)["ChainMailLbl"].SetText(f.ChainMail);
  (*this)["PlateLbl"].SetText(f.Plate);
  (*this)["RaisedLbl"].SetText(f.Raised);
  (*this)["RaisedTotalLbl"].SetText(f.RaisedTotal);
  (*this)["IdleLbl"].SetText(std::to_string(game().state.IdlePeople));
  const int army = FirstFreeArmy(game().state);
  ShowOn("ArmyNameLbl", army > 0 ? TextRef{4, static_cast<std::int16_t>(111 + army)} : TextRef{});
}

void ArmyFrm::ShowOn(std::string_view control, TextRef text) {
  ShowText((*this)[control], text.id, text.category, game().texts);
}

}  // namespace valorne
