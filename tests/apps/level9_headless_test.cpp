// The real level program, run headless with small scripts through a pipe.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <map>

#include "support/json.h"
#include "support/level9_run.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::Keys;
using testing::Outcome;
using testing::ParseJson;
using testing::ReadBytes;
using testing::ReadText;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteText;

TEST(Level9Headless, ScriptsEndWithTheirExitCodes) {
  struct Case {
    std::string script;
    int code;
    std::vector<std::string> lines;
    std::string err;  // a part of standard error
  };
  // The level opens the objectives (TipsFrm, closed by Image1), then the map.
  const Case cases[] = {
      {"forms\nclick TipsFrm.Image1\n# the map is next\n\nforms\nquit\n",
       0,
       {R"(["TipsFrm"])", R"(["Camp1Frm"])"},
       ""},
      {"forms\n", 4, {R"(["TipsFrm"])"}, "the script ended while TipsFrm is open"},
      {"click TipsFrm.Image1\n", 4, {}, "the script ended while Camp1Frm is open"},
      {"click Camp1Frm.EndTurnBtn\n",
       3,
       {},
       "line 1: Camp1Frm is not open; the top screen is TipsFrm"},
      {"click TipsFrm.Image1\nclick TipsFrm.Image1\n",
       3,
       {},
       "line 2: TipsFrm is not open; the top screen is Camp1Frm"},
      {"click TipsFrm.Image1\nclick Camp1Frm.MenuBtn\nforms\nclick Camp1Frm.EndTurnBtn\n",
       3,
       {R"(["Camp1Frm", "MenuFrm"])"},
       "line 4: Camp1Frm is under MenuFrm: commands act on the top screen only"},
      {"click TipsFrm.NoSuchLbl\n", 3, {}, "line 1: TipsFrm has no control named NoSuchLbl"},
      {"fly away\n", 3, {}, "line 1: unknown command fly"},
      {"key F6 pressed\n", 3, {}, "line 1: a key goes down or up, not pressed"},
      {"advance soon\n", 3, {}, "line 1: the time to advance must be a whole number"},
  };
  GameFolder folder;
  for (const Case& c : cases) {
    const Outcome o = folder.Run(c.script);
    EXPECT_EQ(o.code, c.code) << c.script << o.err;
    EXPECT_EQ(o.lines, c.lines) << c.script;
    EXPECT_NE(o.err.find(c.err), std::string::npos) << c.script << "\n" << o.err;
  }
}

TEST(Level9Headless, BadArgumentsAreRefusedWithExitCode3) {
  const std::pair<std::string, std::string> cases[] = {
      {"--rnd 1", "--rnd takes a number from 0 up to (not including) 1, not 1"},
      {"--rnd -0.5", "not -0.5"},
      {"--rnd half", "not half"},
      {"--seed 12x", "--seed takes a whole number, not 12x"},
      {"--seed 3 --rnd 0.5", "give --seed or --rnd, not both"},
      {"--dpi 0", "--dpi takes a whole number from 1 to 10000, not 0"},
      {"--dpi", "--dpi needs a value"},
      {"--fast", "unknown argument --fast"},
      {"--app-path /no/such/folder", "the game folder /no/such/folder does not exist"},
  };
  GameFolder folder;
  for (const auto& [arguments, message] : cases) {
    const Outcome o = folder.Run("quit\n", arguments);
    EXPECT_EQ(o.code, 3) << arguments;
    EXPECT_NE(o.err.find(message), std::string::npos) << arguments << "\n" << o.err;
    EXPECT_NE(o.err.find("usage: level9"), std::string::npos) << arguments;
  }
}

TEST(Level9Headless, AScreenOfUnusualDensityStopsTheLevelWithAMessage) {
  GameFolder folder;
  const Outcome o = folder.Run("quit\n", "--dpi 100");
  EXPECT_EQ(o.code, 0);
  EXPECT_TRUE(o.lines.empty());
  EXPECT_NE(o.err.find("message box: Valorne: "), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("100"), std::string::npos) << o.err;
}

TEST(Level9Headless, ShowPrintsTheTopScreenAsJsonEnlargedAt96DotsPerInch) {
  // The objectives' controls, by name, at 96 and at 120 dots per inch.
  auto controls = [](const std::string& dpi) {
    GameFolder folder;
    const Outcome o =
        folder.Run("show\nclick TipsFrm.Image1\nshow Camp1Frm\nquit\n", "--dpi " + dpi);
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.lines.size(), 2u);
    std::map<std::string, testing::JsonValue> by_name;
    if (o.lines.size() != 2) return by_name;
    const auto tips = ParseJson(o.lines[0]);
    EXPECT_EQ(Keys(tips), (std::vector<std::string>{"name", "controls"}));
    EXPECT_EQ(tips.at("name").get<std::string>(), "TipsFrm");
    EXPECT_EQ(ParseJson(o.lines[1]).at("name").get<std::string>(), "Camp1Frm");
    for (const auto& c : tips.at("controls")) by_name.emplace(c.at("name").get<std::string>(), c);
    return by_name;
  };
  const auto large = controls("96");
  const auto plain = controls("120");
  ASSERT_FALSE(plain.empty());
  ASSERT_EQ(large.size(), plain.size());
  int compared = 0;
  for (const auto& [name, c] : plain) {
    for (const char* key : {"width", "height"}) {
      const double drawn = c.at(key).get<double>();
      EXPECT_NEAR(large.at(name).at(key).get<double>(), drawn * 1.25, 0.51) << name << " " << key;
      compared += drawn > 0 ? 1 : 0;
    }
  }
  EXPECT_GT(compared, 4);
}

TEST(Level9Headless, ShotDrawsTheOpenScreensAtTheChosenDisplaySize) {
  GameFolder folder;
  // Ask the display settings for 1024 x 768.
  std::vector<unsigned char> display = ReadBytes(folder.game() / "Optim.rx");
  ASSERT_EQ(display.size(), 23u);
  display[16] = 1;
  WriteBytes(folder.game() / "Optim.rx", display);
  const auto shot = folder.scratch("map.png");
  const Outcome o = folder.Run("click TipsFrm.Image1\nshot " + shot.string() + "\nquit\n");
  ASSERT_EQ(o.code, 0) << o.err;
  const std::vector<unsigned char> png = ReadBytes(shot);
  ASSERT_GT(png.size(), 1000u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
  auto big_endian = [&](std::size_t at) {
    return (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3];
  };
  EXPECT_EQ(big_endian(16), 1024);
  EXPECT_EQ(big_endian(20), 768);
}

TEST(Level9Headless, TheSameSeedGivesTheSameLevel) {
  auto first_save = [](const std::string& arguments) {
    GameFolder folder;
    const Outcome o = folder.Run("quit\n", arguments);
    EXPECT_EQ(o.code, 0) << o.err;
    return ReadBytes(folder.game() / "Save Game" / "FirstSave.s9_");
  };
  const auto a = first_save("--seed 7");
  EXPECT_EQ(a.size(), 792u);
  EXPECT_EQ(a, first_save("--seed 7"));
  EXPECT_NE(a, first_save("--seed 8"));
  EXPECT_EQ(first_save("--rnd 0.25"), first_save("--rnd 0.25"));
}

TEST(Level9Headless, DumpSaveOfAMissingFileFails) {
  GameFolder folder;
  const Outcome o =
      folder.Run("", "--dump-save '" + (folder.game() / "nothing.s9_").string() + "'");
  EXPECT_EQ(o.code, 2);
  EXPECT_FALSE(o.err.empty());
}

}  // namespace
}  // namespace valorne
