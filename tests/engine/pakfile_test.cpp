#include "engine/pakfile.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/compress.h"
#include "engine/pakwrite.h"
#include "engine/reset.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Each test runs in a scratch working folder with its own CD folder.
class PakTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;

  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_pak");
    fs::create_directories("cd");
    setenv("GAFFERON_CD", (scratch->path() / "cd").c_str(), 1);
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    unsetenv("GAFFERON_CD");
    EngineTest::TearDown();
  }

  static void WriteFile(const fs::path& path, const std::string& bytes) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static void WriteFile(const fs::path& path, const Bytes& bytes) {
    WriteFile(path, std::string(bytes.begin(), bytes.end()));
  }
  static std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // A pak at base (a path below the working folder, "/" separated).
  static void WritePak(const std::string& base, const std::vector<std::pair<std::string, std::string>>& files,
                       int store = PAK_STORE_PLAIN) {
    std::vector<PakWriteItem> items;
    for (const auto& [name, content] : files) items.push_back({name, ToBytes(content)});
    fs::path p(base);
    if (p.has_parent_path()) fs::create_directories(p.parent_path());
    std::string error;
    ASSERT_TRUE(PakWriteFiles(base, items, store, nullptr, &error)) << error;
  }

  static void Open(const std::vector<const char*>& bases) {
    PakFileInit();
    for (const char* base : bases) PakFileAdd(base);
    PakFileAddDone();
  }

  static std::string Load(const char* name) {
    char* data = nullptr;
    uint32_t size = PakLoadFile(name, &data, ManualFree);
    std::string s(data, size);
    FreeMemory(&data);
    return s;
  }

  // Everything given back: the table and the memory manager are clean.
  static void Close() {
    PakFileUninit();
    UninitMemory();
  }
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// ---------------------------------------------------------------------------
// Names and the two paks
// ---------------------------------------------------------------------------

TEST_F(PakTest, TheHardDiskPakWinsOverTheCdPak) {
  WritePak("pakfiles/hdcommon", {{"README.TXT", "hd"}, {"STATS\\NAMES.DAT", "names"}});
  WritePak("cd/pakfiles/cdcommon", {{"README.TXT", "cd copy"}, {"ONLY.TXT", "cd only"}}, COMPRESSOR_LZ);
  SetDebugLevel(DEBUG_FILE, 10);
  testing::internal::CaptureStdout();
  Open({"pakfiles\\hdcommon", "D:\\pakfiles\\cdcommon"});
  std::string log = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(Contains(log, "PakFileAdd(): adding pak file 'pakfiles\\hdcommon'\n")) << log;
  EXPECT_TRUE(Contains(log, "PakFileAdd(): adding pak file 'D:\\pakfiles\\cdcommon'\n")) << log;
  EXPECT_TRUE(Contains(log, "PakFileAddDone(): 3 files, 0Mb (14 bytes)\n")) << log;

  EXPECT_EQ(PakFileCount(), 3u);
  EXPECT_EQ(Load("readme.txt"), "hd");
  EXPECT_EQ(Load("only.txt"), "cd only");
  Close();
}

TEST_F(PakTest, RequestedNamesAreNormalisedButIndexNamesAreTakenAsStored) {
  WritePak("pakfiles/hdcommon", {{"STATS\\NAMES.DAT", "names"}, {"lower.txt", "stored in lower case"}});
  Open({"pakfiles\\hdcommon"});
  PakFileEntry* first = PakOpenFile("STATS\\NAMES.DAT");
  for (const char* spelling : {"stats/names.dat", "Stats/Names.DAT", "stats\\NAMES.dat"}) {
    PakFileEntry* again = PakOpenFile(spelling);
    EXPECT_EQ(again, first) << spelling;
    PakCloseFile(again);
  }
  PakCloseFile(first);
  EXPECT_FATAL(PakOpenFile("lower.txt"), "Error: PakOpenFile\\(\\): file 'LOWER.TXT' not found");
  Close();

  char name[] = "menugfx/Back-ground_1.gfx";
  PakNormaliseName(name);
  EXPECT_STREQ(name, "MENUGFX\\BACK-GROUND_1.GFX");
  EXPECT_EQ(PakNameHash("A"), 'A' & 0x3F);
  EXPECT_EQ(PakNameHash("AB"), ('A' ^ 'B') & 0x3F);
  EXPECT_EQ(PakNameHash(""), 0);
}

TEST_F(PakTest, TheFirstOfTwoEqualNamesInOnePakIsKept) {
  WritePak("pakfiles/hdcommon", {{"A.TXT", "first"}, {"A.TXT", "second"}});
  SetDebugLevel(DEBUG_FILE, 80);
  testing::internal::CaptureStdout();
  Open({"pakfiles\\hdcommon"});
  std::string log = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(Contains(log, "AddIndex(): adding 'A.TXT' - 5 bytes\n")) << log;
  EXPECT_TRUE(Contains(log, "AddIndex(): 'A.TXT' already exists\n")) << log;
  SetDebugLevel(DEBUG_FILE, 0);
  EXPECT_EQ(PakFileCount(), 1u);
  EXPECT_EQ(Load("a.txt"), "first");
  Close();
}

