#include "platform/sdl/sdl_pictures.h"

#include <SDL_image.h>
#include <SDL_ttf.h>

#include "platform/data_files.h"

#ifndef VALORNE_FONT_PATH
#define VALORNE_FONT_PATH "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
#endif

namespace valorne {

namespace {
// Whether every pixel of a picture is fully opaque: such a picture is
// copied, not blended, which is the same picture at a fraction of the cost
// (the county map is the largest thing drawn).
bool Opaque(SDL_Surface* surface) {
  const SDL_PixelFormat* format = surface->format;
  if (format->Amask == 0) return format->palette == nullptr;
  if (format->BytesPerPixel != 4 || SDL_LockSurface(surface) != 0) return false;
  bool opaque = true;
  for (int y = 0; y < surface->h && opaque; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                                      y * surface->pitch);
    for (int x = 0; x < surface->w; ++x) {
      if ((row[x] & format->Amask) != format->Amask) {
        opaque = false;
        break;
      }
    }
  }
  SDL_UnlockSurface(surface);
  return opaque;
}
}  // namespace

PictureCache::~PictureCache() {
  Clear();
}

void PictureCache::Clear() {
  for (auto& [name, picture] : pictures_) {
    if (picture.texture) SDL_DestroyTexture(picture.texture);
  }
  pictures_.clear();
}

void PictureCache::SetFolder(const std::filesystem::path& folder) {
  if (folder == folder_) return;
  Clear();
  folder_ = folder;
}

const LoadedPicture& PictureCache::Get(std::string_view name, const std::optional<Colour>& key) {
  std::string id(name);
  if (key) id += "|" + key->Hex();
  if (auto it = pictures_.find(id); it != pictures_.end()) {
    it->second.drawn = sweep_;
    return it->second;
  }

  LoadedPicture loaded;
  loaded.drawn = sweep_;
  const std::filesystem::path file = PictureFile(folder_, name);
  if (SDL_Surface* surface = IMG_Load(file.c_str())) {
    if (key)
      SDL_SetColorKey(surface, SDL_TRUE, SDL_MapRGB(surface->format, key->r, key->g, key->b));
    loaded.opaque = !key && Opaque(surface);
    loaded.texture = SDL_CreateTextureFromSurface(renderer_, surface);
    loaded.width = surface->w;
    loaded.height = surface->h;
    SDL_FreeSurface(surface);
    if (loaded.texture) SDL_SetTextureBlendMode(loaded.texture, SDL_BLENDMODE_BLEND);
  }
  if (!loaded.texture && reported_.insert(file.string()).second) {
    report_("level9: the picture " + std::string(name) + " cannot be shown (" + file.string() +
            ": " + SDL_GetError() + ")");
  }
  return pictures_.emplace(std::move(id), loaded).first->second;
}

void PictureCache::DropLargeNotAskedFor() {
  for (auto it = pictures_.begin(); it != pictures_.end();) {
    const LoadedPicture& p = it->second;
    const auto bytes = static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) * 4;
    if (p.texture && p.drawn != sweep_ && bytes >= kLargePictureBytes) {
      SDL_DestroyTexture(p.texture);
      it = pictures_.erase(it);
    } else {
      ++it;
    }
  }
}

TextCache::~TextCache() {
  for (auto& [key, entry] : entries_) {
    if (entry.picture.texture) SDL_DestroyTexture(entry.picture.texture);
  }
  for (auto& [key, font] : fonts_) {
    if (font) TTF_CloseFont(static_cast<TTF_Font*>(font));
  }
}

void* TextCache::Font(int size, bool bold) {
  const auto key = std::make_pair(size, bold);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  TTF_Font* font = TTF_OpenFont(VALORNE_FONT_PATH, size);
  if (font && bold) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
  fonts_[key] = font;
  return font;
}

const LoadedPicture& TextCache::Get(std::string_view utf8, const TextStyle& style, int wrap_width) {
  const Colour c = style.colour;
  std::string key = std::to_string(style.size) + (style.bold ? "b" : "") + "|" +
                    std::to_string(wrap_width) + "|" +
                    std::to_string(static_cast<int>(style.align)) + "|" + c.Hex() +
                    std::to_string(c.a) + "|";
  key += utf8;
  if (auto it = entries_.find(key); it != entries_.end()) {
    ages_.splice(ages_.begin(), ages_, it->second.age);
    return it->second.picture;
  }
  auto* font = static_cast<TTF_Font*>(Font(std::max(1, style.size), style.bold));
  if (!font) return nothing_;
  TTF_SetFontWrappedAlign(font, style.align == TextAlign::Centre  ? TTF_WRAPPED_ALIGN_CENTER
                                : style.align == TextAlign::Right ? TTF_WRAPPED_ALIGN_RIGHT
                                                                  : TTF_WRAPPED_ALIGN_LEFT);
  const std::string text(utf8);
  SDL_Surface* surface =
      TTF_RenderUTF8_Blended_Wrapped(font, text.c_str(), SDL_Color{c.r, c.g, c.b, c.a},
                                     static_cast<Uint32>(std::max(0, wrap_width)));
  if (!surface) return nothing_;
  LoadedPicture picture;
  picture.texture = SDL_CreateTextureFromSurface(renderer_, surface);
  picture.width = surface->w;
  picture.height = surface->h;
  SDL_FreeSurface(surface);
  if (!picture.texture) return nothing_;

  if (entries_.size() >= kKept) {
    auto oldest = entries_.find(ages_.back());
    if (oldest->second.picture.texture) SDL_DestroyTexture(oldest->second.picture.texture);
    entries_.erase(oldest);
    ages_.pop_back();
  }
  ages_.push_front(key);
  return entries_.emplace(std::move(key), Entry{picture, ages_.begin()}).first->second.picture;
}

}  // namespace valorne
