#include "synth.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace art {
namespace {
constexpr float kTwoPi = 6.2831853f;
std::size_t Count(float seconds) {
  return static_cast<std::size_t>(std::max(0.0f, seconds) * kRate);
}
}  // namespace

float Midi(int note) {
  return 440.0f * std::pow(2.0f, (note - 69) / 12.0f);
}

Samples Silence(float seconds) {
  return Samples(Count(seconds), 0.0f);
}

void Add(Samples& dst, const Samples& src, float at, float gain) {
  std::size_t start = Count(at);
  if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0f);
  for (std::size_t k = 0; k < src.size(); ++k) dst[start + k] += src[k] * gain;
}

Samples Finish(Samples s, float peak) {
  float loudest = 0;
  for (float v : s) loudest = std::max(loudest, std::fabs(v));
  if (loudest > 0)
    for (float& v : s) v *= peak / loudest;
  std::size_t fade = std::min<std::size_t>(s.size() / 2, 64);
  for (std::size_t k = 0; k < fade; ++k) {
    float g = static_cast<float>(k) / fade;
    s[k] *= g;
    s[s.size() - 1 - k] *= g;
  }
  return s;
}

void Envelope(Samples& s, float attack, float release) {
  std::size_t a = Count(attack), r = Count(release);
  for (std::size_t k = 0; k < s.size(); ++k) {
    float g = 1;
    if (k < a) g = static_cast<float>(k) / a;
    if (k + r > s.size()) g *= static_cast<float>(s.size() - k) / r;
    s[k] *= g;
  }
}

void LowPass(Samples& s, float cutoff) {
  float a = 1 - std::exp(-kTwoPi * cutoff / kRate), y = 0;
  for (float& v : s) v = y += a * (v - y);
}

void HighPass(Samples& s, float cutoff) {
  Samples low = s;
  LowPass(low, cutoff);
  for (std::size_t k = 0; k < s.size(); ++k) s[k] -= low[k];
}

Samples Noise(float seconds, std::uint64_t seed) {
  Rng rng(seed);
  Samples s(Count(seconds));
  for (float& v : s) v = rng.Uniform() * 2 - 1;
  return s;
}

Samples Sine(float hz, float seconds, float decay) {
  Samples s(Count(seconds));
  for (std::size_t k = 0; k < s.size(); ++k) {
    float t = k / kRate;
    s[k] = std::sin(kTwoPi * hz * t) * std::exp(-decay * t);
  }
  return s;
}

Samples Saw(float hz, float seconds, float vibrato) {
  Samples s(Count(seconds));
  float phase = 0;
  for (std::size_t k = 0; k < s.size(); ++k) {
    float t = k / kRate;
    float f = hz * std::pow(2.0f, vibrato * std::sin(kTwoPi * 5.0f * t) / 12.0f);
    phase += f / kRate;
    phase -= std::floor(phase);
    s[k] = 2 * phase - 1;
  }
  return s;
}

Samples Glide(float hz0, float hz1, float seconds, float harmonics) {
  Samples s(Count(seconds));
  float phase = 0;
  for (std::size_t k = 0; k < s.size(); ++k) {
    float t = static_cast<float>(k) / s.size();
    phase += (hz0 + (hz1 - hz0) * t) / kRate;
    float v = 0;
    for (int h = 1; h <= static_cast<int>(harmonics); ++h) v += std::sin(kTwoPi * phase * h) / h;
    s[k] = v;
  }
  return s;
}

Samples Pluck(float hz, float seconds, std::uint64_t seed, float damping) {
  std::size_t period = std::max<std::size_t>(2, static_cast<std::size_t>(kRate / hz));
  Samples line = Noise(period / kRate + 1.0f / kRate, seed);
  line.resize(period);
  Samples s(Count(seconds));
  for (std::size_t k = 0; k < s.size(); ++k) {
    std::size_t i = k % period, j = (k + 1) % period;
    s[k] = line[i];
    line[i] = damping * 0.5f * (line[i] + line[j]);
  }
  return s;
}

Samples Bell(float hz, float seconds, float decay) {
  Samples s(Count(seconds));
  const float kPartials[][3] = {{1.0f, 1.0f, 1.0f},
                                {2.0f, 0.6f, 1.4f},
                                {2.76f, 0.4f, 1.8f},
                                {5.4f, 0.25f, 2.6f},
                                {0.5f, 0.3f, 0.8f}};
  for (std::size_t k = 0; k < s.size(); ++k) {
    float t = k / kRate, v = 0;
    for (const auto& p : kPartials)
      v += p[1] * std::sin(kTwoPi * hz * p[0] * t) * std::exp(-decay * p[2] * t);
    s[k] = v;
  }
  return s;
}

Samples Drum(float hz, float seconds) {
  Samples s(Count(seconds));
  float phase = 0;
  Rng rng(static_cast<std::uint64_t>(hz * 10));
  for (std::size_t k = 0; k < s.size(); ++k) {
    float t = k / kRate;
    phase += hz * (1 + 1.5f * std::exp(-t * 30)) / kRate;
    s[k] = std::sin(kTwoPi * phase) * std::exp(-t * 9) +
           (rng.Uniform() * 2 - 1) * 0.3f * std::exp(-t * 60);
  }
  return s;
}

Samples Click(float seconds, float brightness, std::uint64_t seed) {
  Samples s = Noise(seconds, seed);
  for (std::size_t k = 0; k < s.size(); ++k) s[k] *= std::exp(-static_cast<float>(k) / kRate * 120);
  HighPass(s, brightness);
  return s;
}

Samples Metal(float hz, float seconds) {
  Samples s(Count(seconds));
  const float kRatios[] = {1.0f, 2.32f, 3.87f, 5.11f, 7.3f};
  for (std::size_t k = 0; k < s.size(); ++k) {
    float t = k / kRate, v = 0;
    for (int p = 0; p < 5; ++p)
      v += std::sin(kTwoPi * hz * kRatios[p] * t) * std::exp(-t * (5 + 4 * p)) / (1 + p * 0.6f);
    s[k] = v;
  }
  Add(s, Click(0.02f, 3000, static_cast<std::uint64_t>(hz)), 0, 0.8f);
  return s;
}

}  // namespace art
