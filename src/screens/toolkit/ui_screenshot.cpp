// F12: a picture of the window in "Screenshots" beside the saves.
#include <ctime>
#include <iostream>

#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

// "Valorne 2026-12-06 14-05-09.png": sorts by date, and no characters a
// file system refuses.
std::string ScreenshotName() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &local);
  return std::string("Valorne ") + stamp;
}

}  // namespace

std::filesystem::path Ui::SaveScreenshot() {
  if (!snapshots_) return {};
  namespace fs = std::filesystem;
  const fs::path folder = game_.AppPath / "Screenshots";
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    std::cerr << "the screenshot cannot be saved: " << folder.string() << ": " << error.message()
              << "\n";
    return {};
  }
  const std::string name = ScreenshotName();
  fs::path file = folder / (name + ".png");
  // Two in one second get a number.
  for (int n = 2; fs::exists(file, error); ++n) {
    file = folder / (name + " (" + std::to_string(n) + ").png");
  }
  const std::string problem = snapshots_->Snapshot(file, display_size_, PictureFolderPath(),
                                                   [this](Canvas& canvas) { Draw(canvas); });
  if (!problem.empty()) {
    std::cerr << "the screenshot cannot be saved: " << problem << "\n";
    return {};
  }
  std::cerr << "screenshot saved: " << file.string() << "\n";
  return file;
}

}  // namespace valorne
