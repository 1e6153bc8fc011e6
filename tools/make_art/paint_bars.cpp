// The map screen's status bar ("menutopres") and command bar
// ("menubottomres"), laid out from the bar lines of the map layout; the
// command buttons on their own (plain and highlighted); the icon sheet, the
// end-of-turn busy strip and the fade picture.
#include <cmath>

#include "asset_names.h"
#include "noise.h"
#include "paint_common.h"
#include "paint_icons.h"
#include "registry.h"

namespace art {
namespace {

void Inset(Canvas& c, const valorne::MapRect& r, std::uint32_t seed) {
  c.FillRect(r.left - 3, r.top - 2, r.width + 6, r.height + 4, Hex(0x1a0e06, 200));
  Parchment(c, r.left - 2, r.top - 1, r.width + 4, r.height + 2, seed, false);
  Bevel(c, r.left - 2, r.top - 1, r.width + 4, r.height + 2, 2, 0.9f, true);
}

void Chain(Canvas& c, float x, float y0, float y1) {
  for (float y = y0; y < y1; y += 5) c.Ring(x, y + 2.5f, 2.2f, 1.2f, Hex(0x707880));
}

Canvas TopBar(const Context& ctx) {
  const valorne::MapLayout& m = ctx.map;
  int w = m.top_bar_size.x, h = m.top_bar_size.y;
  Canvas c(w, h);
  const int kBar = 72;
  Wood(c, 0, 0, w, kBar, 41, Hex(0x6a4426));
  Bevel(c, 0, 0, w, kBar, 3, 0.9f);
  c.FillRect(0, kBar - 5, w, 3, Hex(0xb08830));
  c.FillRect(0, kBar - 2, w, 2, Hex(0x1a0e06));
  for (int x = 40; x < w; x += 160) Rivets(c, x - 4, 2, 8, kBar - 8, 4, 2.5f);
  for (const auto& [name, r] : m.top_bar) {
    if (r.top >= kBar) continue;
    Inset(c, r, static_cast<std::uint32_t>(HashName(name)));
    c.FillCircle(r.left - 16.0f, r.top + r.height / 2.0f, 15, Hex(0xf0e0b0, 70));
    LabelIcon(c, name, r.left - 29.0f, r.top + r.height / 2.0f - 13, 26);
  }
  // Plaques hanging below the bar for the status icons, the busy medallion
  // and the objectives button.
  for (const auto& [name, r] : m.top_bar) {
    if (r.top < kBar) continue;
    float cx = r.left + r.width / 2.0f;
    Chain(c, cx - r.width / 3.0f, kBar, static_cast<float>(r.top));
    Chain(c, cx + r.width / 3.0f, kBar, static_cast<float>(r.top));
    if (name == "EndTurnAnim" || name == "Image1") {
      float cy = r.top + r.height / 2.0f, rad = r.width / 2.0f + 5;
      c.FillCircle(cx + 1, cy + 2, rad, Hex(0x000000, 110));
      c.FillCircle(cx, cy, rad, Hex(0xb08830));
      c.FillCircle(cx, cy, rad - 3, Hex(0x4a2e18));
      // The hourglass rests upright in its medallion; the busy strip turns it.
      if (name == "EndTurnAnim") LabelIcon(c, "TimeLbl", r.left + 3.0f, r.top + 3.0f, 33);
      if (name == "Image1") {  // the objectives: a scroll with a tick
        c.FillRect(cx - 12, cy - 14, 24, 28, Hex(0xf0e0b8));
        for (int k = 0; k < 4; ++k) c.FillRect(cx - 8, cy - 9 + k * 6, 16, 1.5f, Hex(0x6a5030));
        c.Polyline({{cx - 4, cy + 6}, {cx + 1, cy + 11}, {cx + 12, cy - 2}}, 3, Hex(0x2a9a30));
      }
    } else {
      c.FillRect(r.left - 4 + 1, r.top - 4 + 2, r.width + 8, r.height + 8, Hex(0x000000, 100));
      Wood(c, r.left - 4, r.top - 4, r.width + 8, r.height + 8, static_cast<std::uint32_t>(r.left));
      Bevel(c, r.left - 4, r.top - 4, r.width + 8, r.height + 8, 2, 0.9f);
      c.FillRect(r.left, r.top, r.width, r.height, Hex(0x1a0e06, 120));
    }
  }
  return c;
}

Canvas BottomBar(const Context& ctx) {
  const valorne::MapLayout& m = ctx.map;
  int w = m.bottom_bar_size.x, h = m.bottom_bar_size.y;
  Canvas c(w, h);
  Stone(c, 0, 0, w, h, 51, 40, 18, Hex(0x807a70));
  c.FillRect(0, 0, w, 4, Hex(0xb08830));
  c.FillRect(0, 4, w, 2, Hex(0x1a0e06));
  Bevel(c, 0, 6, w, h - 6, 3, 0.7f);
  for (const auto& [name, r] : m.bottom_bar) {
    if (name.starts_with("Helper")) {
      Inset(c, r, static_cast<std::uint32_t>(HashName(name)));
      continue;
    }
    c.FillRect(r.left - 2, r.top - 2, r.width + 4, r.height + 4, Hex(0x000000, 120));
    c.Draw(CommandButton(name, r.width, false), r.left, r.top);
  }
  return c;
}

Canvas Fade() {
  Canvas c(1280, 1024);
  Parchment(c, 0, 0, 1280, 1024, 61, false);
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 1280; ++x) {
      float dx = (x - 640) / 640.0f, dy = (y - 512) / 512.0f;
      c.Blend(x, y, Hex(0x1a0e06), std::clamp((dx * dx + dy * dy) * 0.6f, 0.0f, 0.85f));
    }
  Shield(c, 640, 500, 180, side::kArmy[1]);
  return c;
}

Canvas Busy() {
  std::vector<Canvas> frames;
  for (int k = 0; k < 4; ++k) {
    Canvas f(39, 39);
    // Each frame covers the resting hourglass of the medallion beneath.
    f.FillCircle(19.5f, 19.5f, 19.5f, Hex(0x4a2e18));
    float angle = k * 0.785f;
    Canvas glass(39, 39);
    LabelIcon(glass, "TimeLbl", 3, 3, 33);
    // Turn the hourglass a quarter each frame about its middle.
    for (int y = 0; y < 39; ++y)
      for (int x = 0; x < 39; ++x) {
        float dx = x - 19, dy = y - 19;
        float sx = dx * std::cos(angle) + dy * std::sin(angle) + 19,
              sy = -dx * std::sin(angle) + dy * std::cos(angle) + 19;
        if (sx >= 0 && sy >= 0 && sx < 39 && sy < 39)
          f.Blend(x, y, glass.Get(static_cast<int>(sx), static_cast<int>(sy)));
      }
    frames.push_back(f);
  }
  return Strip(frames);
}

}  // namespace

