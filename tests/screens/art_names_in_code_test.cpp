// Every picture, sound, pointer and animation the code names by a literal is
// in the built game folder. The sources are read as text (comments removed);
// names put together at run time are not literals: a prefix handed to
// Numbered(...) or followed by "+ std::to_string" is checked with its first
// number ("ArmyRes" -> "ArmyRes1"), a bare suffix after '+' is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/source_text.h"

namespace valorne {
namespace {

namespace fs = std::filesystem;

const fs::path kGameFolder = VALORNE_GAME_DIR;
const fs::path kSource = fs::path(VALORNE_SOURCE_DIR) / "src";

// Files the game writes or reads beside itself, not art.
const std::set<std::string> kNotArt = {
    "Advanced.rx", "LGame.rx", "Optim.rx", "Options.rx", "camp.rx", "levelinfo.rx", "introdata.rx",
    "menudata.rx", "splash.rx",
    // the battle exchange and the battle program
    "Fight_in.rx", "Fight_out.rx", "fight_status.rx", "battledata.rx"};

enum class Use { kWhole, kPrefix, kSkip };

struct Found {
  std::string name;
  Use use;
  std::string where;
};

char PreviousNonSpace(const std::string& text, std::size_t at) {
  while (at > 0 && std::isspace(static_cast<unsigned char>(text[at - 1]))) --at;
  return at == 0 ? '\0' : text[at - 1];
}

// Whether the literal at `at` sits inside the argument list of Numbered(...)
// on its own line.
bool InsideNumbered(const std::string& text, std::size_t at) {
  const std::size_t line = text.rfind('\n', at);
  const std::size_t call = text.rfind("Numbered(", at);
  if (call == std::string::npos || (line != std::string::npos && call < line)) return false;
  int depth = 0;
  for (std::size_t i = call + std::string("Numbered").size(); i < at; ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')') --depth;
  }
  return depth > 0;
}

bool LooksLikeArt(const std::string& name, bool picture_field) {
  static const std::regex kFile(R"(^[A-Za-z0-9_ ]+\.(wav|ico|rx)$)");
  static const std::regex kResource(R"(^[A-Za-z][A-Za-z0-9_]*(Res|res)[0-9]*(_hover)?$)");
  return std::regex_match(name, kFile) || std::regex_match(name, kResource) ||
         (picture_field && !name.empty());
}

std::vector<Found> LiteralsIn(const fs::path& file) {
  const std::string text = SourceWithoutComments(file);
  static const std::regex kLiteral(R"re("((?:[^"\\\n]|\\.)*)")re");
  std::vector<Found> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kLiteral);
       it != std::sregex_iterator(); ++it) {
    const std::size_t at = static_cast<std::size_t>(it->position(0));
    std::string name = (*it)[1].str();
    const std::size_t slash = name.rfind('\\');  // "\\pointers\\normal01.ico"
    if (slash != std::string::npos) name = name.substr(slash + 1);
    const std::string before = text.substr(at >= 24 ? at - 24 : 0, at >= 24 ? 24 : at);
    const bool picture_field = std::regex_search(before, std::regex(R"(picture\s*=\s*$)"));
    if (!LooksLikeArt(name, picture_field) || kNotArt.count(name)) continue;
    const std::size_t after = at + static_cast<std::size_t>(it->length(0));
    const std::string rest = text.substr(after, 40);
    Use use = Use::kWhole;
    if (PreviousNonSpace(text, at) == '+') {
      use = Use::kSkip;
    } else if (InsideNumbered(text, at) ||
               std::regex_search(rest, std::regex(R"(^\s*\+\s*std::to_string)"))) {
      use = Use::kPrefix;
    } else if (std::regex_search(rest, std::regex(R"(^\s*\+)"))) {
      use = Use::kSkip;
    }
    const auto line = std::count(text.begin(), text.begin() + static_cast<long>(at), '\n') + 1;
    found.push_back({name, use, fs::relative(file, kSource).string() + ":" + std::to_string(line)});
  }
  return found;
}

// Where the game folder keeps a name of this kind.
std::vector<fs::path> PlacesFor(const std::string& name) {
  auto ends = [&](std::string_view tail) { return name.ends_with(tail); };
  if (ends(".wav")) return {kGameFolder / "sounds" / name};
  if (ends(".ico")) return {kGameFolder / "pointers" / name};
  if (ends(".rx")) return {kGameFolder / "anim" / name, kGameFolder / "graphics/high" / name};
  return {kGameFolder / "graphics/high" / (name + ".png")};
}

bool InGameFolder(const std::string& name) {
  for (const fs::path& p : PlacesFor(name)) {
    if (fs::exists(p)) return true;
  }
  return false;
}

TEST(ArtNamesInCode, EveryNamedPictureAndSoundIsInTheGameFolder) {
  ASSERT_TRUE(fs::is_directory(kGameFolder / "graphics/high")) << kGameFolder;
  std::map<std::string, std::string> missing;  // name -> first place that uses it
  int checked = 0;
  for (const fs::path& file : GameSourceFiles()) {
    for (const Found& f : LiteralsIn(file)) {
      if (f.use == Use::kSkip) continue;
      const std::string wanted = f.use == Use::kPrefix ? f.name + "1" : f.name;
      ++checked;
      if (!InGameFolder(wanted)) missing.emplace(wanted, f.where);
    }
  }
  EXPECT_GT(checked, 50) << "the scan found too few names; is the source folder right?";
  std::string list;
  for (const auto& [name, where] : missing) list += "\n  " + name + "  (" + where + ")";
  EXPECT_TRUE(missing.empty()) << missing.size() << " names used in the code are not in "
                               << kGameFolder << ":" << list;
}

// The scanner itself: what it takes as a name, a prefix, or leaves alone.
TEST(ArtNamesInCode, ScannerTellsWholeNamesPrefixesAndSuffixes) {
  const fs::path dir = fs::temp_directory_path() / "valorne_art_names_scan";
  fs::create_directories(dir);
  const fs::path file = dir / "sample.cpp";
  {
    std::ofstream out(file);
    out << "// \"CommentRes\" and \"comment.wav\" are not used\n"
           "const char* a = \"click01.wav\";\n"
           "ControlSpec s{.picture = \"mapres\", .hover_picture = \"OkAniBtn_hover\"};\n"
           "auto b = Numbered(x ? \"VillageBurntRes\" : \"VillageRes\", k);\n"
           "auto c = \"ArmyWalkRes\" + std::to_string(i);\n"
           "auto d = name + \"WalkRes\";\n"
           "auto e = \"\\\\pointers\\\\normal01.ico\";\n"
           "auto f = \"Advanced.rx\"; auto g = \"SomeLabel\";\n";
  }
  std::map<std::string, Use> got;
  for (const Found& f : LiteralsIn(file)) got[f.name] = f.use;
  fs::remove_all(dir);
  const std::map<std::string, Use> want = {
      {"click01.wav", Use::kWhole},    {"mapres", Use::kWhole},
      {"OkAniBtn_hover", Use::kWhole}, {"VillageBurntRes", Use::kPrefix},
      {"VillageRes", Use::kPrefix},    {"ArmyWalkRes", Use::kPrefix},
      {"WalkRes", Use::kSkip},         {"normal01.ico", Use::kWhole},
  };
  EXPECT_EQ(got, want);
}

}  // namespace
}  // namespace valorne
