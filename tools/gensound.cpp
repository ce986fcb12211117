// gensound --seed N --out DIR: synthesises every sample file of the game's
// four sound banks under DIR/sound/ (their names come from the banks' own
// tables in src/generic/gamesound.cpp).
//
// Every file is a RIFF WAVE of 8-bit unsigned mono PCM, 22,050 Hz (the two
// tunes 11,025 Hz), with a 16-byte "vELk" chunk whose first word has bit 0
// set for the samples that loop: the fifteen ambience beds, both tunes, the
// crowd samples with "lp" in their names and the chants the crowd sings over
// and over. Sounds are made by kind from the name: kicks, knocks, whistles,
// cheers, applause, chants, horns, drums, tunes. One seed always gives the
// same bytes; all files together stay under 12 MB.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "generic/gamesound.h"
#include "toolfiles.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kRate = 22050;
constexpr uint32_t kMusicRate = 11025;

using Wave = std::vector<double>;

struct Synth {
  std::mt19937 rng;
  uint32_t rate;
  double Noise() { return static_cast<double>(rng()) / 2147483648.0 - 1.0; }
  double Uniform(double lo, double hi) { return lo + (hi - lo) * (static_cast<double>(rng()) / 4294967296.0); }
  size_t Frames(double seconds) const { return static_cast<size_t>(seconds * rate); }
};

// An envelope: a rise of `attack` seconds, then an exponential fall with the
// given time constant.
double Envelope(double t, double attack, double decay) {
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

void Add(Wave& into, const Wave& w, size_t at, double gain) {
  for (size_t i = 0; i < w.size() && at + i < into.size(); ++i) into[at + i] += w[i] * gain;
}

// Low-passed noise: the rumble of many voices.
Wave CrowdNoise(Synth& s, size_t frames, double smooth) {
  Wave w(frames);
  double y = 0, y2 = 0;
  for (size_t i = 0; i < frames; ++i) {
    y += smooth * (s.Noise() - y);
    y2 += smooth * (y - y2);
    w[i] = y2 * 3.0;
  }
  return w;
}

Wave Thud(Synth& s, double seconds, double pitch, double noise) {
  Wave w(s.Frames(seconds));
  double phase = 0;
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / s.rate;
    double f = pitch * (1.0 + 1.5 * std::exp(-t * 40));  // the knock falls in pitch
    phase += 2 * kPi * f / s.rate;
    w[i] = (std::sin(phase) * (1 - noise) + s.Noise() * noise) * Envelope(t, 0.002, seconds / 5);
  }
  return w;
}

Wave Ring(Synth& s, double seconds, double pitch) {
  Wave w(s.Frames(seconds));
  const double partials[] = {1.0, 2.76, 5.40, 8.93};
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / s.rate;
    double v = 0;
    for (int k = 0; k < 4; ++k) v += std::sin(2 * kPi * pitch * partials[k] * t) * std::exp(-t * (3 + 4 * k)) / (k + 1);
    w[i] = v * 0.6 + s.Noise() * 0.3 * std::exp(-t * 60);
  }
  return w;
}

Wave Whistle(Synth& s, double seconds, double pitch, int blasts) {
  Wave w(s.Frames(seconds));
  double phase = 0;
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / s.rate;
    double slot = t * blasts / seconds;
    double within = slot - std::floor(slot);
    double gate = within < 0.8 ? std::min(1.0, std::min(within, 0.8 - within) * 40) : 0.0;
    double trill = 1.0 + 0.03 * std::sin(2 * kPi * 28 * t);  // the pea rattles
    phase += 2 * kPi * pitch * trill / s.rate;
    w[i] = (std::sin(phase) * 0.8 + s.Noise() * 0.1) * gate;
  }
  return w;
}

Wave Tone(Synth& s, double seconds, double pitch, double attack, double decay, int harmonics) {
  Wave w(s.Frames(seconds));
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / s.rate;
    double v = 0;
    for (int k = 1; k <= harmonics; ++k) v += std::sin(2 * kPi * pitch * k * t) / k;
    double release = std::min(1.0, (seconds - t) * 20);
    w[i] = v * 0.5 * std::min(Envelope(t, attack, decay), release);
  }
  return w;
}

