// Sound: the channel buffers, the integer mixer and the memory output.
//
// Each secondary buffer is an 8-bit mono ring (silence 0x80) played at its
// own rate. The mixer steps through every playing ring in 16.16 fixed point
// at rate / 44,100 bytes per output frame, takes the byte it lands on,
// centres it and scales it to 16 bits ((s - 128) x 256), applies the left and
// right gains of the buffer's volume and pan and sums into 32 bits, which are
// saturated to 16 bits at the end. One channel at 0 dB, centre, 44,100 Hz
// gives exactly (s - 128) x 256 on both sides.
//
// Everything the output's thread reads is guarded by one lock. A lock of a
// byte range hands out a staging copy, and the unlock copies it into the
// ring under the lock, so the mixer never reads bytes half written.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/reset.h"
#include "platform/platform.h"

struct PlatSoundBuffer {
  uint32_t refs = 1;
  bool primary = false;
  uint32_t flags = 0;
  PlatWaveFormat format{};  // a primary buffer's: what was asked for
  std::vector<uint8_t> ring;
  uint64_t position = 0;  // 16.16 fixed point, in bytes of the ring
  bool playing = false;
  bool looping = false;
  uint32_t frequency = 0;
  int32_t volume = 0;
  int32_t pan = 0;
  uint32_t gainLeft = 65536, gainRight = 65536;
  // The open lock: its staging bytes and where they go.
  bool locked = false;
  uint32_t lockOffset = 0, lockBytes = 0;
  std::vector<uint8_t> staging;
};

struct PlatSound {
  uint32_t refs = 1;
  bool initialised = false;
  uint32_t level = 0;
};

