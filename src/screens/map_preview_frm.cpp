#include "screens/map_preview_frm.h"

#include <algorithm>

#include "platform/data_files.h"
#include "screens/camp1_frm.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

constexpr Size kFormSize{780, 572};
constexpr Rect kMapRect{24, 56, kPreviewMapSize.width, kPreviewMapSize.height};
constexpr int kMarker = 24;
constexpr int kLegendLeft = 622;
constexpr int kLegendTop = 84;
constexpr int kLegendRow = 28;
constexpr Colour kViewLight = Rgb(255, 244, 196);
constexpr Colour kViewDark = Rgb(40, 26, 12);

constexpr struct {
  std::string_view prefix;
  PreviewMark mark;
} kMarks[] = {
    {"WarBuilding2", PreviewMark::RivalCastle1},
    {"WarBuilding3", PreviewMark::RivalCastle2},
    {"WarBuilding", PreviewMark::OurCastle},
    {"VillageImg", PreviewMark::Village},
    {"WindmillImg", PreviewMark::Windmill},
    {"WoodCutterImg", PreviewMark::Works},
    {"StoneCutterImg", PreviewMark::Works},
    {"OreCutterImg", PreviewMark::Works},
    {"GarryImg", PreviewMark::Post},
    {"OutpostImg", PreviewMark::Post},
    {"ChestImg", PreviewMark::Chest},
    {"OutLawArmyImg", PreviewMark::Hostile},
    {"RebelionArmyImg", PreviewMark::Hostile},
    {"DolmenImg", PreviewMark::Site},
    {"ADolmenImg", PreviewMark::Site},
    {"CrossImg", PreviewMark::Site},
    {"ChapelImg", PreviewMark::Site},
    {"GChapelImg", PreviewMark::Site},
    {"HutImg", PreviewMark::Site},
    {"ObeliskImg", PreviewMark::Site},
    {"StatueImg", PreviewMark::Site},
    {"TavernImg", PreviewMark::Site},
    {"RuinsImg", PreviewMark::Site},
    {"CaveImg", PreviewMark::Site},
    {"BattlefieldImg", PreviewMark::Site},
    {"HBattlefieldImg", PreviewMark::Site},
};

// The legend, top down: the sign and its words.
constexpr struct {
  PreviewMark mark;
  std::string_view words;
} kLegend[] = {
    {PreviewMark::OurCastle, "Our castle"},
    {PreviewMark::Army1, "Our armies"},
    {PreviewMark::Village, "Villages"},
    {PreviewMark::Windmill, "Windmills"},
    {PreviewMark::Works, "Works"},
    {PreviewMark::Post, "Trade, outpost"},
    {PreviewMark::Site, "Special places"},
    {PreviewMark::Chest, "Treasure"},
    {PreviewMark::RivalCastle1, "Rival castles"},
    {PreviewMark::RivalCamp1, "Rival camps"},
    {PreviewMark::Hostile, "Outlaws, rebels"},
};

// Markers drawn first lie beneath: the places, then the forces, our armies
// on top.
int Layer(PreviewMark mark) {
  switch (mark) {
    case PreviewMark::Hostile:
    case PreviewMark::RivalCamp1:
    case PreviewMark::RivalCamp2:
      return 1;
    default:
      return 0;
  }
}

int NumberAtEnd(std::string_view name) {
  std::size_t at = name.size();
  while (at > 0 && name[at - 1] >= '0' && name[at - 1] <= '9') --at;
  return at == name.size() ? 0 : std::stoi(std::string(name.substr(at)));
}

int FrameOf(PreviewMark mark) {
  return static_cast<int>(mark);
}

}  // namespace

bool PreviewMarkOf(std::string_view object, PreviewMark& mark) {
  if (object.starts_with("EnemyCamp")) {
    // Camps 1..3 belong to the first rival county, 4 and 5 to the second.
    const int camp = object.size() > 9 ? object[9] - '0' : 0;
    if (camp < 1 || camp > 5) return false;
    mark = camp <= 3 ? PreviewMark::RivalCamp1 : PreviewMark::RivalCamp2;
    return true;
  }
  for (const auto& m : kMarks) {
    if (!object.starts_with(m.prefix)) continue;
    // "WarBuilding" alone is our castle; other numbers are no castle we know.
    if (m.prefix == "WarBuilding" && object != "WarBuilding") return false;
    mark = m.mark;
    return true;
  }
  return false;
}

