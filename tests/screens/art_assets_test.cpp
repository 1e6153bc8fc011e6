// The generated data set in the game folder: every file of the asset list is
// there and is what it claims to be (PNG sizes, WAV and ICO headers).
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "../../tools/make_art/asset_names.h"
#include "screens/map_layout.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

namespace fs = std::filesystem;
using assets::Asset;
using assets::Kind;
using Bytes = std::vector<unsigned char>;

const fs::path kGame = VALORNE_GAME_DIR;

std::uint32_t Be32(const Bytes& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
         (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}
std::uint32_t Le32(const Bytes& b, std::size_t at) {
  return b[at] | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
         (std::uint32_t{b[at + 3]} << 24);
}
std::uint16_t Le16(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

struct PngSize {
  std::uint32_t width = 0, height = 0;
};

// The picture's size from its IHDR chunk; fails the test for anything else.
PngSize ReadPngSize(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  Bytes b(33);
  in.read(reinterpret_cast<char*>(b.data()), 33);
  b.resize(static_cast<std::size_t>(in.gcount()));
  static const unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (b.size() < 33 || !std::equal(std::begin(kSignature), std::end(kSignature), b.begin()) ||
      std::string(b.begin() + 12, b.begin() + 16) != "IHDR") {
    ADD_FAILURE() << file << " is not a PNG";
    return {};
  }
  return {Be32(b, 16), Be32(b, 20)};
}

fs::path LowPath(const Asset& a) {
  std::string high = assets::GamePath(a);
  return kGame / ("graphics/low/" + high.substr(std::string("graphics/high/").size()));
}

TEST(ArtAssets, EveryListedFileIsInTheGameFolder) {
  std::set<std::string> names;
  for (const Asset& a : assets::kAssets) {
    EXPECT_TRUE(names.insert(std::string(a.name)).second) << a.name << " is listed twice";
    std::vector<fs::path> files = {kGame / assets::GamePath(a)};
    if (a.kind == Kind::kPicture) files.push_back(LowPath(a));
    for (const fs::path& f : files) {
      ASSERT_TRUE(fs::exists(f)) << f;
      EXPECT_GT(fs::file_size(f), 0u) << f;
    }
  }
  EXPECT_EQ(assets::GamePath({"graphic_caption.rx", Kind::kPicture, 1}),
            "graphics/high/graphic_caption.rx");
  EXPECT_EQ(assets::GamePath({"mapres", Kind::kPicture, 1}), "graphics/high/mapres.png");
}

TEST(ArtAssets, PicturesAndAnimationsHaveTheirSizes) {
  for (const Asset& a : assets::kAssets) {
    if (a.kind != Kind::kPicture && a.kind != Kind::kAnim) continue;
    PngSize size = ReadPngSize(kGame / assets::GamePath(a));
    ASSERT_GT(size.width, 0u) << a.name;
    ASSERT_GT(size.height, 0u) << a.name;
    if (a.kind == Kind::kAnim) {
      EXPECT_EQ(size.width, size.height * static_cast<std::uint32_t>(a.frames))
          << a.name << ": square frames";
    } else {
      EXPECT_EQ(size.width % static_cast<std::uint32_t>(a.frames), 0u)
          << a.name << ": equal frames";
      PngSize low = ReadPngSize(LowPath(a));
      EXPECT_EQ(low.width, size.width) << a.name;
      EXPECT_EQ(low.height, size.height) << a.name;
    }
  }
}

TEST(ArtAssets, PicturesFitTheMapLayoutAndTheScreens) {
  MapLayout m = LoadMapLayout(kGame / "maps/camp1.map");
  auto size = [](const std::string& name) {
    return ReadPngSize(kGame / ("graphics/high/" + name));
  };
  struct Expect {
    std::string file;
    std::uint32_t width, height;
  };
  auto rect = [&](const std::string& object) {
    const MapRect& r = m.objects.at(object).rect;
    return std::pair{static_cast<std::uint32_t>(r.width), static_cast<std::uint32_t>(r.height)};
  };
  std::vector<Expect> expected = {
      {"mapres.png", static_cast<std::uint32_t>(m.width), static_cast<std::uint32_t>(m.height)},
      {"menutopres.png", static_cast<std::uint32_t>(m.top_bar_size.x),
       static_cast<std::uint32_t>(m.top_bar_size.y)},
      {"menubottomres.png", static_cast<std::uint32_t>(m.bottom_bar_size.x),
       static_cast<std::uint32_t>(m.bottom_bar_size.y)},
      {"mappreviewres.png", 576, 432},
      {"PreviewMarkRes.png", 16 * 24, 24},
      // The map's life: strips of square frames.
      {"BirdsAnimRes.png", 8 * 64, 64},
      {"FishAnimRes.png", 8 * 32, 32},
      {"SmokeAnimRes.png", 8 * 40, 40},
      {"MapFireRes.png", 8 * 32, 32},
      {"ChestGlintRes.png", 6 * 24, 24},
      {"endturnres.png", 156, 39},
      {"graphic_smallbox.rx", 320, 240},
      {"graphic_normalbox.rx", 480, 360},
      {"graphic_largebox.rx", 640, 480},
      {"graphic_scrollbox.rx", 400, 520},
      {"graphic_caption.rx", 360, 48},
      {"graphic_objectives.rx", 640, 480},
      {"graphic_objectivesframe.rx", 800, 600},
      {"iconsres.png", 24 * 32, 32},
      {"ArmyWalkRes1.png", 24 * 48, 48},
  };
  // The turning windmill: square frames as tall as the windmill; the
  // waterfall's water: square frames a little taller than the fall.
  const std::uint32_t mill = rect("WindmillImg1").second;
  expected.push_back({"WindmillAnimRes.png", 8 * mill, mill});
  for (const MapTerrain& fall : m.TerrainOf("waterfall")) {
    const auto side = static_cast<std::uint32_t>(fall.values[3] + 8);
    expected.push_back({"WaterfallAnimRes.png", 6 * side, side});
  }
  for (int n = 1; n <= 17; ++n)
    expected.push_back({"sold" + std::to_string(n) + "res.png", 120, 150});
  const std::pair<const char*, const char*> kOnMap[] = {
      {"VillageRes1", "VillageImg1"},  {"VillageBurntRes3", "VillageImg3"},
      {"WindmillRes", "WindmillImg1"}, {"EmptyRes", "FieldImg1"},
      {"FloodRes", "FieldImg7"},       {"CastleRes", "WarBuilding"},
      {"KeepRes", "WarBuilding"},      {"ChapelRes", "ChapelImg1"},
      {"ADolmenRes", "ADolmenImg1"},   {"EnemyCampRes1", "EnemyCamp1Img"},
      {"ArmyRes1", "ArmyCamp1Img"},    {"GarryRes", "GarryImg"}};
  for (auto [picture, object] : kOnMap) {
    auto [w, h] = rect(object);
    expected.push_back({std::string(picture) + ".png", w, h});
  }
  for (const auto& [name, r] : m.bottom_bar) {
    if (name.ends_with("Btn"))
      for (const char* tail : {".png", "_hover.png"})
        expected.push_back({name + tail, static_cast<std::uint32_t>(r.width),
                            static_cast<std::uint32_t>(r.height)});
  }
  for (const Expect& e : expected) {
    PngSize s = size(e.file);
    EXPECT_EQ(s.width, e.width) << e.file;
    EXPECT_EQ(s.height, e.height) << e.file;
  }
}

TEST(ArtAssets, SoundsAreShortMonoPcmWaves) {
  for (const Asset& a : assets::kAssets) {
    if (a.kind != Kind::kSound) continue;
    Bytes b = testing::ReadBytes(kGame / assets::GamePath(a));
    ASSERT_GE(b.size(), 46u) << a.name;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << a.name;
    EXPECT_EQ(Le32(b, 4), b.size() - 8) << a.name;
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << a.name;
    EXPECT_EQ(Le16(b, 20), 1) << a.name << ": PCM";
    EXPECT_EQ(Le16(b, 22), 1) << a.name << ": mono";
    EXPECT_EQ(Le32(b, 24), 22050u) << a.name;
    EXPECT_EQ(Le16(b, 34), 16) << a.name;
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << a.name;
    std::uint32_t data = Le32(b, 40);
    EXPECT_EQ(data, b.size() - 44) << a.name;
    double seconds = data / 2.0 / 22050.0;
    bool music = a.name == "music01.wav";
    EXPECT_GE(seconds, music ? 30.0 : 0.02) << a.name;
    EXPECT_LE(seconds, music ? 60.0 : 10.0) << a.name;
    // Not silence: some sample reaches a tenth of full scale.
    int loudest = 0;
    for (std::size_t k = 44; k + 1 < b.size(); k += 2)
      loudest =
          std::max(loudest, std::abs(static_cast<int>(static_cast<std::int16_t>(Le16(b, k)))));
    EXPECT_GT(loudest, 3276) << a.name;
  }
}

TEST(ArtAssets, PointersAreIconsWithA32BitBitmap) {
  for (const Asset& a : assets::kAssets) {
    if (a.kind != Kind::kPointer) continue;
    Bytes b = testing::ReadBytes(kGame / assets::GamePath(a));
    ASSERT_GE(b.size(), 22u + 40u + 32 * 32 * 4 + 32 * 4) << a.name;
    EXPECT_EQ(Le16(b, 0), 0) << a.name;
    EXPECT_EQ(Le16(b, 2), 1) << a.name << ": an icon";
    EXPECT_EQ(Le16(b, 4), 1) << a.name << ": one image";
    EXPECT_EQ(b[6], 32) << a.name;
    EXPECT_EQ(b[7], 32) << a.name;
    EXPECT_EQ(Le16(b, 12), 32) << a.name << ": bits per pixel";
    std::uint32_t bytes = Le32(b, 14), offset = Le32(b, 18);
    EXPECT_EQ(offset + bytes, b.size()) << a.name;
    EXPECT_EQ(Le32(b, offset), 40u) << a.name << ": BITMAPINFOHEADER";
    EXPECT_EQ(Le32(b, offset + 4), 32u) << a.name;
    EXPECT_EQ(Le32(b, offset + 8), 64u) << a.name << ": colour and mask rows";
    EXPECT_EQ(Le16(b, offset + 14), 32) << a.name;
  }
}

TEST(ArtAssets, TheWholeSetStaysSmall) {
  std::uintmax_t total = 0;
  for (const char* dir : {"graphics", "sounds", "anim", "pointers"})
    for (const auto& e : fs::recursive_directory_iterator(kGame / dir))
      if (e.is_regular_file()) total += e.file_size();
  EXPECT_LT(total, 100u * 1024 * 1024);
}

}  // namespace
}  // namespace valorne
