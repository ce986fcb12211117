// The FILM reader (see animplay.h).
#include "menus/animplay.h"

#include <cstring>

#include "engine/bytes.h"
#include "engine/compress.h"
#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"

#define ABORT_FILE "animplay"

namespace {

constexpr uint32_t kFrameHeader12 = 8;
constexpr uint32_t kFrameHeader3 = 16;

// Reads bytes of the film; false when they are not all there.
bool ReadBytes(const Film* film, uint32_t offset, uint32_t length, void* out) {
  if (offset > film->size || length > film->size - offset) return false;
  if (length == 0) return true;
  if (film->memory)
    std::memcpy(out, film->memory + offset, length);
  else
    PakReadFile(out, offset, length, film->file);
  return true;
}

Film* OpenFrom(Film* film) {
  uint8_t header[FILM_HEADER_SIZE];
  if (!ReadBytes(film, 0, FILM_HEADER_SIZE, header) || std::memcmp(header, "FILM", 4) != 0) {
    CloseFilm(film);
    return nullptr;
  }
  film->version = LoadU32(header + 4);
  film->width = LoadU16(header + 8);
  film->height = LoadU16(header + 10);
  film->position = FILM_HEADER_SIZE;
  return film;
}

// A work block of the frame, given back when the frame is done.
struct WorkBlock {
  uint8_t* data = nullptr;
  explicit WorkBlock(uint32_t size) {
    if (size > 0) AllocateMemory(&data, size, ManualFree);
  }
  ~WorkBlock() {
    if (data) FreeMemory(&data);
  }
  WorkBlock(const WorkBlock&) = delete;
  WorkBlock& operator=(const WorkBlock&) = delete;
};

// The frame types of versions 1 and 2, over their bytes.
FilmResult DecodeV12(Film* film, uint32_t type, const uint8_t* data, uint32_t size, uint8_t* out) {
  const uint32_t w = film->width, h = film->height, area = w * h;
  switch (type) {
    case FILM_RAW:
      if (size != area) return FILM_ERR_FRAME_SIZE;
      std::memcpy(out, data, area);
      return FILM_OK;
    case FILM_DELTA: {
      uint32_t at = 0;
      for (uint32_t i = 0; i + 1 < size; i += 2) {
        at += data[i];
        if (at >= area) break;  // a skip past the frame ends the delta
        out[at] = data[i + 1];
      }
      return FILM_OK;
    }
    case FILM_OLD_PALETTE:
      return FILM_ERR_OBSOLETE_PALETTE;
    case FILM_QUARTER: {
      const uint32_t sw = w / 2, sh = h / 2;
      if (static_cast<uint64_t>(size) * 4 != area || sw * sh != size) return FILM_ERR_FRAME_SIZE;
      for (uint32_t r = 0; r < sh; ++r)
        for (uint32_t c = 0; c < sw; ++c) {
          const uint8_t v = data[r * sw + c];
          uint8_t* p = out + 2 * r * w + 2 * c;
          p[0] = p[1] = p[w] = p[w + 1] = v;
        }
      return FILM_OK;
    }
    case FILM_RAW_PALETTE:
      if (size != area + FILM_PALETTE_SIZE) return FILM_ERR_FRAME_SIZE;
      std::memcpy(out, data, area);
      std::memcpy(film->palette, data + area, FILM_PALETTE_SIZE);
      film->hasPalette = true;
      return FILM_OK;
    case FILM_HALF_HEIGHT: {
      if (static_cast<uint64_t>(size) * 2 != area || w * (h / 2) != size) return FILM_ERR_FRAME_SIZE;
      for (uint32_t r = 0; r < h / 2; ++r) {
        std::memcpy(out + 2 * r * w, data + r * w, w);
        std::memcpy(out + (2 * r + 1) * w, data + r * w, w);
      }
      return FILM_OK;
    }
    case FILM_HALF_WIDTH: {
      if (static_cast<uint64_t>(size) * 2 != area || (w / 2) * h != size) return FILM_ERR_FRAME_SIZE;
      for (uint32_t i = 0; i < size; ++i) out[2 * i] = out[2 * i + 1] = data[i];
      return FILM_OK;
    }
    default:
      return FILM_ERR_UNKNOWN_TYPE;
  }
}

// The frame types of version 3, over the unpacked bytes: the raw frame, the
// raw frame with its palette and the half-width frame decode as in the
// earlier versions; the others are unknown.
FilmResult DecodeV3(Film* film, uint32_t type, const uint8_t* data, uint32_t size, uint8_t* out) {
  if (type != FILM_RAW && type != FILM_RAW_PALETTE && type != FILM_HALF_WIDTH) return FILM_ERR_UNKNOWN_TYPE;
  return DecodeV12(film, type, data, size, out);
}

}  // namespace

Film* OpenFilm(const char* name) {
  Film* film = new Film;
  film->file = PakOpenFile(name);
  film->size = PakFileSize(film->file);
  return OpenFrom(film);
}

Film* OpenFilmMemory(const uint8_t* data, uint32_t size) {
  Film* film = new Film;
  film->memory = data;
  film->size = data ? size : 0;
  return OpenFrom(film);
}

