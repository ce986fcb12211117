// gfxdemo: sets a 640 x 480 256-colour mode, draws with the blitters and the
// screen primitives, and saves a screen grab (grab0001.tga, or the next free
// number) in the working folder. With a display it then shows the screen in a
// window until Escape; under SDL_VIDEODRIVER=dummy it exits at once.
//
//   gfxdemo [-fullscreen] [-debug SETTING]
#include <strings.h>

#include <cstdio>
#include <cstring>

#include "demo_engine.h"
#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/poll.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "render256/vidopt.h"

namespace {

// Colour-cube index of a red, green, blue level (0-5, 0-6, 0-5).
uint8_t Cube(int r, int g, int b) { return static_cast<uint8_t>(1 + 42 * r + 6 * g + b); }

// A 16 x 16 ball sprite with a transparent (0) surround.
void MakeBall(uint8_t* sprite) {
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      int dx = 2 * x - 15, dy = 2 * y - 15, d = dx * dx + dy * dy;
      uint8_t c = 0;
      if (d < 15 * 15) c = ((x / 4 + y / 4) & 1) ? Cube(5, 6, 5) : Cube(0, 0, 0);
      if (d < 15 * 15 && d > 12 * 12) c = Cube(2, 2, 2);
      sprite[y * 16 + x] = c;
    }
}

void DrawDemo() {
  constexpr int W = PLAT_LAYOUT_WIDTH, H = PLAT_LAYOUT_HEIGHT;
  GfxFillRect(0, 0, W, H, Cube(0, 3, 0));  // the pitch
  for (int i = 0; i < 6; ++i) GfxFillRect(0, 40 + 80 * i, W, 40, Cube(0, 4, 0));  // mown stripes

  // Pitch markings with lines; the centre circle as a polygon.
  const uint8_t white = Cube(5, 6, 5);
  GfxDrawLine(40, 40, 600, 40, white);
  GfxDrawLine(600, 40, 600, 440, white);
  GfxDrawLine(600, 440, 40, 440, white);
  GfxDrawLine(40, 440, 40, 40, white);
  GfxDrawLine(320, 40, 320, 440, white);
  const int circle[][2] = {{380, 240}, {372, 270}, {350, 292}, {320, 300}, {290, 292}, {268, 270},
                           {260, 240}, {268, 210}, {290, 188}, {320, 180}, {350, 188}, {372, 210}};
  for (int i = 0; i < 12; ++i)
    GfxDrawLine(circle[i][0], circle[i][1], circle[(i + 1) % 12][0], circle[(i + 1) % 12][1], white);

  // A colour bar of the cube's reds and blues, and lines running off the screen (clipped).
  for (int i = 0; i < 36; ++i) GfxFillRect(50 + 15 * i, 450, 15, 20, Cube(i / 6, 0, i % 6));
  for (int i = 0; i < 8; ++i) GfxDrawLine(560, 80, 700, 80 + 60 * i, Cube(5, i % 7, 0));
  GfxFillRect(-20, -20, 60, 30, Cube(5, 0, 0));

  GfxPrintString(56, 52, "GAFFERON 2000 - GFXDEMO");
  GfxPrintf(56, 64, "%d x %d, %d colours", static_cast<int>(GfxScreen.width), static_cast<int>(GfxScreen.height), 256);
  GfxPrintString(56, 420, "!\"#$%&'()*+,-./0123456789:;<=>?@");
  GfxPrintString(56, 428, "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`");
  GfxPrintString(56, 436, "abcdefghijklmnopqrstuvwxyz{|}~");
  GfxPrintString(600, 100, "clipped at the edge");

  // An off-screen buffer: a scoreboard with a scaled ball, shown on the screen.
  uint8_t ball[16 * 16];
  MakeBall(ball);
  GfxBuffer* board = nullptr;
  CreateBuffer(&board, 200, 100);
  BlitFill(Cube(0, 0, 2) * 0x01010101u, board->height, board->width, board->pixels, board->stride - board->width);
  BufferPrintf(board, 8, 8, "HOME 2 - 1 AWAY");
  BufferDrawLine(board, 8, 20, 192, 20, Cube(5, 6, 0));
  BufferBlitScaled(board, 8, 28, 16, 16, 64, 64, ball);        // opaque, four times the size
  BufferBlitScaledTrans(board, 80, 28, 16, 16, 64, 64, ball);  // transparent
  BufferBlitScaledTrans(board, 160, 60, 16, 16, 64, 64, ball); // runs off the buffer: clipped
  BufferPrintString(board, 150, 90, "CLIPPED TEXT");
  ShowDBuffer(400, 300, board, 0, 0, board->width, board->height);
  DestroyBuffer(&board);

  // Sprites straight onto the screen, transparent, one half off the left edge.
  DrawGraphicTrans(312, 232, 16, 16, ball);
  DrawGraphicTrans(-8, 200, 16, 16, ball);
}

}  // namespace

int main(int argc, char** argv) {
  DemoEngine demo;
  if (!DemoCommandLine(argc, argv, &demo)) return 1;
  DemoEngineStart(&demo, "Gafferon 2000 gfxdemo", 9500, 1, false);

  int16_t mode = GfxFindMode(PLAT_LAYOUT_WIDTH, PLAT_LAYOUT_HEIGHT, 0);
  if (mode < 0) FatalError("Error: gfxdemo: no %dx%d 256 colour mode\n", PLAT_LAYOUT_WIDTH, PLAT_LAYOUT_HEIGHT);
  SetGraphicMode(mode, 0);
  uint8_t palette[768];
  ColConvMakeCubePalette(palette);
  SetPalette(palette);
  DrawDemo();
  Poll();  // paints the window
  GfxScreenGrab();
  std::printf("gfxdemo: screen grab written\n");

  if (!SdlIsHeadless()) {
    KeyFlush();
    while (!KeyWasPressed(1)) {
      Poll();
      PlatYield();
    }
  }

  RestoreGraphicMode();
  return DemoEngineStop(&demo);
}
