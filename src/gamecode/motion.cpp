// The motion-capture clips: read whole through the pak layer, checked, and
// kept in managed memory while the match runs.
#include "gamecode/motion.h"

#include <cmath>
#include <cstdio>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "menus/loadbar.h"

const char* const MotionNames[MOTION_COUNT] = {
    "ANF001", "ANF002", "ANF003", "ANF003R", "ANF004", "ANF009", "ANF010", "ANF011",
    "ANF015", "ANF016", "ANF019", "ANF020", "ANF021", "ANF023", "ANF025", "ANF026",
    "ANF027", "ANF027B", "ANF027BR", "ANF027C", "ANF027CR", "ANF027D", "ANF027R", "ANF028",
    "ANF029", "ANF031", "ANF035", "ANF036", "ANF037", "ANF038", "ANF039", "ANF040",
    "ANF041", "ANF042", "ANF043", "ANF044", "ANF044R", "ANF045", "ANF045R", "ANF046",
    "ANF046R", "ANF047", "ANF048", "ANF049", "ANF050", "ANF051", "ANF052", "ANF053",
    "ANF054", "ANF055", "ANF056", "ANF057", "ANF058", "ANF058R", "ANF060", "ANF061",
    "ANF062", "ANF063", "ANF064", "ANF065", "ANF066", "ANF067", "ANF068", "ANF071",
    "ANF072", "ANF073", "ANF074", "ANF075", "ANF087", "ANF088", "ANF089", "ANF090",
    "ANF091", "ANF092", "ANF093", "ANF094", "ANF095", "ANF096", "ANF096R", "ANF097",
    "ANF097R", "ANF098", "ANF099", "ANF100", "ANF101", "ANF102", "ANF103", "ANF104",
    "ANF105", "ANF105B", "ANF105C", "ANF106", "ANF107", "ANF111", "ANF114", "ANF122",
    "ANF123", "ANF124", "ANF125", "ANF126", "ANF127", "ANF128", "ANF128B", "ANF141",
    "ANF141B", "ANF141C", "ANF141D", "ANF141E", "ANF141F", "ANF141G", "ANF141H", "ANF141I",
    "ANF141J", "ANF142", "ANF143", "ANF144", "ANF144B", "ANF144C", "ANF145", "ANF145B",
    "ANF146", "ANF146B", "ANF147", "ANF147B", "ANF148", "ANF148B", "ANF149", "ANF149B",
    "ANF150", "ANF150B", "ANF151", "ANF151B", "ANF152", "ANF153", "ANF154", "ANF144R",
    "ANF144BR", "ANF144CR", "ANF145R", "ANF145BR", "ANF146R", "ANF146BR", "ANF147R", "ANF147BR",
    "ANF148R", "ANF148BR", "ANF149R", "ANF149BR", "ANF150R", "ANF150BR", "ANF151R", "ANF151BR",
    "ANF017", "ANF018", "ANF024", "ANF111R", "ANF115B", "ANF123R", "AX002",
};


namespace {

// One entry of the motion table: the clip's frames (a managed block) and
// their count.
struct MotionEntry {
  uint8_t* data;
  int32_t frames;
};

struct MotionState {
  MotionEntry* table = nullptr;  // MOTION_COUNT entries, one managed block
};
MotionState gMotion;

void Motion_Reset() { gMotion = MotionState{}; }  // the memory manager's own reset drops the blocks

constexpr uint32_t kHeaderSize = 8;
constexpr int kRootOffset = 0;
constexpr int kHandOffset = 12;

// Checks one clip file of `length` bytes; a bad one stops the program naming it.
int32_t CheckClip(const char* path, const uint8_t* file, uint32_t length) {
  if (length < kHeaderSize) FatalError("Error: Motion capture file too short (%s, %u bytes)\n", path, length);
  const int32_t size = LoadI32(file);
  const int32_t frames = LoadI32(file + 4);
  if (int64_t{size} != int64_t{length} - kHeaderSize)
    FatalError("Error: Motion capture file wrong size (%s)\n", path);
  if (frames < 1) FatalError("Error: Motion capture file has %d frames (%s)\n", frames, path);
  const int64_t wanted = int64_t{frames} * MOTION_FRAME_SIZE;
  if (wanted != size)
    FatalError("Error: for %d frames, data size should be %lld, but was %d (%s)\n", frames,
               static_cast<long long>(wanted), size, path);
  return frames;
}

}  // namespace

