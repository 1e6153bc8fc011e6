#include "county/realm_frm.h"

#include <array>
#include <string>

#include "county/county_sounds.h"
#include "county/leader_frm.h"
#include "county/realm.h"
#include "county/works.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kLeft = 34;
constexpr int kRight = 430;
constexpr int kIconSize = 36;
constexpr int kIconRow = 40;
constexpr int kListRow = 22;
constexpr int kSealTop = 522;
constexpr Colour kHoverGlow = Rgb(250, 236, 196);

// A line of the left column: a picture that leads to its screen, a caption
// and a figure.
struct IconLine {
  std::string_view image, picture, words, figure;
};
constexpr std::array<IconLine, 9> kIconLines = {{
    {"Image2", "WoodCutterRes", "Woodcutters", "WoodCutterLbl"},
    {"Image4", "StoneCutterRes", "Stone quarry", "StoneCutterLbl"},
    {"Image7", "OreCutterRes", "Ore mine", "OreCutterLbl"},
    {"Image8", "CropsRes4", "Crop fields", "CropsFieldLbl"},
    {"Image5", "CattleRes", "Cattle fields", "CattleFieldLbl"},
    {"PlainFieldImg", "EmptyRes", "Other fields", "PlainFieldLbl"},
    {"Image1", "sold17res", "Assassins", "AssassinLbl"},
    {"Image6", "sold15res", "Scouts", "ScoutLbl"},
    {"Image9", "sold16res", "Guard", "GuardLbl"},
}};
constexpr std::array<std::string_view, 3> kLeftHeadings = {"Works", "Fields", "Special units"};

constexpr int IconLineTop(int k) {
  return 92 + k * kIconRow + (k / 3) * 30;
}

// The names of the places held (category 4), in the order of the site lines.
constexpr std::array<Integer, 10> kSiteNames = {91, 92, 93, 94, 95, 96, 97, 98, 99, 100};

constexpr int SiteTop(int k) {
  return 92 + k * kListRow;
}
constexpr int kArmiesTop = SiteTop(10) + 36;
constexpr int kLordsTop = kArmiesTop + 3 * kListRow + 36;

constexpr std::size_t kControlCount = 11 + 3 * 9 + 2 * 10 + 2 * 3 + 3;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 16, kWidth - 40, 36}, {}, "Realm");
  c[n++] = Rule("RuleLbl", 1, {140, 56, kWidth - 280, 2});
  for (int h = 0; h < 3; ++h) {
    c[n++] = Heading("HeadingLbl", h + 1, {kLeft, IconLineTop(3 * h) - 26, 300, kRowHeight},
                     kLeftHeadings[static_cast<std::size_t>(h)]);
  }
  for (std::size_t k = 0; k < kIconLines.size(); ++k) {
    const int top = IconLineTop(static_cast<int>(k));
    c[n++] = {.name = kIconLines[k].image,
              .kind = ControlKind::Image,
              .rect = {kLeft + 8, top, kIconSize, kIconSize},
              .picture = kIconLines[k].picture};
    c[n++] = Caption("LineLbl", static_cast<int>(k) + 1, {kLeft + 56, top + 7, 200, kRowHeight},
                     kIconLines[k].words);
    c[n++] = Figure(kIconLines[k].figure, {kLeft + 256, top + 7, 70, kRowHeight});
  }
  c[n++] = Rule("RuleLbl", 2, {kRight - 30, 70, 1, 420});
  c[n++] = Heading("HeadingLbl", 4, {kRight, SiteTop(0) - 26, 300, kRowHeight}, "Places held");
  for (std::size_t k = 0; k < kSiteLines.size(); ++k) {
    const int top = SiteTop(static_cast<int>(k));
    c[n++] = Caption("SiteNameLbl", static_cast<int>(k) + 1, {kRight + 8, top, 240, kListRow}, {},
                     {4, kSiteNames[k]});
    c[n++] = Figure(kSiteLines[k], {kRight + 250, top, 80, kListRow});
  }
  c[n++] = Heading("HeadingLbl", 5, {kRight, kArmiesTop - 26, 300, kRowHeight}, "Armies");
  constexpr std::array<std::string_view, 3> kArmyLinks = {"ArmyLbl1", "ArmyLbl2", "ArmyLbl3"};
  constexpr std::array<std::string_view, 3> kArmyNames = {"ArmyNameLbl1", "ArmyNameLbl2",
                                                          "ArmyNameLbl3"};
  constexpr std::array<std::string_view, 3> kArmyWords = {"Army 1", "Army 2", "Army 3"};
  for (std::size_t a = 0; a < 3; ++a) {
    const int top = kArmiesTop + static_cast<int>(a) * kListRow;
    c[n++] = {.name = kArmyLinks[a],
              .kind = ControlKind::Label,
              .rect = {kRight + 8, top, 80, kListRow},
              .text = kArmyWords[a],
              .fore = kLinkInk,
              .font_size = kRowFont};
    c[n++] = TextLine(kArmyNames[a], {kRight + 96, top, 234, kListRow});
  }
  c[n++] = Heading("HeadingLbl", 6, {kRight, kLordsTop - 26, 300, kRowHeight}, "Lords");
  constexpr std::array<std::string_view, 3> kLordLinks = {"Label2", "Label3", "Label4"};
  for (std::size_t l = 0; l < 3; ++l) {
    c[n++] = {.name = kLordLinks[l],
              .kind = ControlKind::RunaLabel,
              .rect = {kRight + 8, kLordsTop + static_cast<int>(l) * kListRow, 320, kListRow},
              .caption = {5, static_cast<std::int16_t>(9 + l)},
              .fore = kLinkInk,
              .font_size = kRowFont};
  }
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", (kWidth - kSealSize) / 2, kSealTop);
  c[n++] = SealWord("OkWordLbl", (kWidth - kSealSize) / 2, kSealTop, "Close");
  if (n != kControlCount) throw "RealmFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