TEST_F(PakTest, AnIndexIsPreferredToAListWithAWarning) {
  WritePak("pakfiles/hdcommon", {{"PACKED.TXT", "packed"}});
  WriteFile("pakfiles/hdcommon.pkl", "loose.txt\r\n");
  WriteFile("loose.txt", "loose");
  testing::internal::CaptureStdout();
  Open({"pakfiles\\hdcommon"});
  std::string log = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(Contains(log, "PakAddFile(): Warning: both packed and unpacked files exist - using packed version\n"));
  EXPECT_EQ(PakFileCount(), 1u);
  EXPECT_EQ(Load("packed.txt"), "packed");
  Close();
}

TEST_F(PakTest, APakWithNeitherIndexNorListIsFatal) {
  fs::create_directories("pakfiles/hdcommon.pki");  // a folder is not an index
  PakFileInit();
  EXPECT_FATAL(PakFileAdd("pakfiles\\hdcommon"), "Error: PakFileAdd\\(\\): no index or list file found");
}

// ---------------------------------------------------------------------------
// The table's states
// ---------------------------------------------------------------------------

TEST_F(PakTest, CallsOutOfTurnAbort) {
  WritePak("pakfiles/hdcommon", {{"A.TXT", "a"}});
  const struct {
    const char* what;
    std::function<void()> call;
    const char* message;
  } cases[] = {
      {"init twice", [] { PakFileInit(); PakFileInit(); }, "PakFileInit\\(\\): already initialised"},
      {"add before init", [] { PakFileAdd("pakfiles\\hdcommon"); },
       "PakAddFile\\(\\): can only add before PakAddFileDone\\(\\) is called"},
      {"add after done", [] { Open({}); PakFileAdd("pakfiles\\hdcommon"); },
       "PakAddFile\\(\\): can only add before PakAddFileDone\\(\\) is called"},
      {"done before init", [] { PakFileAddDone(); }, "PakFileAddDone\\(\\): not initialised, or already done"},
      {"done twice", [] { Open({}); PakFileAddDone(); }, "PakFileAddDone\\(\\): not initialised, or already done"},
      {"open while adding", [] { PakFileInit(); PakOpenFile("A.TXT"); },
       "PakOpenFile\\(\\): not ready - call PakFileAddDone\\(\\)"},
      {"uninit before init", [] { PakFileUninit(); }, "PakFileUninit\\(\\): not initialised"},
      {"search before init", [] { SearchFile("A.TXT"); }, "SearchFile\\(\\): unknown status"},
      {"close a null handle", [] { PakCloseFile(nullptr); }, "PakCloseFile\\(\\): NULL file handle passed"},
      {"open a missing file", [] { Open({"pakfiles\\hdcommon"}); PakOpenFile("stats/none.dat"); },
       "Error: PakOpenFile\\(\\): file 'STATS\\\\NONE.DAT' not found"},
      {"open a name of 80 characters", [] { Open({"pakfiles\\hdcommon"}); PakOpenFile(std::string(80, 'A').c_str()); },
       "Error: PakOpenFile\\(\\): file 'A{80}' not found"},
  };
  for (const auto& c : cases) EXPECT_FATAL(c.call(), std::string(c.message) + "(.|\n)*(File: pakfile|-----)") << c.what;
}

TEST_F(PakTest, OpenAndCloseCountReferences) {
  WritePak("pakfiles/hdcommon", {{"A.TXT", "abc"}, {"B.TXT", "b"}});
  Open({"pakfiles\\hdcommon"});
  PakFileEntry* a = PakOpenFile("a.txt");
  EXPECT_EQ(PakOpenFile("A.TXT"), a);
  PakCloseFile(a);
  EXPECT_EQ(a->openCount, 1);
  char c;
  PakReadFile(&c, 1, 1, a);
  EXPECT_EQ(c, 'b');
  PakCloseFile(a);
  EXPECT_FATAL(PakCloseFile(a), "PakCloseFile\\(\\): already fully closed");
  EXPECT_FATAL(PakReadFile(&c, 0, 1, a), "PakReadFile\\(\\): already fully closed");

  // The count is 16 bits: one open past 65,535 is refused rather than wrapped.
  EXPECT_FATAL(
      {
        for (int i = 0; i < 65536; ++i) PakOpenFile("a.txt");
      },
      "PakOpenFile\\(\\): file opened too many times");

  PakOpenFile("b.txt");
  testing::internal::CaptureStdout();
  PakFileUninit();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Warning: file 'B.TXT' not closed\n");
  UninitMemory();
}

// ---------------------------------------------------------------------------
// Reading
// ---------------------------------------------------------------------------

