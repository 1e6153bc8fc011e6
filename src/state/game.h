// The game object: the live state of the level together with everything the
// rules need beside it (the parameter tables, the settings and options, the
// texts, the message lists, the random generator). Every screen and rule gets
// it by reference; nothing of it is global, so each test builds a fresh one.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "state/game_state.h"
#include "state/game_ui.h"
#include "state/level_params.h"
#include "state/random.h"
#include "state/settings.h"
#include "text/text_tables.h"

namespace valorne {

// One of the two message lists of eight lines.
struct MessageList {
  std::array<TextRef, 8> lines{};
  Byte count = 0;
};

// Live values outside the save record.
struct LiveState {
  Integer ArmyTotal = 0;                // soldiers of the three armies at the last end of turn
  std::array<Byte, 5> PendingMovies{};  // queued movies, played at the end of the end turn
  Byte FadePhase = 0;
  Byte MessageKind = 0;
  TextRef Helper{};  // the map's hint line
  Single ScrollSpeed = 1.0f;
  Byte Village1Waypoint = 9;
  Byte SiegeWaypoint = 51;   // the three other waypoints the siege, result and
  Byte ResultWaypoint = 50;  // village handlers compare army positions with
  Byte VillageWaypoint = 34;
  bool PlagueShown = false;
  bool ArmyWalking = false;  // the army walk timer runs

  // The end of turn and its messages.
  bool LordFameShown = false;      // the lord's fame has been announced
  bool TradeRefusedShown = false;  // the market's refusal has been announced
  Byte TournamentRoll = 0;         // the tournament's roll while it is decided
  Byte FloodRoll = 0;              // the winter's flood roll
  Byte ReligionMode = 0;           // what ReligionFrm asks: 1 the tithe, 2 the stake
  Byte TradeMode = 0;              // GarryFrm: 0 none, 1 buy, 2 sell, 3 give
  Byte BattleTarget = 0;           // what the next battle is fought against
  Byte SecondSiegeWaypoint = 0;    // the second siege's waypoint; none on this map
  // The siege screen that is open: 0 none, 1 or 2 the siege it shows. While it
  // is not 0 the army camp dialog serves as a picker, its reorganising
  // buttons hidden.
  Byte SiegeMode = 0;
  // Resource-bar labels shown as warnings (red) after the last end of turn.
  bool GrainLow = false;
  bool MeatLow = false;
  bool PeopleLow = false;
  bool HappinessLow = false;
  bool HealthLow = false;

  // Level life cycle (level/): a way out of the level was taken (the hand-off
  // to the next program, an exit, save and exit); the program ends as soon as
  // control is back in its main loop.
  bool ProgramEnding = false;

  // The fields of the map (county/fields): the field whose small menu was
  // last opened, whether that menu is shown, the season's crops picture that
  // the harvest rule keeps, and the picture each field shows on the map.
  Byte SelectedField = 0;
  bool FieldMenuShown = false;
  std::string_view CropsPicture = "CropsRes1";
  OneBased<std::string_view, 10> FieldPictures;

  // The campaign map (screens/): the three lines of its information panel,
  // the name of the place clicked (`Helper4`), its description (`Helper3`)
  // and a state line (`Helper5`). Category 0 leaves a line empty.
  TextRef InfoName{};
  TextRef InfoText{};
  TextRef InfoState{};

  // The guard and the map's places (military/map_places): the three remote
  // places, 1 once scouts or an army have discovered them (they are not in
  // the save record); the status bar's flag markers, up from a discovery
  // until the pointer passes over the map; and the rest of the information
  // panel's third line: a second text after `InfoState` and a troop total
  // (-1 for none).
  Byte DolmenDiscovered = 0;
  Byte StatueDiscovered = 0;
  Byte ChapelDiscovered = 0;
  bool DiscoveryFlagsRaised = false;
  TextRef InfoStateHint{};
  long InfoTroops = -1;

  // The rival counties (rivals/): whether each rival lord's fame has been
  // told, the mob risen in each rival county (its size, 0 = none), and the
  // line under the defeat on the objectives screen (why the level is lost).
  OneBased<bool, 2> RivalFameShown;
  OneBased<Long, 2> RivalMobs;
  TextRef DefeatText{};

  // Battles (military/battle_*): the status file's last value, the outcome
  // and losses read back, the plunder of the last victory (wood, stone, ore,
  // grain, meat), the short-list flags and season byte that the next battle
  // inherits, the sides sent, and the battle program while it runs.
  Byte BattleStatus = 0;
  Byte BattleOutcome = 0;
  Long OurDead = 0;
  Long EnemyDead = 0;
  std::array<Long, 5> Plunder{};
  std::array<Byte, 4> ShortListFlags{};
  Byte BattleSeason = 0;
  Byte BattleSides = 0;
  int BattleProcess = 0;
  bool BattleRunning = false;
  Byte TutorialStep = 0;  // this level has no tutorial; the results keep its hooks

  // Armies on the map (military/army_walk): what a click on a waypoint
  // marker does (0 the selected army walks there, 1 a split is pending and
  // the click opens the split dialog, 2 the click only sets the mode back to
  // 0); the find at waypoint 34 (100 still there, 200 taken); the facing each
  // army's sprite last walked in (0: not walked yet); an order given away
  // from the map (leaving the castle) that the map is still to walk.
  Byte ArmyClickMode = 0;
  Byte Waypoint34Find = 100;
  OneBased<Byte, 3> ArmyFacings;
  bool WalkOrdered = false;
};

class Game {
 public:
  Game() = default;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  GameState state;
  LiveState live;
  LevelParams params;
  Random rng;
  TextTables texts;
  DisplaySettings display;
  AdvancedOptions options;
  MessageList news;
  MessageList reports;
  Byte Difficulty = 2;
  Byte PrevLevelNumber = 0;
  bool SoundOn = true;
  bool LargeScreenMode = false;
  bool ShowMessagesOption = true;
  std::filesystem::path AppPath;
  std::string SaveExtension = ".s9_";

  GameUi& ui() { return ui_ ? *ui_ : fallback_ui_; }
  void set_ui(GameUi* ui) { ui_ = ui; }

  // Plays a sound when sound is on.
  void PlaySound(std::string_view channel, std::string_view file) {
    if (SoundOn) ui().PlaySound(channel, file);
  }

 private:
  GameUi* ui_ = nullptr;
  FixedAnswerUi fallback_ui_;
};

}  // namespace valorne
