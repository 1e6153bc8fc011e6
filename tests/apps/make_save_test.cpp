// The developer's save editor, run as a program: the fields it sets by their
// record names, the bytes it leaves alone, and what it refuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <functional>
#include <random>

#include "state/record.h"
#include "support/json.h"
#include "support/level9_run.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::ReadBytes;
using testing::ReadText;
using testing::TempDir;
using testing::WriteBytes;

struct ToolRun {
  int code = -1;
  std::string err;
};

std::string Quoted(const std::string& s) {
  return "'" + s + "'";
}

ToolRun MakeSave(const TempDir& dir, const std::vector<std::string>& arguments) {
  std::string command = Quoted(VALORNE_MAKE_SAVE);
  for (const std::string& a : arguments) command += " " + Quoted(a);
  command += " 2> " + Quoted((dir / "err.txt").string());
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(dir / "err.txt")};
}

// Any 792 bytes are a save to the editor; noise makes every field differ
// from its neighbours, so a write to the wrong bytes shows.
std::vector<unsigned char> NoiseSave() {
  std::mt19937 gen(9);
  std::vector<unsigned char> bytes(kRecordSize);
  for (auto& b : bytes) b = static_cast<unsigned char>(gen() & 0xFF);
  return bytes;
}

std::vector<unsigned char> Edited(const std::vector<unsigned char>& save,
                                  const std::function<void(GameState&)>& edit) {
  Record record{};
  std::copy(save.begin(), save.end(), record.begin());
  GameState state;
  ReadRecordAsStored(record, state);
  edit(state);
  PackGameState(state, record);
  return {record.begin(), record.end()};
}

TEST(MakeSave, SetsTheNamedFieldsAndNoOtherByte) {
  struct Case {
    std::vector<std::string> assignments;
    std::function<void(GameState&)> edit;  // the same change made by hand
  };
  const Case cases[] = {
      {{"Gold=20000"}, [](GameState& s) { s.Gold = 20000; }},
      {{"Gold=-2147483648"}, [](GameState& s) { s.Gold = -2147483647 - 1; }},
      {{"Turn=200"}, [](GameState& s) { s.Turn = 200; }},
      {{"Morale=62.5"}, [](GameState& s) { s.Morale = 62.5f; }},
      {{"TitheDemand=-300"}, [](GameState& s) { s.TitheDemand = -300; }},
      {{"BuildingBuilt(1)=true"}, [](GameState& s) { s.BuildingBuilt[1] = kTrue; }},
      {{"BuildingBuilt(5)=false"}, [](GameState& s) { s.BuildingBuilt[5] = kFalse; }},
      {{"FieldStates(10)=2"}, [](GameState& s) { s.FieldStates[10] = 2; }},
      {{"ArmySoldiers(2).Archers=150"}, [](GameState& s) { s.ArmySoldiers[2].Archers = 150; }},
      {{"ArmySoldiers(3).Warlords=4"}, [](GameState& s) { s.ArmySoldiers[3].Warlords = 4; }},
      {{"CampArmies(5).Paladins=12"}, [](GameState& s) { s.CampArmies[5].Paladins = 12; }},
      {{"BattleArmy.Monks=9"}, [](GameState& s) { s.BattleArmy.Monks = 9; }},
      {{"Rivals(2).CastleStage(3)=-1"}, [](GameState& s) { s.Rivals[2].CastleStage[3] = -1; }},
      {{"Rivals(1).Rival1CampStates(3)=7"}, [](GameState& s) { s.Rivals[1].CampStates[3] = 7; }},
      {{"Rivals(2).Gold=777"}, [](GameState& s) { s.Rivals[2].Gold = 777; }},
      {{"OutlawArmies.OutlawMonks(0)=5"}, [](GameState& s) { s.Outlaws.Monks[0] = 5; }},
      {{"OutlawArmies.OutlawEngineers(5)=2"}, [](GameState& s) { s.Outlaws.Engineers[5] = 2; }},
      {{"Turn=12", "Season=3"},
       [](GameState& s) {
         s.Turn = 12;
         s.Season = 3;
       }},
      {{"Gold=1", "Gold=2"}, [](GameState& s) { s.Gold = 2; }},
      {{}, [](GameState&) {}},
  };
  TempDir dir;
  const auto save = NoiseSave();
  WriteBytes(dir / "in.s9_", save);
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {(dir / "in.s9_").string(), (dir / "out.s9_").string()};
    arguments.insert(arguments.end(), c.assignments.begin(), c.assignments.end());
    const ToolRun run = MakeSave(dir, arguments);
    const std::string label = c.assignments.empty() ? "(none)" : c.assignments.front();
    ASSERT_EQ(run.code, 0) << label << ": " << run.err;
    EXPECT_EQ(run.err, "") << label;
    EXPECT_EQ(ReadBytes(dir / "out.s9_"), Edited(save, c.edit)) << label;
  }
}