void RegisterBars(Registry& r) {
  r.Picture("menutopres", [](const Context& ctx) { return TopBar(ctx); });
  r.Picture("menubottomres", [](const Context& ctx) { return BottomBar(ctx); });
  r.Picture("faderes", [](const Context&) { return Fade(); });
  r.Picture("endturnres", [](const Context&) { return Busy(); });
  r.Picture("iconsres", [](const Context&) {
    std::vector<Canvas> frames;
    for (std::string_view name : valorne::assets::kIconNames) {
      Canvas f(32, 32);
      LabelIcon(f, name, 0, 0, 32);
      frames.push_back(f);
    }
    return Strip(frames);
  });
  for (const char* button : {"ArmyBtn", "BlacksmithBtn", "BuildBtn", "DiploBtn", "ScienceBtn",
                             "TaxBtn", "PeopleBtn", "EndTurnBtn", "PreviewBtn", "RealmBtn",
                             "MenuBtn", "MessagessBtn", "WeatherBtn", "SpecialBtn"}) {
    std::string name = button;
    for (bool hover : {false, true})
      r.Picture(name + (hover ? "_hover" : ""), [name, hover](const Context& ctx) {
        auto it = ctx.map.bottom_bar.find(name);
        int size = it == ctx.map.bottom_bar.end() ? 52 : it->second.width;
        return CommandButton(name, size, hover);
      });
  }
}

}  // namespace art
