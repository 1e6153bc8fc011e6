// On a machine without a display the level and the programs beside it say
// so in one line, point to --headless, and end with an error at once instead
// of running in a window nobody can see.
#include <gtest/gtest.h>

#include <chrono>

#include "support/level9_run.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::ReadText;

TEST(NoDisplay, EveryProgramSaysSoAndEnds) {
  const std::string game_dir = VALORNE_GAME_DIR;
  const char* programs[] = {"level9", "menudata.rx", "splash.rx", "introdata.rx"};
  GameFolder folder;
  // The campaign's record the menu reads first, so that its only line is
  // the one about the display.
  std::filesystem::copy_file(game_dir + "/camp.rx", folder.game() / "camp.rx");
  for (const char* program : programs) {
    // No X11, no Wayland, and no driver asked for by name: SDL would fall
    // back to drawing where nobody sees it.
    const std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 30 '" +
        game_dir + "/" + program + "' --app-path '" + folder.game().string() + "' < /dev/null > '" +
        folder.scratch("out.txt").string() + "' 2> '" + folder.scratch("err.txt").string() + "'";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    ASSERT_TRUE(WIFEXITED(status)) << program;
    EXPECT_EQ(WEXITSTATUS(status), 1) << program << " (124 means it ran on unseen)";
    EXPECT_LT(seconds.count(), 10.0) << program;
    const std::string err = ReadText(folder.scratch("err.txt"));
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << program << ":\n" << err;
    EXPECT_NE(err.find("no display"), std::string::npos) << program << ": " << err;
    EXPECT_NE(err.find("--headless"), std::string::npos) << program << ": " << err;
    EXPECT_EQ(ReadText(folder.scratch("out.txt")), "") << program;
  }
}

}  // namespace
}  // namespace valorne
