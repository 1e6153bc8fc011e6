// The county map's ambient life on the map screen: its own timer, on the
// game's (virtual) clock, brings the sprites of the map's life to the moment
// while the map is the screen in front and the map animations are on. The
// option is read on every tick, so ticking it on the options page starts or
// stops the life at once, even while the menu is still open over the map.
// Only sprites in or near the view are moved on, so an idle corner of the
// county costs no drawing.
#include "screens/camp1_frm.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

void Camp1Frm::StartAmbience() {
  AddTimer("AmbientTimer", kAmbientTickMs, true, [this] { AmbientTimer_Timer(); });
}

void Camp1Frm::AmbientTimer_Timer() {
  if (!IsTrue(game().options.MapAnimOption)) {
    StopAmbience();
    return;
  }
  // Beneath another screen the map rests until it is in front again.
  if (ui().top() != this) return;
  ShowAmbience(ui().clock().NowMs());
}

// After the map's pictures were brought in line with the state: a windmill
// that burnt stops turning, an opened chest stops glinting, at once.
void Camp1Frm::RefreshAmbience() {
  if (!IsTrue(game().options.MapAnimOption)) {
    StopAmbience();
    return;
  }
  ShowAmbience(ui().clock().NowMs());
}

void Camp1Frm::ShowAmbience(std::int64_t now_ms) {
  ambience_.Advance(now_ms, VisibleMapPart(), [this](std::string_view object) -> std::string_view {
    const Control* c = Find(object);
    return c && c->visible() ? std::string_view(c->picture()) : std::string_view();
  });
  const std::vector<AmbientPlace>& places = ambience_.places();
  const std::vector<AmbientSprite>& sprites = ambience_.sprites();
  for (std::size_t i = 0; i < places.size(); ++i) {
    Control* sprite = Find(places[i].control);
    if (!sprite) continue;
    const AmbientSprite& now = sprites[i];
    const bool drawn = now.shown && now.in_view;
    if (drawn) {
      sprite->SetRect(now.rect);
      sprite->SetStripFrame(now.frame);
    }
    sprite->SetVisible(drawn);
    // The turning windmill is the whole windmill: the still one beneath it
    // keeps its place (and its clicks) but is not drawn.
    if (places[i].kind == AmbientKind::Windmill) {
      if (Control* still = Find(places[i].object)) still->SetOpacity(drawn ? 0 : 255);
    }
  }
}

void Camp1Frm::StopAmbience() {
  for (const AmbientPlace& place : ambience_.places()) {
    if (Control* sprite = Find(place.control)) sprite->SetVisible(false);
    if (place.kind == AmbientKind::Windmill) {
      if (Control* still = Find(place.object)) still->SetOpacity(255);
    }
  }
}

}  // namespace valorne
