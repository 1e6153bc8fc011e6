// The sound effects and the four season ambiences, each made from the
// synthesizer's noises and instruments.
#include <cmath>

#include "noise.h"
#include "registry.h"
#include "synth.h"

namespace art {
namespace {

Samples Filtered(float seconds, std::uint64_t seed, float low, float high) {
  Samples s = Noise(seconds, seed);
  LowPass(s, high);
  if (low > 0) HighPass(s, low);
  return s;
}

// Noise whose loudness follows a slow random swell (wind, crowds, rain).
Samples Swelling(float seconds, std::uint64_t seed, float low, float high, float speed) {
  Samples s = Filtered(seconds, seed, low, high);
  for (std::size_t k = 0; k < s.size(); ++k)
    s[k] *= 0.35f + 0.65f * Fbm(k / kRate * speed, 0.5f, static_cast<std::uint32_t>(seed), 3);
  return s;
}

Samples Coins(int count, std::uint64_t seed) {
  Samples s;
  Rng rng(seed);
  for (int k = 0; k < count; ++k)
    Add(s, Metal(rng.Range(1800, 2600), 0.35f), k * 0.07f + rng.Range(0, 0.03f), 0.4f);
  return s;
}

Samples Voices(float seconds, std::uint64_t seed, float pitch, bool angry) {
  Samples s;
  Rng rng(seed);
  int voices = angry ? 9 : 6;
  for (int v = 0; v < voices; ++v) {
    float at = rng.Range(0, seconds * 0.4f), len = rng.Range(0.4f, seconds - at);
    Samples voice =
        Glide(pitch * rng.Range(0.8f, 1.3f), pitch * rng.Range(0.7f, 1.4f), len, angry ? 8 : 5);
    LowPass(voice, angry ? 1600 : 900);
    Envelope(voice, 0.08f, 0.2f);
    Add(s, voice, at, 0.3f);
  }
  Add(s, Swelling(seconds, seed + 1, 200, 1200, 3), 0, angry ? 0.5f : 0.25f);
  return s;
}

Samples Birds(float seconds, std::uint64_t seed) {
  Samples s = Swelling(seconds, seed, 300, 1500, 0.5f);
  for (float& v : s) v *= 0.12f;
  Rng rng(seed);
  for (float t = 0.2f; t < seconds - 0.5f; t += rng.Range(0.25f, 0.9f)) {
    float f = rng.Range(2500, 4200);
    int notes = rng.Int(2, 5);
    for (int n = 0; n < notes; ++n) {
      Samples chirp = Glide(f * rng.Range(0.9f, 1.1f), f * rng.Range(1.1f, 1.5f), 0.07f, 1);
      Envelope(chirp, 0.01f, 0.04f);
      Add(s, chirp, t + n * 0.09f, 0.35f);
    }
  }
  return s;
}

Samples Crickets(float seconds, std::uint64_t seed) {
  Samples s(static_cast<std::size_t>(seconds * kRate));
  for (int c = 0; c < 3; ++c) {
    float f = 4200 + c * 350.0f, rate = 14 + c * 3.0f;
    for (std::size_t k = 0; k < s.size(); ++k) {
      float t = k / kRate;
      float gate = std::sin(6.2831853f * rate * t) > 0.3f ? 1.0f : 0.0f;
      float phrase = std::fmod(t + c * 0.7f, 2.2f) < 1.4f ? 1.0f : 0.0f;
      s[k] += 0.15f * gate * phrase * std::sin(6.2831853f * f * t);
    }
  }
  Add(s, Filtered(seconds, seed, 2000, 6000), 0, 0.03f);
  return s;
}

Samples Thunder(std::uint64_t seed) {
  Samples s = Swelling(3.0f, seed, 0, 180, 4);
  Envelope(s, 0.05f, 2.2f);
  Add(s, Filtered(0.3f, seed + 1, 300, 3000), 0, 0.6f);
  return s;
}

Samples Steps(int count, float gap, float hz) {
  Samples s;
  for (int k = 0; k < count; ++k) {
    Add(s, Drum(hz, 0.2f), k * gap, 0.6f);
    Add(s, Click(0.05f, 800, static_cast<std::uint64_t>(k)), k * gap, 0.4f);
  }
  return s;
}

Samples Horn(const std::vector<int>& notes, float beat) {
  Samples s;
  float at = 0;
  for (int n : notes) {
    Samples tone = Saw(Midi(n), beat * 1.1f, 0.15f);
    LowPass(tone, 1400);
    Envelope(tone, 0.04f, 0.1f);
    Add(s, tone, at, 0.5f);
    at += beat;
  }
  return s;
}

Samples Chord(const std::vector<int>& notes, float seconds) {
  Samples s;
  for (int n : notes) {
    Samples tone = Saw(Midi(n), seconds, 0.12f);
    LowPass(tone, 900);
    Envelope(tone, 0.3f, 0.6f);
    Add(s, tone, 0, 0.3f);
  }
  return s;
}

Samples Moo() {
  Samples s = Glide(140, 105, 1.2f, 10);
  LowPass(s, 700);
  Envelope(s, 0.15f, 0.4f);
  return s;
}

Samples Chops(int count, float hz, float brightness) {
  Samples s;
  for (int k = 0; k < count; ++k) {
    Add(s, Drum(hz, 0.25f), k * 0.45f, 0.7f);
    Add(s, Click(0.08f, brightness, static_cast<std::uint64_t>(k + 5)), k * 0.45f, 0.8f);
  }
  return s;
}

Samples Creak(float seconds, float hz) {
  Samples s(static_cast<std::size_t>(seconds * kRate));
  Rng rng(7);
  float phase = 0;
  for (std::size_t k = 0; k < s.size(); ++k) {
    float t = k / kRate;
    phase += hz * (1 + 0.3f * std::sin(t * 3)) / kRate;
    if (phase >= 1) phase -= 1;
    s[k] = (phase < 0.1f ? 1.0f : 0.0f) * (0.6f + 0.4f * rng.Uniform());
  }
  LowPass(s, 2500);
  Envelope(s, 0.1f, 0.2f);
  return s;
}

}  // namespace

void RegisterSounds(Registry& r) {
  auto add = [&r](const char* name, std::function<Samples()> make, float peak = 0.8f) {
    r.Sound(name, [make, peak] { return Finish(make(), peak); });
  };
  add(
      "click01.wav",
      [] {
        Samples s = Click(0.06f, 1500, 1);
        Add(s, Sine(900, 0.04f, 80), 0, 0.5f);
        return s;
      },
      0.6f);
  add(
      "click02.wav",
      [] {
        Samples s = Click(0.04f, 3000, 2);
        Add(s, Sine(1600, 0.03f, 100), 0, 0.4f);
        return s;
      },
      0.5f);
  add(
      "rollover01.wav",
      [] {
        Samples s = Glide(500, 900, 0.12f, 2);
        Envelope(s, 0.01f, 0.08f);
        return s;
      },
      0.4f);
  add("turn01.wav", [] { return Bell(Midi(43), 2.0f, 1.5f); });
  add(
      "message.wav",
      [] {
        Samples s = Bell(Midi(79), 0.8f, 4);
        Add(s, Bell(Midi(84), 0.9f, 4), 0.18f);
        return s;
      },
      0.6f);
  add("victory.wav", [] {
    Samples s = Horn({62, 66, 69, 74, 74, 69, 74}, 0.22f);
    Add(s, Chord({50, 62, 66, 69}, 1.2f), 1.4f);
    Add(s, Drum(70, 0.5f), 0, 0.6f);
    Add(s, Drum(70, 0.5f), 1.4f, 0.6f);
    return s;
  });
  add("defeat.wav", [] {
    Samples s = Horn({62, 60, 57, 55, 53}, 0.4f);
    Add(s, Chord({38, 50, 53}, 1.6f), 1.8f);
    for (int k = 0; k < 3; ++k) Add(s, Drum(55, 0.6f), k * 0.8f, 0.7f);
    return s;
  });
  add("army01.wav", [] {
    Samples s;
    for (int k = 0; k < 8; ++k) Add(s, Drum(90, 0.2f), k * 0.06f, 0.4f + k * 0.05f);
    Add(s, Horn({57, 62, 62}, 0.18f), 0.5f);
    return s;
  });
  add(
      "armymapwalk01.wav", [] { return Steps(6, 0.25f, 70); }, 0.6f);
  add("fire01.wav", [] {
    Samples s = Swelling(1.6f, 3, 200, 1200, 6);
    Rng rng(4);
    for (int k = 0; k < 25; ++k)
      Add(s, Click(0.03f, 2000, static_cast<std::uint64_t>(k)), rng.Range(0, 1.5f),
          rng.Range(0.3f, 1.0f));
    return s;
  });
  add("blacksmith01.wav", [] {
    Samples s;
    for (int k = 0; k < 3; ++k) Add(s, Metal(620, 0.6f), k * 0.42f);
    return s;
  });
  add("armoury01.wav", [] {
    Samples s = Coins(6, 9);
    Add(s, Metal(300, 0.5f), 0.1f, 0.6f);
    return s;
  });
  add("science01.wav", [] {
    Samples s;
    for (int k = 0; k < 6; ++k) Add(s, Bell(Midi(72 + k * 3), 0.9f, 5), k * 0.09f, 0.4f);
    return s;
  });
  add("tax01.wav", [] { return Coins(9, 11); });
  add("trade01.wav", [] {
    Samples s = Coins(5, 13);
    Add(s, Metal(1200, 0.4f), 0.45f, 0.6f);
    return s;
  });
  add("people01.wav", [] { return Voices(1.6f, 21, 200, false); });
  add("mob01.wav", [] { return Voices(2.2f, 23, 240, true); });
  add("specialunits01.wav", [] {
    Samples s = Pluck(Midi(45), 1.2f, 3, 0.997f);
    Add(s, Swelling(1.2f, 5, 1500, 5000, 5), 0, 0.2f);
    return s;
  });
  add("manor01.wav", [] {
    Samples s = Creak(0.8f, 30);
    Add(s, Drum(60, 0.5f), 0.8f, 1.0f);
    return s;
  });
  add(
      "plain01.wav",
      [] {
        Samples s = Filtered(0.4f, 31, 100, 900);
        Envelope(s, 0.02f, 0.3f);
        Add(s, Drum(80, 0.2f), 0, 0.6f);
        return s;
      },
      0.6f);
  add(
      "crops01.wav", [] { return Swelling(1.0f, 33, 1500, 6000, 10); }, 0.5f);
  add("cattle01.wav", [] { return Moo(); });
  add("woodcutter01.wav", [] { return Chops(3, 110, 1200); });
  add(
      "stonecutter01.wav",
      [] {
        Samples s;
        for (int k = 0; k < 5; ++k)
          Add(s, Click(0.05f, 3500, static_cast<std::uint64_t>(k)), k * 0.22f);
        Add(s, Metal(1800, 0.3f), 0, 0.3f);
        return s;
      },
      0.6f);
  add("orecutter01.wav", [] {
    Samples s;
    for (int k = 0; k < 3; ++k) Add(s, Metal(900, 0.4f), k * 0.5f);
    return s;
  });
  add("windmill01.wav", [] {
    Samples s = Swelling(1.8f, 41, 150, 800, 2);
    Add(s, Creak(1.8f, 12), 0, 0.8f);
    return s;
  });
  add(
      "rain01.wav", [] { return Swelling(2.5f, 43, 1000, 7000, 2); }, 0.6f);
  add("thunder02.wav", [] { return Thunder(45); });
  add("siege01.wav", [] {
    Samples s = Horn({50, 50, 57}, 0.3f);
    for (int k = 0; k < 4; ++k) Add(s, Metal(700 + k * 90, 0.3f), 0.9f + k * 0.17f, 0.4f);
    return s;
  });
  add("battlefield01.wav", [] {
    Samples s = Swelling(2.0f, 47, 200, 900, 1.5f);
    for (int k = 0; k < 6; ++k) Add(s, Metal(800 + k * 70, 0.25f), 0.2f + k * 0.27f, 0.3f);
    Samples crow = Glide(700, 500, 0.25f, 12);
    LowPass(crow, 2500);
    Add(s, crow, 1.4f, 0.5f);
    return s;
  });
  add("treasure01.wav", [] {
    Samples s = Coins(4, 51);
    for (int k = 0; k < 5; ++k) Add(s, Bell(Midi(84 + k * 2), 0.6f, 6), 0.1f + k * 0.07f, 0.3f);
    return s;
  });
  add("dolmen01.wav", [] {
    Samples s = Swelling(2.5f, 53, 100, 600, 1);
    Add(s, Chord({38, 45}, 2.5f), 0, 0.6f);
    return s;
  });
  add("cross01.wav", [] { return Bell(Midi(67), 1.8f, 1.5f); });
  add("chapel01.wav", [] { return Chord({55, 59, 62, 67}, 2.0f); });
  add("gchapel01.wav", [] {
    Samples s = Bell(Midi(48), 3.0f, 0.8f);
    Add(s, Chord({48, 55, 60, 64}, 2.5f), 0.3f, 0.5f);
    return s;
  });
  add(
      "hut01.wav",
      [] {
        Samples s = Swelling(1.2f, 57, 300, 1500, 5);
        Add(s, Steps(2, 0.18f, 150), 0.2f, 0.8f);
        return s;
      },
      0.6f);
  add("obelisk01.wav", [] {
    Samples s = Sine(Midi(33), 2.0f, 0.5f);
    Add(s, Sine(Midi(45), 2.0f, 0.7f), 0, 0.5f);
    Envelope(s, 0.4f, 0.8f);
    return s;
  });
  add("statue01.wav", [] {
    Samples s = Swelling(1.2f, 61, 60, 400, 8);
    Envelope(s, 0.1f, 0.4f);
    return s;
  });
  add("tavern01.wav", [] {
    Samples s;
    const int kTune[] = {62, 65, 69, 67, 65, 64, 62};
    for (int k = 0; k < 7; ++k)
      Add(s, Pluck(Midi(kTune[k]), 0.6f, static_cast<std::uint64_t>(k)), k * 0.2f, 0.5f);
    Add(s, Metal(1500, 0.3f), 1.5f, 0.5f);
    Add(s, Voices(1.8f, 63, 220, false), 0, 0.5f);
    return s;
  });
  add(
      "ruins01.wav", [] { return Swelling(2.0f, 65, 250, 900, 1.5f); }, 0.6f);
  add("cave01.wav", [] {
    Samples s = Swelling(2.0f, 67, 80, 500, 1);
    for (int k = 0; k < 4; ++k) Add(s, Sine(1400 + k * 230, 0.2f, 25), 0.3f + k * 0.45f, 0.5f);
    return s;
  });
  // The seasons' ambience: autumn wind and rain, winter wind, spring birds,
  // summer crickets. Eight seconds each, played over and over.
  add(
      "fauna01.wav",
      [] {
        Samples s = Swelling(8, 71, 200, 1400, 0.6f);
        Add(s, Swelling(8, 72, 1500, 6000, 1), 0, 0.5f);
        return s;
      },
      0.45f);
  add(
      "fauna02.wav", [] { return Swelling(8, 73, 150, 900, 0.5f); }, 0.45f);
  add(
      "fauna03.wav", [] { return Birds(8, 75); }, 0.5f);
  add(
      "fauna04.wav", [] { return Crickets(8, 77); }, 0.4f);
}

}  // namespace art