TEST_F(PakTest, PlainEntriesReadInPartsCompressedOnlyWhole) {
  WritePak("pakfiles/hdcommon", {{"P.TXT", "0123456789"}, {"E.TXT", ""}});
  WritePak("cd/pakfiles/cdcommon", {{"C.TXT", "compressed compressed compressed"}}, COMPRESSOR_RUN_LENGTH);
  Open({"pakfiles\\hdcommon", "D:\\pakfiles\\cdcommon"});
  PakFileEntry* p = PakOpenFile("p.txt");
  char part[5] = {};
  PakReadFile(part, 5, 5, p);
  EXPECT_EQ(std::string(part, 5), "56789");
  EXPECT_EQ(PakFileSize(p), 10u);
  EXPECT_FATAL(PakReadFile(part, 8, 5, p),
               "Error: PakReadFile\\(\\): read in 'P.TXT' of 5d bytes from 8d, but file is only 10d bytes");
  EXPECT_FATAL(PakReadFile(part, 10, 0, p), "read in 'P.TXT' of 0d bytes from 10d");
  EXPECT_FATAL(PakReadFile(part, 0xFFFFFFFFu, 2, p), "read in 'P.TXT' of 2d bytes from 4294967295d");
  PakCloseFile(p);

  PakFileEntry* c = PakOpenFile("c.txt");
  EXPECT_EQ(c->flags & PAK_FLAG_COMPRESSED, PAK_FLAG_COMPRESSED);
  EXPECT_EQ(PakFileCompressor(c), COMPRESSOR_RUN_LENGTH);
  EXPECT_FATAL(PakReadFile(part, 0, 5, c), "Error: PakReadFile\\(\\): partial read from 'C.TXT', but it's compressed");
  EXPECT_FATAL(PakReadFile(part, 1, 31, c), "partial read from 'C.TXT'");
  std::string whole(PakFileSize(c), 0);
  EXPECT_EQ(PakReadWhole(whole.data(), c), 32u);
  EXPECT_EQ(whole, "compressed compressed compressed");
  PakCloseFile(c);

  // Reading 0 bytes at offset 0 of an empty file is refused; loading it whole
  // gives an empty block without a read.
  PakFileEntry* e = PakOpenFile("e.txt");
  EXPECT_FATAL(PakReadFile(part, 0, 0, e), "read in 'E.TXT' of 0d bytes from 0d, but file is only 0d bytes");
  PakCloseFile(e);
  char* data = nullptr;
  EXPECT_EQ(PakLoadFile("e.txt", &data, ManualFree), 0u);
  EXPECT_NE(data, nullptr);
  FreeMemory(&data);
  Close();
}

TEST_F(PakTest, EveryCompressorReadsBackThroughThePak) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i * 7919 % 1000) + " of the squad list\n";
  text += std::string(3000, '\0') + std::string(500, '#');
  for (int c = 0; c < COMPRESSOR_COUNT; ++c)
    WritePak("pakfiles/p" + std::to_string(c), {{"DATA\\FILE" + std::to_string(c) + ".BIN", text}}, c);
  PakFileInit();
  for (int c = 0; c < COMPRESSOR_COUNT; ++c) PakFileAdd(("pakfiles\\p" + std::to_string(c)).c_str());
  PakFileAddDone();
  for (int c = 0; c < COMPRESSOR_COUNT; ++c) {
    std::string name = "data/file" + std::to_string(c) + ".bin";
    EXPECT_EQ(Load(name.c_str()), text) << GetCompressorName(c);
    PakFileEntry* h = PakOpenFile(name.c_str());
    EXPECT_EQ(PakFileCompressor(h), c);
    PakCloseFile(h);
  }
  Close();
}

// A CMP0 block whose sizes disagree with its index entry or with itself.
TEST_F(PakTest, CompressedEntriesWithWrongSizesStop) {
  const std::string text = "fifty bytes of text, fifty bytes of text, fifty b.";
  Bytes block = PakMakeCmp0Block(COMPRESSOR_LZ, reinterpret_cast<const uint8_t*>(text.data()), 50);
  const uint32_t stored = static_cast<uint32_t>(block.size());
  const struct {
    const char* what;
    uint32_t indexUnpacked;
    uint32_t headerCompressedDelta;
    const char* message;
  } cases[] = {
      {"index says more than the block", 60, 0, "PakReadFile\\(\\): decompressed data wasn't the correct size"},
      {"index says less than the block", 40, 0, "DecompressDataFile\\(\\): buffer too small for decompression"},
      {"block's compressed size wrong", 50, 1, "DecompressDataFile\\(\\): header does not match compressed data size"},
  };
  for (const auto& c : cases) {
    Bytes b = block;
    uint32_t compressed = stored - 16 + c.headerCompressedDelta;
    for (int i = 0; i < 4; ++i) b[8 + i] = static_cast<uint8_t>(compressed >> (8 * i));
    WriteFile("pakfiles/hdcommon.pkd", b);
    WriteFile("pakfiles/hdcommon.pki", PakBuildIndex({{"T.TXT", PAK_FLAG_COMPRESSED, 0, stored, c.indexUnpacked}}));
    EXPECT_FATAL(
        {
          Open({"pakfiles\\hdcommon"});
          Load("t.txt");
        },
        c.message)
        << c.what;
  }
}

