// The answers to the question box: each kind of question decides what its OK
// and its No do. Kinds that only tell the player something (2, 3, 6, 22, 23)
// change nothing either way.
#include "county/fields.h"
#include "military/battle_start.h"
#include "turn/messages.h"
#include "turn/sieges.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

// The people ask for help (kind 1): OK opens the trade post on its giving
// panel; refusing angers the people, the church and the nobles.
void AnswerHelpRequest(Game& game, bool ok) {
  GameState& s = game.state;
  if (ok) {
    game.live.TradeMode = 3;
    game.ui().OpenScreen("GarryFrm");
    return;
  }
  AddTo(s.Happiness, -9);
  AddTo(s.Morale, -15);
  AddTo(s.LordNobility, -12);
  AddTo(s.LordReligion, -4);
}

// Kind 4: a donation of 3500 gold; paid only when the treasury holds it.
void AnswerGreatDonation(GameState& s, bool ok) {
  if (ok) {
    if (s.Gold < 3500) return;
    AddTo(s.Gold, -3500);
    AddTo(s.LordLeadership, 2);
    AddTo(s.LordDiplomacy, 3);
    AddTo(s.LordReligion, 5);
    return;
  }
  AddTo(s.LordLeadership, -6);
  AddTo(s.LordDiplomacy, -13);
  AddTo(s.LordReligion, -10);
}

// Kind 5: a gift of 2700 gold to the church.
void AnswerChurchGift(GameState& s, bool ok) {
  if (ok) {
    if (s.Gold < 2700) return;
    AddTo(s.Gold, -2700);
    AddTo(s.LordReligion, 9);
    return;
  }
  AddTo(s.LordReligion, -15);
}

// Kind 7, No: the armoury grows by eight draws, in this order.
void FillArmoury(Game& game) {
  GameState& s = game.state;
  Random& rng = game.rng;
  rng.Randomize();
  auto draw = [&](int range, int base) { return Int(rng.Rnd() * range + base); };
  AddTo(s.Bows, draw(30, 10));
  AddTo(s.Clubs, draw(70, 10));
  AddTo(s.Swords, draw(30, 10));
  AddTo(s.Helebards, draw(30, 10));
  AddTo(s.Maces, draw(10, 5));
  AddTo(s.ChainMails, draw(100, 30));
  AddTo(s.PlateArmours, draw(60, 30));
  AddTo(s.Shields, draw(100, 50));
}

// Kind 8, No: a gift of food and materials.
void AddSupplies(GameState& s) {
  AddTo(s.GrainStock, 450);
  AddTo(s.MeatStock, 13);
  AddTo(s.WoodStock, 200);
  AddTo(s.StoneStock, 200);
  AddTo(s.OreStock, 200);
}

// Kinds 9 and 10: the war declared on rival county 1 or 2.
void AnswerWar(Game& game, int county, bool ok) {
  Byte& countdown = game.state.WarCountdown[county];
  if (!ok) {
    countdown = 0;
    return;
  }
  if (countdown == 1) {
    countdown = 5;
    PostReport(game, 1, 89);
  }
}

// Kind 20, No: village 1 burns and a quarter of the people are lost.
void BurnVillageOne(GameState& s) {
  s.VillageStates[1] = 3;
  AddTo(s.Population, -Fix(static_cast<double>(s.Population) * 25 / 100));
  AddTo(s.Happiness, -12);
}

// Kind 21, No: the fields 1, 3, 4, 8, 9 and 10 are laid waste and the stores
// lose food.
void LayWasteFields(Game& game) {
  GameState& s = game.state;
  for (int field : {1, 3, 4, 8, 9, 10}) {
    if (s.FieldStates[field] == 0) continue;
    SetWorkers(game, field, 0);
    SetField(game, field, 0);
  }
  AddTo(s.MeatStock, -Fix(static_cast<double>(s.MeatStock) * 65 / 100));
  AddTo(s.GrainStock, -Fix(static_cast<double>(s.GrainStock) * 42 / 100));
}

}  // namespace

void ApplyAnswer(Game& game, int kind, bool ok) {
  GameState& s = game.state;
  switch (kind) {
    case 1:
      AnswerHelpRequest(game, ok);
      break;
    case 4:
      AnswerGreatDonation(s, ok);
      break;
    case 5:
      AnswerChurchGift(s, ok);
      break;
    case 7:
      if (!ok) FillArmoury(game);
      break;
    case 8:
      if (!ok) AddSupplies(s);
      break;
    case 9:
    case 10:
      AnswerWar(game, kind - 8, ok);
      break;
    case 11:
      if (ok) StartBattle(game, kFieldBattleMode);
      break;
    case 12:
    case 13:
      if (ok) LaySiege(game, kind == 13);
      break;
    case 14:
    case 15:
      if (ok) StormCastle(game, kind == 15);
      break;
    case 16:
      if (!ok) {
        AddTo(s.LordLeadership, 15);
        AddTo(s.LordNobility, 13);
        AddTo(s.LordDiplomacy, 26);
        AddTo(s.LordReligion, 17);
      }
      break;
    case 17:
      if (!ok) AddTo(s.Morale, 25);
      break;
    case 18:
      if (!ok) AddTo(s.Gold, 12355);
      break;
    case 20:
      if (!ok) BurnVillageOne(s);
      break;
    case 21:
      if (!ok) LayWasteFields(game);
      break;
    default:
      break;  // notices only
  }
}

}  // namespace valorne
