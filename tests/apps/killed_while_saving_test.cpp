// The level killed at random moments while it saves again and again (F6,
// the save dialog, the automatic save at the end of the turn): every save and
// settings file is always a whole record, old or new, and the next start
// clears what the killed write left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "level/settings_files.h"
#include "support/level9_run.h"

namespace valorne {
namespace {

namespace fs = std::filesystem;
using testing::GameFolder;

// Turns the automatic save on in the folder's in-level options.
void AutoSaveOn(const GameFolder& folder) {
  AdvancedOptions options;
  ASSERT_TRUE(ReadAdvancedOptions(folder.game(), options).ok());
  options.AutoSaveOption = kTrue;
  ASSERT_TRUE(WriteAdvancedOptions(folder.game(), options).ok());
}

// A script that saves without end: quick saves, saves through the dialog
// under a few names, and the first turns ended with the automatic save.
std::string SavingScript() {
  std::string script = "click TipsFrm.Image1\n";
  for (int i = 0; i < 400; ++i) {
    script += "key F6 down\nkey F6 up\nclick MsgBoxFrm.OkAniBtn\n";
    script += "save Slot" + std::to_string(i % 3) + "\nclick MsgBoxFrm.OkAniBtn\n";
    if (i < 3) script += "click Camp1Frm.EndTurnBtn\nclick MessagesFrm.OkAniBtn\n";
  }
  return script + "quit\n";
}

// Starts the level on the script and kills it after `delay`.
void RunAndKill(const GameFolder& folder, const fs::path& script, std::chrono::milliseconds delay) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int in = open(script.c_str(), O_RDONLY);
    const int null = open("/dev/null", O_WRONLY);
    dup2(in, 0);
    dup2(null, 1);
    dup2(null, 2);
    const std::string app = folder.game().string();
    execl(VALORNE_LEVEL9, VALORNE_LEVEL9, "--headless", "--app-path", app.c_str(), "--seed", "7",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  std::this_thread::sleep_for(delay);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
}

struct FolderState {
  int saves = 0;        // files ending in ".s9_"
  int temporaries = 0;  // hidden files a write had not finished
};

// Checks that every save and settings file is whole and counts what is there.
FolderState CheckFolder(const fs::path& game) {
  FolderState state;
  for (const fs::path& dir : {game, game / "Save Game"}) {
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      const std::string name = entry.path().filename().string();
      if (name.front() == '.') {
        ++state.temporaries;
      } else if (entry.path().extension() == ".s9_") {
        ++state.saves;
        EXPECT_EQ(fs::file_size(entry.path()), 792u) << name;
      }
    }
  }
  const struct {
    const char* name;
    std::uintmax_t size;
  } settings[] = {{"Optim.rx", kDisplaySettingsSize}, {"Advanced.rx", kAdvancedOptionsSize}};
  for (const auto& s : settings) EXPECT_EQ(fs::file_size(game / s.name), s.size) << s.name;
  Byte request = 1;
  EXPECT_TRUE(ReadNumberFile(game, kLoadRequestFile, request).ok());
  return state;
}

TEST(KilledWhileSaving, EveryFileIsAlwaysWholeAndLeftoversAreCleared) {
  GameFolder folder;
  folder.TurnFadesOff();
  AutoSaveOn(folder);
  const fs::path script = folder.scratch("saving.txt");
  testing::WriteText(script, SavingScript());

  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<int> delay_ms(20, 1500);
  int most_saves = 0;
  for (int round = 0; round < 10; ++round) {
    RunAndKill(folder, script, std::chrono::milliseconds(delay_ms(random)));
    most_saves = std::max(most_saves, CheckFolder(folder.game()).saves);
  }
  EXPECT_GT(most_saves, 1) << "the level saved more than its first save before it was killed";

  // The next start clears what the killed writes left (one is planted in case
  // no kill fell inside a write), and the level plays on.
  testing::WriteText(folder.game() / "Save Game" / ".QuickSave.s9_.tmp-0c0ffe", "half a save");
  const testing::Outcome next = folder.Run("click TipsFrm.Image1\nquit\n");
  EXPECT_EQ(next.code, 0) << next.err;
  EXPECT_EQ(CheckFolder(folder.game()).temporaries, 0);
}

}  // namespace
}  // namespace valorne
