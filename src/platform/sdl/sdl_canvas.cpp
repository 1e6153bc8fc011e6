#include "platform/sdl/sdl_canvas.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <iostream>
#include <set>
#include <utility>
#include <vector>

#include "platform/sdl/sdl_pictures.h"

namespace valorne {

namespace {
constexpr int kCheckerSquare = 8;
constexpr int kCheckerTile = 4 * kCheckerSquare;

SDL_Rect ToSdl(const Rect& r) {
  return {r.left, r.top, r.width, r.height};
}

// A tile of the missing-picture checker.
SDL_Texture* MakeCheckerTile(SDL_Renderer* renderer) {
  SDL_Surface* tile =
      SDL_CreateRGBSurfaceWithFormat(0, kCheckerTile, kCheckerTile, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!tile) return nullptr;
  for (int y = 0; y < kCheckerTile; y += kCheckerSquare) {
    for (int x = 0; x < kCheckerTile; x += kCheckerSquare) {
      const bool magenta = ((x + y) / kCheckerSquare) % 2 == 0;
      SDL_Rect square{x, y, kCheckerSquare, kCheckerSquare};
      SDL_FillRect(
          tile, &square,
          magenta ? SDL_MapRGB(tile->format, 255, 0, 255) : SDL_MapRGB(tile->format, 0, 0, 0));
    }
  }
  SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, tile);
  SDL_FreeSurface(tile);
  return texture;
}
}  // namespace

void ReportToStandardError(const std::string& message) {
  std::cerr << message << "\n";
}

bool StartSdlDrawing(std::string* error) {
  static const std::string failure = [] {
    if (TTF_WasInit() == 0 && TTF_Init() != 0) return std::string("SDL_ttf: ") + TTF_GetError();
    if ((IMG_Init(IMG_INIT_PNG) & IMG_INIT_PNG) == 0) {
      return std::string("SDL_image: ") + IMG_GetError();
    }
    return std::string();
  }();
  if (error) *error = failure;
  return failure.empty();
}

struct SdlCanvas::Impl {
  Impl(SDL_Renderer* r, Reporter report) : renderer(r), pictures(r, std::move(report)), texts(r) {}
  ~Impl() {
    if (checker) SDL_DestroyTexture(checker);
    DropLayer();
  }
  SDL_Renderer* renderer;
  PictureCache pictures;
  TextCache texts;
  SDL_Texture* checker = nullptr;
  std::optional<Rect> clip;

  // The still layer: its picture, whose drawing it holds, and the pictures
  // that drawing asked for (asked for again each time it is shown, so that
  // the sweep of whole frames keeps them).
  bool keep_layers = false;
  SDL_Texture* layer = nullptr;
  Size layer_size;
  const void* layer_owner = nullptr;
  std::uint64_t layer_version = 0;
  bool layer_ready = false;
  SDL_Texture* target_before_layer = nullptr;
  bool drawing_layer = false;
  std::vector<std::pair<std::string, std::optional<Colour>>> layer_pictures;
  std::set<std::string> layer_picture_ids;

  void DropLayer() {
    if (layer) SDL_DestroyTexture(layer);
    layer = nullptr;
    layer_ready = false;
  }
  void NoteLayerPicture(std::string_view name, const std::optional<Colour>& key) {
    std::string id(name);
    if (key) id += "|" + key->Hex();
    if (layer_picture_ids.insert(std::move(id)).second) layer_pictures.emplace_back(name, key);
  }

  void Placeholder(std::string_view name, const Rect& dest, Size canvas);
  void Copy(SDL_Texture* texture, const Rect& dest, int width, int height, TextAlign align,
            bool middle);
};

