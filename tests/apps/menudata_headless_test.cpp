// The title menu as a program: the files it repairs and creates, the files a
// new or continued game leaves for the level, and the display record it
// writes, byte for byte.
#include <gtest/gtest.h>

#include <map>

#include "support/campaign_run.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::Outcome;
using testing::ReadBytes;
using testing::ReadText;
using testing::RunCampaignProgram;
using testing::WriteBytes;
using testing::WriteText;
using Bytes = std::vector<unsigned char>;

constexpr unsigned char kOn = 0xFF;

Bytes DefaultDisplay() {
  Bytes b(23, 0);
  b[17] = 16;
  return b;
}

// A record with the fields the menu does not show set, which it must keep.
Bytes PlayersDisplay() {
  Bytes b = DefaultDisplay();
  b[0] = 1, b[1] = 2;  // DisplaySetting1
  b[18] = 7;           // DisplaySetting9
  b[22] = 5;           // DisplaySetting12
  return b;
}

TEST(MenuProgram, FilesAfterTheMenu) {
  Bytes every_box_changed = PlayersDisplay();
  every_box_changed[2] = every_box_changed[3] = kOn;    // FadesOff
  every_box_changed[8] = every_box_changed[9] = kOn;    // StandardPointer
  every_box_changed[12] = every_box_changed[13] = kOn;  // SoundOff
  every_box_changed[16] = 1;                            // 1024 x 768
  every_box_changed[17] = 8;                            // low-colour pictures
  every_box_changed[19] = every_box_changed[20] = kOn;  // FadeSurfacesOff
  Bytes forced = PlayersDisplay();
  forced[14] = forced[15] = kOn;  // Force1024: the size shown is 1024 x 768
  Bytes forced_then_chosen = PlayersDisplay();
  forced_then_chosen[16] = 2;  // the next size after 1024 x 768, no longer forced

  struct Case {
    const char* what;
    std::map<std::string, std::string> files_before;  // "" removes the file
    std::optional<std::string> script;                // none: no input at all
    std::map<std::string, std::string> text_after;
    std::optional<Bytes> optim_before, optim_after;
    std::vector<std::string> told;  // parts of standard error
    bool starts_level;
  };
  const std::string display = "click TitleFrm.DisplayLbl\n";
  const Case cases[] = {
      {"a new campaign folder gets its progress files",
       {{"levelinfo.rx", ""}},
       std::nullopt,
       {{"levelinfo.rx", "9\r\n"}, {"camp.rx", "9\r\n"}},
       std::nullopt,
       std::nullopt,
       {"levelinfo.rx", "camp.rx", "the default is written in its place"},
       false},
      {"damaged settings are replaced by the defaults",
       {{"Options.rx", "x\r\n"}, {"camp.rx", "10\r\n"}},
       std::nullopt,
       {{"Options.rx", "2\r\n"}, {"camp.rx", "10\r\n"}, {"levelinfo.rx", "9\r\n"}},
       Bytes(5, 1),
       DefaultDisplay(),
       {"Optim.rx", "5 bytes", "Options.rx"},
       false},
      {"a new hard game",
       {{"LGame.rx", "1\r\n"}, {"camp.rx", "9\r\n"}},
       "click TitleFrm.NewGameLbl\nclick TitleFrm.HardLbl\n",
       {{"Options.rx", "3\r\n"}, {"LGame.rx", "0\r\n"}},
       PlayersDisplay(),
       PlayersDisplay(),
       {},
       true},
      {"continuing asks the level to open its load dialog",
       {{"Save Game/Mine.s9_", std::string(792, '\0')}, {"camp.rx", "9\r\n"}},
       "click TitleFrm.ContinueLbl\n",
       {{"Options.rx", "2\r\n"}, {"LGame.rx", "1\r\n"}},
       std::nullopt,
       std::nullopt,
       {},
       true},
      {"nothing to continue",
       {{"camp.rx", "9\r\n"}},
       "click TitleFrm.ContinueLbl\nclick TitleFrm.QuitLbl\n",
       {{"LGame.rx", "0\r\n"}},
       std::nullopt,
       std::nullopt,
       {},
       false},
      {"every display setting changed and confirmed",
       {{"camp.rx", "9\r\n"}},
       display +
           "click TitleFrm.ScreenSizeLbl\nclick TitleFrm.ColourOption\nclick TitleFrm.FadesOption\n"
           "click TitleFrm.SoundOption\nclick TitleFrm.PointerOption\nclick "
           "TitleFrm.OkAniBtn\nquit\n",
       {},
       PlayersDisplay(),
       every_box_changed,
       {},
       false},
      {"a size chosen is no longer forced",
       {{"camp.rx", "9\r\n"}},
       display + "click TitleFrm.ScreenSizeLbl\nclick TitleFrm.OkAniBtn\nquit\n",
       {},
       forced,
       forced_then_chosen,
       {},
       false},
      {"changes left with Back are not written",
       {{"camp.rx", "9\r\n"}},
       display + "click TitleFrm.SoundOption\nclick TitleFrm.BackBtn\nquit\n",
       {},
       PlayersDisplay(),
       PlayersDisplay(),
       {},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameFolder folder;
    for (const auto& [name, text] : c.files_before) {
      std::filesystem::create_directories((folder.game() / name).parent_path());
      if (text.empty()) {
        std::filesystem::remove(folder.game() / name);
      } else {
        WriteText(folder.game() / name, text);
      }
    }
    if (c.optim_before) WriteBytes(folder.game() / "Optim.rx", *c.optim_before);
    const Outcome o = RunCampaignProgram(folder, "menudata.rx", c.script);
    EXPECT_EQ(o.code, 0) << o.err;
    for (const auto& [name, text] : c.text_after)
      EXPECT_EQ(ReadText(folder.game() / name), text) << name;
    if (c.optim_after) {
      EXPECT_EQ(ReadBytes(folder.game() / "Optim.rx"), *c.optim_after);
    }
    for (const std::string& part : c.told) EXPECT_NE(o.err.find(part), std::string::npos) << o.err;
    if (c.told.empty()) {
      EXPECT_EQ(o.err.find("default"), std::string::npos) << o.err;
    }
    EXPECT_EQ(o.err.find("menudata.rx: started level9") != std::string::npos, c.starts_level)
        << o.err;
  }
}

TEST(MenuProgram, ShowsTheCampaignsProgressAndWhyNothingCanBeContinued) {
  struct Case {
    std::string levelinfo, camp, script;
    std::string shown;  // a part of the `show` line
  };
  const Case cases[] = {
      {"9\r\n", "9\r\n", "show TitleFrm\nquit\n", "The campaign has reached level 9."},
      {"10\r\n", "10\r\n", "show TitleFrm\nquit\n", "the campaign goes on at level 10"},
      {"8\r\n", "8\r\n", "show TitleFrm\nquit\n", "is not open to it yet"},
      {"9\r\n", "9\r\n", "click TitleFrm.ContinueLbl\nshow TitleFrm\nquit\n",
       "No game of this county has been saved yet."},
      {"9\r\n", "9\r\n", "click TitleFrm.NewGameLbl\nshow TitleFrm\nquit\n",
       "Your last game was Normal."},
  };
  for (const Case& c : cases) {
    GameFolder folder;
    WriteText(folder.game() / "levelinfo.rx", c.levelinfo);
    WriteText(folder.game() / "camp.rx", c.camp);
    const Outcome o = RunCampaignProgram(folder, "menudata.rx", c.script);
    EXPECT_EQ(o.code, 0) << o.err;
    ASSERT_EQ(o.lines.size(), 1u) << o.err;
    EXPECT_NE(o.lines[0].find(c.shown), std::string::npos) << o.lines[0];
  }
}

}  // namespace
}  // namespace valorne