TEST(MakeSave, RefusesWithExitCode2AndLeavesTheOutputAlone) {
  struct Case {
    std::vector<std::string> assignments;
    std::string message;
  };
  const Case cases[] = {
      {{"Gol=1"}, "the save record has no field named Gol"},
      {{"BuildingBuilt(6)=1"}, "BuildingBuilt has elements 1 .. 5, not 6"},
      {{"FieldStates(0)=1"}, "FieldStates has elements 1 .. 10, not 0"},
      {{"OutlawArmies.OutlawMonks(6)=1"}, "OutlawArmies.OutlawMonks has elements 0 .. 5, not 6"},
      {{"Rivals(2).ArmyRaised(3)=1"}, "Rivals(2).ArmyRaised has elements 1 .. 2, not 3"},
      {{"Rivals(3).Gold=1"}, "Rivals has elements 1 .. 2, not 3"},
      {{"ArmySoldiers.Archers=1"}, "ArmySoldiers is a list: name one element"},
      {{"BuildingBuilt=1"},
       "BuildingBuilt is a list: name one element, BuildingBuilt(1) .. BuildingBuilt(5)"},
      {{"ArmySoldiers(1)=3"}, "ArmySoldiers(1) has members"},
      {{"ArmySoldiers(1).Lancers=1"}, "ArmySoldiers(1) has no member named Lancers"},
      {{"BattleArmy(1).Monks=1"}, "BattleArmy is not a list"},
      {{"Gold(2)=1"}, "Gold is not a list"},
      {{"Gold.Coins=1"}, "Gold is a number and has no members"},
      {{"Season=256"}, "Season takes a whole number from 0 to 255, not \"256\""},
      {{"Season=-1"}, "Season takes a whole number from 0 to 255, not \"-1\""},
      {{"ArmySizes(1)=40000"},
       "ArmySizes(1) takes a whole number from -32768 to 32767, not \"40000\""},
      {{"TitheDemand=40000"}, "TitheDemand takes a whole number from -32768 to 32767"},
      {{"Gold=lots"}, "Gold takes a whole number"},
      {{"Gold=12x"}, "Gold takes a whole number from -2147483648 to 2147483647, not \"12x\""},
      {{"Gold="}, "Gold takes a whole number from -2147483648 to 2147483647, not \"\""},
      {{"Season=true"}, "Season takes a whole number from 0 to 255, not \"true\""},
      {{"Morale=inf"}, "Morale takes a number such as 62.5, not \"inf\""},
      {{"Gold"}, "\"Gold\" sets nothing: write Field=Value"},
      {{"Gold(=1"}, "\"Gold(\" is no field name"},
      {{"=1"}, "\"\" is no field name"},
      // Nothing is written when a later assignment is refused.
      {{"Gold=5", "Turn=999"}, "Turn takes a whole number from 0 to 255"},
  };
  TempDir dir;
  WriteBytes(dir / "in.s9_", NoiseSave());
  const std::vector<unsigned char> before = {'o', 'l', 'd'};
  for (const Case& c : cases) {
    WriteBytes(dir / "out.s9_", before);
    std::vector<std::string> arguments = {(dir / "in.s9_").string(), (dir / "out.s9_").string()};
    arguments.insert(arguments.end(), c.assignments.begin(), c.assignments.end());
    const ToolRun run = MakeSave(dir, arguments);
    EXPECT_EQ(run.code, 2) << c.assignments.front();
    EXPECT_NE(run.err.find("make_save: " + c.message), std::string::npos)
        << c.assignments.front() << "\n"
        << run.err;
    EXPECT_EQ(ReadBytes(dir / "out.s9_"), before) << c.assignments.front();
  }
}

