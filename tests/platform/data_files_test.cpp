#include "platform/data_files.h"

#include <gtest/gtest.h>

#include "platform/key_names.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::TempDir;
using testing::WriteText;

TEST(DataFiles, PictureNamesBecomeFilesOfTheChosenFolder) {
  TempDir game;
  std::filesystem::create_directories(game / "graphics/high");
  std::filesystem::create_directories(game / "graphics/Low");
  WriteText(game / "graphics/high/MenuTopRes.png", "");
  WriteText(game / "graphics/high/graphic_smallbox.rx", "");
  WriteText(game / "graphics/Low/MapRes.png", "");
  struct Case {
    int depth;
    std::string name;
    std::string file;  // relative to the game folder
  };
  const Case cases[] = {
      {16, "graphic_smallbox.rx", "graphics/high/graphic_smallbox.rx"},  // its own ending
      {16, "menutopres", "graphics/high/MenuTopRes.png"},                // letter case ignored
      {16, "MenuTopRes", "graphics/high/MenuTopRes.png"},
      {8, "mapres", "graphics/Low/MapRes.png"},
      {32, "mapres", "graphics/Low/MapRes.png"},     // any depth but 16 is low
      {16, "keepres", "graphics/high/keepres.png"},  // missing: as written
      {16, "icons.bmp", "graphics/high/icons.bmp"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PictureFile(PictureFolder(game.path(), c.depth), c.name), game / c.file)
        << c.depth << " " << c.name;
  }
}

TEST(DataFiles, SoundsAndPointersFromTheGameFolder) {
  TempDir game;
  std::filesystem::create_directories(game / "Sounds");
  std::filesystem::create_directories(game / "pointers");
  WriteText(game / "Sounds/Music01.wav", "");
  WriteText(game / "pointers/normal01.ico", "");
  EXPECT_EQ(SoundFile(game.path(), "music01.wav"), game / "Sounds/Music01.wav");
  EXPECT_EQ(SoundFile(game.path(), "\\sounds\\music01.wav"), game / "Sounds/Music01.wav");
  EXPECT_EQ(SoundFile(game.path(), "army01.wav"), game / "Sounds/army01.wav");
  EXPECT_EQ(DataFile(game.path(), "\\pointers\\normal01.ico"), game / "pointers/normal01.ico");
  EXPECT_EQ(DataFile(game.path(), "/POINTERS/Normal01.ICO"), game / "pointers/normal01.ico");
}

TEST(KeyNames, GameCodesOfTheNamedKeys) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"Left", 37},
      {"Up", 38},
      {"Right", 39},
      {"Down", 40},
      {"F6", 117},
      {"F7", 118},
      {"F1", 112},
      {"F12", 123},
      {"Return", 13},
      {"Escape", 27},
      {"A", 65},
      {"Z", 90},
      {"0", 48},
      {"F13", std::nullopt},
      {"F0", std::nullopt},
      {"F01", std::nullopt},
      {"a", std::nullopt},
      {"", std::nullopt},
      {"Enter", std::nullopt},
  };
  for (const auto& [name, code] : cases) EXPECT_EQ(KeyCode(name), code) << name;
}

}  // namespace
}  // namespace valorne
