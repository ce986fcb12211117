// The DirectDraw layer: the display object and the surfaces of the one screen
// the program shows, in a window or full screen.
#pragma once

#include <cstdint>

#include "engine/gfx.h"
#include "engine/winlib.h"
#include "platform/platform.h"

struct DDrawInfoRecord {
  uint16_t windowProcSlot;
  PlatDisplay* lpDD;
  uint16_t initFlags;  // bit 0: Direct3D was initialised on this object
  PlatSurface* drawingSurface;
  PlatSurface* visibleSurface;
  PlatSurface* primarySurface;
  PlatSurface* zBufferSurface;
  PlatPalette* lpDDPalette;
  PlatClipper* clipper;
  uint16_t surfaceFlags;  // bit 0: visible has the primary's format; bit 1: a 3D device was made
  uint32_t width, height;
  uint8_t modeType;
  GfxBuffer screenBuffer;
  int32_t lockCount;
};
extern DDrawInfoRecord DDrawInfo;

// Kinds of DDrawGetDirectDrawSurface.
enum { DDRAW_SURFACE_PRIMARY = 1, DDRAW_SURFACE_VISIBLE = 2, DDRAW_SURFACE_DRAWING = 3, DDRAW_SURFACE_ZBUFFER = 4 };

void DDrawInit(uint16_t flags);
void DDrawUninit();
void DDrawSetMode(const GfxMode& mode, uint16_t flags);
void DDrawRestoreMode();
void DDrawBeginDraw(GfxBuffer** out);
void DDrawEndDraw(GfxBuffer** buffer, int x, int y, int width, int height);
void DDrawEndDrawFull(GfxBuffer** buffer);
void DDrawFlipBuffers();
void ShowScreen(const PlatRect& rect);
void DDrawSetPalette(const uint8_t* rgb);
void CreateSurfacePalette();
void DestroySurfacePalette();
void DDrawGetScreenColourFormat(ColFmt* out);
PlatSurface* DDrawGetDirectDrawSurface(int kind);
PlatDisplay* DDrawGetDirectDraw();
int DDrawIsWindowed();
void DDrawSetCooperativeLevelStandard();
void DDrawSetCooperativeLevelNormal();
void DDrawDestroySurfaces();
void RestoreLostSurfaces();
void DDrawTaskswitchFunc(uint8_t state);
intptr_t DDrawWindowProc(WinHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
bool DDrawEnumModesCallback(const PlatDisplayMode& mode, void* user);

// The z-buffer choice: how well a format suits the wanted depth and stencil;
// -1 for a format that cannot be taken.
int DDrawScoreZBufferFormat(const PlatPixelFormat& format, uint32_t wantedDepth, uint32_t wantedStencil);

// Forgets the layer's state without platform calls (tests).
void DDrawReset();
