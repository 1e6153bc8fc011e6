// The objects of the campaign map: the pictures the game state calls for
// (fields, villages, windmills, chests, castles, camps and forces, our
// armies on their waypoints), the field menu, and the clicks on the map that
// open the county's screens.
#include "county/construction.h"
#include "county/field_menu.h"
#include "county/fields.h"
#include "county/management_screens.h"
#include "county/recruitment.h"
#include "county/works.h"
#include "military/map_places.h"
#include "screens/camp1_frm.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

// Places whose picture never changes.
constexpr struct {
  std::string_view object;
  std::string_view picture;
} kFixedPictures[] = {
    {"WoodCutterImg1", "WoodCutterRes"},
    {"StoneCutterImg1", "StoneCutterRes"},
    {"OreCutterImg1", "OreCutterRes"},
    {"ChapelImg1", "ChapelRes"},
    {"GChapelImg1", "GChapelRes"},
    {"DolmenImg1", "DolmenRes"},
    {"ADolmenImg1", "ADolmenRes"},
    {"ObeliskImg1", "ObeliskRes"},
    {"StatueImg1", "StatueRes"},
    {"TavernImg1", "TavernRes"},
    {"HutImg1", "HutRes"},
    {"CrossImg1", "CrossRes"},
    {"OutpostImg1", "OutpostRes"},
    {"GarryImg", "GarryRes"},
    {"BattlefieldImg1", "BattlefieldRes"},
    {"HBattlefieldImg1", "HBattlefieldRes"},
    {"AlliesArmyImg1", "AlliesRes"},
    {"AlliesArmyImg2", "AlliesRes"},
};

constexpr struct {
  std::string_view object;
  Works works;
} kWorksPictures[] = {{"WoodCutterImg1", Works::Wood},
                      {"StoneCutterImg1", Works::Stone},
                      {"OreCutterImg1", Works::Ore}};

// The ruins (band 5) and the cave (band 4) show cleared once their band is
// gone.
bool BandBeaten(const GameState& s, int band) {
  return s.Outlaws.Band(band).Total() <= 0;
}

// A village or windmill is burnt while its state counts down 1..6.
bool Burnt(Byte state) {
  return state >= 1 && state <= 6;
}

std::string Numbered(std::string_view base, int n) {
  return std::string(base) + std::to_string(n);
}

bool OnTheMap(const Control& c) {
  for (const Control* p = c.parent(); p; p = p->parent()) {
    if (p->name() == "MapSurface") return true;
  }
  return false;
}

}  // namespace

void Camp1Frm::BindMapObjects() {
  for (const auto& c : controls()) {
    Control& control = *c;
    const std::string& name = control.name();
    if (!OnTheMap(control) && name != "MapSurface") continue;
    if (name.starts_with("FieldImg")) {
      const int field = std::stoi(name.substr(8));
      control.AddHandler(FormEvent::MouseDown,
                         [this, field](const EventArgs& a) { FieldPress(field, a); });
      control.AddHandler(FormEvent::Click, [this, field](const EventArgs&) { FieldClick(field); });
    } else if (name.size() == 9 && name.starts_with("Field") && name.ends_with("Pic")) {
      const int button = name[5] - '0';
      control.AddHandler(FormEvent::Click,
                         [this, button](const EventArgs&) { FieldMenuChoice(button); });
    } else if (!name.starts_with("WalkTo")) {
      control.AddHandler(FormEvent::MouseDown, [this](const EventArgs&) { BareMapPress(); });
    }
  }
  for (const auto& w : kWorksPictures) {
    if (!Find(w.object)) continue;
    const Works works = w.works;
    On(w.object, FormEvent::Click, [this, works] {
      OpenWorks(game(), works);
      if (!closed()) RedrawAll();
    });
  }
  if (Find("GarryImg")) On("GarryImg", FormEvent::Click, [this] { TradePostClick(); });
  // Our castle asks whether the lord would enter it; inside is the castle
  // screen.
  if (Find("WarBuilding")) {
    On("WarBuilding", FormEvent::Click, [this] {
      ui().Open("BuildingFrm");
      if (!closed()) RedrawAll();
    });
  }
  for (int army = 1; army <= 3; ++army) {
    if (const std::string sprite = Numbered("ArmyCamp", army) + "Img"; Find(sprite)) {
      On(sprite, FormEvent::MouseMove, [this, army] { ArmyHover(army); });
      On(sprite, FormEvent::Click, [this, army] { OpenArmyCamp(army); });
    }
    if (const std::string icon = Numbered("Camp", army) + "StatusImg"; Find(icon)) {
      On(icon, FormEvent::Click, [this, army] { OpenArmyCamp(army); });
    }
  }
  for (std::string_view icon : {"AssassinStatusImg", "ScoutStatusImg"}) {
    if (!Find(icon)) continue;
    On(icon, FormEvent::Click, [this] {
      game().PlaySound(kMapSoundChannel, "specialunits01.wav");
      ui().Open("GuardFrm");
      if (!closed()) RedrawAll();
    });
  }
}

