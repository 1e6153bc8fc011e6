// The canvas drawn with an SDL renderer: the window's, or a software
// renderer on a picture in memory (screenshots, benchmarks). Pictures are
// loaded by name from the picture folder on first use and kept (large ones
// while whole frames draw them); a picture
// that cannot be loaded is reported once and drawn as a magenta and black
// checker bearing its name. Text is drawn with DejaVu Sans.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/canvas.h"

struct SDL_Renderer;

namespace valorne {

// Where reports of missing files go (standard error unless told otherwise).
using Reporter = std::function<void(const std::string&)>;
void ReportToStandardError(const std::string& message);

class SdlCanvas : public Canvas {
 public:
  // Draws on `renderer` (not owned), whose drawing area is `size` units.
  SdlCanvas(SDL_Renderer* renderer, Size size, Reporter report = ReportToStandardError);
  ~SdlCanvas() override;
  SdlCanvas(const SdlCanvas&) = delete;
  SdlCanvas& operator=(const SdlCanvas&) = delete;

  Size size() const override { return size_; }
  void SetSize(Size size) { size_ = size; }
  void SetPictureFolder(const std::filesystem::path& folder) override;
  void SetClip(std::optional<Rect> clip) override;
  void Fill(const Rect& rect, Colour colour) override;
  void Frame(const Rect& rect, Colour colour, int thickness = 1) override;
  bool Picture(std::string_view name, const Rect& dest, const PictureStyle& style = {}) override;
  std::optional<Size> PictureSize(std::string_view name) override;
  void Text(const Rect& rect, std::string_view utf8, const TextStyle& style) override;

  // Still layers (see Canvas): kept only when asked for, as the pictures
  // in memory do; the window draws only what changed instead.
  void KeepLayers(bool keep);
  bool ShowLayer(const void* owner, std::uint64_t version, const Rect& area) override;
  bool BeginLayer(const void* owner, std::uint64_t version) override;
  void EndLayer() override;

  // Clears the whole drawing area to a colour.
  void Clear(Colour colour);

  // Around the drawing of a whole frame: the large pictures it did not draw
  // are let go at its end (see PictureCache).
  void StartWholeFrame();
  void EndWholeFrame();
  // How many pictures are loaded now.
  std::size_t PictureCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  Size size_;
};

// Starts SDL_ttf and SDL_image once for the whole program; false (with the
// reason) when either cannot start.
bool StartSdlDrawing(std::string* error);

}  // namespace valorne
