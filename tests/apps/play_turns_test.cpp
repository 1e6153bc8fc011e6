// A player's first turns, played through the real level program with the
// mouse as a script: sow a field, staff the wood works, raise the tax, end
// turns, answer the church. The county's record is read back with `dump`.
#include <gtest/gtest.h>

#include "support/json.h"
#include "support/level9_run.h"

namespace valorne {
namespace {

using testing::Element;
using testing::GameFolder;
using testing::JsonValue;
using testing::Number;
using testing::Outcome;
using testing::ParseJson;

// The first turn's orders, then the end of the turn with its message screen.
constexpr const char* kFirstTurn =
    "click TipsFrm.Image1\n"
    "click Camp1Frm.FieldImg1 right\n"
    "click Camp1Frm.Field2Pic\n"
    "click Camp1Frm.WoodCutterImg1\n"
    "click WoodFrm.SlotImg1\n"
    "click WoodFrm.OkAniBtn\n"
    "click Camp1Frm.TaxBtn\n"
    "click TaxFrm.TaxUp\n"
    "click TaxFrm.OkAniBtn\n"
    "dump\n"
    "click Camp1Frm.EndTurnBtn\n"
    "click MessagesFrm.OkAniBtn\n"
    "dump\n";

constexpr const char* kNextTurn =
    "click Camp1Frm.EndTurnBtn\n"
    "click MessagesFrm.OkAniBtn\n";

// The sixth turn begins with the church's tithe: the player pays.
constexpr const char* kTitheTurn =
    "click Camp1Frm.EndTurnBtn\n"
    "click ReligionFrm.TaxOkAniBtn\n"
    "click MessagesFrm.OkAniBtn\n"
    "dump\n"
    "quit\n";

std::string FiveTurns() {
  std::string script = kFirstTurn;
  for (int i = 0; i < 3; ++i) script += kNextTurn;
  return script + kTitheTurn;
}

TEST(PlayTurns, OrdersOfTheFirstTurnHoldThroughFiveEndsOfTurn) {
  GameFolder folder;
  folder.TurnFadesOff();
  const Outcome run = folder.Run(FiveTurns(), "--rnd 0.5");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 3u) << run.err;

  const JsonValue before = ParseJson(run.lines[0]);
  const JsonValue after_one = ParseJson(run.lines[1]);
  const JsonValue after_five = ParseJson(run.lines[2]);

  // The orders, before any end of turn: field 1 sown with its hundred
  // people, one wood place with its 260, the tax at 20 %.
  EXPECT_EQ(Element(before, "FieldStates", 0), 1);
  EXPECT_EQ(Number(before, "CropsWorkers"), 100);
  EXPECT_EQ(Element(before, "WoodSlots", 0), 1);
  EXPECT_EQ(Number(before, "WoodWorkers"), 260);
  EXPECT_EQ(Number(before, "TaxRate"), 20);
  EXPECT_EQ(Number(before, "IdlePeople"), Number(before, "Population") - 360);
  EXPECT_EQ(Number(before, "Turn"), 1);

  // One end of turn: the turn and season advance, the wood place yields.
  EXPECT_EQ(Number(after_one, "Turn"), 2);
  EXPECT_EQ(Number(after_one, "Season"), 2);
  EXPECT_EQ(Number(after_one, "PreviousGold"), Number(before, "Gold"));
  EXPECT_EQ(Number(after_one, "TaxRate"), 20);
  EXPECT_EQ(Element(after_one, "WoodSlots", 0), 1);

  // Five ends of turn: the sixth turn has come and the tithe was paid.
  EXPECT_EQ(Number(after_five, "Turn"), 6);
  EXPECT_EQ(Number(after_five, "WoodSlotsUsed"), 1);
  EXPECT_EQ(Number(after_five, "PlayerUndefeated"), -1);
}

TEST(PlayTurns, TheSameScriptAndSeedReplayTheSameGame) {
  GameFolder first;
  GameFolder second;
  first.TurnFadesOff();
  second.TurnFadesOff();
  const std::string script = std::string(kFirstTurn) + "quit\n";
  const Outcome a = first.Run(script, "--seed 11");
  const Outcome b = second.Run(script, "--seed 11");
  ASSERT_EQ(a.code, 0) << a.err;
  ASSERT_EQ(b.code, 0) << b.err;
  ASSERT_EQ(a.lines.size(), 2u);
  EXPECT_EQ(a.lines, b.lines);
}

}  // namespace
}  // namespace valorne
