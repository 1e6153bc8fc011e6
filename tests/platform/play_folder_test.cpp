// An installed game folder the player cannot write to is played from a
// twin under the player's data home: settings copied once, the rest linked.
#include "platform/play_folder.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_dir.h"

namespace valorne {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

TEST(PlayFolder, AFolderThatCannotBeWrittenGetsATwinInTheUsersFolder) {
  TempDir dir;
  const fs::path installed = dir.path() / "share" / "valorne";
  fs::create_directories(installed / "graphics");
  WriteText(installed / "Optim.rx", "display");
  WriteText(installed / "graphics" / "map.png", "picture");
  WriteText(installed / "menudata.rx", "program");
  fs::permissions(installed / "menudata.rx", fs::perms::owner_exec, fs::perm_options::add);
  const fs::path user = dir.path() / "home" / "valorne";

  struct Case {
    const char* what;
    bool writable;
    std::optional<fs::path> user;
    fs::path chosen;
    const char* told;  // a part of the one line told
  };
  const Case cases[] = {
      {"writable: as it is", true, user, installed, ""},
      {"not writable: the twin", false, user, user, "saves and settings are kept in"},
      {"no home: as it is, said", false, std::nullopt, installed, "the game cannot be saved"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::ostringstream told;
    EXPECT_EQ(ChoosePlayFolder(installed, c.writable, c.user, "level9", told), c.chosen);
    const std::string line = told.str();
    if (*c.told) {
      EXPECT_NE(line.find(c.told), std::string::npos) << line;
      EXPECT_EQ(line.rfind("level9: ", 0), 0u);
      EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    } else {
      EXPECT_EQ(line, "");
    }
  }
  // The settings are the player's copy; pictures and programs are links.
  EXPECT_FALSE(fs::is_symlink(user / "Optim.rx"));
  EXPECT_TRUE(fs::is_symlink(user / "graphics"));
  EXPECT_TRUE(fs::is_symlink(user / "menudata.rx"));
  EXPECT_EQ(ReadText(user / "graphics" / "map.png"), "picture");
  // A second start keeps what the player changed.
  WriteText(user / "Optim.rx", "changed");
  std::ostringstream again;
  EXPECT_EQ(ChoosePlayFolder(installed, false, user, "level9", again), user);
  EXPECT_EQ(ReadText(user / "Optim.rx"), "changed");
  EXPECT_EQ(ReadText(installed / "Optim.rx"), "display");
}

TEST(PlayFolder, WritabilityAndTheUsersDataHome) {
  TempDir dir;
  EXPECT_TRUE(FolderIsWritable(dir.path()));
  EXPECT_FALSE(FolderIsWritable(dir.path() / "no" / "such"));
  EXPECT_TRUE(fs::is_empty(dir.path())) << "the probe is cleared away";
  setenv("XDG_DATA_HOME", "/data/home", 1);
  EXPECT_EQ(UserGameFolder(), fs::path("/data/home/valorne"));
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", "/home/lord", 1);
  EXPECT_EQ(UserGameFolder(), fs::path("/home/lord/.local/share/valorne"));
}

}  // namespace
}  // namespace valorne
