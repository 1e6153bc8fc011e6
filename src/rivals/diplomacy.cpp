#include "rivals/diplomacy.h"

#include "turn/messages.h"

namespace valorne {

namespace {

constexpr TextRef kRelationsTooPoor{4, 24};
constexpr TextRef kWarRunning{4, 32};

// The neutral counties' descriptions follow one another in the story texts.
constexpr int kFirstCountyDescription = 40;

// Gifts stop one short of the ambassador's mark, so that no gift can ever be
// taken for an ambassador.
constexpr Byte kMostByGifts = kAmbassadorInPlace - 1;

bool IsRivalPage(DiploPage page) {
  return page == DiploPage::Rivals;
}

}  // namespace

bool MissionOffered(DiploPage page, Mission mission) {
  switch (mission) {
    case Mission::Envoy:
    case Mission::Ambassador:
    case Mission::Spy:
      return page != DiploPage::Trade;
    case Mission::Gift:
      return page == DiploPage::Counties;
    case Mission::None:
      return false;
  }
  return false;
}

int MissionPrice(DiploPage page, Mission mission) {
  if (!MissionOffered(page, mission)) return 0;
  switch (mission) {
    case Mission::Envoy:
      return 3300;
    case Mission::Ambassador:
      return IsRivalPage(page) ? 3450 : 5000;
    case Mission::Gift:
      return 4700;
    default:
      return 0;
  }
}

Byte& Relation(GameState& s, DiploPage page, int party) {
  return IsRivalPage(page) ? s.RivalStance[party] : s.CountyStance[party];
}

Byte Relation(const GameState& s, DiploPage page, int party) {
  return IsRivalPage(page) ? s.RivalStance[party] : s.CountyStance[party];
}

Outcome SendMission(GameState& s, DiploPage page, int party, Mission mission) {
  const int parties = IsRivalPage(page) ? kRivalCounties : kNeutralCounties;
  if (page == DiploPage::Trade || party < 1 || party > parties || mission == Mission::None) {
    return Refused(kNothingChosen);
  }
  if (!MissionOffered(page, mission)) return Refused();
  const int price = MissionPrice(page, mission);
  Byte& relation = Relation(s, page, party);
  const bool rival = IsRivalPage(page);
  // First whether the relation allows the mission, then whether the
  // treasury pays for it.
  switch (mission) {
    case Mission::Envoy:
      if (relation != 0) return Refused();
      break;
    case Mission::Gift:
      if (relation == 0 || relation >= kMostByGifts) return Refused();
      break;
    case Mission::Ambassador:
      if (relation == kAmbassadorInPlace) return Refused();
      // A rival needs an envoy; a neutral county an envoy and two gifts.
      if (rival ? relation != 1 : relation < 3) return Refused(kRelationsTooPoor);
      break;
    case Mission::Spy:
      // The spy slips across the border and comes back with nothing the lord
      // did not know: he costs nothing and changes nothing.
      return Accepted();
    case Mission::None:
      return Refused(kNothingChosen);
  }
  if (s.Gold < price) return Refused(kNotEnoughResources);
  switch (mission) {
    case Mission::Envoy:
      relation = 1;
      s.LordDiplomacy = static_cast<Integer>(s.LordDiplomacy + 1);
      break;
    case Mission::Gift:
      relation = static_cast<Byte>(relation + 1);
      s.LordDiplomacy = static_cast<Integer>(s.LordDiplomacy + 1);
      break;
    case Mission::Ambassador:
      relation = kAmbassadorInPlace;
      if (!rival) s.LordDiplomacy = static_cast<Integer>(s.LordDiplomacy + 2);
      break;
    default:
      break;
  }
  s.Gold -= price;
  return Accepted();
}

TextRef RelationText(Byte relation) {
  if (relation == 0) return {4, 124};
  if (relation == kAmbassadorInPlace) return {4, 126};
  return {4, 125};
}

TextRef RelationRank(Byte relation) {
  if (relation == 0) return {};
  if (relation == kAmbassadorInPlace) return {4, 120};
  return {4, 119};
}

std::string_view RelationPicture(Byte relation) {
  if (relation == 0) return "DiploStatusRes3";
  if (relation == kAmbassadorInPlace) return "DiploStatusRes1";
  return "DiploStatusRes2";
}

TextRef CountyDescription(const GameState& s, int county) {
  if (s.LordDiplomacy < 80 || county < 1 || county > kNeutralCounties) return {};
  return {2, static_cast<std::int16_t>(kFirstCountyDescription + county - 1)};
}

TextRef MissionName(Mission mission) {
  switch (mission) {
    case Mission::Envoy:
      return {4, 120};
    case Mission::Ambassador:
      return {4, 119};
    case Mission::Spy:
      return {4, 121};
    case Mission::Gift:
      return {4, 122};
    case Mission::None:
      break;
  }
  return {};
}

TextRef MissionDescription(Mission mission) {
  switch (mission) {
    case Mission::Envoy:
      return {5, 157};
    case Mission::Ambassador:
      return {5, 156};
    case Mission::Spy:
      return {5, 158};
    case Mission::Gift:
      return {5, 159};
    case Mission::None:
      break;
  }
  return {};
}

Outcome DeclareWar(Game& game, int rival) {
  if (rival < 1 || rival > kRivalCounties) return Refused(kNothingChosen);
  GameState& s = game.state;
  if (s.WarCountdown[1] > 0 || s.WarCountdown[2] > 0) return Refused(kWarRunning);
  s.WarCountdown[rival] = 1;
  Ask(game, 8 + rival, 116);
  return Accepted();
}

}  // namespace valorne