void CloseFilm(Film* film) {
  if (!film) return;
  if (film->file) PakCloseFile(film->file);
  delete film;
}

FilmResult DecodeFilmFrame(Film* film, uint8_t* destination, uint32_t* type) {
  if (type) *type = 0;
  if (film->position >= film->size) return FILM_AT_END;
  const uint32_t version = film->version >> 16;
  if (version < 1 || version > 3) return FILM_ERR_UNKNOWN_VERSION;
  const uint32_t area = static_cast<uint32_t>(film->width) * film->height;
  const uint32_t left = film->size - film->position;
  if (version != 3) {
    uint8_t header[kFrameHeader12];
    if (!ReadBytes(film, film->position, kFrameHeader12, header)) return FILM_ERR_FRAME_SIZE;
    const uint32_t size = LoadU32(header), frameType = LoadU32(header + 4);
    if (type) *type = frameType;
    if (size > left - kFrameHeader12) return FILM_ERR_FRAME_SIZE;
    if (frameType == FILM_OLD_PALETTE) return FILM_ERR_OBSOLETE_PALETTE;
    if (frameType < FILM_RAW || frameType > FILM_HALF_WIDTH) return FILM_ERR_UNKNOWN_TYPE;
    // Every type but the delta is at most a frame and a palette long.
    if (frameType != FILM_DELTA && size > area + FILM_PALETTE_SIZE) return FILM_ERR_FRAME_SIZE;
    WorkBlock work(size);
    ReadBytes(film, film->position + kFrameHeader12, size, work.data);
    const FilmResult result = DecodeV12(film, frameType, work.data, size, destination);
    if (result == FILM_OK) film->position += kFrameHeader12 + size;
    return result;
  }
  uint8_t header[kFrameHeader3];
  if (!ReadBytes(film, film->position, kFrameHeader3, header)) return FILM_ERR_FRAME_SIZE;
  const uint32_t stored = LoadU32(header), frameType = LoadU32(header + 4), unpacked = LoadU32(header + 8),
                 mark = LoadU32(header + 12);
  if (type) *type = frameType;
  if (stored > left - kFrameHeader3) return FILM_ERR_FRAME_SIZE;
  if (unpacked > area + FILM_PALETTE_SIZE) return FILM_ERR_FRAME_SIZE;
  if (frameType != FILM_RAW && frameType != FILM_RAW_PALETTE && frameType != FILM_HALF_WIDTH)
    return FILM_ERR_UNKNOWN_TYPE;
  if (mark == FILM_UNPACKED && stored != unpacked) return FILM_ERR_STORED_SIZE;
  WorkBlock data(stored);
  ReadBytes(film, film->position + kFrameHeader3, stored, data.data);
  const uint8_t* bytes = data.data;
  WorkBlock unpackedBlock(mark == FILM_UNPACKED ? 0 : unpacked);
  if (mark != FILM_UNPACKED) {
    // The block's own header must promise what the frame says before the
    // decompressor is asked.
    if (stored < CMP0_HEADER_SIZE) return FILM_ERR_DECOMPRESS;
    const Cmp0Header block = Cmp0DecodeHeader(data.data);
    if (!block.hasId || block.unpackedSize != unpacked || block.compressedSize != stored - CMP0_HEADER_SIZE)
      return FILM_ERR_DECOMPRESS;
    if (unpacked > 0 && DecompressDataMem(data.data, stored, unpackedBlock.data, unpacked) != unpacked)
      return FILM_ERR_DECOMPRESS;
    bytes = unpackedBlock.data;
  }
  const FilmResult result = DecodeV3(film, frameType, bytes, unpacked, destination);
  if (result == FILM_OK) film->position += kFrameHeader3 + stored;
  return result;
}

int ReadFilmFrame(Film* film, uint8_t* destination) {
  uint32_t type = 0;
  switch (DecodeFilmFrame(film, destination, &type)) {
    case FILM_OK:
      return 0;
    case FILM_AT_END:
      return -1;
    case FILM_ERR_FRAME_SIZE:
      ABORT("ReadFilmFrame(): frame size wrong");
    case FILM_ERR_OBSOLETE_PALETTE:
      FatalError("Error: ReadFilmFrame(): obsolete 'Frame_Palette' found\n");
    case FILM_ERR_UNKNOWN_TYPE:
      if ((film->version >> 16) == 3)
        FatalError("Error: ReadFilmFrame(): Unknown frame type %d (version 3)\n", static_cast<int>(type));
      FatalError("Error: ReadFilmFrame(): Unknown frame type %d (version 1/2)\n", static_cast<int>(type));
    case FILM_ERR_UNKNOWN_VERSION:
      ABORT("ReadFilmFrame(): unknown film version");
    case FILM_ERR_STORED_SIZE:
      ABORT("ReadFilmFrame(): uncompressed frame wrong size");
    case FILM_ERR_DECOMPRESS:
      ABORT("ReadFilmFrame(): failed to decompress");
  }
  ABORT("ReadFilmFrame(): frame size wrong");
}