// A crowd swelling and dying away: cheers, boos, groans.
Wave Swell(Synth& s, double seconds, double smooth, double peakAt, double vowel) {
  Wave w = CrowdNoise(s, s.Frames(seconds), smooth);
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / s.rate;
    double x = t / seconds;
    double shape = x < peakAt ? x / peakAt : std::pow(1 - (x - peakAt) / (1 - peakAt), 1.5);
    double voiced = vowel > 0 ? 0.25 * std::sin(2 * kPi * vowel * t + 3 * std::sin(2 * kPi * 3 * t)) : 0;
    w[i] = (w[i] + voiced) * shape;
  }
  return w;
}

Wave Claps(Synth& s, double seconds, double perSecond, double background) {
  Wave w = CrowdNoise(s, s.Frames(seconds), 0.3);
  for (double& v : w) v *= background;
  size_t count = static_cast<size_t>(seconds * perSecond);
  for (size_t n = 0; n < count; ++n) {
    size_t at = static_cast<size_t>(s.Uniform(0, static_cast<double>(w.size())));
    Wave clap(s.Frames(0.02));
    for (size_t i = 0; i < clap.size(); ++i) clap[i] = s.Noise() * std::exp(-static_cast<double>(i) / (s.rate * 0.004));
    Add(w, clap, at, s.Uniform(0.2, 0.6));
  }
  return w;
}

// Claps and stamps together on a beat (looped ones come round evenly).
Wave Rhythm(Synth& s, double seconds, double beat, bool stamp) {
  Wave w = CrowdNoise(s, s.Frames(seconds), 0.05);
  for (double& v : w) v *= 0.25;
  for (double t = 0; t < seconds; t += beat) {
    Wave hit = stamp ? Thud(s, 0.15, 70, 0.5) : Claps(s, 0.08, 300, 0);
    Add(w, hit, s.Frames(t), 0.7);
  }
  return w;
}

// A chant: voices on a short tune over the crowd, round and round.
Wave Chant(Synth& s, double seconds, double base) {
  Wave w = CrowdNoise(s, s.Frames(seconds), 0.05);
  for (double& v : w) v *= 0.3;
  const double steps[] = {0, 2, 4, 5, 7, 4, 2, 0};
  int notes = 4 + static_cast<int>(s.rng() % 4);
  double step = seconds / notes;
  for (int n = 0; n < notes; ++n) {
    double pitch = base * std::pow(2.0, steps[s.rng() % 8] / 12.0);
    Wave voice(s.Frames(step));
    for (size_t i = 0; i < voice.size(); ++i) {
      double t = static_cast<double>(i) / s.rate;
      double gate = std::min(1.0, std::min(t, step - t) * 15);
      double v = 0;
      for (int k = 1; k <= 5; ++k) v += std::sin(2 * kPi * pitch * k * t * (1 + 0.004 * k)) / k;
      voice[i] = (v + s.Noise() * 0.3) * gate;
    }
    Add(w, voice, s.Frames(n * step), 0.35);
  }
  return w;
}

Wave Drums(Synth& s, double seconds, double beat) {
  Wave w(s.Frames(seconds));
  int n = 0;
  for (double t = 0; t < seconds; t += beat, ++n) Add(w, Thud(s, 0.3, n % 4 == 0 ? 60 : 90, 0.2), s.Frames(t), 0.8);
  return w;
}

Wave Tune(Synth& s, double seconds) {
  Wave w(s.Frames(seconds));
  const double scale[] = {0, 2, 4, 5, 7, 9, 11, 12};
  const double beat = 0.25;
  std::vector<int> phrase(16);
  for (int& p : phrase) p = static_cast<int>(s.rng() % 8);
  int n = 0;
  for (double t = 0; t + beat <= seconds; t += beat, ++n) {
    if (n % 64 == 0)
      for (int& p : phrase)
        if (s.rng() % 4 == 0) p = static_cast<int>(s.rng() % 8);
    double melody = 220 * std::pow(2.0, scale[phrase[n % 16]] / 12.0);
    Add(w, Tone(s, beat, melody, 0.01, 0.15, 3), s.Frames(t), 0.5);
    if (n % 2 == 0) Add(w, Tone(s, beat * 2, 110 * std::pow(2.0, scale[phrase[(n / 4) % 16] % 5] / 12.0), 0.02, 0.4, 2), s.Frames(t), 0.35);
    if (n % 4 == 0) Add(w, Thud(s, 0.12, 80, 0.3), s.Frames(t), 0.4);
  }
  return w;
}

