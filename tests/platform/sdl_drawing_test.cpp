#include <gtest/gtest.h>

#include "platform/sdl/offscreen_canvas.h"
#include "platform/sdl/sdl_sound.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::ReadBytes;
using testing::TempDir;

// Width and height from a PNG's header.
Size PngSize(const std::filesystem::path& file) {
  const std::vector<unsigned char> bytes = ReadBytes(file);
  if (bytes.size() < 24 || bytes[1] != 'P' || bytes[2] != 'N' || bytes[3] != 'G') return {};
  auto big_endian = [&](std::size_t at) {
    return (bytes[at] << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3];
  };
  return {big_endian(16), big_endian(20)};
}

// A 40x20 picture: red on the left half, blue on the right.
void WriteTwoColourPicture(const std::filesystem::path& file) {
  OffscreenCanvas picture({40, 20});
  ASSERT_TRUE(picture.ok()) << picture.error();
  picture.canvas().Fill({0, 0, 20, 20}, Rgb(255, 0, 0));
  picture.canvas().Fill({20, 0, 20, 20}, Rgb(0, 0, 255));
  std::filesystem::create_directories(file.parent_path());
  ASSERT_EQ(picture.SavePng(file), "");
}

TEST(SdlCanvas, PicturesAreFoundByNameAndDrawnStretched) {
  TempDir game;
  WriteTwoColourPicture(game / "graphics/high/flagres.png");
  std::filesystem::copy_file(game / "graphics/high/flagres.png", game / "graphics/high/frame.rx");
  OffscreenCanvas out({100, 50});
  ASSERT_TRUE(out.ok());
  out.canvas().SetPictureFolder(game / "graphics/high");
  EXPECT_EQ(out.canvas().PictureSize("flagres"), (Size{40, 20}));
  EXPECT_TRUE(out.canvas().Picture("flagres", {0, 0, 80, 40}));
  EXPECT_TRUE(out.canvas().Picture("frame.rx", {80, 0, 20, 10}, {.source = Rect{20, 0, 20, 20}}));
  EXPECT_EQ(out.PixelAt(10, 10), Rgb(255, 0, 0));
  EXPECT_EQ(out.PixelAt(70, 30), Rgb(0, 0, 255));
  EXPECT_EQ(out.PixelAt(85, 5), Rgb(0, 0, 255));  // only the blue half of frame.rx
  EXPECT_EQ(out.PixelAt(50, 45), Rgb(0, 0, 0));   // below the picture
}

// A picture of one colour, of a given size.
void WritePlainPicture(const std::filesystem::path& file, Size size, Colour colour) {
  OffscreenCanvas picture(size);
  ASSERT_TRUE(picture.ok()) << picture.error();
  picture.canvas().Fill({0, 0, size.width, size.height}, colour);
  std::filesystem::create_directories(file.parent_path());
  ASSERT_EQ(picture.SavePng(file), "");
}

TEST(SdlCanvas, LargePicturesAWholeFrameDidNotDrawAreLetGoAndReadAgain) {
  TempDir game;
  const std::filesystem::path folder = game / "graphics/high";
  WritePlainPicture(folder / "backres.png", {400, 300}, Rgb(0, 128, 0));  // 480 KB drawn
  WritePlainPicture(folder / "iconres.png", {32, 32}, Rgb(200, 0, 0));
  OffscreenCanvas out({400, 300});
  ASSERT_TRUE(out.ok());
  SdlCanvas& canvas = out.canvas();
  canvas.SetPictureFolder(folder);
  struct Frame {
    const char* what;
    std::vector<std::string> drawn;
    std::size_t kept;  // pictures loaded after the frame
  };
  const Frame frames[] = {
      {"both drawn: both kept", {"backres", "iconres"}, 2},
      {"neither drawn: the small one stays", {}, 1},
      {"the large one again: read again", {"backres"}, 2},
  };
  for (const Frame& f : frames) {
    SCOPED_TRACE(f.what);
    canvas.StartWholeFrame();
    canvas.Clear(kBlack);
    for (const std::string& name : f.drawn) EXPECT_TRUE(canvas.Picture(name, {0, 0, 400, 300}));
    canvas.EndWholeFrame();
    EXPECT_EQ(canvas.PictureCount(), f.kept);
  }
  EXPECT_EQ(out.PixelAt(200, 150), Rgb(0, 128, 0));
}

