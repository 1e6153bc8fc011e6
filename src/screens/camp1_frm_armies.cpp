// Our armies on the campaign map: the right click that shows the waypoints
// an army may step to, the clicks on those markers, the walk along the road
// on `ArmyTimer` and the arrival; the selector that marks the selected army.
#include <cmath>
#include <cstdlib>

#include "military/army_walk.h"
#include "military/waypoints.h"
#include "screens/camp1_frm.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

// Where the army sprite stands on its waypoint marker: at the marker's left,
// 25 units above its top.
constexpr int kArmyAboveMarker = 25;
constexpr TextRef kNoMovesLeft{4, 25};

std::string SpriteOf(int army) {
  return "ArmyCamp" + std::to_string(army) + "Img";
}

// Frame of the walk strip "ArmyWalkResN": per facing 1..8 the standing
// picture, then steps A and B.
int StripFrame(Byte facing, int step) {
  const int f = facing >= 1 && facing <= 8 ? facing : 3;
  return (f - 1) * 3 + step;
}

int Sign(int v) {
  return (v > 0) - (v < 0);
}

}  // namespace

void Camp1Frm::BindArmies() {
  for (int army = 1; army <= 3; ++army) {
    if (!Find(SpriteOf(army))) continue;
    On(SpriteOf(army), FormEvent::MouseDown, [this, army](const EventArgs& a) {
      if (a.button == MouseButton::Right) ArmyRightClick(army);
    });
  }
  for (const auto& [number, at] : map().waypoints) {
    const int n = number;
    if (Find("WalkTo" + std::to_string(n))) {
      On("WalkTo" + std::to_string(n), FormEvent::Click, [this, n] { WaypointClick(n); });
    }
  }
  // A click on the bare map ends a pending split.
  if (Find("MapSurface")) {
    On("MapSurface", FormEvent::MouseDown, [this] { game().live.ArmyClickMode = 0; });
  }
}

void Camp1Frm::ArmyRightClick(int army) {
  Game& g = game();
  GameState& s = g.state;
  if (s.GarrisonedArmy == army || g.live.ArmyWalking) return;
  if (s.ArmyMovesLeft[army] == 0) {
    g.live.Helper = kNoMovesLeft;
    note_.clear();
    ShowHelper();
    return;
  }
  SelectArmyForStep(army);
}

// The army chosen for a step: its sprite in front, the markers it may step
// to shown.
void Camp1Frm::SelectArmyForStep(int army) {
  Game& g = game();
  g.PlaySound(kMapSoundChannel, "rollover01.wav");
  if (Control* sprite = Find(SpriteOf(army))) sprite->BringToFront();
  g.state.SelectedArmy = static_cast<Byte>(army);
  ShowReachableWaypoints(g.state.ArmyWaypointNos[army]);
  ShowArmyReadout(army);
}

void Camp1Frm::ShowReachableWaypoints(int waypoint) {
  HideWaypointMarkers();
  for (const auto& [number, at] : map().waypoints) {
    if (Control* marker = Find("WalkTo" + std::to_string(number))) marker->BringToFront();
  }
  for (int n : ReachableWaypoints(game().state, waypoint)) {
    if (Control* marker = Find("WalkTo" + std::to_string(n))) marker->SetVisible(true);
  }
}

void Camp1Frm::WaypointClick(int n) {
  Game& g = game();
  if (g.live.ArmyWalking) return;
  const WalkResult result = OrderWalk(g, n);
  if (closed()) return;
  HideWaypointMarkers();
  if (result.order == WalkOrder::Walk) StartWalk();
  // A remote site discovered by the order shows itself and raises the flags.
  RedrawAll();
}

