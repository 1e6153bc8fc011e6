#include "platform/sdl/offscreen_canvas.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

namespace valorne {

struct OffscreenCanvas::Impl {
  SDL_Surface* surface = nullptr;
  SDL_Renderer* renderer = nullptr;
  ~Impl() {
    if (renderer) SDL_DestroyRenderer(renderer);
    if (surface) SDL_FreeSurface(surface);
  }
};

OffscreenCanvas::OffscreenCanvas(Size size, Reporter report)
    : impl_(std::make_unique<Impl>()), size_(size) {
  if (!StartSdlDrawing(&error_)) return;
  if (size.width <= 0 || size.height <= 0) {
    error_ = "a picture of " + std::to_string(size.width) + "x" + std::to_string(size.height) +
             " cannot be drawn";
    return;
  }
  impl_->surface =
      SDL_CreateRGBSurfaceWithFormat(0, size.width, size.height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (impl_->surface) impl_->renderer = SDL_CreateSoftwareRenderer(impl_->surface);
  if (!impl_->renderer) {
    error_ = std::string("no software renderer: ") + SDL_GetError();
    return;
  }
  canvas_ = std::make_unique<SdlCanvas>(impl_->renderer, size, std::move(report));
  canvas_->KeepLayers(true);
  canvas_->Clear(kBlack);
}

OffscreenCanvas::~OffscreenCanvas() {
  canvas_.reset();
}

Colour OffscreenCanvas::PixelAt(int x, int y) {
  if (!impl_->surface || x < 0 || y < 0 || x >= size_.width || y >= size_.height) return {};
  SDL_RenderFlush(impl_->renderer);
  const auto* row = static_cast<const Uint8*>(impl_->surface->pixels) + y * impl_->surface->pitch;
  Uint32 pixel = 0;
  std::memcpy(&pixel, row + x * 4, 4);
  Uint8 r = 0, g = 0, b = 0, a = 0;
  SDL_GetRGBA(pixel, impl_->surface->format, &r, &g, &b, &a);
  return Rgb(r, g, b, a);
}

std::vector<std::uint32_t> OffscreenCanvas::Pixels() {
  if (!impl_->surface) return {};
  SDL_RenderFlush(impl_->renderer);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size_.width) *
                                    static_cast<std::size_t>(size_.height));
  for (int y = 0; y < size_.height; ++y) {
    const auto* row = static_cast<const Uint8*>(impl_->surface->pixels) + y * impl_->surface->pitch;
    std::memcpy(pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.width),
                row, static_cast<std::size_t>(size_.width) * 4);
  }
  return pixels;
}

std::string OffscreenCanvas::SavePng(const std::filesystem::path& file) {
  if (!ok()) return error_;
  SDL_RenderFlush(impl_->renderer);
  if (IMG_SavePNG(impl_->surface, file.c_str()) != 0) {
    return "the picture cannot be written to " + file.string() + ": " + IMG_GetError();
  }
  return {};
}

std::string SdlSnapshotMaker::Snapshot(const std::filesystem::path& file, Size size,
                                       const std::filesystem::path& picture_folder,
                                       const std::function<void(Canvas&)>& draw) {
  OffscreenCanvas offscreen(size);
  if (!offscreen.ok()) return offscreen.error();
  offscreen.canvas().SetPictureFolder(picture_folder);
  draw(offscreen.canvas());
  offscreen.canvas().SetClip(std::nullopt);
  return offscreen.SavePng(file);
}

}  // namespace valorne