bool Has(const std::string& name, const char* part) { return name.find(part) != std::string::npos; }

// The sound of an effects sample: kicks, knocks, the woodwork, whistles.
Wave Effect(Synth& s, int n) {
  switch (n) {
    case 4:  // header, chest, a keeper's hands
      return Thud(s, 0.18, 140, 0.4);
    case 5:  // the boards or a corner flag
      return Thud(s, 0.3, 100, 0.6);
    case 6:  // post and bar
      return Ring(s, 0.6, 380);
    case 7: case 8: case 9: case 10: case 11:  // shots and crosses
      return Thud(s, 0.22, 110 + 10 * (n - 7), 0.5);
    case 24: case 25: case 26:  // passes
      return Thud(s, 0.15, 150 + 15 * (n - 24), 0.45);
    case 27:
      return Whistle(s, 0.5, 2900, 1);
    case 28:
      return Whistle(s, 0.9, 3000, 2);
    case 30:  // the referee's long blast
      return Whistle(s, 1.4, 2800, 3);
    default:
      return Thud(s, s.Uniform(0.12, 0.35), s.Uniform(80, 220), s.Uniform(0.3, 0.7));
  }
}

Wave Crowd(Synth& s, const std::string& name, bool loops) {
  double seconds = loops ? 4.0 : s.Uniform(1.2, 2.4);
  if (Has(name, "airhorn") || Has(name, "texair") || Has(name, "horns")) return Tone(s, s.Uniform(0.8, 1.6), s.Uniform(300, 480), 0.05, 2.0, 7);
  if (Has(name, "applaus") || Has(name, "polclap") || Has(name, "claps1") || Has(name, "claps2"))
    return Claps(s, seconds, 120, 0.3);
  if (Has(name, "claps")) return Rhythm(s, seconds, 0.5, false);
  if (Has(name, "stomps")) return Rhythm(s, seconds, 0.5, true);
  if (Has(name, "band") || Has(name, "drum")) return Drums(s, seconds, 0.25);
  if (Has(name, "boos") || Has(name, "catcall") || Has(name, "cheat") || Has(name, "opp_pen"))
    return Swell(s, seconds, 0.04, 0.3, 140);
  if (Has(name, "miss") || Has(name, "penmiss")) return Swell(s, seconds, 0.06, 0.15, 110);
  if (Has(name, "chant") || Has(name, "cz_fra") || Has(name, "england") || Has(name, "sameric") || Has(name, "seamen") ||
      Has(name, "hey") || Has(name, "swinglo") || Has(name, "chering"))
    return Chant(s, loops ? 4.0 : seconds, s.Uniform(150, 240));
  if (Has(name, "tannoy") || Has(name, "realtnoy")) return Tone(s, seconds, 180, 0.1, 3.0, 9);
  if (Has(name, "metal")) return Ring(s, 0.8, 520);
  // cheers, saves, good chances, passes, penalties: a roar
  return Swell(s, seconds, 0.12, loops ? 0.5 : 0.2, 0);
}

// A looping bed of crowd murmur; the loudness wanders and comes back round.
Wave Ambience(Synth& s, int n) {
  double seconds = 6.0;
  double smooth = n < 6 ? 0.12 : n < 11 ? 0.08 : 0.05;  // packed, respectable, sparse
  double level = n < 6 ? 0.9 : n < 11 ? 0.7 : 0.45;
  Wave w = CrowdNoise(s, s.Frames(seconds), smooth);
  double wander = s.Uniform(0, 2 * kPi);
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / s.rate;
    w[i] *= level * (0.8 + 0.2 * std::sin(2 * kPi * t / seconds + wander));
  }
  // Cross-fade the last half second into the start so the loop has no click.
  size_t fade = s.Frames(0.5);
  for (size_t i = 0; i < fade; ++i) {
    double a = static_cast<double>(i) / fade;
    w[i] = w[i] * a + w[w.size() - fade + i] * (1 - a);
  }
  w.resize(w.size() - fade);
  return w;
}

