// A canvas that draws nothing and writes down what it was asked to draw, one
// line a call ("picture mapres 0,0 1280x1024"): for tests of how screens
// draw, without a display.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace valorne {

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(Size size = {800, 600}) : size_(size) {}

  std::vector<std::string> calls;
  std::map<std::string, Size, std::less<>> pictures;  // the pictures that "exist"

  Size size() const override { return size_; }
  void SetPictureFolder(const std::filesystem::path& folder) override { folder_ = folder; }
  void SetClip(std::optional<Rect> clip) override { clip_ = clip; }
  void Fill(const Rect& r, Colour c) override {
    calls.push_back("fill " + Where(r) + " " + c.Hex() +
                    (c.a < 255 ? " alpha " + std::to_string(c.a) : ""));
  }
  void Frame(const Rect& r, Colour c, int thickness) override {
    calls.push_back("frame " + Where(r) + " " + c.Hex() + " " + std::to_string(thickness));
  }
  bool Picture(std::string_view name, const Rect& dest, const PictureStyle& style) override {
    calls.push_back("picture " + std::string(name) + " " + Where(dest) +
                    (style.source ? " from " + Where(*style.source) : std::string()) +
                    (style.alpha < 255 ? " alpha " + std::to_string(style.alpha) : std::string()));
    return pictures.contains(name);
  }
  std::optional<Size> PictureSize(std::string_view name) override {
    auto it = pictures.find(name);
    if (it == pictures.end()) return std::nullopt;
    return it->second;
  }
  void Text(const Rect& r, std::string_view utf8, const TextStyle& style) override {
    if (utf8.empty()) return;
    calls.push_back("text " + Where(r) + " " + style.colour.Hex() + " " + std::string(utf8));
  }

  const std::filesystem::path& folder() const { return folder_; }
  const std::optional<Rect>& clip() const { return clip_; }

  static std::string Where(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height);
  }

 private:
  Size size_;
  std::filesystem::path folder_;
  std::optional<Rect> clip_;
};

}  // namespace valorne
