// Relations with the two rival counties and the ten neutral counties: the
// missions the lord sends (envoy, ambassador, gift, spy), what they cost and
// need, what each relation looks like, and the declaration of war.
#pragma once

#include <string_view>

#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

inline constexpr int kRivalCounties = 2;
inline constexpr int kNeutralCounties = 10;

// The relation meaning an ambassador is in place.
inline constexpr Byte kAmbassadorInPlace = 100;

enum class DiploPage : Byte { Rivals, Counties, Trade };
enum class Mission : Byte { None, Envoy, Ambassador, Gift, Spy };

// The gold a mission costs on a page; 0 for the spy and for a mission the
// page does not offer (no gifts to a rival).
int MissionPrice(DiploPage page, Mission mission);
bool MissionOffered(DiploPage page, Mission mission);

// The relation with rival `party` (1..2) or neutral county `party` (1..10).
Byte& Relation(GameState& s, DiploPage page, int party);
Byte Relation(const GameState& s, DiploPage page, int party);

// Sends the mission to the party. An ambassador sent too early: text 4/24
// and nothing else; any other mission whose condition does not hold is
// silently not sent. Too little gold for a mission that could go: text 4/17
// and nothing else. The spy goes without cost and changes nothing.
Outcome SendMission(GameState& s, DiploPage page, int party, Mission mission);

// The two status lines and the picture of a relation.
TextRef RelationText(Byte relation);
TextRef RelationRank(Byte relation);
std::string_view RelationPicture(Byte relation);

// The description of neutral county `county`, known only to a lord of
// diplomacy 80 or more; an empty text otherwise.
TextRef CountyDescription(const GameState& s, int county);

// The mission's name and its description.
TextRef MissionName(Mission mission);
TextRef MissionDescription(Mission mission);

// Declares war on rival `rival` (1..2) and asks the player to confirm it
// (question kind 9 or 10). While a war is already running only text 4/32
// is shown and nothing changes.
Outcome DeclareWar(Game& game, int rival);

}  // namespace valorne