// The walk toward the goal point: straight, in steps computed once.
void Camp1Frm::StartWalk() {
  Game& g = game();
  const int army = g.state.SelectedArmy;
  Control* sprite = army >= 1 && army <= 3 ? Find(SpriteOf(army)) : nullptr;
  const auto it = map().waypoints.find(army >= 1 && army <= 3 ? g.state.ArmyWaypointNos[army] : 0);
  g.live.WalkOrdered = false;
  if (!sprite || it == map().waypoints.end()) return;
  walk_goal_ = {it->second.x, it->second.y - kArmyAboveMarker};
  const int dx = walk_goal_.x - sprite->left();
  const int dy = walk_goal_.y - sprite->top();
  const int ticks = std::max(1, static_cast<int>(std::ceil(std::hypot(dx, dy) / kWalkStep)));
  walk_step_ = {dx / ticks + Sign(dx % ticks), dy / ticks + Sign(dy % ticks)};
  walk_ticks_ = 0;
  walk_army_ = army;
  g.live.ArmyWalking = true;
  sprite->SetPicture("ArmyWalkRes" + std::to_string(army));
  sprite->BringToFront();
  TimerFrm& timers = ui().timers();
  timers.Bind("ArmyTimer", *this, [this] { ArmyTimer_Timer(); });
  ui().timer("ArmyTimer").SetInterval(kWalkTickMs);
  ui().timer("ArmyTimer").SetEnabled(true);
}

// One tick of the walk: the next picture of the facing, then a step.
void Camp1Frm::ArmyTimer_Timer() {
  Game& g = game();
  const int army = walk_army_;
  Control* sprite = army >= 1 && army <= 3 ? Find(SpriteOf(army)) : nullptr;
  if (!sprite) {
    ui().timer("ArmyTimer").SetEnabled(false);
    g.live.ArmyWalking = false;
    return;
  }
  if (walk_ticks_ == 0) g.PlaySound(kMapSoundChannel, "armymapwalk01.wav");
  sprite->SetStripFrame(StripFrame(g.state.ArmyFacing, 1 + walk_ticks_ % 2));
  ++walk_ticks_;
  ArmyMoved(false);
  auto toward = [](int from, int goal, int step) {
    if (std::abs(goal - from) <= std::abs(step) || step == 0) return goal;
    return from + step;
  };
  sprite->Move(toward(sprite->left(), walk_goal_.x, walk_step_.x),
               toward(sprite->top(), walk_goal_.y, walk_step_.y));
  if (sprite->left() == walk_goal_.x && sprite->top() == walk_goal_.y) {
    walk_step_ = {};
    ui().timer("ArmyTimer").SetEnabled(false);
    ArmyMoved(true);
  }
}

void Camp1Frm::FinishWalk() {
  Game& g = game();
  const int army = walk_army_;
  Control* sprite = army >= 1 && army <= 3 ? Find(SpriteOf(army)) : nullptr;
  ui().timer("ArmyTimer").SetEnabled(false);
  walk_step_ = {};
  if (!sprite) {
    g.live.ArmyWalking = false;
    return;
  }
  sprite->Move(walk_goal_.x, walk_goal_.y);
  ArmyMoved(true);
}

// Before each step the selector leaves the army; on arrival the army spends
// its move and stands facing the way it walked.
void Camp1Frm::ArmyMoved(bool arrived) {
  Game& g = game();
  if (!arrived) {
    if (Control* selector = Find("SelectorImg")) selector->SetVisible(false);
    return;
  }
  ArmyArrived(g, walk_army_);
  g.live.ArmyWalking = false;
  RedrawAll();
}

// The selector on the status bar marks that an army is selected, while the
// option asks for it and no army walks.
void Camp1Frm::ShowSelector() {
  const Game& g = game();
  const int army = g.state.SelectedArmy;
  const bool shown = IsTrue(g.options.TrooperOption) && !g.live.ArmyWalking && army >= 1 &&
                     army <= 3 && IsTrue(g.state.ArmyExists[army]);
  if (Control* selector = Find("SelectorImg")) selector->SetVisible(shown);
}

// An army's sprite stands on the marker of its waypoint, in the standing
// picture of the way it last walked.
void Camp1Frm::PlaceArmyMarker(int army) {
  Control* sprite = Find(SpriteOf(army));
  const auto it = map().waypoints.find(game().state.ArmyWaypointNos[army]);
  if (!sprite) return;
  if (const Byte facing = game().live.ArmyFacings[army]; facing != 0) {
    sprite->SetPicture("ArmyWalkRes" + std::to_string(army));
    sprite->SetStripFrame(StripFrame(facing, 0));
  } else {
    sprite->SetPicture("ArmyRes" + std::to_string(army));
    sprite->SetStripFrame(std::nullopt);
  }
  if (it != map().waypoints.end()) {
    sprite->Move(it->second.x, it->second.y - kArmyAboveMarker);
  } else if (const Control* parking = Find("WalkToEmpty" + std::to_string(army))) {
    sprite->Move(parking->left(), parking->top());
  }
}

}  // namespace valorne
