// The campaign map screen `Camp1Frm`: the hub of the level. It shows the
// county's map with every object, army and waypoint marker on it, the status
// bar above and the command bar below, and opens every other screen. It
// holds no rules of its own: its handlers call the game's rules and then
// bring the labels and pictures in line with the game state.
//
// The screen is split over several files by concern: the command bar
// (camp1_frm_commands.cpp), the status bar (camp1_frm_status.cpp), the map
// objects (camp1_frm_objects.cpp), scrolling (camp1_frm_scroll.cpp) and the
// timers and quick keys (camp1_frm_timers.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "screens/camp1_layout.h"
#include "screens/map_ambience.h"
#include "screens/toolkit/form.h"
#include "state/values.h"

namespace valorne {

class Game;
class Ui;

// A command of the command bar: the screen it opens, its sounds, its help
// text (category 4) and the building it needs (0 for none).
struct MapCommand {
  std::string_view control;
  std::string_view screen;  // empty: the end of turn
  std::string_view sound;
  std::string_view second_sound;
  int help = -1;
  int building = 0;  // `BuildingBuilt` entry that must be set
};
const MapCommand* FindMapCommand(std::string_view control);
// The key that gives a map command ("A" for ArmyBtn), or empty.
std::string_view MapCommandKey(std::string_view control);

// The directions of `MapScrollDirection`.
inline constexpr Byte kNoScroll = 0;
inline constexpr Byte kScrollUp = 1;
inline constexpr Byte kScrollDown = 2;
inline constexpr Byte kScrollLeft = 3;
inline constexpr Byte kScrollRight = 4;

// The sound channels of the map: clicks, then the screens' and places' own
// sounds (a second one when a command plays two).
inline constexpr std::string_view kMapClickChannel = "ClickChanel01";
inline constexpr std::string_view kMapSoundChannel = "EnvChanel01";
inline constexpr std::string_view kMapSecondChannel = "EnvChanel02";

// Timer intervals of the map, in milliseconds.
inline constexpr int kScrollTickMs = 30;
inline constexpr int kBusyFrameMs = 150;
inline constexpr int kMusicDelayMs = 1500;
inline constexpr int kReseedMs = 10000;
inline constexpr int kClockMs = 30000;
inline constexpr int kTooltipMs = 150;
inline constexpr int kAmbientTickMs = 100;
// The army's walk: a tick of `ArmyTimer` and the map units of one step.
inline constexpr int kWalkTickMs = 40;
inline constexpr int kWalkStep = 6;

class Camp1Frm : private Camp1Layout, public Form {
 public:
  // Reads the county map file of the game folder (a MapLayoutError that
  // names the file when it is missing or damaged).
  Camp1Frm(Game& game, Ui& ui);

  const Camp1Layout& layout() const { return *this; }
  Byte MapScrollDirection() const { return scroll_direction_; }
  bool ButtonHoverActive() const { return button_hover_active_; }

  // Brings every label, picture and marker in line with the game state.
  void RedrawAll();
  void RedrawStatusBar();
  void RedrawMap();

  // camp1_frm_scroll.cpp: the part of the map in view between the bars (map
  // units), and a jump that brings a point of the map to the middle of the
  // view, as far as the scroll limits allow.
  Rect VisibleMapPart() const;
  void CentreMapOn(MapPoint point);

  // camp1_frm_ambience.cpp: the map's life at a moment of the clock, while
  // the map animations are on; the sprites go when they are off.
  void ShowAmbience(std::int64_t now_ms);
  const MapAmbience& ambience() const { return ambience_; }

 private:
  // camp1_frm.cpp: the screen's life.
  void BindHandlers();
  void BindMapObjects();
  void Form_Load();
  void Form_Activate();

  // camp1_frm_commands.cpp: the command bar and its hover help.
  void CommandHover(const MapCommand& command, Control& button);
  void CommandClick(const MapCommand& command);
  void PointerOverBackground();
  void ClearHighlight();
  void EndTurnBtn_Click();
  void StartBusyAnimation();
  void EndTurnTimer_Timer();

  // camp1_frm_status.cpp: the status bar, the hint line and the panel.
  void ShowHelper();
  void ShowNote(std::string note);
  void RedrawInfoPanel();
  void RedrawStatusIcons();
  void ShowArmyReadout(int army);
  void ShowTime();
  void SetLabel(std::string_view label, const std::string& text);

  // camp1_frm_objects.cpp: the map objects and their clicks.
  void RedrawPlaces();
  void RedrawForces();
  void RedrawFieldMenu();
  void PlaceArmyMarker(int army);
  void FieldPress(int field, const EventArgs& args);
  void FieldClick(int field);
  void FieldMenuChoice(int button);
  void BareMapPress();
  void TradePostClick();
  void OutpostClick();
  void ArmyHover(int army);
  void OpenArmyCamp(int army);
  void HideWaypointMarkers();

  // camp1_frm_places.cpp: the map's places and the enemy forces told on the
  // information panel, and the remote places shown once discovered.
  void BindPlaces();
  void PlaceClick(const std::string& object);
  void RedrawRemoteSites();
  void ShowInfoDetails();

  // camp1_frm_rivals.cpp: the rival counties' camps and marching armies.
  void RedrawRivalCamps();

  // camp1_frm_battles.cpp: the battlefield, the war's marker and the siege
  // markers.
  void BindBattlePlaces();

  // camp1_frm_armies.cpp: our armies' steps along the roads.
  void BindArmies();
  void ArmyRightClick(int army);
  void SelectArmyForStep(int army);
  void ShowReachableWaypoints(int waypoint);
  void WaypointClick(int n);
  void StartWalk();
  void ArmyTimer_Timer();
  void ArmyMoved(bool arrived);
  // The walking army arrives at once (the turn ends only with every army
  // standing).
  void FinishWalk();
  void ShowSelector();

  // camp1_frm_scroll.cpp: scrolling the map.
  void PlaceMapAtStart();
  void EnterStrip(Byte direction);
  void StopScrolling();
  void MapTimer_Timer();
  void ArrowKey(const EventArgs& args);
  Control& StripOf(Byte direction) const;

  // camp1_frm_ambience.cpp: the map's own timer of its life.
  void StartAmbience();
  void AmbientTimer_Timer();
  void RefreshAmbience();
  void StopAmbience();

  // camp1_frm_timers.cpp: the ambient timers and the quick keys.
  void StartAmbientTimers();
  void MusicTimer_Timer();
  void TooltipsTimer_Timer();
  void QuickKey(const EventArgs& args);

  // camp1_frm_keys.cpp: the commands' single keys.
  void CommandKey(const EventArgs& args, bool down);
  void ShowCommandKey(const MapCommand& command);

  Byte scroll_direction_ = kNoScroll;
  bool button_hover_active_ = false;
  Control* highlighted_ = nullptr;  // the command button shown highlighted
  std::string highlighted_picture_;
  std::string note_;  // a line for the hint line that no text of the game holds
  int busy_offset_ = 0;
  MapAmbience ambience_{map()};
  MapPoint walk_goal_;  // where the walking army's sprite stops
  MapPoint walk_step_;  // its step each tick
  int walk_ticks_ = 0;  // ticks of this walk so far
  int walk_army_ = 0;   // the army that walks (another may be selected meanwhile)
};

}  // namespace valorne