RealmFrm::RealmFrm(Game&, Ui& ui)
    : Form(ui, {.name = "RealmFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  // Back from a screen it opened, the figures are shown again.
  OnForm(FormEvent::Activate, [this] { ShowFigures(); });
  On("Image2", FormEvent::Click, [this] { OpenWorks(game(), Works::Wood); });
  On("Image4", FormEvent::Click, [this] { OpenWorks(game(), Works::Stone); });
  On("Image7", FormEvent::Click, [this] { OpenWorks(game(), Works::Ore); });
  On("Image8", FormEvent::Click, [this] { OpenWith("crops01.wav", "CropsFrm"); });
  On("Image5", FormEvent::Click, [this] { OpenWith("cattle01.wav", "CattleFrm"); });
  for (std::string_view guard : {"Image1", "Image6", "Image9"}) {
    On(guard, FormEvent::Click, [this] { OpenWith("specialunits01.wav", "GuardFrm"); });
  }
  for (int a = 1; a <= 3; ++a) {
    On("ArmyLbl" + std::to_string(a), FormEvent::Click, [this, a] { ArmyLbl_Click(a); });
  }
  for (int lord = 1; lord <= 3; ++lord) {
    On("Label" + std::to_string(lord + 1), FormEvent::Click, [this, lord] { Lord_Click(lord); });
  }
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
  // The lines that lead on glow under the pointer.
  for (const auto& control : controls()) {
    if (!control->HasHandler(FormEvent::Click) || control->name() == "OkAniBtn") continue;
    Control* link = control.get();
    link->AddHandler(FormEvent::MouseEnter,
                     [link](const EventArgs&) { link->SetBack(kHoverGlow); });
    link->AddHandler(FormEvent::MouseLeave, [this, link](const EventArgs&) {
      link->SetBack(std::nullopt);
      ShowFigures();
    });
  }
}

void RealmFrm::ShowFigures() {
  const RealmFigures f = RealmScreenFigures(game());
  const std::array<const std::string*, 9> figures = {&f.WoodCutter, &f.StoneCutter, &f.OreCutter,
                                                     &f.CropsField, &f.CattleField, &f.PlainField,
                                                     &f.Assassin,   &f.Scout,       &f.Guard};
  for (std::size_t k = 0; k < kIconLines.size(); ++k) {
    (*this)[kIconLines[k].figure].SetText(*figures[k]);
  }
  for (std::size_t k = 0; k < kSiteLines.size(); ++k) (*this)[kSiteLines[k]].SetText(f.Sites[k]);
  const GameState& s = game().state;
  for (int a = 1; a <= 3; ++a) {
    const TextRef& name = f.ArmyNames[static_cast<std::size_t>(a - 1)];
    Control& line = (*this)["ArmyNameLbl" + std::to_string(a)];
    if (name.category != 0) {
      ShowText(line, name.id, name.category, game().texts);
    } else {
      line.SetText("-");
    }
    // The army selected on the map is marked.
    const bool selected = name.category != 0 && s.SelectedArmy == a;
    (*this)["ArmyLbl" + std::to_string(a)].SetBack(selected ? std::optional<Colour>(kChosenGlow)
                                                            : std::nullopt);
  }
}

void RealmFrm::OpenWith(std::string_view sound, std::string_view screen) {
  game().PlaySound(kCountySoundChannel, sound);
  ui().Open(screen);
}

void RealmFrm::ArmyLbl_Click(int army) {
  if (SelectArmyFromRealm(game().state, army)) ShowFigures();
}

void RealmFrm::Lord_Click(int lord) {
  LeaderFrm leader(game(), ui(), lord);
  ui().ShowModal(leader);
}

}  // namespace valorne
