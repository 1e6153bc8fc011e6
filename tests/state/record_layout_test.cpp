// The save record must match the campaign's file format byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "state/record.h"
#include "state/record_table.h"

namespace valorne {
namespace {

using testing::kRecordRows;

TEST(RecordLayout, EveryFieldHasItsOffsetAndSize) {
  const std::vector<RecordField> layout = RecordLayout();
  ASSERT_EQ(layout.size(), std::size(kRecordRows));
  for (std::size_t i = 0; i < layout.size(); ++i) {
    SCOPED_TRACE(kRecordRows[i].name);
    EXPECT_EQ(layout[i].name, kRecordRows[i].name);
    EXPECT_EQ(layout[i].offset, kRecordRows[i].offset);
    EXPECT_EQ(layout[i].size, kRecordRows[i].size);
  }
  const RecordField& last = layout.back();
  EXPECT_EQ(last.offset + last.size, 792);
}

std::uint32_t Bytes(const Record& r, int offset, int width) {
  std::uint32_t v = 0;
  for (int i = 0; i < width; ++i)
    v |= std::uint32_t{r[static_cast<std::size_t>(offset + i)]} << (8 * i);
  return v;
}

// Members inside the composite fields: each is given a marker value in the
// state, and the marker must land at the member's place in the file.
TEST(RecordLayout, MembersOfTroopListsRivalsAndOutlawsSitWhereTheFileHasThem) {
  struct Case {
    const char* what;
    void (*set)(GameState&);
    int offset;
    int width;
    std::uint32_t bytes;
  };
  const Case cases[] = {
      {"army 1 monks (Byte)", [](GameState& s) { s.ArmySoldiers[1].Monks = 0xA1; }, 200, 1, 0xA1},
      {"army 1 archers", [](GameState& s) { s.ArmySoldiers[1].Archers = 0x1234; }, 201, 2, 0x1234},
      {"army 2 warlords (Byte)", [](GameState& s) { s.ArmySoldiers[2].Warlords = 0x7E; }, 249, 1,
       0x7E},
      {"army 2 engineers (Integer)", [](GameState& s) { s.ArmySoldiers[2].Engineers = -2; }, 250, 2,
       0xFFFE},
      {"army 3 long bowmen", [](GameState& s) { s.ArmySoldiers[3].LongBowmen = 777; }, 273, 2, 777},
      {"camp 1 engineers (Byte)", [](GameState& s) { s.CampArmies[1].Engineers = 0xE5; }, 446, 1,
       0xE5},
      {"camp 3 paladins", [](GameState& s) { s.CampArmies[3].Paladins = 0x0BAD; }, 491, 2, 0x0BAD},
      {"camp 5 engineers", [](GameState& s) { s.CampArmies[5].Engineers = 0x5A; }, 592, 1, 0x5A},
      {"rival 1 gold", [](GameState& s) { s.Rivals[1].Gold = 0x01020304; }, 375, 4, 0x01020304},
      {"rival 1 tax rate", [](GameState& s) { s.Rivals[1].TaxRate = 80; }, 379, 1, 80},
      {"rival 1 morale", [](GameState& s) { s.Rivals[1].Morale = 1.0f; }, 380, 4, 0x3F800000},
      {"rival 1 happiness", [](GameState& s) { s.Rivals[1].Happiness = 61; }, 384, 4, 61},
      {"rival 1 people", [](GameState& s) { s.Rivals[1].People = 2001; }, 388, 4, 2001},
      {"rival 1 religion", [](GameState& s) { s.Rivals[1].Religion = 31; }, 398, 2, 31},
      {"rival 1 guard turns", [](GameState& s) { s.Rivals[1].GuardTurns = 199; }, 402, 1, 199},
      {"rival 1 castle stage 5", [](GameState& s) { s.Rivals[1].CastleStage[5] = -1; }, 411, 2,
       0xFFFF},
      {"rival 1 army 3 raised", [](GameState& s) { s.Rivals[1].ArmyRaised[3] = -1; }, 417, 2,
       0xFFFF},
      {"rival 1 camp 3 state", [](GameState& s) { s.Rivals[1].CampStates[3] = 3; }, 421, 1, 3},
      {"rival 2 people", [](GameState& s) { s.Rivals[2].People = 4100; }, 512, 4, 4100},
      {"rival 2 army 2 raised", [](GameState& s) { s.Rivals[2].ArmyRaised[2] = -1; }, 539, 2,
       0xFFFF},
      {"rival 2 camp 2 state", [](GameState& s) { s.Rivals[2].CampStates[2] = 2; }, 542, 1, 2},
      {"outlaw monks, band 5", [](GameState& s) { s.Outlaws.Monks[5] = 3; }, 618, 1, 3},
      {"outlaw archers, band 0", [](GameState& s) { s.Outlaws.Archers[0] = 0x0102; }, 619, 2,
       0x0102},
      {"outlaw archers, band 5", [](GameState& s) { s.Outlaws.Archers[5] = 450; }, 629, 2, 450},
      {"outlaw paladins, band 2", [](GameState& s) { s.Outlaws.Paladins[2] = 200; }, 731, 2, 200},
      {"outlaw long bowmen, band 5", [](GameState& s) { s.Outlaws.LongBowmen[5] = 9; }, 749, 2, 9},
      {"outlaw warlords, band 5", [](GameState& s) { s.Outlaws.Warlords[5] = 0x77; }, 756, 1, 0x77},
      {"outlaw engineers, band 0", [](GameState& s) { s.Outlaws.Engineers[0] = 0x66; }, 757, 1,
       0x66},
      {"outlaw engineers, band 5", [](GameState& s) { s.Outlaws.Engineers[5] = 0x55; }, 762, 1,
       0x55},
      {"battle army engineers", [](GameState& s) { s.BattleArmy.Engineers = 0x44; }, 791, 1, 0x44},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameState state;
    c.set(state);
    Record record{};
    PackGameState(state, record);
    EXPECT_EQ(Bytes(record, c.offset, c.width), c.bytes);
    int other_bytes = 0;
    for (std::size_t i = 0; i < record.size(); ++i) {
      const int at = static_cast<int>(i);
      if ((at < c.offset || at >= c.offset + c.width) && record[i] != 0) ++other_bytes;
    }
    EXPECT_EQ(other_bytes, 0) << "the marker spilled into other fields";
  }
}

}  // namespace
}  // namespace valorne