namespace {

enum class Output { None, Device, Memory };

struct AudioState {
  std::mutex lock;
  std::vector<PlatSoundBuffer*> buffers;
  std::vector<PlatSound*> objects;
  std::atomic<Output> output{Output::None};  // read by the timer's thread too
  bool useMemory = false;
  FILE* wav = nullptr;
  uint64_t wavFrames = 0;
  uint64_t wavLimit = 0;  // frames after which the file is closed; 0 = none
  bool capture = false;
  std::vector<int16_t> captured;
  uint64_t memoryFrames = 0;
  std::vector<int32_t> accumulator;
};

AudioState& A() {
  static AudioState* a = new AudioState;  // the output's thread may outlive main's statics
  return *a;
}

bool Known(PlatSoundBuffer* b) {
  const auto& v = A().buffers;
  return b && std::find(v.begin(), v.end(), b) != v.end();
}

void UpdateGains(PlatSoundBuffer* b) {
  int32_t left = b->volume + (b->pan > 0 ? -b->pan : 0);
  int32_t right = b->volume + (b->pan < 0 ? b->pan : 0);
  b->gainLeft = PlatSoundGain(left);
  b->gainRight = PlatSoundGain(right);
}

uint32_t LeadBytes(const PlatSoundBuffer* b) { return std::max<uint32_t>(1, (b->frequency + 99) / 100); }

// --- the WAV file of the memory output ---------------------------------------

void StoreLE(uint8_t* p, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void WriteWavHeader(FILE* f, uint64_t frames) {
  uint8_t h[44];
  uint32_t dataBytes = static_cast<uint32_t>(std::min<uint64_t>(frames * 4, 0xFFFFFFFFull - 36));
  std::memcpy(h, "RIFF", 4);
  StoreLE(h + 4, 36 + dataBytes, 4);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  StoreLE(h + 16, 16, 4);
  StoreLE(h + 20, 1, 2);
  StoreLE(h + 22, 2, 2);
  StoreLE(h + 24, PLAT_MIX_RATE, 4);
  StoreLE(h + 28, PLAT_MIX_RATE * 4, 4);
  StoreLE(h + 32, 4, 2);
  StoreLE(h + 34, 16, 2);
  std::memcpy(h + 36, "data", 4);
  StoreLE(h + 40, dataBytes, 4);
  std::fseek(f, 0, SEEK_SET);
  std::fwrite(h, 1, sizeof h, f);
  std::fseek(f, 0, SEEK_END);
}

void CloseWav() {
  AudioState& a = A();
  if (!a.wav) return;
  WriteWavHeader(a.wav, a.wavFrames);
  std::fclose(a.wav);
  a.wav = nullptr;
  a.wavFrames = 0;
  a.wavLimit = 0;
}

void MixLocked(int16_t* out, uint32_t frames) {
  AudioState& a = A();
  a.accumulator.assign(static_cast<size_t>(frames) * 2, 0);
  int32_t* acc = a.accumulator.data();
  for (PlatSoundBuffer* b : a.buffers) {
    if (b->primary || !b->playing || b->ring.empty()) continue;
    const uint8_t* ring = b->ring.data();
    const uint64_t size = b->ring.size();
    const uint64_t end = size << 16;
    const uint64_t step = (static_cast<uint64_t>(b->frequency) << 16) / PLAT_MIX_RATE;
    const int64_t gl = b->gainLeft, gr = b->gainRight;
    uint64_t pos = b->position;
    for (uint32_t i = 0; i < frames; ++i) {
      int64_t s = (static_cast<int64_t>(ring[pos >> 16]) - 128) * 256;
      acc[2 * i] += static_cast<int32_t>((s * gl) >> 16);
      acc[2 * i + 1] += static_cast<int32_t>((s * gr) >> 16);
      pos += step;
      if (pos >= end) {
        if (!b->looping) {
          b->playing = false;
          pos = 0;
          break;
        }
        pos %= end;
      }
    }
    b->position = pos;
  }
  for (uint32_t i = 0; i < frames * 2; ++i) out[i] = static_cast<int16_t>(std::clamp(acc[i], -32768, 32767));
}

}  // namespace

uint32_t PlatSoundGain(int32_t attenuation) {
  if (attenuation <= PLAT_VOLUME_SILENT) return 0;
  if (attenuation >= 0) return 65536;
  return static_cast<uint32_t>(std::lround(65536.0 * std::pow(10.0, attenuation / 2000.0)));
}

void PlatSoundMix(int16_t* out, uint32_t frames) {
  std::lock_guard<std::mutex> guard(A().lock);
  MixLocked(out, frames);
}

PlatResult PlatSoundCreate(PlatSound** out) {
  if (!out) return PLATERR_INVALIDPARAMS;
  std::lock_guard<std::mutex> guard(A().lock);
  *out = new PlatSound;
  A().objects.push_back(*out);
  return PLAT_OK;
}

namespace {
void OutputFill(int16_t* out, uint32_t frames) { PlatSoundMix(out, frames); }
}  // namespace

PlatResult PlatSoundInitialize(PlatSound* sound) {
  if (!sound) return PLATERR_INVALIDPARAMS;
  AudioState& a = A();
  if (sound->initialised || a.output != Output::None) return PLATERR_ALREADYINITIALIZED;
  if (a.useMemory) {
    a.output = Output::Memory;
    a.memoryFrames = 0;
  } else {
    const PlatBackend* backend = PlatGetBackend();
    if (!backend || !backend->openAudio || !backend->openAudio(PLAT_MIX_RATE, OutputFill)) return PLATERR_NODRIVER;
    a.output = Output::Device;
  }
  sound->initialised = true;
  return PLAT_OK;
}

PlatResult PlatSoundSetCooperativeLevel(PlatSound* sound, uint32_t level) {
  if (!sound || !sound->initialised) return PLATERR_NOTINITIALIZED;
  if (level != PLAT_SOUND_NORMAL && level != PLAT_SOUND_EXCLUSIVE && level != 2 && level != 4)
    return PLATERR_INVALIDPARAMS;
  sound->level = level;
  return PLAT_OK;
}

PlatResult PlatSoundCreateBuffer(PlatSound* sound, const PlatSoundBufferDesc& desc, PlatSoundBuffer** out) {
  if (!out) return PLATERR_INVALIDPARAMS;
  *out = nullptr;
  if (!sound || !sound->initialised) return PLATERR_NOTINITIALIZED;
  auto b = std::make_unique<PlatSoundBuffer>();
  b->flags = desc.flags;
  if (desc.flags & PLAT_SBCAPS_PRIMARY) {
    if (desc.bytes != 0) return PLATERR_INVALIDPARAMS;
    b->primary = true;
    b->format = {1, 2, PLAT_MIX_RATE, PLAT_MIX_RATE * 4, 4, 16};
  } else {
    const PlatWaveFormat& f = desc.format;
    if (f.formatTag != 1 || f.channels != 1 || f.bitsPerSample != 8) return PLATERR_BADFORMAT;
    if (f.samplesPerSec < PLAT_FREQUENCY_MIN || f.samplesPerSec > PLAT_FREQUENCY_MAX) return PLATERR_BADFORMAT;
    if (desc.bytes < 4 || desc.bytes > 0x0FFFFFFF) return PLATERR_INVALIDPARAMS;
    b->format = f;
    b->ring.assign(desc.bytes, 0x80);
    b->frequency = f.samplesPerSec;
  }
  std::lock_guard<std::mutex> guard(A().lock);
  *out = b.release();
  A().buffers.push_back(*out);
  return PLAT_OK;
}

uint32_t PlatSoundAddRef(PlatSound* sound) { return sound ? ++sound->refs : 0; }

uint32_t PlatSoundRelease(PlatSound* sound) {
  if (!sound || sound->refs == 0) return 0;
  if (--sound->refs) return sound->refs;
  AudioState& a = A();
  if (sound->initialised) {
    if (a.output == Output::Device) {
      const PlatBackend* backend = PlatGetBackend();
      if (backend && backend->closeAudio) backend->closeAudio();
    }
    a.output = Output::None;
  }
  std::lock_guard<std::mutex> guard(a.lock);
  a.objects.erase(std::remove(a.objects.begin(), a.objects.end(), sound), a.objects.end());
  delete sound;
  return 0;
}

uint32_t PlatSoundBufferAddRef(PlatSoundBuffer* buffer) {
  std::lock_guard<std::mutex> guard(A().lock);
  return Known(buffer) ? ++buffer->refs : 0;
}

uint32_t PlatSoundBufferRelease(PlatSoundBuffer* buffer) {
  AudioState& a = A();
  std::lock_guard<std::mutex> guard(a.lock);
  if (!Known(buffer)) return 0;
  if (--buffer->refs) return buffer->refs;
  a.buffers.erase(std::remove(a.buffers.begin(), a.buffers.end(), buffer), a.buffers.end());
  delete buffer;
  return 0;
}

PlatResult PlatSoundBufferSetFormat(PlatSoundBuffer* buffer, const PlatWaveFormat& format) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer) || !buffer->primary) return PLATERR_SOUNDINVALIDCALL;
  if (format.formatTag != 1 || format.channels < 1 || format.channels > 2 ||
      (format.bitsPerSample != 8 && format.bitsPerSample != 16))
    return PLATERR_BADFORMAT;
  buffer->format = format;
  return PLAT_OK;
}

