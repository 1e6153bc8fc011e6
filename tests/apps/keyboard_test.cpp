// The keys through the real level: Escape and Return on the screens, the
// map's command keys and their hover help, and F12's screenshot.
#include <gtest/gtest.h>

#include "support/level9_run.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::Outcome;
using testing::ReadBytes;

std::string Press(const std::string& key) {
  return "key " + key + " down\nkey " + key + " up\n";
}

TEST(Keyboard, EscapeReturnAndTheMapsCommandKeys) {
  struct Step {
    std::string keys;
    std::string forms;  // the open screens after the keys
  };
  const Step steps[] = {
      {Press("Return"), R"(["Camp1Frm"])"},              // the objectives close
      {Press("W"), R"(["Camp1Frm", "WeatherFrm"])"},     // a command key
      {Press("Escape"), R"(["Camp1Frm"])"},              // its OK is its close
      {Press("T"), R"(["Camp1Frm", "TaxFrm"])"},         //
      {Press("Return"), R"(["Camp1Frm"])"},              // its OK
      {Press("Escape"), R"(["Camp1Frm", "MenuFrm"])"},   // the map's Escape: the menu
      {Press("Escape"), R"(["Camp1Frm"])"},              // and back
      {Press("V"), R"(["Camp1Frm", "MapPreviewFrm"])"},  //
      {Press("Escape"), R"(["Camp1Frm"])"},              // no menu behind it
      {Press("A"), R"(["Camp1Frm"])"},                   // no barracks yet: refused
      {Press("Q"), R"(["Camp1Frm"])"},                   // no command
  };
  std::string script;
  for (const Step& s : steps) script += s.keys + "forms\n";
  script += "quit\n";
  GameFolder folder;
  const Outcome o = folder.Run(script);
  ASSERT_EQ(o.code, 0) << o.err;
  ASSERT_EQ(o.lines.size(), std::size(steps));
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    EXPECT_EQ(o.lines[i], steps[i].forms) << "step " << i << ": " << steps[i].keys;
  }
}

TEST(Keyboard, HoverHelpNamesTheCommandsKey) {
  GameFolder folder;
  const Outcome o = folder.Run(
      "click TipsFrm.Image1\nmove Camp1Frm.TaxBtn\nshow\nmove Camp1Frm.WeatherBtn\nshow\nquit\n");
  ASSERT_EQ(o.code, 0) << o.err;
  ASSERT_EQ(o.lines.size(), 2u);
  EXPECT_NE(o.lines[0].find("  [T]"), std::string::npos) << o.lines[0].substr(0, 400);
  EXPECT_NE(o.lines[1].find("  [W]"), std::string::npos);
  EXPECT_EQ(o.lines[1].find("  [T]"), std::string::npos);
}

// Width and height of a PNG file, from its header.
std::pair<int, int> PngSize(const std::vector<unsigned char>& bytes) {
  const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() < 24 || !std::equal(std::begin(signature), std::end(signature), bytes.begin()))
    return {0, 0};
  auto word = [&](int at) {
    return bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
  };
  return {word(16), word(20)};
}

TEST(Keyboard, F12SavesAPictureOfTheWindowBesideTheSaves) {
  GameFolder folder;
  const std::string shot = folder.scratch("shot.png").string();
  const Outcome o = folder.Run("click TipsFrm.Image1\n" + Press("F12") + Press("F12") + "shot " +
                               shot + "\nquit\n");
  ASSERT_EQ(o.code, 0) << o.err;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder.game() / "Screenshots")) {
    files.push_back(entry.path());
  }
  // Two in the same second are both kept.
  ASSERT_EQ(files.size(), 2u);
  const auto window = PngSize(ReadBytes(shot));
  EXPECT_GT(window.first, 0);
  for (const auto& file : files) {
    EXPECT_EQ(file.filename().string().rfind("Valorne 20", 0), 0u) << file;
    EXPECT_EQ(file.extension(), ".png");
    EXPECT_EQ(PngSize(ReadBytes(file)), window) << file;
    EXPECT_EQ(ReadBytes(file), ReadBytes(shot)) << "the same picture as the shot command's";
  }
}

}  // namespace
}  // namespace valorne
