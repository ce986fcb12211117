#include "engine/dxerror.h"

#include <set>
#include <string>

#include "support/engine_fixture.h"

#define ABORT_FILE "dxtest"

namespace {

TEST(DXErrorName, NamesCodesOfEveryFamily) {
  const struct {
    uint32_t code;
    const char* name;
  } cases[] = {
      {0x00000001, "DI_BUFFEROVERFLOW"},
      {0x0000000C, "DI_TRUNCATEDANDRESTARTED"},
      {0x08781091, "DMUS_S_PARTIALLOAD"},
      {0x08781215, "DMUS_S_NOBUFFERCONTROL"},
      {0x8000000A, "E_PENDING"},
      {0x80004001, "E_NOTIMPL (D*ERR_UNSUPPORTED)"},
      {0x80004005, "E_FAIL (D*ERR_GENERIC)"},
      {0x8007000E, "E_OUTOFMEMORY"},
      {0x80070057, "E_INVALIDARG (D*ERR_INVALIDPARAM)"},
      {0x80040110, "DIERR_NOAGGREGATION"},
      {0x80070002, "DIERR_NOTFOUND"},
      {0x800704DF, "DIERR_ALREADYINITIALIZED"},
      {0x800401F0, "DDERR_NOTINITIALIZED"},
      {0x88760005, "DDERR_ALREADYINITIALIZED"},
      {0x887600FF, "DDERR_NOTFOUND"},
      {0x887601C2, "DDERR_SURFACELOST"},
      {0x887602BB, "DDERR_DEVICEDOESNTOWNSURFACE"},
      {0x887602BC, "D3DERR_BADMAJORVERSION"},
      {0x88760836, "D3DERR_NOTINBEGINSTATEBLOCK"},
      {0x88770005, "DPERR_ALREADYINITIALIZED"},
      {0x88770820, "DPERR_LOGONDENIED"},
      {0x8878000A, "DSERR_ALLOCATED"},
      {0x887800AA, "DSERR_UNINITIALIZED"},
      {0x88781101, "DMUS_E_DRIVER_FAILED"},
      {0x88781210, "DMUS_E_DESCEND_CHUNK_FAIL"},
  };
  for (const auto& c : cases) EXPECT_STREQ(DXErrorName(static_cast<HRESULT>(c.code)), c.name) << std::hex << c.code;
}

TEST(DXErrorName, TableHas379DistinctCodesAndNames) {
  EXPECT_EQ(DXErrorNameCount(), 379);
  // Every code of the families' ranges that has a name is counted once.
  std::set<std::string> names;
  const uint32_t ranges[][2] = {{0, 16},
                                {0x08781000, 0x08781300},
                                {0x80000000, 0x80000010},
                                {0x80004000, 0x80004010},
                                {0x80040100, 0x80040300},
                                {0x80070000, 0x80070500},
                                {0x88760000, 0x88760900},
                                {0x88770000, 0x88770900},
                                {0x88780000, 0x88780100},
                                {0x88781000, 0x88781300}};
  for (const auto& r : ranges)
    for (uint32_t c = r[0]; c < r[1]; ++c) {
      std::string n = DXErrorName(static_cast<HRESULT>(c));
      if (n.rfind("unknown", 0) != 0) {
        EXPECT_TRUE(names.insert(n).second) << n;
      }
    }
  EXPECT_EQ(names.size(), 379u);
}

TEST(DXErrorName, UnknownCodesShareOneBuffer) {
  EXPECT_STREQ(DXErrorName(0), "unknown HRESULT (0x00000000)");
  const char* first = DXErrorName(static_cast<HRESULT>(0x80000001u));
  EXPECT_STREQ(first, "unknown HRESULT (0x80000001)");
  DXErrorName(static_cast<HRESULT>(0x8876FFFFu));
  EXPECT_STREQ(first, "unknown HRESULT (0x8876FFFF)");
}

void FailingDrawCall() { DX_FATAL_CHECK(static_cast<HRESULT>(0x887601C2u), "DDS7_Lock"); }

TEST(DXErrorReport, FatalFormNamesFileFunctionCallAndResult) {
  EXPECT_FATAL(FailingDrawCall(),
               "Error: \\[file dxtest, line [0-9]+, func FailingDrawCall\\(\\)\\]:\nDirectX call DDS7_Lock\\(\\) "
               "failed: DDERR_SURFACELOST");
}

TEST(DXErrorReport, SuccessCodesPassAndWarningsGoToStandardOutput) {
  DX_FATAL_CHECK(static_cast<HRESULT>(0x08781091u), "DMUS_Positive");  // positive: passes
  testing::internal::CaptureStdout();
  bool failed = DX_WARN_CHECK(static_cast<HRESULT>(0x80004005u), "D3D7_EnumDevices");
  bool passed = DX_WARN_CHECK(0, "D3D7_EnumDevices");
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(failed);
  EXPECT_FALSE(passed);
  EXPECT_NE(out.find("Warning: [file dxtest, line "), std::string::npos) << out;
  EXPECT_NE(out.find("]:\nDirectX call D3D7_EnumDevices() failed: E_FAIL (D*ERR_GENERIC)\n"), std::string::npos) << out;
}

}  // namespace