TEST(MakeSave, ASaveThatIsNotOneIsRefused) {
  struct Case {
    std::size_t size;  // of the input file; 0: no file at all
    std::string message;
  };
  const Case cases[] = {
      {0, "cannot read"},
      {791, "is 791 bytes long; a save is 792"},
      {793, "is 793 bytes long; a save is 792"},
      {1, "is 1 bytes long"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    if (c.size > 0) WriteBytes(dir / "in.s9_", std::vector<unsigned char>(c.size, 7));
    const ToolRun run =
        MakeSave(dir, {(dir / "in.s9_").string(), (dir / "out.s9_").string(), "Gold=1"});
    EXPECT_EQ(run.code, 2) << c.size;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.size << ": " << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.s9_")) << c.size;
  }
  TempDir dir;
  const ToolRun usage = MakeSave(dir, {(dir / "in.s9_").string()});
  EXPECT_EQ(usage.code, 2);
  EXPECT_NE(usage.err.find("usage: make_save IN.s9_ OUT.s9_"), std::string::npos) << usage.err;
}

// The byte range of a record field named as in the layout, e.g.
// "ArmySoldiers(1)".
std::pair<int, int> FieldBytes(const std::string& name) {
  for (const RecordField& f : RecordLayout()) {
    if (f.name == name) return {f.offset, f.offset + f.size};
  }
  ADD_FAILURE() << "no field " << name;
  return {0, 0};
}

// The level's first save, edited, is read by the level as edited, and only
// the edited fields' bytes differ.
TEST(MakeSave, TheLevelReadsTheEditedSave) {
  testing::GameFolder folder;
  ASSERT_EQ(folder.Run("quit\n").code, 0);
  const auto first = folder.game() / "Save Game" / "FirstSave.s9_";
  const auto rich = folder.game() / "Save Game" / "Rich.s9_";
  TempDir dir;
  const ToolRun run = MakeSave(dir, {first.string(), rich.string(), "Gold=12345",
                                     "BuildingBuilt(2)=true", "ArmySoldiers(1).Monks=77"});
  ASSERT_EQ(run.code, 0) << run.err;

  const testing::Outcome o = folder.Run("", "--dump-save " + Quoted(rich.string()));
  ASSERT_EQ(o.code, 0) << o.err;
  ASSERT_EQ(o.lines.size(), 1u);
  const testing::JsonValue dump = testing::ParseJson(o.lines[0]);
  EXPECT_EQ(dump.at("Gold").get<double>(), 12345);
  EXPECT_EQ(dump.at("BuildingBuilt").at(1).get<double>(), -1);
  EXPECT_EQ(dump.at("ArmySoldiers").at(0).at("Monks").get<double>(), 77);

  const auto a = ReadBytes(first);
  const auto b = ReadBytes(rich);
  ASSERT_EQ(a.size(), b.size());
  const auto gold = FieldBytes("Gold");
  const auto built = FieldBytes("BuildingBuilt");
  const auto army = FieldBytes("ArmySoldiers(1)");
  int changed = 0;
  for (int i = 0; i < static_cast<int>(a.size()); ++i) {
    if (a[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(i)]) continue;
    ++changed;
    const bool expected = (i >= gold.first && i < gold.second) ||
                          (i >= built.first + 2 && i < built.first + 4) || i == army.first;
    EXPECT_TRUE(expected) << "byte " << i << " changed";
  }
  EXPECT_GE(changed, 3);
}

}  // namespace
}  // namespace valorne
