// The menu's files: read when good, written afresh with their defaults when
// missing or damaged, and the start of a game written exactly.
#include "level/campaign_files.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::ReadBytes;
using testing::ReadText;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteText;
using Bytes = std::vector<unsigned char>;

// The display record of a new folder: 800 x 600 (choice 0) and the
// high-colour pictures (16 at offset 17), everything else 0.
Bytes DefaultDisplayBytes() {
  Bytes b(23, 0);
  b[17] = 16;
  return b;
}

TEST(MenuSettings, DamagedOrMissingFilesAreReplacedByTheirDefaults) {
  Bytes chosen(23, 0);
  chosen[2] = 0xFF, chosen[3] = 0xFF;  // FadesOff
  chosen[16] = 2;                      // 1280 x 960
  chosen[17] = 8;                      // low colour
  struct Case {
    const char* what;
    std::optional<Bytes> optim;  // none: missing
    std::optional<std::string> options;
    Bytes optim_after;
    std::string options_after;
    Byte resolution, depth, difficulty;
    std::vector<std::string> warned;  // parts of the warnings, one a file repaired
  };
  const Case cases[] = {
      {"good files are kept", chosen, "3\r\n", chosen, "3\r\n", 2, 8, 3, {}},
      {"both missing",
       std::nullopt,
       std::nullopt,
       DefaultDisplayBytes(),
       "2\r\n",
       0,
       16,
       2,
       {"Optim.rx", "Options.rx"}},
      {"short record", Bytes(5, 1), "1\n", DefaultDisplayBytes(), "1\n", 0, 16, 1, {"5 bytes"}},
      {"long record", Bytes(24, 0), "1", DefaultDisplayBytes(), "1", 0, 16, 1, {"longer"}},
      {"screen choice 7",
       Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 16, 0, 0, 0, 0, 0},
       "2\r\n",
       DefaultDisplayBytes(),
       "2\r\n",
       0,
       16,
       2,
       {"screen size choice is 7"}},
      {"difficulty 4", chosen, "4\r\n", chosen, "2\r\n", 2, 8, 2, {"difficulty 4"}},
      {"no number", chosen, "hard\r\n", chosen, "2\r\n", 2, 8, 2, {"\"hard"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    if (c.optim) WriteBytes(dir / "Optim.rx", *c.optim);
    if (c.options) WriteText(dir / "Options.rx", *c.options);
    std::ostringstream warnings;
    const MenuSettings s = ReadOrRepairMenuSettings(dir.path(), warnings, "menudata.rx");
    EXPECT_EQ(ReadBytes(dir / "Optim.rx"), c.optim_after);
    EXPECT_EQ(ReadText(dir / "Options.rx"), c.options_after);
    EXPECT_EQ(s.display.ResolutionChoice, c.resolution);
    EXPECT_EQ(s.display.GraphicsDepth, c.depth);
    EXPECT_EQ(s.difficulty, c.difficulty);
    const std::string told = warnings.str();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), std::ssize(c.warned)) << told;
    for (const std::string& part : c.warned) EXPECT_NE(told.find(part), std::string::npos) << told;
    if (!c.warned.empty()) {
      EXPECT_NE(told.find("menudata.rx: "), std::string::npos);
    }
  }
}

TEST(CampaignProgress, AMissingOrDamagedFileStartsTheCampaignAtThisLevel) {
  struct Case {
    std::optional<std::string> levelinfo, camp;
    std::string levelinfo_after, camp_after;
    CampaignProgress progress;
    int warnings;
  };
  const Case cases[] = {
      {"9\r\n", "12\r\n", "9\r\n", "12\r\n", {9, 12}, 0},
      {std::nullopt, std::nullopt, "9\r\n", "9\r\n", {9, 9}, 2},
      {"10\r\n", "", "10\r\n", "9\r\n", {10, 9}, 1},
      {"300\r\n", "10", "9\r\n", "10", {9, 10}, 1},
  };
  for (const Case& c : cases) {
    TempDir dir;
    if (c.levelinfo) WriteText(dir / "levelinfo.rx", *c.levelinfo);
    if (c.camp) WriteText(dir / "camp.rx", *c.camp);
    std::ostringstream warnings;
    EXPECT_EQ(ReadOrCreateCampaignProgress(dir.path(), warnings, "menudata.rx"), c.progress);
    EXPECT_EQ(ReadText(dir / "levelinfo.rx"), c.levelinfo_after);
    EXPECT_EQ(ReadText(dir / "camp.rx"), c.camp_after);
    const std::string told = warnings.str();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), c.warnings) << told;
  }
}

TEST(GameStart, WritesTheDifficultyAndTheLoadRequest) {
  const std::tuple<int, bool, std::string, std::string> cases[] = {
      {1, false, "1\r\n", "0\r\n"}, {3, false, "3\r\n", "0\r\n"}, {2, true, "2\r\n", "1\r\n"}};
  for (const auto& [difficulty, load, options, request] : cases) {
    TempDir dir;
    WriteText(dir / "LGame.rx", "1\r\n");
    EXPECT_TRUE(WriteGameStart(dir.path(), difficulty, load).ok());
    EXPECT_EQ(ReadText(dir / "Options.rx"), options);
    EXPECT_EQ(ReadText(dir / "LGame.rx"), request);
  }
}

}  // namespace
}  // namespace valorne
