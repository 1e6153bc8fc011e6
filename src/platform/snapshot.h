// Draws screens into a picture file without a display: the headless level's
// "shot" command.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/canvas.h"

namespace valorne {

class SnapshotMaker {
 public:
  virtual ~SnapshotMaker() = default;
  // Makes a canvas of `size` with pictures from `picture_folder`, lets `draw`
  // paint it and writes it to `file` as PNG. Returns an empty string, or what
  // went wrong.
  virtual std::string Snapshot(const std::filesystem::path& file, Size size,
                               const std::filesystem::path& picture_folder,
                               const std::function<void(Canvas&)>& draw) = 0;
};

}  // namespace valorne