void Camp1Frm::RedrawMap() {
  RedrawPlaces();
  RedrawRemoteSites();
  RedrawForces();
  RedrawFieldMenu();
  RefreshAmbience();
}

void Camp1Frm::RedrawPlaces() {
  const Game& g = game();
  const GameState& s = g.state;
  auto show = [this](const std::string& object, std::string_view picture, bool shown = true) {
    if (Control* c = Find(object)) {
      c->SetPicture(picture);
      c->SetVisible(shown && !picture.empty());
    }
  };
  for (const auto& f : kFixedPictures) show(std::string(f.object), f.picture);
  for (int field = 1; field <= kFieldCount; ++field) {
    std::string_view picture = g.live.FieldPictures[field];
    if (picture.empty()) picture = FieldStatePicture(s.FieldStates[field]);
    show(Numbered("FieldImg", field), picture.empty() ? kEmptyRes : picture);
  }
  for (int k = 1; k <= 3; ++k) {
    show(Numbered("VillageImg", k),
         Numbered(Burnt(s.VillageStates[k]) ? "VillageBurntRes" : "VillageRes", k));
    show(Numbered("WindmillImg", k),
         Burnt(s.WindmillStates[k]) ? "WindmillBurntRes" : "WindmillRes");
    show(Numbered("ChestImg", k), s.ChestStates[k] == 0 ? "ChestRes1" : "ChestRes2");
    show(Numbered("PlagueImg", k), "SkullRes", g.live.PlagueShown);
  }
  std::string_view castle = CastlePicture(s);
  if (castle.empty() && UnderConstruction(s) && s.ConstructionBuilding >= kFirstCastleStage) {
    castle = "CastleBuildRes";
  }
  show("WarBuilding", castle);
  show("WarBuilding2", IsTrue(s.Rival1Standing) ? "RivalCastleRes1" : "RivalCastleFallenRes");
  show("WarBuilding3", "RivalCastleRes2");
  show("RuinsImg1", BandBeaten(s, 5) ? "RuinsClearedRes" : "RuinsRes");
  show("CaveImg1", BandBeaten(s, 4) ? "CaveClearedRes" : "CaveRes");
  show("GarisonImg", "GarisonRes", s.GarrisonedArmy >= 1 && s.GarrisonedArmy <= 3);
}

void Camp1Frm::RedrawForces() {
  const GameState& s = game().state;
  auto show = [this](const std::string& object, std::string_view picture, bool shown) {
    if (Control* c = Find(object)) {
      c->SetPicture(picture);
      c->SetVisible(shown);
    }
  };
  // The walking army keeps the picture and place of its walk.
  for (int army = 1; army <= 3; ++army) {
    if (Control* sprite = Find(Numbered("ArmyCamp", army) + "Img")) {
      sprite->SetVisible(IsTrue(s.ArmyExists[army]));
    }
    if (!game().live.ArmyWalking || army != walk_army_) PlaceArmyMarker(army);
  }
  ShowSelector();
  RedrawRivalCamps();
  show("RebelionArmyImg1", "MobRes", IsTrue(s.RebelsActive));
  show("RebelionArmyImg2", "MobRes", IsTrue(s.RebelValues[1]));
  show("RebelionArmyImg3", "MobRes", s.RebelBandStrengths[2] > 0);
  for (int band = 1; band <= 3; ++band) {
    show(Numbered("OutLawArmyImg", band), "OutlawRes", IsTrue(s.GoalFlags[band]));
  }
  show("SiegeImg", "SiegeRes", s.WarCountdown[1] != 0 || s.WarCountdown[2] != 0);
  show("SiegeImg2", "SiegeRes", s.RivalStatus[1] < kIdle);
  show("SiegeImg3", "SiegeRes", s.RivalStatus4 < kIdle);
  show("AlliesArmyImg1", "AlliesRes", false);
  show("AlliesArmyImg2", "AlliesRes", false);
}

