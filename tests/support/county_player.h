// A scripted player of whole games: the level program driven through its
// pipes with the mouse only, every screen the end of a turn brings answered
// as a careful lord would, and the county read back with `dump`.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "support/level9_player.h"

namespace valorne::testing {

class CountyPlayer {
 public:
  CountyPlayer(const GameFolder& folder, const std::string& arguments)
      : level_(folder, arguments) {}

  LevelPlayer& level() { return level_; }
  // Answers the trade post's demand (kind 1) with a gift of ten grain
  // instead of refusing it: a gift, however small, spares the county what a
  // refusal costs in happiness, morale, nobility and religion.
  void GiveWhenAsked() { refused_.erase(1); }
  // Question kinds this player refuses besides the ones every player
  // refuses (the gifts and the trade post's demand): a poor county refuses
  // the lord's feast (4) and the pilgrimage (5) that cost gold.
  void Refuse(int kind) { refused_.insert(kind); }
  // Every screen that came up while the player answered, in order.
  const std::vector<std::string>& seen() const { return seen_; }

  // Closes the objectives screen that opens the level.
  void Begin();
  // Ends the turn and answers what it brings until the map is in front
  // again; false when the level is over (its objectives screen on the victory
  // or defeat face, or the program gone).
  bool EndTurn();
  // Ends turns until `done` holds or the level is over, at most `limit`.
  void PlayUntil(const std::function<bool(const JsonValue&)>& done, int limit);
  // Trains the guard one level at the guard screen, if it can.
  void TrainGuard();
  // Sells at the trade post what a hold of `ms` on each good's button puts
  // into the deal.
  void Sell(const std::vector<std::string>& goods, int ms);

  // The lord's orders on the county's screens (county_player_economy.cpp).
  //
  // Moves the rate on the tax screen to `rate` percent (steps of ten).
  void SetTaxRate(int rate);
  // Staffs work place `place` (1..5) of the "Wood", "Stone" or "Ore" works.
  void StaffWorkPlace(const std::string& works, int place);
  // Buys ten grain and ten meat at the trade post: taxes come in only while
  // both are in store, and any food in store feeds the whole county at the
  // end of the turn.
  void BuyTheTurnsFood();
  // Ticks again the food boxes of the people screen that an empty store
  // cleared.
  void FeedThePeople();
  // Starts the research of the next farming level, when the county can pay.
  void StartResearch();
  // Orders the building of the build screen's `button` ("BaracksBtn"...).
  void Build(const std::string& button);
  // Gives the blacksmith the standing order of `item` ("BowBtn"...).
  void Forge(const std::string& item);
  // Raises, type after type (the recruiting screen's buttons), every soldier
  // the armoury and the idle people allow, and forms them into a new army at
  // the castle; false when no army was formed.
  bool Recruit(const std::vector<std::string>& types);
  // Combines every army that stands on army `army`'s waypoint into it.
  void CombineArmies(int army);
  // Places the standing order with the market for `percent` of its ore offer
  // every turn (the diplomacy screen's trade page).
  void BuyOreFromTheMarket(int percent);

  // Right-clicks army `army` and clicks the marker of `waypoint`; then lets
  // the walk end. The screen on top afterwards.
  std::string Walk(int army, int waypoint);
  // Walks army 1 along `road` while it has moves this turn, attacking every
  // band that bars the way; the waypoints reached are taken off the road.
  // False when the army did not arrive where it was sent.
  bool MarchOn(std::vector<int>& road);
  // Answers the attack question with OK and waits for the results screen;
  // the outcome (`BattleOutcome`) as the results screen shows it, -1 when
  // the results never came.
  int Fight();

 private:
  // Answers the top screen of an end of turn; false when it cannot.
  bool Answer(const std::string& top);

  LevelPlayer level_;
  std::vector<std::string> seen_;
  std::set<int> refused_ = {1, 7, 8, 16, 17, 18};
};

}  // namespace valorne::testing
