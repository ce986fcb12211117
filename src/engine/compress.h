// CMP0 compressed blocks and the six compressors behind them.
//
// A block is a 16-byte header ("CMP0", the compressor number, 0, the size of
// the compressed bytes that follow, the unpacked size; little-endian) and the
// compressor's output. The game only decompresses, at load time; the
// compressors serve the tools that build its pak files.
#pragma once

#include <cstdint>
#include <cstdio>

constexpr uint32_t CMP0_HEADER_SIZE = 16;
constexpr int COMPRESSOR_COUNT = 6;
// ChooseCompressor's answer for a file that is stored as it is.
constexpr int COMPRESSOR_NONE = 6;

enum CompressorNumber {
  COMPRESSOR_PREDICTOR = 0,
  COMPRESSOR_HUFFMAN = 1,
  COMPRESSOR_MTF_HUFFMAN = 2,
  COMPRESSOR_LZ = 3,
  COMPRESSOR_ZERO_RUN = 4,
  COMPRESSOR_RUN_LENGTH = 5,
};

// The 16-byte header of a block, decoded; the one reader and writer of its
// layout. hasId is false when the block does not start with "CMP0".
struct Cmp0Header {
  bool hasId;
  uint16_t compressor;
  uint32_t compressedSize;
  uint32_t unpackedSize;
};
Cmp0Header Cmp0DecodeHeader(const uint8_t* header);
void Cmp0EncodeHeader(const Cmp0Header& header, uint8_t* out);

// Builds a CMP0 block from a managed block: the destination owner gets a new
// ManualFree block of exactly the block's size, given back in *blockSize.
void CompressData(int compressor, void** sourceOwner, uint32_t size, void** destinationOwner, uint32_t* blockSize);

// Checks a block and unpacks it; returns the unpacked size. Any fault in the
// block is an abort: nothing is returned for a bad block.
uint32_t DecompressDataMem(const void* block, uint32_t blockSize, void* destination, uint32_t destinationSize);
// The same from an open stream positioned at the block's first byte.
uint32_t DecompressDataFile(FILE* stream, uint32_t blockSize, void* destination, uint32_t destinationSize);

// The largest output a compressor can make from size bytes (without header).
uint32_t CompressWorstCase(int compressor, uint32_t size);

// The compressors themselves, without the header. The destination of
// CompressDataMem2Mem must hold CompressWorstCase bytes. While it runs the
// move-to-front compressor changes the source in place and puts it back.
void CompressDataMem2Mem(int compressor, uint8_t* source, uint32_t size, uint8_t* destination, uint32_t* length);
// The decompressors never write past capacity bytes nor read past the
// compressed size. They return false when the data is corrupt (an impossible
// token, a truncated stream, more output than capacity); *length is then the
// number of bytes written before the fault was found (all of capacity when
// the data holds more than that).
bool UncompressDataMem2Mem(int compressor, const uint8_t* source, uint32_t compressedSize, uint8_t* destination,
                           uint32_t capacity, uint32_t* length);
bool DecompressDataFile2Mem(int compressor, FILE* stream, uint32_t compressedSize, uint8_t* destination,
                            uint32_t capacity, uint32_t* length);

uint32_t GetCompressorInfo(int compressor);
int GetCompressorCount();
int ChooseCompressor(uint32_t fileFlags);
// A short lower-case name for tool listings ("lz", "huffman", ...).
const char* GetCompressorName(int compressor);

// Move-to-front coding into a separate buffer (nothing in the game uses them).
void MTFEncode(const uint8_t* source, uint8_t* destination, uint32_t length);
void MTFDecode(const uint8_t* source, uint8_t* destination, uint32_t length);

// Clears the compressors' work tables (tests).
void CompressReset();
