#include "screens/camp1_layout.h"

#include <algorithm>

#include "screens/map_ambience.h"
#include "screens/rival_camps.h"
#include "screens/toolkit/look.h"

namespace valorne {

namespace {

constexpr Size kSmallestDisplay{800, 600};
constexpr int kStripThickness = 6;
constexpr int kMarker = MapLayout::kMarkerSize;
// Room that belongs to a status label beyond its slot: its icon on the left,
// the inset's rim on the right. Command bar slots have a rim on both sides.
constexpr int kIconRoom = 31;
constexpr int kRim = 3;
// Plaques further apart than this hang from the bar as separate boards.
constexpr int kPlaqueGap = 100;
constexpr int kPlaqueMargin = 12;
// The command bar covers the map but for this many rows at its foot.
constexpr int kMapFoot = 15;

constexpr Colour kWoodBar = Rgb(0x6a, 0x44, 0x26);
constexpr Colour kStoneBar = Rgb(0x80, 0x7a, 0x70);
constexpr Colour kMapEdge = Rgb(38, 26, 14);

Rect ToRect(const MapRect& r) {
  return {r.left, r.top, r.width, r.height};
}

bool Inside(const MapRect& outer, const MapRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

// The largest x in lo..hi that cuts no slot together with the room it owns;
// `hi` when every place cuts one.
int CutBetween(const std::vector<MapRect>& slots, int room_left, int room_right, int lo, int hi) {
  for (int x = hi; x >= lo; --x) {
    const bool clear = std::all_of(slots.begin(), slots.end(), [&](const MapRect& r) {
      return x <= r.left - room_left || x >= r.right() + room_right;
    });
    if (clear) return x;
  }
  return hi;
}

// The plaques hanging below the status bar, in groups of neighbours; each
// group is the part of the bar picture that shows its boards and chains.
std::vector<MapRect> PlaqueGroups(const MapLayout& map) {
  std::vector<MapRect> slots;
  for (const auto& [name, r] : map.top_bar) {
    if (r.top >= kStatusBand) slots.push_back(r);
  }
  std::sort(slots.begin(), slots.end(),
            [](const MapRect& a, const MapRect& b) { return a.left < b.left; });
  std::vector<MapRect> groups;
  for (const MapRect& r : slots) {
    if (!groups.empty() && r.left - groups.back().right() <= kPlaqueGap) {
      MapRect& g = groups.back();
      g.width = std::max(g.right(), r.right()) - g.left;
    } else {
      groups.push_back({r.left, kStatusBand, r.width, 0});
    }
  }
  const int bar_width = map.top_bar_size.x;
  const int height = std::max(0, map.top_bar_size.y - kStatusBand);
  for (MapRect& g : groups) {
    const int left = std::max(0, g.left - kPlaqueMargin);
    const int right = std::min(bar_width, g.right() + kPlaqueMargin);
    g = {left, kStatusBand, right - left, height};
  }
  return groups;
}

bool IsForce(std::string_view name) {
  for (std::string_view prefix :
       {"ArmyCamp", "EnemyCamp", "OutLawArmy", "RebelionArmy", "AlliesArmy", "Siege"}) {
    if (name.starts_with(prefix)) return true;
  }
  return false;
}

// The status bar labels that show a text of the game rather than a number.
bool ShowsGameText(std::string_view name) {
  return name == "BuildLbl" || name == "BlacksmithLbl";
}

// Marks of the plaques that other parts of the map show for a moment (over a
// site, over an army); hidden until then.
bool ShownOnDemand(std::string_view name) {
  return name == "CrownImg" || name == "EFlagImg1" || name == "EFlagImg2" || name == "SelectorImg";
}

}  // namespace

Camp1Layout::Camp1Layout(MapLayout map, Size display) : map_(std::move(map)) {
  form_ = {std::max(display.width, kSmallestDisplay.width),
           std::max(display.height, kSmallestDisplay.height)};
  PlanBars();
  // The map and its edge first: everything else lies over them.
  Add("MapEdgePic",
      {.kind = ControlKind::Picture, .rect = {0, 0, form_.width, form_.height}, .back = kMapEdge});
  AddMap();
  AddBars();
  AddEdgesAndTooltip();
}

std::string_view Camp1Layout::Keep(std::string text) {
  texts_.push_back(std::move(text));
  return texts_.back();
}

void Camp1Layout::Add(std::string name, ControlSpec declared) {
  declared.name = Keep(std::move(name));
  specs_.push_back(declared);
}

void Camp1Layout::PlanBars() {
  const int width = form_.width;
  const int height = form_.height;
  const int top_width = map_.top_bar_size.x;
  const int bottom_width = map_.bottom_bar_size.x;
  const int bottom_height = map_.bottom_bar_size.y;
  narrow_ = width < std::max(top_width, bottom_width);
  const std::vector<MapRect> plaques = PlaqueGroups(map_);

  if (width >= top_width) {
    top_bar_ = {0, 0, top_width, kStatusBand};
    pieces_.push_back({"MenuTopPart1", "MenuTop", {0, 0, top_width, kStatusBand}, {0, 0}, true});
    for (std::size_t i = 0; i < plaques.size(); ++i) {
      pieces_.push_back({"PlaquesPic" + std::to_string(i + 1),
                         "",
                         plaques[i],
                         {plaques[i].left, plaques[i].top},
                         true});
    }
  } else {
    // Two rows: the left part of the band, then its right part with the
    // small plaques beside it; the first group of plaques hangs below.
    std::vector<MapRect> band;
    for (const auto& [name, r] : map_.top_bar) {
      if (r.top < kStatusBand) band.push_back(r);
    }
    const int cut = CutBetween(band, kIconRoom, kRim, top_width - width, width);
    top_bar_ = {0, 0, width, 2 * kStatusBand};
    pieces_.push_back({"MenuTopPart1", "MenuTop", {0, 0, cut, kStatusBand}, {0, 0}, true});
    pieces_.push_back({"MenuTopPart2",
                       "MenuTop",
                       {cut, 0, top_width - cut, kStatusBand},
                       {0, kStatusBand},
                       true});
    int right = width - 8;
    for (std::size_t i = 0; i < plaques.size(); ++i) {
      const MapRect& p = plaques[i];
      const std::string name = "PlaquesPic" + std::to_string(i + 1);
      if (i > 0 && right - p.width >= top_width - cut + 8 && p.height <= kStatusBand) {
        right -= p.width;
        pieces_.push_back(
            {name, "MenuTop", p, {right, kStatusBand + (kStatusBand - p.height) / 2}, true});
        right -= 8;
      } else {
        pieces_.push_back({name, "", p, {i == 0 ? 0 : width - p.width, top_bar_.bottom()}, true});
      }
    }
  }

  if (width >= bottom_width) {
    bottom_bar_ = {0, height - bottom_height, bottom_width, bottom_height};
    pieces_.push_back(
        {"MenuBottomPart1", "MenuBottom", {0, 0, bottom_width, bottom_height}, {0, 0}, false});
  } else {
    // The command buttons stay on the bar; the information panel on its
    // right pops up above it.
    std::vector<MapRect> slots;
    for (const auto& [name, r] : map_.bottom_bar) slots.push_back(r);
    const int cut = CutBetween(slots, kRim, kRim, 0, width);
    bottom_bar_ = {0, height - bottom_height, width, bottom_height};
    pieces_.push_back({"MenuBottomPart1", "MenuBottom", {0, 0, cut, bottom_height}, {0, 0}, false});
    pieces_.push_back({"InfoPanelPic",
                       "",
                       {cut, 0, bottom_width - cut, bottom_height},
                       {width - (bottom_width - cut), bottom_bar_.top - bottom_height},
                       false});
  }
  map_area_ = {0, top_bar_.bottom(), width, bottom_bar_.top - top_bar_.bottom()};
  map_pad_ = std::max(0, bottom_height - kMapFoot);
}

std::vector<std::string> Camp1Layout::ObjectsInDrawingOrder() const {
  std::vector<std::string> fields;
  std::vector<std::string> places;
  std::vector<std::string> forces;
  for (const auto& [name, object] : map_.objects) {
    if (name.starts_with("FieldImg")) {
      fields.push_back(name);
    } else if (IsForce(name)) {
      forces.push_back(name);
    } else {
      places.push_back(name);
    }
  }
  fields.insert(fields.end(), places.begin(), places.end());
  fields.insert(fields.end(), forces.begin(), forces.end());
  return fields;
}

void Camp1Layout::AddMap() {
  const std::string_view map = "MapSurface";
  Add("MapSurface", {.kind = ControlKind::Picture,
                     .rect = {0, map_area_.top, map_.width, map_.height + map_pad_},
                     .back = kMapEdge});
  overhanging_.push_back("MapSurface");
  Add("MapPictureImg", {.kind = ControlKind::Image,
                        .rect = {0, 0, map_.width, map_.height},
                        .picture = "mapres",
                        .parent = map});
  Add("CropsShadow", {.kind = ControlKind::Image,
                      .rect = {0, 0, 112, 78},
                      .picture = "CropsShadow",
                      .parent = map,
                      .visible = false});
  first_lively_ = 0;
  for (const std::string& name : ObjectsInDrawingOrder()) {
    if (IsForce(name) && first_lively_ == 0) first_lively_ = specs_.size();
    Add(name, {.kind = ControlKind::Image,
               .rect = ToRect(map_.objects.at(name).rect),
               .parent = map,
               .visible = !IsForce(name)});
  }
  if (first_lively_ == 0) first_lively_ = specs_.size();
  for (int village = 1; village <= 3; ++village) {
    auto it = map_.objects.find("VillageImg" + std::to_string(village));
    if (it == map_.objects.end()) continue;
    const MapRect& r = it->second.rect;
    Add("PlagueImg" + std::to_string(village),
        {.kind = ControlKind::Image,
         .rect = {r.left + r.width / 2 - 24, r.top + r.height / 2 - 24, 48, 48},
         .picture = "SkullRes",
         .parent = map,
         .visible = false});
  }
  if (auto it = map_.objects.find("WarBuilding"); it != map_.objects.end()) {
    const MapRect& r = it->second.rect;
    Add("GarisonImg", {.kind = ControlKind::Image,
                       .rect = {r.left + r.width / 2 - 15, std::max(0, r.top - 30), 30, 30},
                       .picture = "GarisonRes",
                       .parent = map,
                       .visible = false});
  }
  // The flag over each special place, shown while someone holds it.
  for (int site = 1; site <= 10; ++site) {
    auto it = map_.objects.find(std::string(SiteObject(site)));
    if (it == map_.objects.end()) continue;
    const MapRect& r = it->second.rect;
    Add("SiteFlagImg" + std::to_string(site),
        {.kind = ControlKind::Image,
         .rect = {r.right() - 24, std::max(0, r.top - 12), 24, 24},
         .picture = "SiteFlagRes1",
         .parent = map,
         .visible = false});
  }
  // The map's life over the objects (the birds fly above everything); the
  // pointer passes through it to the objects.
  const std::vector<AmbientPlace> ambient = AmbientPlaces(map_);
  auto add_ambient = [&](const AmbientPlace& place) {
    Add(place.control, {.kind = ControlKind::Image,
                        .rect = place.rect,
                        .picture = Keep(std::string(place.picture)),
                        .parent = map,
                        .visible = false,
                        .takes_pointer = false});
  };
  for (const AmbientPlace& place : ambient) {
    if (place.kind != AmbientKind::Birds) add_ambient(place);
  }
  for (int button = 1; button <= 4; ++button) {
    const std::string name = "Field" + std::to_string(button) + "Pic";
    Add(name, {.kind = ControlKind::AniButton,
               .rect = {0, 0, 32, 32},
               .picture = Keep(name),
               .parent = map,
               .visible = false});
  }
  for (const auto& [number, at] : map_.waypoints) {
    Add("WalkTo" + std::to_string(number), {.kind = ControlKind::AniButton,
                                            .rect = {at.x, at.y, kMarker, kMarker},
                                            .picture = "WalkToRes",
                                            .parent = map,
                                            .hover_picture = "WalkToRes_hover",
                                            .visible = false});
  }
  // The parking places of the army slots without an army: unseen markers in
  // the map's corner.
  for (int slot = 1; slot <= 3; ++slot) {
    Add("WalkToEmpty" + std::to_string(slot), {.kind = ControlKind::Image,
                                               .rect = {slot * kMarker, 0, kMarker, kMarker},
                                               .parent = map,
                                               .visible = false,
                                               .takes_pointer = false});
  }
  for (const AmbientPlace& place : ambient) {
    if (place.kind != AmbientKind::Birds) continue;
    add_ambient(place);
    overhanging_.push_back(place.control);  // a flock flies in from beyond the view
  }
}

void Camp1Layout::AddBars() {
  for (const BarPiece& piece : pieces_) {
    if (!piece.owner.empty()) continue;
    // Boards that hang over the map: their containers lie on the form.
    Add(piece.name, {.kind = ControlKind::Picture,
                     .rect = {piece.at.x, piece.at.y, piece.source.width, piece.source.height},
                     .visible = piece.name != "InfoPanelPic"});
  }
  Add("MenuTop", {.kind = ControlKind::Picture,
                  .rect = top_bar_,
                  .back = narrow_ ? std::optional<Colour>(kWoodBar) : std::nullopt});
  Add("MenuBottom", {.kind = ControlKind::Picture,
                     .rect = bottom_bar_,
                     .back = narrow_ ? std::optional<Colour>(kStoneBar) : std::nullopt});
  for (const BarPiece& piece : pieces_) {
    const bool top = piece.status_bar;
    if (!piece.owner.empty()) {
      Add(piece.name, {.kind = ControlKind::Picture,
                       .rect = {piece.at.x, piece.at.y, piece.source.width, piece.source.height},
                       .parent = Keep(piece.owner)});
    }
    const MapPoint size = top ? map_.top_bar_size : map_.bottom_bar_size;
    const std::string art = piece.name + "Art";
    Add(art, {.kind = ControlKind::Image,
              .rect = {-piece.source.left, -piece.source.top, size.x, size.y},
              .picture = top ? "menutopres" : "menubottomres",
              .parent = Keep(piece.name)});
    overhanging_.push_back(art);
  }
  AddBarSlots(map_.top_bar, true);
  AddBarSlots(map_.bottom_bar, false);
}

void Camp1Layout::AddBarSlots(const std::map<std::string, MapRect>& slots, bool status_bar) {
  for (const auto& [name, slot] : slots) {
    const BarPiece* home = nullptr;
    for (const BarPiece& piece : pieces_) {
      if (piece.status_bar == status_bar && Inside(piece.source, slot)) {
        home = &piece;
        break;
      }
    }
    if (!home) continue;  // a slot the cuts went through is left out
    const Rect at{slot.left - home->source.left, slot.top - home->source.top, slot.width,
                  slot.height};
    const std::string_view parent = Keep(home->name);
    const Rect text_rect{at.left + 4, at.top + 4, at.width - 8, at.height - 6};
    if (name == "EndTurnAnim") {
      // The busy animation: one frame of the strip shows through its slot.
      Add(name, {.kind = ControlKind::Picture, .rect = at, .parent = parent, .visible = false});
      Add("EndTurnAnimImg", {.kind = ControlKind::Image,
                             .rect = {0, 0, 4 * at.width, at.height},
                             .picture = "endturnres",
                             .parent = "EndTurnAnim"});
      overhanging_.push_back("EndTurnAnimImg");
    } else if (name.starts_with("Helper")) {
      Add(name, {.kind = ControlKind::RunaLabel,
                 .rect = text_rect,
                 .parent = parent,
                 .fore = look::kInk,
                 .font_size = name == "Helper" ? 14 : 13});
    } else if (name.ends_with("Lbl") && ShowsGameText(name)) {
      // Names of buildings and weapons: smaller letters on the whole slot.
      Add(name, {.kind = ControlKind::RunaLabel,
                 .rect = {at.left + 2, at.top + 6, at.width - 4, at.height - 7},
                 .parent = parent,
                 .fore = look::kInk,
                 .font_size = 10});
    } else if (name.ends_with("Lbl")) {
      Add(name, {.kind = ControlKind::Label,
                 .rect = text_rect,
                 .parent = parent,
                 .fore = look::kInk,
                 .font_size = 13});
    } else if (status_bar) {
      Add(name, {.kind = ControlKind::Image,
                 .rect = at,
                 .parent = parent,
                 .visible = !ShownOnDemand(name)});
    } else {
      Add(name, {.kind = ControlKind::AniButton,
                 .rect = at,
                 .picture = Keep(name),
                 .parent = parent,
                 .hover_picture = Keep(name + "_hover")});
    }
  }
}

void Camp1Layout::AddEdgesAndTooltip() {
  const int w = form_.width;
  const int h = form_.height;
  Add("TopMargin", {.kind = ControlKind::Image, .rect = {0, 0, w, kStripThickness}});
  Add("BottomMargin",
      {.kind = ControlKind::Image, .rect = {0, h - kStripThickness, w, kStripThickness}});
  Add("LeftMargin",
      {.kind = ControlKind::Image, .rect = {0, map_area_.top, kStripThickness, map_area_.height}});
  Add("RightMargin",
      {.kind = ControlKind::Image,
       .rect = {w - kStripThickness, map_area_.top, kStripThickness, map_area_.height}});
  Add("TooltipFrame", {.kind = ControlKind::Frame,
                       .rect = {0, 0, 200, 30},
                       .fore = look::kWoodDark,
                       .back = look::kParchment,
                       .visible = false});
  Add("TooltipLbl", {.kind = ControlKind::RunaLabel,
                     .rect = {6, 7, 188, 18},
                     .parent = "TooltipFrame",
                     .fore = look::kInk,
                     .font_size = 13});
}

}  // namespace valorne
