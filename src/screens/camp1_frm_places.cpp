// The map's places and enemy forces: a click tells about them on the
// information panel (the places' own behaviour, where they have one, is
// bound after this), and the three remote places appear on the map once
// scouts or an army have discovered them.
#include <string>

#include "military/map_places.h"
#include "screens/camp1_frm.h"
#include "state/game.h"

namespace valorne {

namespace {

bool IsEnemyForce(std::string_view name) {
  return name.starts_with("EnemyCamp") || name.starts_with("OutLawArmyImg") ||
         name.starts_with("RebelionArmyImg");
}

// The trade post tells about itself in its own click, before its goods.
bool TellsOnClick(std::string_view name) {
  return name != "GarryImg" && (FindPlaceInfo(name) != nullptr || IsEnemyForce(name));
}

}  // namespace

void Camp1Frm::BindPlaces() {
  for (const auto& c : controls()) {
    const std::string name = c->name();
    if (!TellsOnClick(name)) continue;
    On(name, FormEvent::Click, [this, name] { PlaceClick(name); });
  }
}

void Camp1Frm::PlaceClick(const std::string& object) {
  Game& g = game();
  if (!ShowPlaceInfo(g, object)) ShowForceInfo(g, object);
  RedrawInfoPanel();
}

// A remote place stands on the map only once it is discovered; a discovery
// puts up the flag markers of the status bar until the pointer next passes
// over the map.
void Camp1Frm::RedrawRemoteSites() {
  Game& g = game();
  for (int site = 1; site <= 3; ++site) {
    if (Control* c = Find(RemoteSiteObject(site))) c->SetVisible(RemoteSiteDiscovered(g, site));
  }
  if (!g.live.DiscoveryFlagsRaised) return;
  g.live.DiscoveryFlagsRaised = false;
  for (std::string_view flag : {"EFlagImg1", "EFlagImg2"}) {
    if (Control* c = Find(flag)) {
      c->SetPicture("EFlagRes");
      c->SetVisible(true);
    }
  }
}

// The third line of the panel goes on after its text: the strength of the
// outlaws in the ruins or the cave, the soldiers of an enemy force.
void Camp1Frm::ShowInfoDetails() {
  Control* line = Find("Helper5");
  if (!line) return;
  const LiveState& live = game().live;
  auto append = [line](const std::vector<GlyphCode>& glyphs) {
    if (glyphs.empty()) return;
    if (!line->Glyphs().empty()) line->AppendGlyph(' ');
    for (GlyphCode code : glyphs) line->AppendGlyph(code);
  };
  if (live.InfoStateHint.category != 0) append(game().texts.Text(live.InfoStateHint));
  if (live.InfoTroops >= 0) append(Utf8ToGlyphs(std::to_string(live.InfoTroops)));
}

}  // namespace valorne