// ---------------------------------------------------------------------------
// List files
// ---------------------------------------------------------------------------

TEST_F(PakTest, ListPatternsAddLooseFiles) {
  for (const char* f : {"menugfx/Back.gfx", "menugfx/logo.GFX", "menugfx/notes.txt", "menugfx/.hidden.gfx",
                        "menugfx/sub/deep.gfx", "zvdata/a/b/model.xyz", "zvdata/top.xyz", "README"})
    WriteFile(f, std::string("content of ") + f);
  WriteFile("pakfiles/hdcommon.pkl",
            "# comment\r\n"
            "; comment\r\n"
            "// comment\r\n"
            "\r\n"
            "menugfx\\*.gfx C\r\n"
            "menugfx/sub/*.GFX hq\r\n"
            "zvdata\\*.XYZ s/1\r\n"
            "README.* R\r\n"
            "menugfx\\back.gfx\r\n"
            "nothing\\*.zzz\r\n");
  SetDebugLevel(DEBUG_FILE, 80);
  testing::internal::CaptureStdout();
  Open({"pakfiles\\hdcommon"});
  std::string log = testing::internal::GetCapturedStdout();
  SetDebugLevel(DEBUG_FILE, 0);
  EXPECT_TRUE(Contains(log, "ListFile2Index(): virtual filelist from 'pakfiles\\hdcommon.pkl'\n")) << log;
  EXPECT_TRUE(Contains(log, "AddListPattern(): adding subdir 'zvdata\\a'\n")) << log;
  EXPECT_TRUE(Contains(log, "ListFile2Index(): 'MENUGFX\\BACK.GFX' already exists\n")) << log;
  EXPECT_TRUE(Contains(log, "Warning: ListFile2Index(): Pattern 'nothing\\*.zzz' matched 0 files\a\n")) << log;

  const struct {
    const char* name;
    uint16_t flags;
  } expected[] = {
      {"MENUGFX\\BACK.GFX", PAK_LIST_FLAG_C | PAK_FLAG_LOOSE},
      {"MENUGFX\\LOGO.GFX", PAK_LIST_FLAG_C | PAK_FLAG_LOOSE},
      {"MENUGFX\\SUB\\DEEP.GFX", PAK_LIST_FLAG_H | PAK_LIST_FLAG_Q | PAK_FLAG_LOOSE},
      {"ZVDATA\\A\\B\\MODEL.XYZ", PAK_LIST_FLAG_1 | PAK_FLAG_LOOSE},
      {"ZVDATA\\TOP.XYZ", PAK_LIST_FLAG_1 | PAK_FLAG_LOOSE},
      {"README", PAK_LIST_FLAG_R | PAK_FLAG_LOOSE},
  };
  EXPECT_EQ(PakFileCount(), std::size(expected));
  for (const auto& e : expected) {
    PakFileEntry* h = PakOpenFile(e.name);
    EXPECT_EQ(h->flags, e.flags) << e.name;
    EXPECT_EQ(h->pakNumber, PAK_LOOSE_FILE);
    PakCloseFile(h);
  }
  // A loose file is read as it lies on disk, compressed flag or not, and in
  // parts unless it is marked compressed.
  EXPECT_EQ(Load("menugfx/back.gfx"), "content of menugfx/Back.gfx");
  char part[5];
  PakFileEntry* marked = PakOpenFile("menugfx/back.gfx");
  EXPECT_FATAL(PakReadFile(part, 0, 5, marked),
               "Error: PakReadFile\\(\\): partial read from 'MENUGFX\\\\BACK.GFX', but it's compressed");
  PakCloseFile(marked);
  PakFileEntry* h = PakOpenFile("zvdata/a/b/model.xyz");
  PakReadFile(part, 11, 5, h);
  EXPECT_EQ(std::string(part, 5), "zvdat");
  PakCloseFile(h);
  fs::remove("zvdata/top.xyz");
  EXPECT_FATAL(Load("zvdata/top.xyz"), "PakReadFile\\(\\): immediate file not found");
  Close();
}

TEST_F(PakTest, DamagedListFilesAbort) {
  WriteFile("a.txt", "a");
  const struct {
    const char* what;
    std::string list;
    const char* message;
  } cases[] = {
      {"bare line feed", "a.txt\r\na.txt\n", "ListFile2Index\\(\\): bad line in list file"},
      {"300 characters", std::string(300, 'x') + "\r\n", "ListFile2Index\\(\\): line too long in list file"},
      {"253 characters and the line end fit", std::string(253, 'x') + "\r\n" + std::string(254, 'x') + "\r\n",
       "ListFile2Index\\(\\): line too long in list file"},
      {"no line end at the end", "a.txt\r\na.txt", "ListFile2Index\\(\\): line too long in list file"},
      {"a carriage return and no line feed at the end", "a.txt\r\na.txt\r",
       "ListFile2Index\\(\\): line too long in list file"},
      {"unknown option", "a.txt C X\r\n", "ListFile2Index\\(\\): unknown option"},
  };
  for (const auto& c : cases) {
    WriteFile("pakfiles/hdcommon.pkl", c.list);
    EXPECT_FATAL(Open({"pakfiles\\hdcommon"}), std::string(c.message) + "\n\\(File: pakfile") << c.what;
  }
}