void SdlCanvas::Impl::Placeholder(std::string_view name, const Rect& dest, Size canvas) {
  if (!checker) checker = MakeCheckerTile(renderer);
  // Only the visible part is tiled: a missing map picture is large.
  Rect visible = dest.Intersect({0, 0, canvas.width, canvas.height});
  if (clip) visible = visible.Intersect(*clip);
  if (checker && !visible.Empty()) {
    const int first_x = dest.left + ((visible.left - dest.left) / kCheckerTile) * kCheckerTile;
    const int first_y = dest.top + ((visible.top - dest.top) / kCheckerTile) * kCheckerTile;
    for (int y = first_y; y < visible.bottom(); y += kCheckerTile) {
      for (int x = first_x; x < visible.right(); x += kCheckerTile) {
        const int w = std::min(kCheckerTile, dest.right() - x);
        const int h = std::min(kCheckerTile, dest.bottom() - y);
        SDL_Rect from{0, 0, w, h};
        SDL_Rect to{x, y, w, h};
        SDL_RenderCopy(renderer, checker, &from, &to);
      }
    }
  }
  TextStyle style;
  style.colour = kWhite;
  style.size = std::clamp(dest.height / 3, 8, 16);
  style.align = TextAlign::Centre;
  style.middle = true;
  const LoadedPicture& label = texts.Get(name, style, std::max(1, dest.width - 4));
  if (label.texture) {
    const Rect box{dest.left + (dest.width - label.width) / 2 - 2,
                   dest.top + (dest.height - label.height) / 2 - 1, label.width + 4,
                   label.height + 2};
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    const SDL_Rect back = ToSdl(box.Intersect(dest));
    SDL_RenderFillRect(renderer, &back);
    Copy(label.texture, dest, label.width, label.height, TextAlign::Centre, true);
  }
}

// Puts a rendered text of width x height into `dest`, aligned, and cut off
// at dest's edges.
void SdlCanvas::Impl::Copy(SDL_Texture* texture, const Rect& dest, int width, int height,
                           TextAlign align, bool middle) {
  int x = dest.left;
  if (align == TextAlign::Centre) x = dest.left + (dest.width - width) / 2;
  if (align == TextAlign::Right) x = dest.right() - width;
  const int y = middle ? dest.top + (dest.height - height) / 2 : dest.top;
  const Rect placed{x, y, width, height};
  const Rect shown = placed.Intersect(dest);
  if (shown.Empty()) return;
  const SDL_Rect from{shown.left - placed.left, shown.top - placed.top, shown.width, shown.height};
  const SDL_Rect to = ToSdl(shown);
  SDL_RenderCopy(renderer, texture, &from, &to);
}

SdlCanvas::SdlCanvas(SDL_Renderer* renderer, Size size, Reporter report)
    : impl_(std::make_unique<Impl>(renderer, std::move(report))), size_(size) {
  StartSdlDrawing(nullptr);
}

SdlCanvas::~SdlCanvas() = default;

void SdlCanvas::SetPictureFolder(const std::filesystem::path& folder) {
  if (!impl_->drawing_layer && folder != impl_->pictures.folder()) impl_->layer_ready = false;
  impl_->pictures.SetFolder(folder);
}

void SdlCanvas::KeepLayers(bool keep) {
  impl_->keep_layers = keep;
  if (!keep) impl_->DropLayer();
}

bool SdlCanvas::ShowLayer(const void* owner, std::uint64_t version, const Rect& area) {
  Impl& d = *impl_;
  if (!d.layer || !d.layer_ready || d.drawing_layer || d.layer_owner != owner ||
      d.layer_version != version || d.layer_size != size_) {
    return false;
  }
  for (const auto& [name, key] : d.layer_pictures) d.pictures.Get(name, key);
  const Rect part = area.Intersect({0, 0, size_.width, size_.height});
  if (part.Empty()) return true;
  // Copied, not blended: the very pixels the drawing left.
  SDL_SetTextureBlendMode(d.layer, SDL_BLENDMODE_NONE);
  const SDL_Rect r = ToSdl(part);
  SDL_RenderCopy(d.renderer, d.layer, &r, &r);
  return true;
}

bool SdlCanvas::BeginLayer(const void* owner, std::uint64_t version) {
  Impl& d = *impl_;
  if (!d.keep_layers || d.drawing_layer || !SDL_RenderTargetSupported(d.renderer)) return false;
  if (d.layer && d.layer_size != size_) d.DropLayer();
  if (!d.layer) {
    d.layer = SDL_CreateTexture(d.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                size_.width, size_.height);
    if (!d.layer) return false;
    d.layer_size = size_;
  }
  d.target_before_layer = SDL_GetRenderTarget(d.renderer);
  if (SDL_SetRenderTarget(d.renderer, d.layer) != 0) return false;
  d.layer_ready = false;
  d.layer_owner = owner;
  d.layer_version = version;
  d.drawing_layer = true;
  d.layer_pictures.clear();
  d.layer_picture_ids.clear();
  Clear(kBlack);
  return true;
}

