// "music01.wav": a loop of 42 seconds in D dorian, in a lilting six-eight:
// a recorder sings the tune over a lute's broken chords, a drone of D and A
// and a frame drum. The last bar leads back into the first; the tails of the
// notes that ring past the end are folded onto the start, and the drone's
// pitches are tuned to whole cycles of the loop, so it repeats without a seam.
#include <cmath>

#include "registry.h"
#include "synth.h"

namespace art {
namespace {

constexpr float kEighth = 0.25f;  // six eighths to a bar of 1.5 seconds
constexpr int kBars = 28;
constexpr float kLength = kBars * 6 * kEighth;

struct Note {
  int pitch;  // 0 = rest
  int eighths;
};

const std::vector<Note>& Tune() {
  static const std::vector<Note> kA = {
      {62, 2}, {65, 1}, {69, 2}, {67, 1}, {65, 2}, {64, 1}, {62, 3}, {69, 2}, {72, 1},
      {74, 2}, {72, 1}, {69, 3}, {67, 3}, {65, 2}, {67, 1}, {69, 2}, {65, 1}, {67, 2},
      {64, 1}, {60, 3}, {62, 2}, {64, 1}, {65, 2}, {64, 1}, {62, 6}};
  static const std::vector<Note> kB = {
      {69, 2}, {71, 1}, {72, 2}, {74, 1}, {76, 2}, {74, 1}, {72, 3}, {74, 2}, {72, 1},
      {71, 2}, {69, 1}, {67, 3}, {69, 3}, {72, 2}, {71, 1}, {69, 2}, {67, 1}, {65, 2},
      {67, 1}, {69, 3}, {67, 2}, {65, 1}, {64, 2}, {60, 1}, {62, 6}};
  static const std::vector<Note> kEnd = {{69, 2}, {67, 1}, {65, 2}, {64, 1}, {62, 3}, {57, 3},
                                         {62, 2}, {65, 1}, {69, 2}, {67, 1}, {64, 3}, {0, 3}};
  static const std::vector<Note> tune = [] {
    std::vector<Note> t = kA;
    t.insert(t.end(), kB.begin(), kB.end());
    t.insert(t.end(), kA.begin(), kA.end());
    t.insert(t.end(), kEnd.begin(), kEnd.end());
    return t;
  }();
  return tune;
}

// The chord of each bar, lowest note first.
const std::vector<std::vector<int>>& Chords() {
  static const std::vector<int> Dm = {50, 57, 62, 65}, C = {48, 55, 60, 64}, Am = {45, 52, 57, 60},
                                G = {43, 50, 55, 59}, F = {41, 48, 53, 57};
  static const std::vector<std::vector<int>> kChords = {Dm, Dm, F,  Am, Dm, C,  Dm, Dm, Am, C,
                                                        G,  Am, C,  Dm, C,  Dm, Dm, Dm, F,  Am,
                                                        Dm, C,  Dm, Dm, Am, Dm, C,  Dm};
  return kChords;
}

Samples Recorder(float hz, float seconds, std::uint64_t seed) {
  Samples s(static_cast<std::size_t>(seconds * kRate));
  float phase = 0;
  for (std::size_t k = 0; k < s.size(); ++k) {
    float t = k / kRate;
    float vib = t > 0.25f ? 0.012f * std::sin(6.2831853f * 5.2f * t) : 0.0f;
    phase += hz * (1 + vib) / kRate;
    s[k] = std::sin(6.2831853f * phase) + 0.25f * std::sin(2 * 6.2831853f * phase) +
           0.08f * std::sin(3 * 6.2831853f * phase);
  }
  Samples breath = Noise(seconds, seed);
  LowPass(breath, 2500);
  HighPass(breath, 900);
  Add(s, breath, 0, 0.06f);
  Envelope(s, 0.04f, std::min(0.12f, seconds * 0.4f));
  return s;
}

// A drone of whole cycles over the loop: saw-like partials of D2 and A2.
Samples Drone() {
  Samples s(static_cast<std::size_t>(kLength * kRate));
  for (float base : {Midi(38), Midi(45)}) {
    float hz = std::round(base * kLength) / kLength;
    for (int h = 1; h <= 6; ++h) {
      float gain = 0.12f / h;
      for (std::size_t k = 0; k < s.size(); ++k) {
        float t = k / kRate;
        s[k] += gain * std::sin(6.2831853f * hz * h * t) *
                (0.8f + 0.2f * std::sin(6.2831853f * t * 4 / kLength));
      }
    }
  }
  return s;
}

Samples Music() {
  Samples out = Silence(kLength + 3);
  float at = 0;
  std::uint64_t seed = 1;
  for (const Note& n : Tune()) {
    float length = n.eighths * kEighth;
    if (n.pitch != 0) Add(out, Recorder(Midi(n.pitch + 12), length * 0.95f, seed++), at, 0.32f);
    at += length;
  }
  const int kPattern[] = {0, 1, 2, 3, 2, 1};
  for (int bar = 0; bar < kBars; ++bar) {
    const std::vector<int>& chord = Chords()[static_cast<std::size_t>(bar)];
    for (int e = 0; e < 6; ++e) {
      int pitch = chord[static_cast<std::size_t>(kPattern[e])];
      Add(out, Pluck(Midi(pitch), 1.2f, seed++, 0.995f), (bar * 6 + e) * kEighth,
          e == 0 ? 0.5f : 0.32f);
    }
    Add(out, Drum(75, 0.4f), bar * 6 * kEighth, 0.45f);
    Add(out, Drum(95, 0.3f), (bar * 6 + 3) * kEighth, 0.3f);
    if (bar % 2 == 1) Add(out, Drum(110, 0.2f), (bar * 6 + 5) * kEighth, 0.15f);
  }
  Add(out, Drone(), 0, 1.0f);
  // Fold the tails past the end onto the start.
  std::size_t loop = static_cast<std::size_t>(kLength * kRate);
  for (std::size_t k = loop; k < out.size(); ++k) out[k - loop] += out[k];
  out.resize(loop);
  float peak = 0;
  for (float v : out) peak = std::max(peak, std::fabs(v));
  for (float& v : out) v *= 0.7f / peak;
  return out;
}

}  // namespace

void RegisterMusic(Registry& r) {
  r.Sound("music01.wav", [] { return Music(); });
}

}  // namespace art