TEST(SdlCanvas, AStillLayerIsPutBackAsDrawnOnlyForItsOwnerAndVersion) {
  TempDir game;
  const std::filesystem::path folder = game / "graphics/high";
  WritePlainPicture(folder / "mapres.png", {400, 400}, Rgb(10, 120, 30));
  const int owner = 0;
  const Rect area{10, 10, 20, 20};
  auto draw_still = [](Canvas& canvas) {
    canvas.Picture("mapres", {0, 0, 60, 40});
    canvas.Fill({5, 5, 40, 20}, Rgb(200, 100, 50, 90));  // blended over the picture
  };
  // What the same drawing leaves on a canvas that keeps no layers.
  OffscreenCanvas direct({60, 40});
  direct.canvas().KeepLayers(false);
  direct.canvas().SetPictureFolder(folder);
  EXPECT_FALSE(direct.canvas().BeginLayer(&owner, 1));
  draw_still(direct.canvas());

  OffscreenCanvas out({60, 40});
  ASSERT_TRUE(out.ok());
  out.canvas().SetPictureFolder(folder);
  EXPECT_FALSE(out.canvas().ShowLayer(&owner, 1, area));  // none drawn yet
  ASSERT_TRUE(out.canvas().BeginLayer(&owner, 1));
  draw_still(out.canvas());
  out.canvas().EndLayer();
  EXPECT_EQ(out.PixelAt(20, 20), Rgb(0, 0, 0));  // the layer's drawing stayed off the canvas
  out.canvas().Fill({0, 0, 60, 40}, Rgb(0, 0, 255));
  const int other = 0;
  EXPECT_FALSE(out.canvas().ShowLayer(&owner, 2, area));
  EXPECT_FALSE(out.canvas().ShowLayer(&other, 1, area));
  for (int frame = 0; frame < 2; ++frame) {  // kept through whole frames that show it
    out.canvas().StartWholeFrame();
    EXPECT_TRUE(out.canvas().ShowLayer(&owner, 1, area));
    out.canvas().EndWholeFrame();
  }
  EXPECT_EQ(out.canvas().PictureCount(), 1u);  // its large picture too
  EXPECT_EQ(out.PixelAt(9, 9), Rgb(0, 0, 255));
  EXPECT_EQ(out.PixelAt(30, 30), Rgb(0, 0, 255));
  for (const Point p : {Point{10, 10}, Point{29, 29}, Point{20, 12}, Point{12, 26}})
    EXPECT_EQ(out.PixelAt(p.x, p.y), direct.PixelAt(p.x, p.y)) << p.x << "," << p.y;
}

TEST(SdlCanvas, AMissingPictureIsACheckerAndReportedOnce) {
  TempDir game;
  std::vector<std::string> reports;
  OffscreenCanvas out({200, 100}, [&](const std::string& m) { reports.push_back(m); });
  ASSERT_TRUE(out.ok());
  out.canvas().SetPictureFolder(game.path());
  EXPECT_FALSE(out.canvas().Picture("keepres", {0, 0, 200, 100}));
  EXPECT_FALSE(out.canvas().Picture("keepres", {-5000, -5000, 100000, 100000}));
  EXPECT_FALSE(out.canvas().PictureSize("keepres"));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("keepres"), std::string::npos);
  // Magenta and black squares of 8 units, away from the name in the middle.
  const Colour corner = out.PixelAt(2, 2);
  const Colour next = out.PixelAt(10, 2);
  EXPECT_TRUE((corner == Rgb(255, 0, 255) && next == kBlack) ||
              (corner == kBlack && next == Rgb(255, 0, 255)));
}

TEST(SdlCanvas, ShotOfADrawingIsAPngOfTheDisplaySize) {
  TempDir dir;
  SdlSnapshotMaker shots;
  const std::string error =
      shots.Snapshot(dir / "shot.png", {320, 240}, dir.path(), [](Canvas& canvas) {
        canvas.Fill({0, 0, 320, 240}, Rgb(233, 219, 181));
        canvas.Frame({10, 10, 300, 220}, Rgb(104, 68, 36), 4);
        TextStyle style;
        style.size = 24;
        canvas.Text({20, 20, 280, 40}, "Camp1Frm", style);
      });
  ASSERT_EQ(error, "");
  EXPECT_EQ(PngSize(dir / "shot.png"), (Size{320, 240}));
  // Read back through a canvas: parchment, the wooden frame, dark letters.
  OffscreenCanvas back({320, 240});
  back.canvas().SetPictureFolder(dir.path());
  ASSERT_TRUE(back.canvas().Picture("shot.png", {0, 0, 320, 240}));
  EXPECT_EQ(back.PixelAt(200, 200), Rgb(233, 219, 181));
  EXPECT_EQ(back.PixelAt(11, 100), Rgb(104, 68, 36));
  int dark = 0;
  for (int x = 20; x < 160; ++x) {
    for (int y = 20; y < 50; ++y) dark += back.PixelAt(x, y).r < 100 ? 1 : 0;
  }
  EXPECT_GT(dark, 50);
}

TEST(SdlCanvas, ShotToAFolderThatDoesNotExistSaysWhy) {
  TempDir dir;
  SdlSnapshotMaker shots;
  const std::string error =
      shots.Snapshot(dir / "no/such/folder/shot.png", {10, 10}, dir.path(), [](Canvas&) {});
  EXPECT_NE(error.find("cannot be written"), std::string::npos) << error;
}

TEST(SdlSound, VolumesInHundredthsOfADecibel) {
  const std::pair<int, int> cases[] = {{0, 128},   {100, 128},  {-600, 64}, {-2000, 13},
                                       {-9999, 0}, {-10000, 0}, {-20000, 0}};
  for (const auto& [db, volume] : cases) EXPECT_EQ(MixerVolume(db), volume) << db;
}

TEST(SdlSound, MissingFilesAreSkippedAndReportedOnce) {
  std::vector<std::string> reports;
  SdlSoundChannels sound([&](const std::string& m) { reports.push_back(m); });
  if (sound.DeviceCount() == 0) GTEST_SKIP() << "no sound device, not even a dummy one";
  sound.SetFile("ClickChanel01", "/no/such/click01.wav");
  sound.SetFile("ClickChanel02", "/no/such/click01.wav");
  sound.Play("ClickChanel01");
  sound.Play("EnvChanel04");  // never given a file
  EXPECT_EQ(reports.size(), 1u);
}

}  // namespace
}  // namespace valorne