PlatResult PlatSoundBufferGetFormat(PlatSoundBuffer* buffer, PlatWaveFormat* out) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer) || !out) return PLATERR_INVALIDPARAMS;
  if (buffer->primary)
    *out = {1, 2, PLAT_MIX_RATE, PLAT_MIX_RATE * 4, 4, 16};  // what the mixer makes
  else
    *out = buffer->format;
  return PLAT_OK;
}

PlatResult PlatSoundBufferLock(PlatSoundBuffer* buffer, uint32_t offset, uint32_t bytes, void** part1,
                               uint32_t* bytes1, void** part2, uint32_t* bytes2) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer) || buffer->primary || !part1 || !bytes1) return PLATERR_INVALIDPARAMS;
  const uint32_t size = static_cast<uint32_t>(buffer->ring.size());
  if (buffer->locked) return PLATERR_SOUNDINVALIDCALL;
  if (bytes == 0 || bytes > size || offset >= size) return PLATERR_INVALIDPARAMS;
  uint32_t first = std::min(bytes, size - offset);
  uint32_t second = bytes - first;
  if (second && (!part2 || !bytes2)) return PLATERR_INVALIDPARAMS;
  buffer->staging.resize(bytes);
  std::memcpy(buffer->staging.data(), buffer->ring.data() + offset, first);
  if (second) std::memcpy(buffer->staging.data() + first, buffer->ring.data(), second);
  buffer->locked = true;
  buffer->lockOffset = offset;
  buffer->lockBytes = bytes;
  *part1 = buffer->staging.data();
  *bytes1 = first;
  if (part2) *part2 = second ? buffer->staging.data() + first : nullptr;
  if (bytes2) *bytes2 = second;
  return PLAT_OK;
}