void SdlCanvas::EndLayer() {
  Impl& d = *impl_;
  if (!d.drawing_layer) return;
  SDL_SetRenderTarget(d.renderer, d.target_before_layer);
  d.drawing_layer = false;
  d.layer_ready = true;
  SetClip(d.clip);
}

void SdlCanvas::SetClip(std::optional<Rect> clip) {
  impl_->clip = clip;
  if (clip) {
    const SDL_Rect r = ToSdl(clip->Empty() ? Rect{clip->left, clip->top, 0, 0} : *clip);
    SDL_RenderSetClipRect(impl_->renderer, &r);
  } else {
    SDL_RenderSetClipRect(impl_->renderer, nullptr);
  }
}

void SdlCanvas::Clear(Colour colour) {
  SDL_RenderSetClipRect(impl_->renderer, nullptr);
  SDL_SetRenderDrawColor(impl_->renderer, colour.r, colour.g, colour.b, 255);
  SDL_RenderClear(impl_->renderer);
  if (impl_->clip) SetClip(impl_->clip);
}

void SdlCanvas::StartWholeFrame() {
  impl_->pictures.StartSweep();
}

void SdlCanvas::EndWholeFrame() {
  impl_->pictures.DropLargeNotAskedFor();
}

std::size_t SdlCanvas::PictureCount() const {
  return impl_->pictures.count();
}

void SdlCanvas::Fill(const Rect& rect, Colour colour) {
  if (rect.Empty() || colour.a == 0) return;
  SDL_SetRenderDrawBlendMode(impl_->renderer,
                             colour.a < 255 ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(impl_->renderer, colour.r, colour.g, colour.b, colour.a);
  const SDL_Rect r = ToSdl(rect);
  SDL_RenderFillRect(impl_->renderer, &r);
}

void SdlCanvas::Frame(const Rect& rect, Colour colour, int thickness) {
  const int t = std::clamp(thickness, 1, std::min(rect.width, rect.height) / 2 + 1);
  Fill({rect.left, rect.top, rect.width, t}, colour);
  Fill({rect.left, rect.bottom() - t, rect.width, t}, colour);
  Fill({rect.left, rect.top + t, t, rect.height - 2 * t}, colour);
  Fill({rect.right() - t, rect.top + t, t, rect.height - 2 * t}, colour);
}

bool SdlCanvas::Picture(std::string_view name, const Rect& dest, const PictureStyle& style) {
  if (dest.Empty()) return true;
  if (impl_->drawing_layer) impl_->NoteLayerPicture(name, style.colour_key);
  const LoadedPicture& picture = impl_->pictures.Get(name, style.colour_key);
  if (!picture.texture) {
    impl_->Placeholder(name, dest, size_);
    return false;
  }
  SDL_SetTextureAlphaMod(picture.texture, style.alpha);
  // An opaque picture put down at its own size is copied; stretched or
  // faded, it is blended as every other.
  const Size source = style.source ? Size{style.source->width, style.source->height}
                                   : Size{picture.width, picture.height};
  const bool copied = picture.opaque && style.alpha == 255 && source.width == dest.width &&
                      source.height == dest.height;
  SDL_SetTextureBlendMode(picture.texture, copied ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  const SDL_Rect to = ToSdl(dest);
  if (style.source) {
    const SDL_Rect from = ToSdl(*style.source);
    SDL_RenderCopy(impl_->renderer, picture.texture, &from, &to);
  } else {
    SDL_RenderCopy(impl_->renderer, picture.texture, nullptr, &to);
  }
  if (style.alpha != 255) SDL_SetTextureAlphaMod(picture.texture, 255);
  return true;
}

std::optional<Size> SdlCanvas::PictureSize(std::string_view name) {
  const LoadedPicture& picture = impl_->pictures.Get(name, std::nullopt);
  if (!picture.texture) return std::nullopt;
  return Size{picture.width, picture.height};
}

void SdlCanvas::Text(const Rect& rect, std::string_view utf8, const TextStyle& style) {
  if (utf8.empty() || rect.Empty()) return;
  const LoadedPicture& text = impl_->texts.Get(utf8, style, style.wrap ? rect.width : 0);
  if (!text.texture) return;
  impl_->Copy(text.texture, rect, text.width, text.height, style.align, style.middle);
}

}  // namespace valorne
