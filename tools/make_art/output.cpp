#include "output.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace art {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void WriteBytes(const std::vector<std::uint8_t>& bytes, const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

void WritePng(const Canvas& picture, const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  std::vector<Rgba> pixels = picture.pixels();
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), picture.width(), picture.height(), 32,
                                         picture.width() * 4, SDL_PIXELFORMAT_RGBA32);
  if (surface == nullptr) throw std::runtime_error("cannot make a surface for " + file.string());
  int rc = IMG_SavePNG(surface, file.string().c_str());
  SDL_FreeSurface(surface);
  if (rc != 0) throw std::runtime_error("cannot write " + file.string() + ": " + IMG_GetError());
}

Canvas ReduceColours(const Canvas& picture) {
  static constexpr int kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  Canvas out(picture.width(), picture.height());
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      Rgba p = picture.Get(x, y);
      float threshold = (kBayer[y & 3][x & 3] + 0.5f) / 16.0f;
      auto reduce = [&](std::uint8_t v) {
        float level = v / 17.0f;  // 16 levels
        int q = static_cast<int>(level) + ((level - std::floor(level)) > threshold ? 1 : 0);
        return static_cast<std::uint8_t>(std::min(15, q) * 17);
      };
      out.Set(x, y, {reduce(p.r), reduce(p.g), reduce(p.b), p.a});
    }
  return out;
}

void WriteWav(const std::vector<float>& samples, const std::filesystem::path& file) {
  std::vector<std::uint8_t> out;
  auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  for (char c : std::string_view("RIFF")) out.push_back(static_cast<std::uint8_t>(c));
  Put32(out, 36 + data_bytes);
  for (char c : std::string_view("WAVEfmt ")) out.push_back(static_cast<std::uint8_t>(c));
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, kSampleRate);
  Put32(out, kSampleRate * 2);
  Put16(out, 2);
  Put16(out, 16);
  for (char c : std::string_view("data")) out.push_back(static_cast<std::uint8_t>(c));
  Put32(out, data_bytes);
  for (float s : samples) {
    long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  }
  WriteBytes(out, file);
}

void WriteIco(const Canvas& picture, const std::filesystem::path& file) {
  if (picture.width() != 32 || picture.height() != 32)
    throw std::runtime_error("a pointer must be 32 x 32: " + file.string());
  constexpr std::uint32_t kPixelBytes = 32 * 32 * 4, kMaskBytes = 32 * 4;
  constexpr std::uint32_t kImageBytes = 40 + kPixelBytes + kMaskBytes;
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, 1);  // one image
  out.push_back(32);
  out.push_back(32);
  out.push_back(0);  // no palette
  out.push_back(0);
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits per pixel
  Put32(out, kImageBytes);
  Put32(out, 22);  // offset of the image
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, 32);
  Put32(out, 64);  // colour rows and mask rows
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, kPixelBytes + kMaskBytes);
  for (int k = 0; k < 4; ++k) Put32(out, 0);
  for (int y = 31; y >= 0; --y)
    for (int x = 0; x < 32; ++x) {
      Rgba p = picture.Get(x, y);
      out.insert(out.end(), {p.b, p.g, p.r, p.a});
    }
  for (int y = 31; y >= 0; --y) {
    std::uint32_t bits = 0;
    for (int x = 0; x < 32; ++x)
      if (picture.Get(x, y).a < 128) bits |= 1u << (31 - x);
    for (int k = 3; k >= 0; --k) out.push_back(static_cast<std::uint8_t>(bits >> (8 * k)));
  }
  WriteBytes(out, file);
}

}  // namespace art
