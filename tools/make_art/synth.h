// A small synthesizer for the sounds and the music: envelopes, noise,
// filters and a few instruments. Samples are floats in [-1, 1] at 22050 Hz.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

using Samples = std::vector<float>;

constexpr float kRate = 22050.0f;

Samples Silence(float seconds);
// Adds src into dst starting at `at` seconds, scaled by gain; grows dst.
void Add(Samples& dst, const Samples& src, float at, float gain = 1.0f);
// Scales so the loudest sample is `peak`, with short fades at both ends.
Samples Finish(Samples s, float peak = 0.8f);

// An attack-decay envelope applied in place (seconds).
void Envelope(Samples& s, float attack, float release);
void LowPass(Samples& s, float cutoff_hz);
void HighPass(Samples& s, float cutoff_hz);

Samples Noise(float seconds, std::uint64_t seed);
Samples Sine(float hz, float seconds, float decay = 0.0f);            // decay: e-folds a second
Samples Saw(float hz, float seconds, float vibrato = 0.0f);           // vibrato depth in semitones
Samples Glide(float hz0, float hz1, float seconds, float harmonics);  // a voice sliding in pitch
Samples Pluck(float hz, float seconds, std::uint64_t seed, float damping = 0.996f);
Samples Bell(float hz, float seconds, float decay = 3.0f);
Samples Drum(float hz, float seconds);  // a frame drum or thud
Samples Click(float seconds, float brightness_hz, std::uint64_t seed);
Samples Metal(float hz, float seconds);  // a clang of iron

float Midi(int note);  // 69 = A 440 Hz

}  // namespace art
