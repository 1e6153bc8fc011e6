// Writing the data set: PNG pictures (high and low colour sets), WAV sounds
// and ICO pointers. Every writer throws std::runtime_error naming the file.
#pragma once

#include <filesystem>
#include <vector>

#include "canvas.h"

namespace art {

constexpr int kSampleRate = 22050;

void WritePng(const Canvas& picture, const std::filesystem::path& file);
// The low colour set: 4 bits a channel, ordered dither, alpha kept.
Canvas ReduceColours(const Canvas& picture);
// Samples in [-1, 1], written as 16-bit mono PCM at kSampleRate.
void WriteWav(const std::vector<float>& samples, const std::filesystem::path& file);
// A 32 x 32 picture as an ICO file holding one 32-bit BMP with its mask.
void WriteIco(const Canvas& picture, const std::filesystem::path& file);

}  // namespace art