PlatResult PlatSoundBufferUnlock(PlatSoundBuffer* buffer, void* part1, uint32_t bytes1, void* part2,
                                 uint32_t bytes2) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer) || !buffer->locked) return PLATERR_NOTLOCKED;
  uint8_t* staging = buffer->staging.data();
  uint32_t size = static_cast<uint32_t>(buffer->ring.size());
  uint32_t first = std::min(buffer->lockBytes, size - buffer->lockOffset);
  if (part1 != staging || bytes1 > first || (part2 && part2 != staging + first) ||
      bytes2 > buffer->lockBytes - first)
    return PLATERR_INVALIDPARAMS;
  std::memcpy(buffer->ring.data() + buffer->lockOffset, staging, bytes1);
  if (part2 && bytes2) std::memcpy(buffer->ring.data(), staging + first, bytes2);
  buffer->locked = false;
  return PLAT_OK;
}

PlatResult PlatSoundBufferPlay(PlatSoundBuffer* buffer, bool looping) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer)) return PLATERR_INVALIDPARAMS;
  if (buffer->primary) return PLAT_OK;
  buffer->playing = true;
  buffer->looping = looping;
  return PLAT_OK;
}

PlatResult PlatSoundBufferStop(PlatSoundBuffer* buffer) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer)) return PLATERR_INVALIDPARAMS;
  buffer->playing = false;
  return PLAT_OK;
}

PlatResult PlatSoundBufferSetPosition(PlatSoundBuffer* buffer, uint32_t offset) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer) || buffer->primary || offset >= buffer->ring.size()) return PLATERR_INVALIDPARAMS;
  buffer->position = static_cast<uint64_t>(offset) << 16;
  return PLAT_OK;
}

PlatResult PlatSoundBufferGetPosition(PlatSoundBuffer* buffer, uint32_t* play, uint32_t* write) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer) || buffer->primary) return PLATERR_INVALIDPARAMS;
  uint32_t p = static_cast<uint32_t>(buffer->position >> 16);
  uint32_t w = p;
  if (buffer->playing) w = static_cast<uint32_t>((p + LeadBytes(buffer)) % buffer->ring.size());
  if (play) *play = p;
  if (write) *write = w;
  return PLAT_OK;
}

bool PlatSoundBufferPlaying(PlatSoundBuffer* buffer) {
  std::lock_guard<std::mutex> guard(A().lock);
  return Known(buffer) && buffer->playing;
}

PlatResult PlatSoundBufferSetVolume(PlatSoundBuffer* buffer, int32_t volume) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer) || volume < PLAT_VOLUME_SILENT || volume > PLAT_VOLUME_FULL) return PLATERR_INVALIDPARAMS;
  buffer->volume = volume;
  UpdateGains(buffer);
  return PLAT_OK;
}

PlatResult PlatSoundBufferSetPan(PlatSoundBuffer* buffer, int32_t pan) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer) || pan < PLAT_PAN_LEFT || pan > PLAT_PAN_RIGHT) return PLATERR_INVALIDPARAMS;
  buffer->pan = pan;
  UpdateGains(buffer);
  return PLAT_OK;
}

PlatResult PlatSoundBufferSetFrequency(PlatSoundBuffer* buffer, uint32_t hz) {
  std::lock_guard<std::mutex> guard(A().lock);
  if (!Known(buffer) || buffer->primary || hz < PLAT_FREQUENCY_MIN || hz > PLAT_FREQUENCY_MAX)
    return PLATERR_INVALIDPARAMS;
  buffer->frequency = hz;
  return PLAT_OK;
}

// --- the memory output -------------------------------------------------------

