// Showing a save file as JSON.
#include "level/dump_save.h"

#include <gtest/gtest.h>

#include <sstream>

#include "level/level_fixture.h"
#include "level/saves.h"
#include "state/start_values.h"

namespace valorne {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(DumpSave, ShowsTheRecordAsStoredOnOneLine) {
  TempDir dir;
  testing::TestGame t(dir.path());
  t.game.rng = Random::Constant(0.5);
  SetStartValues(t.game);
  t.game.state.BattleArmy.Archers = 321;  // shown, though a load would not read it
  ASSERT_TRUE(SaveToFile(t.game, "x").ok());
  std::ostringstream out, err;
  EXPECT_EQ(DumpSave(SaveFilePath(t.game, "x"), out, err), 0);
  EXPECT_EQ(out.str(), RecordToJson(t.game.state) + "\n");
  EXPECT_TRUE(err.str().empty());
}

TEST(DumpSave, RefusesWhatIsNoSave) {
  TempDir dir;
  WriteBytes(dir / "short.s9_", std::vector<unsigned char>(100, 1));
  WriteBytes(dir / "long.s9_", std::vector<unsigned char>(800, 1));
  for (const char* name : {"short.s9_", "long.s9_", "missing.s9_"}) {
    SCOPED_TRACE(name);
    std::ostringstream out, err;
    EXPECT_EQ(DumpSave(dir / name, out, err), 2);
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find(name), std::string::npos) << err.str();
  }
}

}  // namespace
}  // namespace valorne