std::vector<uint8_t> ToBytes(const Wave& w) {
  double peak = 0;
  for (double v : w) peak = std::max(peak, std::fabs(v));
  double scale = peak > 0.95 ? 0.95 / peak : 1.0;
  std::vector<uint8_t> out(w.size());
  for (size_t i = 0; i < w.size(); ++i)
    out[i] = static_cast<uint8_t>(std::clamp(static_cast<int>(std::lround(128 + 127 * w[i] * scale)), 0, 255));
  return out;
}

std::vector<uint8_t> WavFile(const std::vector<uint8_t>& data, uint32_t rate, bool loops) {
  const uint32_t pad = data.size() & 1;
  std::vector<uint8_t> f(12 + 24 + 24 + 8 + data.size() + pad, 0);
  uint8_t* p = f.data();
  std::memcpy(p, "RIFF", 4);
  StoreU32(p + 4, static_cast<uint32_t>(f.size() - 8));
  std::memcpy(p + 8, "WAVE", 4);
  std::memcpy(p + 12, "fmt ", 4);
  StoreU32(p + 16, 16);
  StoreU16(p + 20, 1);  // PCM
  StoreU16(p + 22, 1);  // mono
  StoreU32(p + 24, rate);
  StoreU32(p + 28, rate);
  StoreU16(p + 32, 1);
  StoreU16(p + 34, 8);
  std::memcpy(p + 36, "vELk", 4);
  StoreU32(p + 40, 16);
  StoreU32(p + 44, loops ? 1u : 0u);
  std::memcpy(p + 60, "data", 4);
  StoreU32(p + 64, static_cast<uint32_t>(data.size()));
  std::copy(data.begin(), data.end(), f.begin() + 68);
  return f;
}

std::string DiskPath(const std::string& out, const char* gameName) {
  std::string path = out + "/";
  for (const char* c = gameName; *c; ++c) path += *c == '\\' ? '/' : *c;
  return path;
}

int Usage() {
  std::fprintf(stderr, "usage: gensound --seed N --out DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  long long seed = -1;
  std::string out;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      char* end = nullptr;
      seed = std::strtoll(argv[++i], &end, 10);
      if (!end || *end || seed < 0) return Usage();
    } else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      out = argv[++i];
    } else {
      return Usage();
    }
  }
  if (seed < 0 || out.empty()) return Usage();

  uint64_t total = 0;
  int files = 0;
  for (int bank = 0; bank < SOUNDBANK_COUNT; ++bank) {
    const SndBankDesc& desc = GameSoundBankDesc(bank);
    for (uint32_t n = 0; n < desc.samples; ++n) {
      char name[256];
      if ((desc.type & 0xF0) == SND_NAMES_FORMAT)
        std::snprintf(name, sizeof name, desc.files[0], static_cast<int>(n));
      else
        std::snprintf(name, sizeof name, "%s", desc.files[n]);
      Synth s{std::mt19937(static_cast<uint32_t>(seed) * 7919u + static_cast<uint32_t>(bank) * 1000u + n), kRate};
      Wave w;
      bool loops = false;
      switch (bank) {
        case SOUNDBANK_EFFECTS:
          w = Effect(s, static_cast<int>(n));
          break;
        case SOUNDBANK_CROWD_AMBIENCE:
          w = Ambience(s, static_cast<int>(n));
          loops = true;
          break;
        case SOUNDBANK_CROWD:
          loops = GameSoundCrowdLoops(static_cast<int>(n));
          w = Crowd(s, name, loops);
          break;
        default:
          s.rate = kMusicRate;
          w = Tune(s, n == 0 ? 60.0 : 180.0);
          loops = true;
          break;
      }
      std::vector<uint8_t> file = WavFile(ToBytes(w), s.rate, loops);
      if (!WriteToolFile("gensound", DiskPath(out, name), file)) return 1;
      total += file.size();
      ++files;
    }
  }
  std::printf("gensound: %d files, %llu bytes\n", files, static_cast<unsigned long long>(total));
  return total <= 12u * 1024 * 1024 ? 0 : 1;
}