REGISTER_RESET(RESET_MATCH, Motion_Reset);

void LoadMotions() {
  if (gMotion.table) FreeMotions();
  AllocateMemory(&gMotion.table, static_cast<uint32_t>(sizeof(MotionEntry) * MOTION_COUNT), ManualNoMove);
  for (int clip = 0; clip < MOTION_COUNT; ++clip) gMotion.table[clip] = MotionEntry{nullptr, 0};
  // One step of the loading bar per clip (nothing shows while no bar runs).
  LoadBar_StartBlock(static_cast<float>(MOTION_COUNT), 1.0f);
  for (int clip = 0; clip < MOTION_COUNT; ++clip) {
    char path[PAK_MAX_NAME + 1];
    std::snprintf(path, sizeof path, "ZVDATA\\COMMON\\SSKIN\\MOTIONS\\%s.RAW", MotionNames[clip]);
    uint8_t* file = nullptr;
    const uint32_t length = PakLoadFile(path, &file, ManualFree);
    const int32_t frames = CheckClip(path, file, length);
    MotionEntry& entry = gMotion.table[clip];
    const uint32_t size = length - kHeaderSize;
    AllocateMemory(&entry.data, size, ManualFree);
    for (uint32_t i = 0; i < size; ++i) entry.data[i] = file[kHeaderSize + i];
    entry.frames = frames;
    FreeMemory(&file);
    LoadBar_AddProgress(1.0f);
  }
  LoadBar_EndBlock();
}

void FreeMotions() {
  if (!gMotion.table) return;
  for (int clip = 0; clip < MOTION_COUNT; ++clip)
    if (gMotion.table[clip].data) FreeMemory(&gMotion.table[clip].data);
  FreeMemory(&gMotion.table);
  gMotion.table = nullptr;
}

bool MotionsLoaded() { return gMotion.table != nullptr; }

int32_t GetMotionFrames(int clip) {
  if (!gMotion.table || clip < 0 || clip >= MOTION_COUNT) return 0;
  return gMotion.table[clip].frames;
}

const uint8_t* GetMotionFrame(int clip, int frame) {
  if (frame < 0 || frame >= GetMotionFrames(clip)) return nullptr;
  return gMotion.table[clip].data + static_cast<size_t>(frame) * MOTION_FRAME_SIZE;
}

void PlaceBallInHands(int ballObject, int holder) {
  if (ballObject < 0 || ballObject >= MATCH_OBJECTS || holder < 0 || holder >= MATCH_OBJECTS) return;
  const RenderObject& h = RenderObjects[holder];
  // A holder between clips (or on a frame his clip does not have) leaves the
  // ball where it is drawn.
  const uint8_t* frame = GetMotionFrame(h.motion, h.motionFrame);
  if (!frame) return;
  const float rootAcross = LoadF32(frame + kRootOffset), rootAlong = LoadF32(frame + kRootOffset + 4);
  const float handAcross = LoadF32(frame + kHandOffset), handAlong = LoadF32(frame + kHandOffset + 4);
  const float handHeight = LoadF32(frame + kHandOffset + 8);
  const double angle = (h.drawFacing + MODEL_FRONT_QUARTER_TURN) * 3.141592 / 128;
  const double across = handAcross - rootAcross, along = handAlong - rootAlong;
  const double c = std::cos(angle), s = std::sin(angle);
  RenderObject& ball = RenderObjects[ballObject];
  ball.x = static_cast<float>(h.x + (across * c - along * s));
  ball.height = static_cast<float>(h.height + handHeight);
  ball.y = static_cast<float>(h.y + (along * c + across * s));
}
