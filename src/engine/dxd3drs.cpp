// The cache of the 3D device's render states and stage-0 texture-stage
// states: an unchanged value costs no device call, and the whole cache is
// written back when the program becomes active again.
#include <cstring>

#include "engine/debug.h"
#include "engine/dxd3d.h"
#include "engine/dxerror.h"
#include "engine/reset.h"
#include "engine/winlib.h"

#define ABORT_FILE "dxd3drs"

namespace {

// The render states written back after a task switch; the three fog values
// appear twice, once more under their table-fog names.
const uint32_t kRestoreList[] = {
    2,   4,   7,   8,   9,   10,  14,  15,  16,  19,  20,  22,  23,  24,  25,  26,  27,  28,  29,  30,  33,  34,
    35,  36,  37,  38,  36,  37,  38,  40,  41,  47,  48,  52,  53,  54,  55,  56,  57,  58,  59,  60,  128, 129,
    130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 143, 144, 145, 146, 147, 148, 151, 152,
};
static_assert(sizeof kRestoreList / sizeof kRestoreList[0] == 65);

struct RenderStateCache {
  uint32_t renderStates[PLAT_RS_COUNT];
  uint32_t stageStates[PLAT_TSS_COUNT];
};
RenderStateCache cache;

void FatalCheck(HRESULT result, int line, const char* func, const char* call) {
  if (result < 0)
    FatalError("Error: [file %s, line %d, func %s()]:\nDirectX call %s() failed: %s\n", ABORT_FILE, line, func, call,
               DXErrorName(result));
}
#define D3D_CHECK(result, func, call) FatalCheck((result), __LINE__, func, call)

void TaskswitchHook(uint8_t active) { RenderstateTaskswitch(active); }

void RenderStatesReset() { std::memset(&cache, 0, sizeof cache); }

}  // namespace

REGISTER_RESET(RESET_ENGINE, RenderStatesReset);

void D3DSetRenderState(uint32_t state, uint32_t value) {
  if (state >= PLAT_RS_COUNT) ABORT("D3DSetRenderState(): render state out of range");
  if (cache.renderStates[state] == value) return;
  D3D_CHECK(Plat3DSetRenderState(D3DGetD3DDevice7(), state, value), "D3DSetRenderState", "D3DD7_SetRenderState");
  cache.renderStates[state] = value;
}

uint32_t D3DGetRenderState(uint32_t state) {
  if (state >= PLAT_RS_COUNT) ABORT("D3DGetRenderState(): render state out of range");
  return cache.renderStates[state];
}

void D3DSetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) {
  if (type >= PLAT_TSS_COUNT) ABORT("D3DSetTextureStageState(): invalid texture sgage");
  if (stage != 0) ABORT("D3DSetTextureStageState(): Stage out of range");
  if (cache.stageStates[type] == value) return;
  D3D_CHECK(Plat3DSetTextureStageState(D3DGetD3DDevice7(), stage, type, value), "D3DSetTextureStage",
            "D3DD7_SetTextureStageType");
  cache.stageStates[type] = value;
}

uint32_t D3DGetTextureStageState(uint32_t stage, uint32_t type) {
  if (type >= PLAT_TSS_COUNT) ABORT("D3DSetTextureStage(): invalid texture sgage");
  if (stage != 0) ABORT("D3DSetTextureStage(): Stage out of range");
  return cache.stageStates[type];
}

void D3DSetRenderStateFloat(uint32_t state, float value) { D3DSetRenderState(state, Plat3DFloatBits(value)); }
float D3DGetRenderStateFloat(uint32_t state) { return Plat3DBitsFloat(D3DGetRenderState(state)); }
void D3DSetTextureStageStateFloat(uint32_t stage, uint32_t type, float value) {
  D3DSetTextureStageState(stage, type, Plat3DFloatBits(value));
}
float D3DGetTextureStageStateFloat(uint32_t stage, uint32_t type) {
  return Plat3DBitsFloat(D3DGetTextureStageState(stage, type));
}

void D3DInitRenderStates() {
  DPRINT(DEBUG_DIRECT3D, 80, "D3DInitRenderStates(): initialising\n");
  PlatDevice3D* device = D3DGetD3DDevice7();
  std::memset(&cache, 0, sizeof cache);
  for (uint32_t state : kRestoreList)
    D3D_CHECK(Plat3DGetRenderState(device, state, &cache.renderStates[state]), "D3DInitRenderStates",
              "D3DD7_GetRenderState");
  for (uint32_t type = 1; type < PLAT_TSS_COUNT; ++type)
    D3D_CHECK(Plat3DGetTextureStageState(device, 0, type, &cache.stageStates[type]), "D3DInitRenderStates",
              "D3DD7_GetTextureStageType");
  WinAddTaskswitchFunc(TaskswitchHook);
}

void D3DUninitRenderStates() {
  DPRINT(DEBUG_DIRECT3D, 80, "D3DUninitRenderStates(): uninitialising\n");
  WinRemoveTaskswitchFunc(TaskswitchHook);
}

void RenderstateTaskswitch(int active) {
  if (active != 1) return;
  DPRINT(DEBUG_DIRECT3D, 40, "RenderstateTaskswitch(): restoring all renderstates\n");
  PlatDevice3D* device = D3DGetD3DDevice7();
  for (uint32_t state : kRestoreList)
    D3D_CHECK(Plat3DSetRenderState(device, state, cache.renderStates[state]), "RenderstateTaskswitch",
              "D3DD7_SetRenderState");
  for (uint32_t type = 1; type < PLAT_TSS_COUNT; ++type)
    D3D_CHECK(Plat3DSetTextureStageState(device, 0, type, cache.stageStates[type]), "RenderstateTaskswitch",
              "D3DD7_SetTextureStageType");
}