void PlatSoundUseMemoryOutput(bool on) { A().useMemory = on; }

bool PlatSoundMemoryWav(const char* path, uint64_t maxFrames) {
  std::lock_guard<std::mutex> guard(A().lock);
  CloseWav();
  if (!path) return true;
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  A().wav = f;
  A().wavFrames = 0;
  A().wavLimit = maxFrames;
  WriteWavHeader(f, 0);
  return true;
}

bool PlatSoundMemoryWavOpen() {
  std::lock_guard<std::mutex> guard(A().lock);
  return A().wav != nullptr;
}

bool PlatParseSoundOut(const char* text, std::string* path, uint64_t* frames, std::string* error) {
  const std::string t = text ? text : "";
  const size_t colon = t.rfind(':');
  if (colon == std::string::npos) {
    *error = "\"" + t + "\" is not FILE:SECONDS (no colon)";
    return false;
  }
  const std::string file = t.substr(0, colon), seconds = t.substr(colon + 1);
  if (file.empty()) {
    *error = "\"" + t + "\" names no file before the colon";
    return false;
  }
  char* end = nullptr;
  const double value = seconds.empty() ? 0.0 : std::strtod(seconds.c_str(), &end);
  // A day of sound at most: the WAV's sizes stay within 32 bits.
  if (seconds.empty() || !end || *end || !std::isfinite(value) || value <= 0.0 || value > 86400.0 ||
      std::llround(value * PLAT_MIX_RATE) < 1) {
    *error = "\"" + seconds + "\" is not a positive number of seconds (at most 86400)";
    return false;
  }
  *path = file;
  *frames = static_cast<uint64_t>(std::llround(value * PLAT_MIX_RATE));
  return true;
}

void PlatSoundMemoryCapture(bool on) {
  std::lock_guard<std::mutex> guard(A().lock);
  A().capture = on;
  if (!on) A().captured.clear();
}

std::vector<int16_t> PlatSoundMemoryTake() {
  std::lock_guard<std::mutex> guard(A().lock);
  std::vector<int16_t> out;
  out.swap(A().captured);
  return out;
}

uint64_t PlatSoundMemoryFrames() { return A().memoryFrames; }

void PlatSoundClockTick() {
  AudioState& a = A();
  if (a.output.load() != Output::Memory) return;
  constexpr uint32_t kFrames = PLAT_MIX_RATE / 100;
  int16_t frames[kFrames * 2];
  std::lock_guard<std::mutex> guard(a.lock);
  MixLocked(frames, kFrames);
  a.memoryFrames += kFrames;
  if (a.capture) a.captured.insert(a.captured.end(), frames, frames + kFrames * 2);
  if (a.wav) {
    uint32_t n = kFrames;
    if (a.wavLimit && a.wavLimit - a.wavFrames < n) n = static_cast<uint32_t>(a.wavLimit - a.wavFrames);
    uint8_t bytes[kFrames * 4];
    for (uint32_t i = 0; i < n * 2; ++i) StoreLE(bytes + 2 * i, static_cast<uint16_t>(frames[i]), 2);
    if (std::fwrite(bytes, 1, n * 4, a.wav) == n * 4) a.wavFrames += n;
    if (a.wavLimit && a.wavFrames >= a.wavLimit) CloseWav();  // the seconds asked for are written
  }
}

int PlatSoundLiveBuffers() {
  std::lock_guard<std::mutex> guard(A().lock);
  return static_cast<int>(A().buffers.size());
}

void PlatSoundReset() {
  AudioState& a = A();
  if (a.output == Output::Device) {
    const PlatBackend* backend = PlatGetBackend();
    if (backend && backend->closeAudio) backend->closeAudio();
  }
  std::lock_guard<std::mutex> guard(a.lock);
  a.output = Output::None;
  CloseWav();
  for (PlatSoundBuffer* b : a.buffers) delete b;
  for (PlatSound* s : a.objects) delete s;
  a.buffers.clear();
  a.objects.clear();
  a.useMemory = false;
  a.capture = false;
  a.captured.clear();
  a.memoryFrames = 0;
}
REGISTER_RESET(RESET_PLATFORM, PlatSoundReset);
