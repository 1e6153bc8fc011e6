// The pictures and text images of one SDL renderer, loaded once and kept
// (large pictures only while they are drawn). Internal to the SDL canvas.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>

#include "platform/canvas.h"
#include "platform/sdl/sdl_canvas.h"

namespace valorne {

struct LoadedPicture {
  SDL_Texture* texture = nullptr;  // nullptr: missing
  int width = 0;
  int height = 0;
  std::uint64_t drawn = 0;  // the sweep it was last asked for in
  bool opaque = false;      // no pixel lets what is below show through
};

class PictureCache {
 public:
  PictureCache(SDL_Renderer* renderer, Reporter report)
      : renderer_(renderer), report_(std::move(report)) {}
  ~PictureCache();
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  void SetFolder(const std::filesystem::path& folder);
  const std::filesystem::path& folder() const { return folder_; }
  const LoadedPicture& Get(std::string_view name, const std::optional<Colour>& key);

  // A sweep spans the drawing of a whole frame: the large pictures it did
  // not ask for (those of screens that closed) are let go at its end, and
  // read again from their files when a screen asks for them anew.
  static constexpr std::size_t kLargePictureBytes = 256 * 1024;
  void StartSweep() { ++sweep_; }
  void DropLargeNotAskedFor();
  std::size_t count() const { return pictures_.size(); }

 private:
  void Clear();
  std::uint64_t sweep_ = 0;
  SDL_Renderer* renderer_;
  Reporter report_;
  std::filesystem::path folder_;
  std::map<std::string, LoadedPicture, std::less<>> pictures_;
  std::set<std::string> reported_;
};

// Rendered lines of text, the most recently used kept (up to a limit).
class TextCache {
 public:
  explicit TextCache(SDL_Renderer* renderer) : renderer_(renderer) {}
  ~TextCache();
  TextCache(const TextCache&) = delete;
  TextCache& operator=(const TextCache&) = delete;

  // The text drawn in `style` within `wrap_width` (0: only at line breaks);
  // a texture of nullptr when nothing can be drawn.
  const LoadedPicture& Get(std::string_view utf8, const TextStyle& style, int wrap_width);

 private:
  struct Entry {
    LoadedPicture picture;
    std::list<std::string>::iterator age;
  };
  void* Font(int size, bool bold);

  static constexpr std::size_t kKept = 768;
  SDL_Renderer* renderer_;
  std::map<std::pair<int, bool>, void*> fonts_;
  std::unordered_map<std::string, Entry> entries_;
  std::list<std::string> ages_;  // most recent first
  LoadedPicture nothing_;
};

}  // namespace valorne