PreviewLayout::PreviewLayout(MapLayout map) : map_(std::move(map)) {
  specs_.push_back({.name = "TitleLbl",
                    .kind = ControlKind::Label,
                    .rect = {24, 14, 560, 32},
                    .text = "The County of Valorne",
                    .fore = look::kInk,
                    .font_size = 22});
  specs_.push_back(
      {.name = "MapBorderPic",
       .kind = ControlKind::Picture,
       .rect = {kMapRect.left - 4, kMapRect.top - 4, kMapRect.width + 8, kMapRect.height + 8},
       .back = look::kWoodDark});
  specs_.push_back(
      {.name = "MapImg", .kind = ControlKind::Image, .rect = kMapRect, .picture = "mappreviewres"});
  AddMarkers();
  for (std::string_view frame : {"ViewShadowFrame", "ViewFrame", "ViewInnerFrame"}) {
    specs_.push_back({.name = frame,
                      .kind = ControlKind::Frame,
                      .rect = {0, 0, 10, 10},
                      .parent = "MapImg",
                      .fore = frame == "ViewShadowFrame" ? kViewDark : kViewLight,
                      .visible = false,
                      .takes_pointer = false});
  }
  AddLegend();
  specs_.push_back({.name = "HintLbl",
                    .kind = ControlKind::Label,
                    .rect = {kMapRect.left, kMapRect.bottom() + 12, kMapRect.width, 22},
                    .text = "Click a place to see it on the map.",
                    .fore = look::kInk,
                    .font_size = 14});
  specs_.push_back({.name = "CloseBtn",
                    .kind = ControlKind::Button,
                    .rect = {kLegendLeft + 8, kFormSize.height - 62, 124, 36},
                    .caption = {3, 86}});
}

std::string_view PreviewLayout::Keep(std::string text) {
  texts_.push_back(std::move(text));
  return texts_.back();
}