TEST(PakWildcard, MatchesLikeTheFolderSearch) {
  const struct {
    const char* pattern;
    const char* name;
    bool match;
  } cases[] = {
      {"*.gfx", "back.gfx", true},    {"*.gfx", "BACK.GFX", true},   {"*.GFX", "back.gfx", true},
      {"*.gfx", "back.gfx.bak", false}, {"*.gfx", "gfx", false},      {"b?ck.*", "back.pal", true},
      {"b?ck.*", "bck.pal", false},   {"*.*", "README", true},       {"*.*", "a.b.c", true},
      {"README.*", "README", true},   {"README.*", "readme.txt", true}, {"*", "anything.at.all", true},
      {"a*b*c", "aXXbYYc", true},     {"a*b*c", "aXXbYY", false},    {"*x", "xxxx", true},
      {"names.dat", "NAMES.DAT", true}, {"names.dat", "names.da", false}, {"", "", true},
      {"?", "", false},               {"*?*", "q", true},
  };
  for (const auto& c : cases) EXPECT_EQ(PakWildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

// ---------------------------------------------------------------------------
// Damaged index files
// ---------------------------------------------------------------------------

class PakIndexTest : public PakTest {
 public:
  Bytes index, data;
  void SetUp() override {
    PakTest::SetUp();
    MakeGood();
  }
  // Two plain entries, 12 and 32 bytes, one after the other in the data file.
  void MakeGood() {
    data = ToBytes("first entry.second entry, compressed or not.");
    index = PakBuildIndex({{"FIRST.TXT", 0, 0, 12, 12}, {"SECOND.TXT", 0, 12, 32, 32}});
  }
  uint32_t Size() const { return static_cast<uint32_t>(index.size()); }
  PakIndexHeader Header() const {
    PakIndexHeader h{};
    std::string error;
    EXPECT_TRUE(PakDecodeIndexHeader(index.data(), Size(), &h, &error)) << error;
    return h;
  }
  // Damage goes through the encoders, so a case names the field it breaks.
  void ChangeHeader(const std::function<void(PakIndexHeader&)>& change) {
    PakIndexHeader h = Header();
    change(h);
    PakEncodeIndexHeader(h, index.data());
  }
  void ChangeEntry(int32_t n, const std::function<void(PakIndexEntry&)>& change) {
    const PakIndexHeader h = Header();
    PakIndexEntry e{};
    const char* name = nullptr;
    std::string error;
    ASSERT_TRUE(PakDecodeIndexEntry(index.data(), Size(), data.size(), h, n, &e, &name, &error)) << error;
    change(e);
    PakEncodeIndexEntry(e, index.data() + h.entryOffset + static_cast<size_t>(n) * h.entrySize);
  }
  // The NUL that ends the last name.
  void UnterminateLastName() { index.back() = 'X'; }
};

TEST_F(PakIndexTest, TheGoodIndexLoads) {
  WriteFile("pakfiles/hdcommon.pki", index);
  WriteFile("pakfiles/hdcommon.pkd", data);
  Open({"pakfiles\\hdcommon"});
  EXPECT_EQ(Load("second.txt"), "second entry, compressed or not.");
  Close();
}

// The index lies on disk byte by byte, little-endian, whatever the machine.
TEST_F(PakIndexTest, HeaderAndEntryAreLaidOutFieldByField) {
  uint8_t bytes[PAK_INDEX_HEADER_SIZE];
  PakEncodeIndexHeader({{'P', 'A', 'K', '0'}, 0x04030201u, -2, 0x14131211u, 0x24232221u}, bytes);
  const uint8_t header[] = {'P', 'A', 'K', '0', 1, 2, 3, 4, 0xFE, 0xFF, 0xFF, 0xFF, 0x11, 0x12, 0x13, 0x14,
                            0x21, 0x22, 0x23, 0x24};
  EXPECT_EQ(Bytes(bytes, bytes + sizeof bytes), Bytes(header, header + sizeof header));

  uint8_t entry[PAK_INDEX_ENTRY_SIZE];
  PakEncodeIndexEntry({0x00010003u, 0x0A0B0C0Du, 7, 0x100, 0xFFFFFFFFu}, entry);
  const uint8_t expected[] = {3, 0, 1, 0, 0x0D, 0x0C, 0x0B, 0x0A, 7, 0, 0, 0, 0, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(Bytes(entry, entry + sizeof entry), Bytes(expected, expected + sizeof expected));

  // The good index decodes to what was written.
  const PakIndexHeader h = Header();
  EXPECT_EQ(std::string(h.id, 4), "PAK0");
  EXPECT_EQ(h.entryOffset, PAK_INDEX_HEADER_SIZE);
  EXPECT_EQ(h.entryCount, 2);
  EXPECT_EQ(h.entrySize, PAK_INDEX_ENTRY_SIZE);
  EXPECT_EQ(h.nameOffset, PAK_INDEX_HEADER_SIZE + 2 * PAK_INDEX_ENTRY_SIZE);
  PakIndexEntry e{};
  const char* name = nullptr;
  std::string error;
  ASSERT_TRUE(PakDecodeIndexEntry(index.data(), Size(), data.size(), h, 1, &e, &name, &error)) << error;
  EXPECT_STREQ(name, "SECOND.TXT");
  EXPECT_EQ(e.dataOffset, 12u);
  EXPECT_EQ(e.storedSize, 32u);
  EXPECT_EQ(e.unpackedSize, 32u);
  EXPECT_EQ(e.nameOffset, 10u);

  // An entry that is not in the table, or a header that was never checked,
  // is refused before a byte of it is read.
  for (int32_t n : {-1, 2, INT32_MAX, INT32_MIN})
    EXPECT_FALSE(PakDecodeIndexEntry(index.data(), Size(), data.size(), h, n, &e, &name, &error)) << n;
  EXPECT_EQ(error, "no entry -2147483648 in a table of 2");
  for (uint32_t stride : {0u, 19u, 0x80000000u}) {
    PakIndexHeader unchecked = h;
    unchecked.entrySize = stride;
    EXPECT_FALSE(PakDecodeIndexEntry(index.data(), Size(), data.size(), unchecked, 1, &e, &name, &error)) << stride;
    EXPECT_EQ(error, "entry 1 runs past the end of the file");
  }
}

// Entries of any stride, names before the entry table, flags with bits this
// program does not read: all of it is a sound index.
TEST_F(PakIndexTest, AnyStrideAndTableOrderLoad) {
  const std::string names = std::string("FIRST.TXT") + '\0' + "SECOND.TXT" + '\0';
  const uint32_t stride = 28, entryTable = PAK_INDEX_HEADER_SIZE + static_cast<uint32_t>(names.size());
  index.assign(entryTable + 2 * stride, 0xEE);  // the padding of each entry is junk
  PakEncodeIndexHeader({{'P', 'A', 'K', '0'}, entryTable, 2, stride, PAK_INDEX_HEADER_SIZE}, index.data());
  std::memcpy(index.data() + PAK_INDEX_HEADER_SIZE, names.data(), names.size());
  PakEncodeIndexEntry({0xABCD0012u, 0, 12, 0, 12}, index.data() + entryTable);
  PakEncodeIndexEntry({0x00000002u, 12, 32, 10, 32}, index.data() + entryTable + stride);
  WriteFile("pakfiles/hdcommon.pki", index);
  WriteFile("pakfiles/hdcommon.pkd", data);
  Open({"pakfiles\\hdcommon"});
  EXPECT_EQ(Load("first.txt"), "first entry.");
  EXPECT_EQ(Load("second.txt"), "second entry, compressed or not.");
  PakFileEntry* first = PakOpenFile("first.txt");
  PakFileEntry* second = PakOpenFile("second.txt");
  EXPECT_EQ(first->flags, 0x0010);  // the low 16 bits, the loose-file bit cleared
  EXPECT_EQ(second->flags, 0);
  PakCloseFile(first);
  PakCloseFile(second);
  Close();
}

TEST_F(PakIndexTest, EveryFieldIsCheckedAgainstTheFileSizes) {
  using T = PakIndexTest;
  const struct {
    const char* what;
    std::function<void(T&)> damage;
    const char* message;
  } cases[] = {
      // The header.
      {"10 bytes", [](T& t) { t.index.resize(10); }, "invalid index file header"},
      {"19 bytes", [](T& t) { t.index.resize(19); }, "invalid index file header"},
      {"empty", [](T& t) { t.index.clear(); }, "invalid index file header"},
      {"wrong magic", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.id[3] = '1'; }); },
       "invalid index file header"},
      {"stride 19", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.entrySize = 19; }); },
       "entry size 19 is below 20"},
      {"stride 0", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.entrySize = 0; }); },
       "entry size 0 is below 20"},
      {"huge stride", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.entrySize = 0x80000000u; }); },
       "entry table \\(2 entries of 2147483648 bytes at 20\\) runs past the end of the file \\(81 bytes\\)"},
      {"negative count", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.entryCount = -1; }); },
       "negative entry count -1"},
      {"count INT32_MIN", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.entryCount = INT32_MIN; }); },
       "negative entry count -2147483648"},
      {"count past the end", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.entryCount = 1000; }); },
       "entry table \\(1000 entries of 20 bytes at 20\\) runs past the end of the file"},
      {"largest count and stride", [](T& t) {
         t.ChangeHeader([](PakIndexHeader& h) {
           h.entryCount = INT32_MAX;
           h.entrySize = 0xFFFFFFFFu;
         });
       },
       "entry table \\(2147483647 entries of 4294967295 bytes at 20\\)"},
      {"entry table inside the header", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.entryOffset = 4; }); },
       "entry table at 4 overlaps the header"},
      {"entry table past the end", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.entryOffset = 0xFFFFFFF0u; }); },
       "entry table \\(2 entries of 20 bytes at 4294967280\\)"},
      {"entry table one byte too late", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.entryOffset = 42; }); },
       "entry table \\(2 entries of 20 bytes at 42\\) runs past the end of the file \\(81 bytes\\)"},
      {"name table past the end", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.nameOffset = 5000; }); },
       "name table offset 5000 is past the end of the file \\(81 bytes\\)"},
      {"name table at 4 GB", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.nameOffset = 0xFFFFFFFFu; }); },
       "name table offset 4294967295 is past the end of the file"},
      // The entries: names.
      {"name offset past the end", [](T& t) { t.ChangeEntry(1, [](PakIndexEntry& e) { e.nameOffset = 0xFFFFFFFFu; }); },
       "name of entry 1 is past the end of the file"},
      {"name offset at the end", [](T& t) { t.ChangeEntry(0, [](PakIndexEntry& e) { e.nameOffset = 81 - 60; }); },
       "name of entry 0 is past the end of the file"},
      {"last name cut short", [](T& t) { t.index.pop_back(); }, "name of entry 1 runs past the end of the file"},
      {"last name not terminated", [](T& t) { t.UnterminateLastName(); },
       "name of entry 1 runs past the end of the file"},
      {"name table at the end of the file", [](T& t) { t.ChangeHeader([](PakIndexHeader& h) { h.nameOffset = 81; }); },
       "name of entry 0 is past the end of the file"},
      // The entries: data.
      {"data past the data file", [](T& t) { t.ChangeEntry(1, [](PakIndexEntry& e) { e.storedSize = 33; }); },
       "data of entry 1 \\(33 bytes at 12\\) is past the end of the data file \\(44 bytes\\)"},
      {"data offset past the data file", [](T& t) { t.ChangeEntry(1, [](PakIndexEntry& e) { e.dataOffset = 45; }); },
       "data of entry 1 \\(32 bytes at 45\\) is past the end of the data file \\(44 bytes\\)"},
      {"data offset near 4 GB", [](T& t) { t.ChangeEntry(1, [](PakIndexEntry& e) { e.dataOffset = 0xFFFFFFF0u; }); },
       "data of entry 1 \\(32 bytes at 4294967280\\)"},
      {"offset and size overflow 32 bits", [](T& t) {
         t.ChangeEntry(1, [](PakIndexEntry& e) {
           e.dataOffset = 0x80000000u;
           e.storedSize = e.unpackedSize = 0x80000000u;
         });
       },
       "data of entry 1 \\(2147483648 bytes at 2147483648\\)"},
      {"stored size 4 GB", [](T& t) { t.ChangeEntry(0, [](PakIndexEntry& e) { e.storedSize = 0xFFFFFFFFu; }); },
       "data of entry 0 \\(4294967295 bytes at 0\\)"},
      {"short data file", [](T& t) { t.data.resize(40); }, "data of entry 1 \\(32 bytes at 12\\) is past the end of "
                                                          "the data file \\(40 bytes\\)"},
      {"empty data file", [](T& t) { t.data.clear(); }, "data of entry 0 \\(12 bytes at 0\\)"},
      // The entries: sizes.
      {"compressed entry shorter than a header",
       [](T& t) { t.ChangeEntry(0, [](PakIndexEntry& e) { e.flags = PAK_FLAG_COMPRESSED; }); },
       "compressed entry 0 is shorter than its header"},
      {"compressed entry one byte short of a header", [](T& t) {
         t.ChangeEntry(1, [](PakIndexEntry& e) {
           e.flags = 0xFFFFFFFFu;
           e.storedSize = CMP0_HEADER_SIZE - 1;
         });
       },
       "compressed entry 1 is shorter than its header"},
      {"plain entry stored in fewer bytes than its size",
       [](T& t) { t.ChangeEntry(0, [](PakIndexEntry& e) { e.unpackedSize = 13; }); },
       "plain entry 0 has 12 bytes stored for a size of 13"},
      {"plain entry of 4 GB", [](T& t) { t.ChangeEntry(1, [](PakIndexEntry& e) { e.unpackedSize = 0xFFFFFFFFu; }); },
       "plain entry 1 has 32 bytes stored for a size of 4294967295"},
      {"plain entry with nothing stored", [](T& t) { t.ChangeEntry(1, [](PakIndexEntry& e) { e.storedSize = 0; }); },
       "plain entry 1 has 0 bytes stored for a size of 32"},
  };
  for (const auto& c : cases) {
    MakeGood();
    c.damage(*this);
    // The checker answers the same fault the loader stops on.
    char error[200] = "";
    EXPECT_EQ(PakCheckIndex(index.data(), Size(), data.size(), error, sizeof error), -1) << c.what;
    EXPECT_THAT(std::string(error), testing::ContainsRegex(c.message)) << c.what;
    WriteFile("pakfiles/hdcommon.pki", index);
    WriteFile("pakfiles/hdcommon.pkd", data);
    EXPECT_FATAL(Open({"pakfiles\\hdcommon"}),
                 std::string("Abort error: AddIndex\\(\\): ") + c.message +
                     ".* in 'pakfiles\\\\hdcommon.pki'\n\\(File: pakfile")
        << c.what;
  }
}

