// A canvas on a picture in memory, drawn by SDL's software renderer: no
// display is needed. The headless level's screenshots and the drawing
// benchmarks use it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/sdl_canvas.h"
#include "platform/snapshot.h"

namespace valorne {

class OffscreenCanvas {
 public:
  // A black picture of `size`; an empty canvas() when SDL cannot make one
  // (see error()).
  explicit OffscreenCanvas(Size size, Reporter report = ReportToStandardError);
  ~OffscreenCanvas();
  OffscreenCanvas(const OffscreenCanvas&) = delete;
  OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

  bool ok() const { return canvas_ != nullptr; }
  const std::string& error() const { return error_; }
  SdlCanvas& canvas() { return *canvas_; }
  Size size() const { return size_; }

  // The colour of one pixel of what was drawn.
  Colour PixelAt(int x, int y);
  // Every pixel of what was drawn, row by row (0xAARRGGBB).
  std::vector<std::uint32_t> Pixels();
  // Writes the picture as PNG; empty, or what went wrong.
  std::string SavePng(const std::filesystem::path& file);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::unique_ptr<SdlCanvas> canvas_;
  Size size_;
  std::string error_;
};

// Screenshots of the open screens through an OffscreenCanvas.
class SdlSnapshotMaker : public SnapshotMaker {
 public:
  std::string Snapshot(const std::filesystem::path& file, Size size,
                       const std::filesystem::path& picture_folder,
                       const std::function<void(Canvas&)>& draw) override;
};

}  // namespace valorne