void PreviewLayout::AddMarkers() {
  std::vector<std::pair<int, std::string>> places;
  for (const auto& [name, object] : map_.objects) {
    PreviewMark mark{};
    if (PreviewMarkOf(name, mark)) places.push_back({Layer(mark), name});
  }
  std::stable_sort(places.begin(), places.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  const auto add = [&](const std::string& control, const std::string& object) {
    specs_.push_back({.name = Keep(control),
                      .kind = ControlKind::Image,
                      .rect = {0, 0, kMarker, kMarker},
                      .picture = "PreviewMarkRes",
                      .parent = "MapImg",
                      .visible = false,
                      .takes_pointer = false});
    markers_.push_back({control, object});
  };
  for (const auto& [layer, object] : places) add("Mark" + object, object);
  for (int army = 1; army <= 3; ++army) add("MarkArmy" + std::to_string(army), "");
}

void PreviewLayout::AddLegend() {
  specs_.push_back({.name = "LegendTitleLbl",
                    .kind = ControlKind::Label,
                    .rect = {kLegendLeft, kMapRect.top, 140, 24},
                    .text = "Legend",
                    .fore = look::kInk,
                    .font_size = 17});
  int row = 0;
  for (const auto& entry : kLegend) {
    const int top = kLegendTop + row * kLegendRow;
    specs_.push_back({.name = "LegendImg",
                      .kind = ControlKind::Image,
                      .rect = {kLegendLeft, top, kMarker, kMarker},
                      .picture = "PreviewMarkRes",
                      .index = row});
    specs_.push_back({.name = "LegendLbl",
                      .kind = ControlKind::Label,
                      .rect = {kLegendLeft + kMarker + 6, top + 3, 116, 20},
                      .text = entry.words,
                      .index = row,
                      .fore = look::kInk,
                      .font_size = 13});
    ++row;
  }
  const int top = kLegendTop + row * kLegendRow;
  specs_.push_back({.name = "LegendViewFrame",
                    .kind = ControlKind::Frame,
                    .rect = {kLegendLeft + 1, top + 5, kMarker - 2, kMarker - 10},
                    .fore = kViewDark,
                    .back = kViewLight});
  specs_.push_back({.name = "LegendViewLbl",
                    .kind = ControlKind::Label,
                    .rect = {kLegendLeft + kMarker + 6, top + 3, 116, 20},
                    .text = "Now in view",
                    .fore = look::kInk,
                    .font_size = 13});
}

MapPreviewFrm::MapPreviewFrm(Game& game, Ui& ui)
    : PreviewLayout(LoadMapLayout(DataFile(game.AppPath, kCountyMapFile))),
      Form(ui,
           {.name = "MapPreviewFrm", .size = kFormSize, .controls = table(), .enlarges = false}) {
  int row = 0;
  for (const auto& entry : kLegend) At("LegendImg", row++).SetStripFrame(FrameOf(entry.mark));
  for (const auto& [control, object] : markers()) {
    Control& marker = (*this)[control];
    PreviewMark mark{};
    if (object.empty()) {
      marker.SetStripFrame(FrameOf(PreviewMark::Army1) + NumberAtEnd(control) - 1);
    } else if (PreviewMarkOf(object, mark)) {
      marker.SetStripFrame(FrameOf(mark));
    }
  }
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  // On the way up, as every screen's Escape, so that the map below does not
  // take the key's release for its own.
  OnForm(FormEvent::KeyUp, [this](const EventArgs& a) {
    if (a.key == "Escape") Close();
  });
  On("MapImg", FormEvent::Click, &MapPreviewFrm::MapImg_Click);
  On("CloseBtn", FormEvent::Click, [this] { Close(); });
}

void MapPreviewFrm::Form_Load() {
  ShowMarkers();
  ShowView();
}

Camp1Frm* MapPreviewFrm::MapScreen() const {
  return dynamic_cast<Camp1Frm*>(ui().FindOpen("Camp1Frm"));
}

Rect MapPreviewFrm::OnMiniature(const MapRect& r) const {
  const Control& image = (*this)["MapImg"];
  const auto x = [&](int v) { return v * image.width() / std::max(1, map().width); };
  const auto y = [&](int v) { return v * image.height() / std::max(1, map().height); };
  return {x(r.left), y(r.top), x(r.right()) - x(r.left), y(r.bottom()) - y(r.top)};
}

MapPoint MapPreviewFrm::MapPointAt(int x, int y) const {
  const Control& image = (*this)["MapImg"];
  return {std::clamp(x * map().width / std::max(1, image.width()), 0, map().width - 1),
          std::clamp(y * map().height / std::max(1, image.height()), 0, map().height - 1)};
}

// Each place as the map shows it; without the map beneath (never in play)
// the places stand and the forces are not known.
void MapPreviewFrm::ShowMarkers() {
  const GameState& s = game().state;
  const Camp1Frm* screen = MapScreen();
  const Control& image = (*this)["MapImg"];
  const auto place = [&](Control& marker, MapPoint centre) {
    const Rect at = OnMiniature({centre.x, centre.y, 0, 0});
    const int side = marker.width();
    marker.Move(std::clamp(at.left - side / 2, 0, image.width() - side),
                std::clamp(at.top - side / 2, 0, image.height() - side));
  };
  for (const auto& [control, object] : markers()) {
    Control& marker = (*this)[control];
    if (object.empty()) {
      const int army = NumberAtEnd(control);
      const auto it = map().waypoints.find(s.ArmyWaypointNos[army]);
      const bool shown = IsTrue(s.ArmyExists[army]) && it != map().waypoints.end();
      if (shown) place(marker, map().RoadPoint(it->first));
      marker.SetVisible(shown);
      continue;
    }
    PreviewMark mark{};
    PreviewMarkOf(object, mark);
    const MapRect& r = map().objects.at(object).rect;
    place(marker, {r.left + r.width / 2, r.top + r.height / 2});
    bool shown = mark != PreviewMark::Hostile && mark != PreviewMark::RivalCamp1 &&
                 mark != PreviewMark::RivalCamp2;
    std::string_view picture;
    if (const Control* on_map = screen ? screen->Find(object) : nullptr) {
      shown = on_map->visible();
      picture = on_map->picture();
    }
    if (mark == PreviewMark::OurCastle) shown = true;  // the castle's site, built or not
    if (mark == PreviewMark::Chest) {
      // Only the chests still closed hold treasure.
      const int chest = NumberAtEnd(object);
      shown = shown && (screen ? picture == "ChestRes1"
                               : chest >= 1 && chest <= 3 && s.ChestStates[chest] == 0);
    }
    if (mark == PreviewMark::RivalCastle1) {
      const bool fallen = screen ? picture == "RivalCastleFallenRes" : !IsTrue(s.Rival1Standing);
      marker.SetStripFrame(FrameOf(fallen ? PreviewMark::FallenCastle : mark));
    }
    marker.SetVisible(shown);
  }
}

// The part of the map on the display, as a light rectangle with a dark rim.
void MapPreviewFrm::ShowView() {
  const Camp1Frm* screen = MapScreen();
  const Control& image = (*this)["MapImg"];
  Rect view;
  if (screen) {
    const Rect seen = screen->VisibleMapPart();
    view = OnMiniature({seen.left, seen.top, seen.width, seen.height})
               .Intersect({0, 0, image.width(), image.height()});
  }
  const std::pair<std::string_view, int> kFrames[] = {
      {"ViewShadowFrame", -1}, {"ViewFrame", 0}, {"ViewInnerFrame", 1}};
  for (const auto& [name, inset] : kFrames) {
    Control& frame = (*this)[name];
    frame.SetRect(view.Inset(inset));
    frame.SetVisible(screen && !view.Empty());
  }
}

// The place clicked comes to the middle of the map. A click given by name
// (a script), with the pointer elsewhere, is a click in the middle.
void MapPreviewFrm::MapImg_Click(const EventArgs& args) {
  const Control& image = (*this)["MapImg"];
  Point at{args.x, args.y};
  if (!Rect{0, 0, image.width(), image.height()}.Contains(at))
    at = {image.width() / 2, image.height() / 2};
  if (Camp1Frm* screen = MapScreen()) screen->CentreMapOn(MapPointAt(at.x, at.y));
  Close();
}

}  // namespace valorne