TEST_F(PakIndexTest, AMissingDataFileIsFatal) {
  WriteFile("pakfiles/hdcommon.pki", index);
  EXPECT_FATAL(Open({"pakfiles\\hdcommon"}), "Error: DOSOpenFile\\(\\): Cannot open file 'pakfiles\\\\hdcommon.pkd'");
}

TEST_F(PakTest, TheModuleResetsDropTheTableAndCloseTheDataFiles) {
  WritePak("pakfiles/hdcommon", {{"A.TXT", "a"}});
  Open({"pakfiles\\hdcommon"});
  PakOpenFile("a.txt");
  ResetAllModules();
  EXPECT_EQ(PakFileStatus(), 0);
  EXPECT_EQ(PakFileCount(), 0u);
  EXPECT_FATAL(PakOpenFile("a.txt"), "PakOpenFile\\(\\): not ready");
}

// ---------------------------------------------------------------------------
// Size: growing tables, many paks
// ---------------------------------------------------------------------------

TEST_F(PakTest, TablesGrowAndEveryNameIsFoundAfterwards) {
  // 20,000 names: about 310 per bucket (past the 256 a bucket starts with)
  // and far more text than the string table's first 4096 bytes.
  std::vector<std::pair<std::string, std::string>> files;
  for (int i = 0; i < 20000; ++i) files.push_back({"FOLDER\\FILE" + std::to_string(i) + ".DAT", std::to_string(i)});
  WritePak("pakfiles/hdcommon", files);
  SetDebugLevel(DEBUG_FILE, 40);
  testing::internal::CaptureStdout();
  Open({"pakfiles\\hdcommon"});
  std::string log = testing::internal::GetCapturedStdout();
  SetDebugLevel(DEBUG_FILE, 0);
  EXPECT_TRUE(Contains(log, "AddFileEntry(): increasing filelist size\n"));
  EXPECT_TRUE(Contains(log, "AddStringEntry(): increasing string table size\n"));
  EXPECT_EQ(PakFileCount(), 20000u);
  for (int i = 0; i < 20000; i += 7) {
    std::string name = "folder/file" + std::to_string(i) + ".dat";
    EXPECT_EQ(Load(name.c_str()), std::to_string(i));
  }
  Close();
}

