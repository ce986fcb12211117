// CMP0 compressed blocks and the six compressors.
//
// Every decompressor is written once, over a byte source that is either a
// buffer in memory or an open stream read through the checked file layer in
// blocks of up to 256 bytes, and over an output that refuses to grow past its
// capacity. A decompressor therefore never reads past the compressed bytes or
// writes past the buffer, however the data is damaged; it reports the damage
// and the container turns that into its abort or fatal error. Data that would
// overflow the output fills it to the last byte before the decoder fails.
#include "engine/bytes.h"
#include "engine/compress.h"

#include <cstring>
#include <vector>

#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"

#define ABORT_FILE "compress"

namespace {

constexpr uint32_t kHuffNodes = 512;
constexpr uint32_t kHuffEmpty = 512;  // the empty child of the tree builder
constexpr uint32_t kCountUnused = 0xFFFFFFFFu;
constexpr uint32_t kCountEmpty = 0xFFFFFFFEu;
constexpr uint32_t kMaxRun = 65025;  // longest run in one zero-run or run-length token
constexpr uint32_t kLzWindow = 1023;
constexpr uint32_t kLzMinDistance = 5;
constexpr uint32_t kLzLongestSearch = 65;
constexpr uint32_t kLzLongestToken = 63;

// The shared work tables: one compression or decompression runs at a time.
struct CompressState {
  uint8_t guess[65536];  // predictor: the byte last seen after each two-byte context
  // Huffman tree builder: children and counts of leaves 0-255 and of the
  // internal nodes 256-511 (numbered down from 511); codes per byte value.
  uint16_t left[kHuffNodes];
  uint16_t right[kHuffNodes];
  uint32_t count[kHuffNodes + 1];  // [512] is the empty child
  uint64_t code[256][4];           // bit k of the code (k = 0 nearest the root) at bit k
  uint32_t codeLength[256];
  // Huffman decoder: the tree as read from the stream.
  int16_t decodeLeft[256];
  int16_t decodeRight[256];
  // What one whole byte of bits does from each node: the symbols it ends
  // (at most 8) and the node it stops at. Filled in as pairs are met.
  struct HuffStep {
    uint8_t ready;
    uint8_t count;
    uint8_t end;
    uint8_t symbols[8];
  } steps[256][256];
} gComp;



// ---------------------------------------------------------------------------
// Byte sources and the bounded output
// ---------------------------------------------------------------------------

struct MemSource {
  const uint8_t* p;
  const uint8_t* end;
  bool Next(uint8_t* b) {
    if (p == end) return false;
    *b = *p++;
    return true;
  }
  bool Empty() const { return p == end; }
};

// Reads the compressed bytes of an open stream in blocks of up to 256 bytes;
// a stream that ends early is the file layer's fatal error.
struct FileSource {
  FILE* stream;
  uint32_t left;  // compressed bytes not yet read from the stream
  uint32_t pos = 0;
  uint32_t have = 0;
  uint8_t buffer[256] = {};
  bool Next(uint8_t* b) {
    if (pos == have) {
      if (left == 0) return false;
      have = left < sizeof buffer ? left : static_cast<uint32_t>(sizeof buffer);
      DOSReadFile(stream, buffer, have);
      left -= have;
      pos = 0;
    }
    *b = buffer[pos++];
    return true;
  }
  bool Empty() const { return pos == have && left == 0; }
};

struct Output {
  uint8_t* p;
  uint32_t capacity;
  uint32_t length = 0;
  bool Put(uint8_t b) {
    if (length == capacity) return false;
    p[length++] = b;
    return true;
  }
  bool Room(uint32_t n) const { return n <= capacity - length; }
};

template <typename Source>
bool ReadLE32(Source& in, uint32_t* v) {
  uint8_t b[4];
  for (auto& x : b)
    if (!in.Next(&x)) return false;
  *v = LoadU32(b);
  return true;
}

// ---------------------------------------------------------------------------
// 0: predictor
// ---------------------------------------------------------------------------

void PredictorCompress(const uint8_t* src, uint32_t n, uint8_t* dst, uint32_t* length) {
  std::memset(gComp.guess, 0, sizeof gComp.guess);
  uint32_t context = 0, out = 0;
  for (uint32_t group = 0; group < n; group += 8) {
    uint32_t flagAt = out++;
    uint8_t flags = 0;
    for (uint32_t i = 0; i < 8 && group + i < n; ++i) {
      uint8_t c = src[group + i];
      if (gComp.guess[context] == c) {
        flags |= static_cast<uint8_t>(1u << i);
      } else {
        gComp.guess[context] = c;
        dst[out++] = c;
      }
      context = ((context << 8) | c) & 0xFFFF;
    }
    dst[flagAt] = flags;
  }
  *length = out;
}

template <typename Source>
bool PredictorDecompress(Source& in, Output& out) {
  std::memset(gComp.guess, 0, sizeof gComp.guess);
  uint32_t context = 0;
  uint8_t flags;
  while (in.Next(&flags)) {
    for (int bit = 0; bit < 8; ++bit) {
      uint8_t c;
      if (flags & (1u << bit)) {
        c = gComp.guess[context];
      } else {
        if (!in.Next(&c)) return true;  // the end of a short last group
        gComp.guess[context] = c;
      }
      if (!out.Put(c)) return false;
      context = ((context << 8) | c) & 0xFFFF;
    }
  }
  return true;
}

// ---------------------------------------------------------------------------
// 1: Huffman
// ---------------------------------------------------------------------------

// Appends bits, least significant first within each byte.
struct BitWriter {
  uint8_t* dst;
  uint32_t out;
  uint64_t acc = 0;
  uint32_t bits = 0;
  uint64_t total = 0;
  void Put(uint64_t value, uint32_t n) {  // n <= 32
    acc |= value << bits;
    bits += n;
    total += n;
    while (bits >= 8) {
      dst[out++] = static_cast<uint8_t>(acc);
      acc >>= 8;
      bits -= 8;
    }
  }
};

// Leaves are the byte values 0-255, internal nodes 256-511; a node number
// past the table would be a broken tree.
void HuffmanCodeWalk(uint32_t node, uint64_t* path, uint32_t depth) {
  if (node >= kHuffNodes || depth > 255)
    FatalError("Comp2_Mem_2_Mem: Error: - Overflowing the tree - Recursive Stage\n");
  if (node < 256) {
    std::memcpy(gComp.code[node], path, sizeof gComp.code[node]);
    gComp.codeLength[node] = depth;
    return;
  }
  // At most 255 internal nodes lie on a path, so depth stays below 256.
  path[depth >> 6] &= ~(1ull << (depth & 63));
  HuffmanCodeWalk(gComp.left[node], path, depth + 1);
  path[depth >> 6] |= 1ull << (depth & 63);
  HuffmanCodeWalk(gComp.right[node], path, depth + 1);
  path[depth >> 6] &= ~(1ull << (depth & 63));
}

// The tree is built by joining the two least frequent nodes, scanning the
// nodes in index order with fixed tie rules, so a given input always gives
// the same bytes.
//
// An input with fewer than two different byte values gives no tree. Then:
// an empty input is written as the 8-byte header alone (size 0, no nodes);
// an input of one repeated value v as one node whose two children are both
// the leaf v, and one 0 bit per byte. The decoder reads both as it reads any
// other stream.
void Comp2_Mem_2_Mem(const uint8_t* src, uint32_t n, uint8_t* dst, uint32_t* length) {
  for (uint32_t i = 0; i < kHuffNodes; ++i) gComp.count[i] = i < 256 ? 0 : kCountUnused;
  gComp.count[kHuffEmpty] = kCountEmpty;
  for (uint32_t i = 0; i < n; ++i) ++gComp.count[src[i]];
  int distinct = 0;
  uint32_t only = 0;
  for (uint32_t v = 0; v < 256; ++v) {
    if (gComp.count[v] == 0) {
      gComp.count[v] = kCountUnused;
    } else {
      ++distinct;
      only = v;
    }
  }

  StoreU32(dst, n);
  if (distinct < 2) {
    if (distinct == 0) {
      StoreU32(dst + 4, 0);
      *length = 8;
      return;
    }
    StoreU32(dst + 4, 1);
    uint16_t leaf = static_cast<uint16_t>(only + 256);
    dst[8] = dst[10] = static_cast<uint8_t>(leaf);
    dst[9] = dst[11] = static_cast<uint8_t>(leaf >> 8);
    uint32_t streamBytes = (n + 31) / 32 * 4;
    std::memset(dst + 12, 0, streamBytes);
    *length = 12 + streamBytes;
    return;
  }

  uint32_t root = kHuffNodes;
  for (uint32_t next = kHuffNodes - 1;; --next) {
    uint32_t a = kHuffEmpty, b = kHuffEmpty;
    for (uint32_t k = 0; k < kHuffNodes; ++k) {
      uint32_t x = gComp.count[k];
      if (x <= gComp.count[a]) {
        if (gComp.count[a] < gComp.count[b])
          b = k;
        else
          a = k;
      } else if (x <= gComp.count[b]) {
        b = k;
      }
    }
    if (a == kHuffEmpty || b == kHuffEmpty) break;
    gComp.left[next] = static_cast<uint16_t>(a);
    gComp.right[next] = static_cast<uint16_t>(b);
    gComp.count[next] = gComp.count[a] + gComp.count[b];
    gComp.count[a] = gComp.count[b] = kCountUnused;
    root = next;
  }

  uint64_t path[4] = {0, 0, 0, 0};
  std::memset(gComp.codeLength, 0, sizeof gComp.codeLength);
  HuffmanCodeWalk(root, path, 0);

  uint32_t nodeCount = kHuffNodes - root;
  StoreU32(dst + 4, nodeCount);
  uint8_t* p = dst + 8;
  auto child = [root](uint32_t c) { return static_cast<uint16_t>(c < 256 ? c + 256 : c - root); };
  for (uint32_t i = root; i < kHuffNodes; ++i) {
    uint16_t l = child(gComp.left[i]), r = child(gComp.right[i]);
    p[0] = static_cast<uint8_t>(l);
    p[1] = static_cast<uint8_t>(l >> 8);
    p[2] = static_cast<uint8_t>(r);
    p[3] = static_cast<uint8_t>(r >> 8);
    p += 4;
  }

  BitWriter w{dst, 8 + 4 * nodeCount};
  for (uint32_t i = 0; i < n; ++i) {
    uint8_t c = src[i];
    uint32_t len = gComp.codeLength[c];
    for (uint32_t done = 0; done < len;) {
      uint32_t take = len - done < 32 ? len - done : 32;
      uint64_t word = gComp.code[c][done >> 6] >> (done & 63);
      if ((done & 63) + take > 64) word |= gComp.code[c][(done >> 6) + 1] << (64 - (done & 63));
      w.Put(word & ((1ull << take) - 1), take);
      done += take;
    }
  }
  uint32_t pad = static_cast<uint32_t>((32 - w.total % 32) % 32);
  while (pad) {
    uint32_t take = pad < 32 ? pad : 32;
    w.Put(0, take);
    pad -= take;
  }
  *length = w.out;
}

// Follows the bits of one byte from a node, least significant bit first.
const CompressState::HuffStep& HuffmanStep(int node, uint8_t byte) {
  CompressState::HuffStep& step = gComp.steps[node][byte];
  if (step.ready) return step;
  step.count = 0;
  for (int bit = 0; bit < 8; ++bit) {
    int c = (byte >> bit) & 1 ? gComp.decodeRight[node] : gComp.decodeLeft[node];
    if (c >= 256) {
      step.symbols[step.count++] = static_cast<uint8_t>(c - 256);
      node = 0;
    } else {
      node = c;
    }
  }
  step.end = static_cast<uint8_t>(node);
  step.ready = 1;
  return step;
}

// While more than 8 symbols remain, a whole byte of bits is decoded per
// step (a byte ends at most 8 symbols); the last symbols go bit by bit, so
// the padding after the last code is never read. Every step along the tree
// takes a bit, so even a tree with loops cannot run for longer than the
// stream lasts.
template <typename Source>
bool HuffmanDecompress(Source& in, Output& out) {
  uint32_t n, nodeCount;
  if (!ReadLE32(in, &n) || !ReadLE32(in, &nodeCount)) return false;
  if (nodeCount > 256) return false;
  for (uint32_t i = 0; i < nodeCount; ++i) {
    uint8_t b[4];
    for (auto& x : b)
      if (!in.Next(&x)) return false;
    int16_t l = static_cast<int16_t>(b[0] | (b[1] << 8));
    int16_t r = static_cast<int16_t>(b[2] | (b[3] << 8));
    // A child is an internal node that exists, or a leaf 256-511.
    for (int16_t c : {l, r})
      if (c < 0 || c >= 512 || (c < 256 && static_cast<uint32_t>(c) >= nodeCount)) return false;
    gComp.decodeLeft[i] = l;
    gComp.decodeRight[i] = r;
  }
  if (n == 0) return true;
  if (nodeCount == 0) return false;
  for (uint32_t i = 0; i < nodeCount; ++i)
    for (auto& step : gComp.steps[i]) step.ready = 0;
  // More symbols than room: as many as fit are decoded, then it fails.
  const bool fits = out.Room(n);
  if (!fits) n = out.capacity - out.length;

  uint8_t* dst = out.p + out.length;
  uint32_t produced = 0;
  int node = 0;
  uint8_t b;
  while (n - produced > 8) {
    if (!in.Next(&b)) {
      out.length += produced;
      return false;
    }
    const CompressState::HuffStep& step = HuffmanStep(node, b);
    std::memcpy(dst + produced, step.symbols, 8);  // only count of them are kept
    produced += step.count;
    node = step.end;
  }
  while (produced < n) {
    if (!in.Next(&b)) {
      out.length += produced;
      return false;
    }
    for (int bit = 0; bit < 8 && produced < n; ++bit) {
      int c = (b >> bit) & 1 ? gComp.decodeRight[node] : gComp.decodeLeft[node];
      if (c >= 256) {
        dst[produced++] = static_cast<uint8_t>(c - 256);
        node = 0;
      } else {
        node = c;
      }
    }
  }
  out.length += n;
  return fits;
}

// ---------------------------------------------------------------------------
// 2: move-to-front, then Huffman
// ---------------------------------------------------------------------------

struct MtfList {
  uint8_t order[256];
  MtfList() {
    for (int i = 0; i < 256; ++i) order[i] = static_cast<uint8_t>(i);
  }
  uint8_t Encode(uint8_t value) {
    uint8_t pos = 0;
    while (order[pos] != value) ++pos;
    std::memmove(order + 1, order, pos);
    order[0] = value;
    return pos;
  }
  uint8_t Decode(uint8_t pos) {
    uint8_t value = order[pos];
    std::memmove(order + 1, order, pos);
    order[0] = value;
    return value;
  }
};

void MtfEncodeInPlace(uint8_t* data, uint32_t n) {
  MtfList list;
  for (uint32_t i = 0; i < n; ++i) data[i] = list.Encode(data[i]);
}

void MtfDecodeInPlace(uint8_t* data, uint32_t n) {
  MtfList list;
  for (uint32_t i = 0; i < n; ++i) data[i] = list.Decode(data[i]);
}

// ---------------------------------------------------------------------------
// 3: LZ
// ---------------------------------------------------------------------------

// The least frequent byte value of the input; ties go to the highest value.
uint8_t LeastFrequentByte(const uint8_t* src, uint32_t n) {
  uint32_t counts[256] = {};
  for (uint32_t i = 0; i < n; ++i) ++counts[src[i]];
  uint32_t best = 0, least = 0xFFFFFFFFu;
  for (uint32_t v = 0; v < 256; ++v)
    if (counts[v] <= least) {
      least = counts[v];
      best = v;
    }
  return static_cast<uint8_t>(best);
}

uint32_t Load4(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

// Finds, for each position, the longest earlier match 5 to 1023 bytes back
// (the farthest of equal length). The candidates are the earlier positions
// whose next four bytes hash alike, kept in chains, so the search gives
// exactly what a scan of every start in the window would give without
// comparing the starts that cannot match.
// An empty input gives an empty output (no escape byte), which the decoder
// reads back as empty.
void LzCompress(const uint8_t* src, uint32_t n, uint8_t* dst, uint32_t* length) {
  if (n == 0) {
    *length = 0;
    return;
  }
  const uint8_t escape = LeastFrequentByte(src, n);
  uint32_t out = 0;
  dst[out++] = escape;

  constexpr uint32_t kHashBits = 15;
  std::vector<int32_t> head(1u << kHashBits, -1);
  std::vector<int32_t> previous(n, -1);
  auto hash = [](uint32_t v) { return (v * 2654435761u) >> (32 - kHashBits); };
  uint32_t inserted = 0;
  uint32_t candidates[kLzWindow];

  uint32_t i = 0;
  while (i < n) {
    uint32_t best = 0, bestStart = 0;
    if (i > 4 && i + 4 < n) {
      for (; inserted + kLzMinDistance <= i; ++inserted) {
        uint32_t h = hash(Load4(src + inserted));
        previous[inserted] = head[h];
        head[h] = static_cast<int32_t>(inserted);
      }
      const uint32_t here = Load4(src + i);
      const uint32_t lowest = i > kLzWindow ? i - kLzWindow : 0;
      uint32_t found = 0;
      for (int32_t j = head[hash(here)]; j >= 0 && static_cast<uint32_t>(j) >= lowest; j = previous[j])
        if (Load4(src + j) == here) candidates[found++] = static_cast<uint32_t>(j);
      const uint32_t limit = n - i < kLzLongestSearch ? n - i : kLzLongestSearch;
      while (found > 0 && best < limit) {  // farthest back first
        uint32_t j = candidates[--found];
        uint32_t len = 4;
        while (len < limit && src[j + len] == src[i + len]) ++len;
        if (len > best) {
          best = len;
          bestStart = j;
        }
      }
    }
    if (best >= 4) {
      uint32_t len = best < kLzLongestToken ? best : kLzLongestToken;
      uint32_t distance = i - bestStart;
      dst[out++] = escape;
      dst[out++] = static_cast<uint8_t>((len << 2) | (distance >> 8));
      dst[out++] = static_cast<uint8_t>(distance & 0xFF);
      i += len;
    } else {
      dst[out++] = src[i];
      if (src[i] == escape) dst[out++] = 0;
      ++i;
    }
  }
  *length = out;
}

template <typename Source>
bool LzDecompress(Source& in, Output& out) {
  uint8_t escape, b;
  if (!in.Next(&escape)) return true;
  while (in.Next(&b)) {
    if (b != escape) {
      if (!out.Put(b)) return false;
      continue;
    }
    uint8_t token, low;
    if (!in.Next(&token)) return false;
    if (token == 0) {
      if (!out.Put(escape)) return false;
      continue;
    }
    if (!in.Next(&low)) return false;
    uint32_t len = token >> 2;
    uint32_t distance = ((token & 3u) << 8) | low;
    if (len < 4 || distance == 0 || distance > out.length) return false;
    const bool fits = out.Room(len);  // a copy that does not fit fills the output and fails
    if (!fits) len = out.capacity - out.length;
    for (uint32_t k = 0; k < len; ++k) {  // byte by byte: the copy may overlap itself
      out.p[out.length] = out.p[out.length - distance];
      ++out.length;
    }
    if (!fits) return false;
  }
  return true;
}

// ---------------------------------------------------------------------------
// 4: zero-run
// ---------------------------------------------------------------------------

void ZeroRunCompress(const uint8_t* src, uint32_t n, uint8_t* dst, uint32_t* length) {
  uint32_t out = 0, i = 0;
  while (i < n) {
    uint32_t run = 0;
    while (run < kMaxRun && i + run < n && src[i + run] == 0) ++run;
    if (run > 0) {
      dst[out++] = 0;
      if (run < 255) {
        dst[out++] = static_cast<uint8_t>(run);
      } else {
        dst[out++] = 0;
        dst[out++] = static_cast<uint8_t>(run >> 8);
        dst[out++] = static_cast<uint8_t>(run & 0xFF);
      }
      i += run;
    } else {
      dst[out++] = src[i++];
    }
  }
  *length = out;
}

// A run that does not fit fills the output and fails.
bool PutRun(Output& out, uint8_t value, uint32_t run) {
  bool fits = out.Room(run);
  if (!fits) run = out.capacity - out.length;
  std::memset(out.p + out.length, value, run);
  out.length += run;
  return fits;
}

template <typename Source>
bool ZeroRunDecompress(Source& in, Output& out) {
  uint8_t b;
  while (in.Next(&b)) {
    if (b != 0) {
      if (!out.Put(b)) return false;
      continue;
    }
    uint8_t run, hi, lo;
    if (!in.Next(&run)) return false;
    if (run != 0) {
      if (!PutRun(out, 0, run)) return false;
    } else {
      if (!in.Next(&hi) || !in.Next(&lo)) return false;
      if (!PutRun(out, 0, hi * 256u + lo)) return false;
    }
  }
  return true;
}

// ---------------------------------------------------------------------------
// 5: run-length
// ---------------------------------------------------------------------------

void RunLengthCompress(const uint8_t* src, uint32_t n, uint8_t* dst, uint32_t* length) {
  const uint8_t escape = LeastFrequentByte(src, n);
  uint32_t out = 0, i = 0;
  dst[out++] = escape;
  while (i < n) {
    uint8_t v = src[i];
    uint32_t run = 0;
    while (run < kMaxRun && i + run < n && src[i + run] == v) ++run;
    if (run > 3) {
      dst[out++] = escape;
      dst[out++] = v;
      if (run < 255) {
        dst[out++] = static_cast<uint8_t>(run);
      } else {
        dst[out++] = 0;
        dst[out++] = static_cast<uint8_t>(run >> 8);
        dst[out++] = static_cast<uint8_t>(run & 0xFF);
      }
      i += run;
    } else {
      if (v == escape) {
        dst[out++] = escape;
        dst[out++] = escape;
        dst[out++] = 1;
      } else {
        dst[out++] = v;
      }
      ++i;
    }
  }
  *length = out;
}

template <typename Source>
bool RunLengthDecompress(Source& in, Output& out) {
  uint8_t escape, b;
  if (!in.Next(&escape)) return true;
  while (in.Next(&b)) {
    if (b != escape) {
      if (!out.Put(b)) return false;
      continue;
    }
    uint8_t value, run, hi, lo;
    if (!in.Next(&value) || !in.Next(&run)) return false;
    if (run != 0) {
      if (!PutRun(out, value, run)) return false;
    } else {
      if (!in.Next(&hi) || !in.Next(&lo)) return false;
      if (!PutRun(out, value, hi * 256u + lo)) return false;
    }
  }
  return true;
}

// ---------------------------------------------------------------------------
// The compressor table
// ---------------------------------------------------------------------------

template <typename Source>
bool Decompress(int compressor, Source& in, Output& out) {
  switch (compressor) {
    case COMPRESSOR_PREDICTOR: return PredictorDecompress(in, out);
    case COMPRESSOR_HUFFMAN: return HuffmanDecompress(in, out);
    case COMPRESSOR_MTF_HUFFMAN: {
      uint32_t start = out.length;
      bool ok = HuffmanDecompress(in, out);
      MtfDecodeInPlace(out.p + start, out.length - start);
      return ok;
    }
    case COMPRESSOR_LZ: return LzDecompress(in, out);
    case COMPRESSOR_ZERO_RUN: return ZeroRunDecompress(in, out);
    default: return RunLengthDecompress(in, out);
  }
}

const uint32_t kCompressorFlags[COMPRESSOR_COUNT] = {0x31, 0x111, 0x31, 0x32, 0, 0};
const char* const kCompressorNames[COMPRESSOR_COUNT] = {"predictor", "huffman", "mtf-huffman",
                                                        "lz",        "zero-run", "run-length"};

bool ValidCompressor(int compressor) { return compressor >= 0 && compressor < COMPRESSOR_COUNT; }

}  // namespace

// Header fields: "CMP0", the compressor number (16 bits), two zero bytes, the
// compressed size and the unpacked size.
namespace cmp0 {
constexpr int ID = 0, COMPRESSOR = 4, RESERVED = 6, COMPRESSED_SIZE = 8, UNPACKED_SIZE = 12;
}

Cmp0Header Cmp0DecodeHeader(const uint8_t* h) {
  return {std::memcmp(h + cmp0::ID, "CMP0", 4) == 0, LoadU16(h + cmp0::COMPRESSOR), LoadU32(h + cmp0::COMPRESSED_SIZE),
          LoadU32(h + cmp0::UNPACKED_SIZE)};
}

void Cmp0EncodeHeader(const Cmp0Header& header, uint8_t* out) {
  std::memcpy(out + cmp0::ID, "CMP0", 4);
  StoreU16(out + cmp0::COMPRESSOR, header.compressor);
  StoreU16(out + cmp0::RESERVED, 0);
  StoreU32(out + cmp0::COMPRESSED_SIZE, header.compressedSize);
  StoreU32(out + cmp0::UNPACKED_SIZE, header.unpackedSize);
}

uint32_t CompressWorstCase(int compressor, uint32_t size) {
  if (!ValidCompressor(compressor)) ABORT("CompressWorstCase(): compression number out of range");
  uint64_t n = size, worst;
  switch (compressor) {
    case COMPRESSOR_PREDICTOR: worst = 9 * (n + 8) / 8; break;
    case COMPRESSOR_HUFFMAN:
    case COMPRESSOR_MTF_HUFFMAN: worst = n + 1032; break;
    case COMPRESSOR_LZ: worst = 2 * n; break;
    default: worst = n + n / 2 + 1; break;
  }
  // The block and its header must stay within 32-bit sizes.
  if (worst > 0xFFFFFFFFull - CMP0_HEADER_SIZE) ABORT("CompressWorstCase(): data too large to compress");
  return static_cast<uint32_t>(worst);
}

void CompressDataMem2Mem(int compressor, uint8_t* source, uint32_t size, uint8_t* destination, uint32_t* length) {
  if (!ValidCompressor(compressor)) ABORT("CompressDataMem2Mem(): compression number out of range");
  switch (compressor) {
    case COMPRESSOR_PREDICTOR: PredictorCompress(source, size, destination, length); break;
    case COMPRESSOR_HUFFMAN: Comp2_Mem_2_Mem(source, size, destination, length); break;
    case COMPRESSOR_MTF_HUFFMAN:
      MtfEncodeInPlace(source, size);
      Comp2_Mem_2_Mem(source, size, destination, length);
      MtfDecodeInPlace(source, size);
      break;
    case COMPRESSOR_LZ: LzCompress(source, size, destination, length); break;
    case COMPRESSOR_ZERO_RUN: ZeroRunCompress(source, size, destination, length); break;
    default: RunLengthCompress(source, size, destination, length); break;
  }
}

bool UncompressDataMem2Mem(int compressor, const uint8_t* source, uint32_t compressedSize, uint8_t* destination,
                           uint32_t capacity, uint32_t* length) {
  if (!ValidCompressor(compressor)) ABORT("UncompressDataMem2Mem(): compression number out of range");
  MemSource in{source, source + compressedSize};
  Output out{destination, capacity};
  bool ok = Decompress(compressor, in, out);
  *length = out.length;
  return ok;
}

bool DecompressDataFile2Mem(int compressor, FILE* stream, uint32_t compressedSize, uint8_t* destination,
                            uint32_t capacity, uint32_t* length) {
  if (!ValidCompressor(compressor)) ABORT("DecompressDataFile2Mem(): compression number out of range");
  FileSource in{stream, compressedSize};
  Output out{destination, capacity};
  bool ok = Decompress(compressor, in, out);
  *length = out.length;
  return ok;
}

void CompressData(int compressor, void** sourceOwner, uint32_t size, void** destinationOwner, uint32_t* blockSize) {
  uint32_t worst = CompressWorstCase(compressor, size);
  AllocateMemory(destinationOwner, worst + CMP0_HEADER_SIZE, ManualFree);
  uint8_t* block = static_cast<uint8_t*>(*destinationOwner);
  uint32_t length = 0;
  CompressDataMem2Mem(compressor, static_cast<uint8_t*>(*sourceOwner), size, block + CMP0_HEADER_SIZE, &length);
  if (length > worst) ABORT("CompressData(): data was larger than worst case value!");
  Cmp0EncodeHeader({true, static_cast<uint16_t>(compressor), length, size}, block);
  ResizeMemory(destinationOwner, length + CMP0_HEADER_SIZE);
  *blockSize = length + CMP0_HEADER_SIZE;
}

uint32_t DecompressDataMem(const void* block, uint32_t blockSize, void* destination, uint32_t destinationSize) {
  const uint8_t* p = static_cast<const uint8_t*>(block);
  if (blockSize < CMP0_HEADER_SIZE) ABORT("DecompressDataMem(): no ID field on compressed data");
  Cmp0Header h = Cmp0DecodeHeader(p);
  if (!h.hasId) ABORT("DecompressDataMem(): no ID field on compressed data");
  if (h.compressor >= COMPRESSOR_COUNT) ABORT("DecompressDataMem(): unknown compression type");
  if (static_cast<uint64_t>(h.compressedSize) + CMP0_HEADER_SIZE != blockSize)
    ABORT("DecompressDataMem(): header does not match compressed data size");
  if (destinationSize < h.unpackedSize) ABORT("DecompressDataMem(): buffer too small for decompression");
  // The output may not grow past the size the header promises.
  uint32_t length = 0;
  bool ok = UncompressDataMem2Mem(h.compressor, p + CMP0_HEADER_SIZE, h.compressedSize,
                                  static_cast<uint8_t*>(destination), h.unpackedSize, &length);
  if (!ok || length != h.unpackedSize) ABORT("DecompressDataMem(): real decompress data size did not match header!");
  return h.unpackedSize;
}

uint32_t DecompressDataFile(FILE* stream, uint32_t blockSize, void* destination, uint32_t destinationSize) {
  uint8_t header[CMP0_HEADER_SIZE];
  if (blockSize < CMP0_HEADER_SIZE) ABORT("DecompressDataFile(): no ID field on compressed data");
  DOSReadFile(stream, header, CMP0_HEADER_SIZE);
  Cmp0Header h = Cmp0DecodeHeader(header);
  if (!h.hasId) ABORT("DecompressDataFile(): no ID field on compressed data");
  if (h.compressor >= COMPRESSOR_COUNT) ABORT("DecompressDataFile(): unknown compression type");
  if (static_cast<uint64_t>(h.compressedSize) + CMP0_HEADER_SIZE != blockSize)
    ABORT("DecompressDataFile(): header does not match compressed data size");
  if (destinationSize < h.unpackedSize) ABORT("DecompressDataFile(): buffer too small for decompression");
  uint32_t length = 0;
  bool ok = DecompressDataFile2Mem(h.compressor, stream, h.compressedSize, static_cast<uint8_t*>(destination),
                                   h.unpackedSize, &length);
  // Damage found after all the promised bytes were written means the data
  // went on for longer: it is reported as one byte more than wanted.
  if (!ok && length == h.unpackedSize) ++length;
  if (length != h.unpackedSize)
    FatalError("Error: DecompressDataFile(): real decompress data size did not match header! (wanted %d, but got %d)\n",
               static_cast<int>(h.unpackedSize), static_cast<int>(length));
  return h.unpackedSize;
}

uint32_t GetCompressorInfo(int compressor) {
  if (!ValidCompressor(compressor)) ABORT("GetCompressorInfo(): compressor num out of range");
  return kCompressorFlags[compressor];
}

int GetCompressorCount() { return COMPRESSOR_COUNT; }

const char* GetCompressorName(int compressor) {
  return ValidCompressor(compressor) ? kCompressorNames[compressor] : "none";
}

int ChooseCompressor(uint32_t fileFlags) {
  if (fileFlags == 0xFFFF) return COMPRESSOR_NONE;
  if (fileFlags & 0x100) return COMPRESSOR_HUFFMAN;
  switch (fileFlags & 0xF) {
    case 1: return COMPRESSOR_PREDICTOR;
    case 2: return COMPRESSOR_LZ;
    default: return COMPRESSOR_MTF_HUFFMAN;
  }
}

void MTFEncode(const uint8_t* source, uint8_t* destination, uint32_t length) {
  MtfList list;
  for (uint32_t i = 0; i < length; ++i) destination[i] = list.Encode(source[i]);
}

void MTFDecode(const uint8_t* source, uint8_t* destination, uint32_t length) {
  MtfList list;
  for (uint32_t i = 0; i < length; ++i) destination[i] = list.Decode(source[i]);
}

void CompressReset() { std::memset(&gComp, 0, sizeof gComp); }
REGISTER_RESET(RESET_ENGINE, CompressReset);