// The four buttons of the field menu at the corners of the field, the
// shadow frame under it; only the buttons the season allows.
void Camp1Frm::RedrawFieldMenu() {
  const Game& g = game();
  const int field = g.live.SelectedField;
  Control* picture =
      field >= 1 && field <= kFieldCount ? Find(Numbered("FieldImg", field)) : nullptr;
  const SmallFieldButtons shown =
      g.live.FieldMenuShown && picture ? FieldMenuChoices(g, field) : SmallFieldButtons{};
  if (Control* shadow = Find("CropsShadow")) {
    if (picture) {
      const Rect& r = picture->rect();
      shadow->SetRect({r.left - 6, r.top - 6, r.width + 12, r.height + 12});
    }
    shadow->SetVisible(shown.Any());
  }
  for (int button = 1; button <= 4; ++button) {
    Control* c = Find("Field" + std::to_string(button) + "Pic");
    if (!c) continue;
    if (picture) {
      const Rect& r = picture->rect();
      const int left = button % 2 == 1 ? r.left - c->width() / 2 : r.right() - c->width() / 2;
      const int top = button <= 2 ? r.top - c->height() / 2 : r.bottom() - c->height() / 2;
      c->Move(std::max(0, left), std::max(0, top));
    }
    c->SetVisible(shown.Shown(static_cast<FieldMenuButton>(button)));
  }
}

void Camp1Frm::FieldPress(int field, const EventArgs& args) {
  HideWaypointMarkers();
  if (args.button == MouseButton::Right) {
    OpenFieldMenu(game(), field);
  } else {
    CloseFieldMenu(game());
  }
  RedrawFieldMenu();
}

void Camp1Frm::FieldClick(int field) {
  if (OpenFieldInfo(game(), field) && !closed()) RedrawAll();
}

void Camp1Frm::FieldMenuChoice(int button) {
  Game& g = game();
  const Outcome outcome =
      ChooseFieldAction(g, g.live.SelectedField, static_cast<FieldMenuButton>(button));
  if (outcome.HasHint()) {
    g.live.Helper = outcome.hint;
    ShowHelper();
  }
  RedrawPlaces();
  RedrawFieldMenu();
  RedrawStatusBar();
}

// A press anywhere else on the map closes the field menu and the waypoint
// markers and empties the information panel.
void Camp1Frm::BareMapPress() {
  Game& g = game();
  if (g.live.FieldMenuShown) {
    CloseFieldMenu(g);
    RedrawFieldMenu();
  }
  HideWaypointMarkers();
  g.live.InfoName = g.live.InfoText = g.live.InfoState = TextRef{};
  RedrawInfoPanel();
}

// The trade post: its sound and name on the information panel, then its
// goods screen.
void Camp1Frm::TradePostClick() {
  ShowPlaceInfo(game(), "GarryImg");
  RedrawInfoPanel();
  ui().Open("GarryFrm");
  if (!closed()) RedrawAll();
}

// The outpost, once it is held, is a second place to raise soldiers: like
// the army button it needs the barracks, and the army formed there stands at
// the crossroads beside the outpost. Before it is held it does nothing.
void Camp1Frm::OutpostClick() {
  Game& g = game();
  const Outcome can_open = CanOpenRecruiting(g.state, kRecruitPlaceOutpost);
  if (!can_open.accepted) {
    if (can_open.HasHint()) {
      g.live.Helper = can_open.hint;
      note_.clear();
      ShowHelper();
    }
    return;
  }
  g.PlaySound(kMapSoundChannel, "army01.wav");
  OpenRecruiting(g, ui(), kRecruitPlaceOutpost);
  if (!closed()) RedrawAll();
}

// The readout of the army under the pointer (its soldiers, moves and the
// morale) on the status bar, and on the hint line what an army is and what
// a click on it does.
void Camp1Frm::ArmyHover(int army) {
  constexpr TextRef kArmyHelp{4, 115};
  ShowArmyReadout(army);
  game().live.Helper = kArmyHelp;
  note_.clear();
  ShowHelper();
}

void Camp1Frm::OpenArmyCamp(int army) {
  Game& g = game();
  g.PlaySound(kMapSoundChannel, "army01.wav");
  HideWaypointMarkers();
  g.state.SelectedArmy = static_cast<Byte>(army);
  ui().Open("ArmyCampFrm");
  if (closed()) return;
  RedrawAll();
  // The camp's split button: the markers of the army's next step, whose
  // click opens the split dialog.
  if (g.live.ArmyClickMode == 1 && g.state.SelectedArmy >= 1 && g.state.SelectedArmy <= 3) {
    ArmyRightClick(g.state.SelectedArmy);
  }
}

void Camp1Frm::HideWaypointMarkers() {
  for (const auto& [number, at] : map().waypoints) {
    if (Control* marker = Find("WalkTo" + std::to_string(number))) marker->SetVisible(false);
  }
}

}  // namespace valorne