TEST_F(PakTest, ThirtyTwoPaksAtMost) {
  for (int i = 0; i < 33; ++i) WritePak("paks/p" + std::to_string(i), {{"F" + std::to_string(i), "x"}});
  PakFileInit();
  for (int i = 0; i < 32; ++i) PakFileAdd(("paks\\p" + std::to_string(i)).c_str());
  EXPECT_FATAL(PakFileAdd("paks\\p32"), "AddIndex\\(\\): too many open pak files");
  PakFileAddDone();
  EXPECT_EQ(Load("f31"), "x");
  Close();
}

// ---------------------------------------------------------------------------
// The file layer
// ---------------------------------------------------------------------------

TEST_F(PakTest, TheFileLayer) {
  EXPECT_STREQ(DOSMakePath(nullptr, "pakfiles\\hdcommon", "pki"), "pakfiles\\hdcommon.pki");
  EXPECT_STREQ(DOSMakePath("menugfx", "back", nullptr), "menugfx\\back");
  EXPECT_STREQ(DOSMakePath("menugfx", "back", "gfx"), "menugfx\\back.gfx");
  EXPECT_STREQ(DOSMakePath("", "back", ""), "back");
  EXPECT_FATAL(DOSMakePath(std::string(300, 'f').c_str(), "x", "y"), "Error: DOSMakePath\\(\\): path of 'x' too long");

  WriteFile("Stats/Names.dat", "abc");
  EXPECT_EQ(DOSFileExists("STATS\\NAMES.DAT"), 1);
  EXPECT_EQ(DOSFileExists("stats"), 0);
  EXPECT_EQ(DOSFileExists("stats\\none.dat"), 0);
  char* data = nullptr;
  EXPECT_EQ(DOSLoadFile("stats/names.DAT", &data, ManualFree), 3u);
  EXPECT_EQ(std::string(data, 3), "abc");
  FreeMemory(&data);
  EXPECT_FATAL(DOSOpenFile("stats\\none.dat"),
               "Error: DOSOpenFile\\(\\): Cannot open file 'stats\\\\none.dat': No such file or directory");
  EXPECT_FATAL(
      {
        FILE* f = DOSOpenFile("stats\\names.dat");
        char buffer[8];
        DOSReadFile(f, buffer, 8);
      },
      "Error: DOSReadFile\\(\\): Cannot read 8 bytes: unexpected end of file");
  UninitMemory();
}

}  // namespace
