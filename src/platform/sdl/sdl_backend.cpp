// The SDL2 window back end: the main window, its native events turned into
// window messages, and message boxes. With SDL's dummy video driver it runs
// without a display.
#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/sdl_backend.h"

namespace {

struct SdlState {
  SDL_Window* window = nullptr;
  bool headless = false;  // dummy video driver: nothing to show
  bool windowed = true;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  int textureWidth = 0, textureHeight = 0;
  std::vector<uint32_t> frame;
  std::vector<SDL_Joystick*> joysticks;
  SDL_AudioDeviceID audio = 0;
  void (*audioFill)(int16_t* out, uint32_t frames) = nullptr;
} gSdl;

int ButtonBit(Uint8 button) {
  if (button == SDL_BUTTON_LEFT) return 0;
  if (button == SDL_BUTTON_RIGHT) return 1;
  if (button == SDL_BUTTON_MIDDLE) return 2;
  return -1;
}

intptr_t MouseLParam(int x, int y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
}

// Window pixels to the screen layout.
void ToLayout(int wx, int wy, int* x, int* y) {
  int w = PLAT_LAYOUT_WIDTH, h = PLAT_LAYOUT_HEIGHT;
  if (gSdl.window) SDL_GetWindowSize(gSdl.window, &w, &h);
  if (w <= 0) w = PLAT_LAYOUT_WIDTH;
  if (h <= 0) h = PLAT_LAYOUT_HEIGHT;
  *x = wx * PLAT_LAYOUT_WIDTH / w;
  *y = wy * PLAT_LAYOUT_HEIGHT / h;
}

void PostKey(const SDL_KeyboardEvent& key, bool up) {
  PlatKeyCode code;
  if (!PlatKeyFromUsage(static_cast<int>(key.keysym.scancode), &code)) return;
  PlatPostMessage(up ? WM_KEYUP : WM_KEYDOWN, 0, PlatKeyLParam(code, up));
}

void Translate(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      PlatPostMessage(WM_CLOSE, 0, 0);
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          PlatSendMessage(WM_ACTIVATEAPP, 1, 0);
          PlatSendMessage(WM_ACTIVATE, 1, 0);
          PlatSendMessage(WM_SETFOCUS, 0, 0);
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          PlatSendMessage(WM_KILLFOCUS, 0, 0);
          PlatSendMessage(WM_ACTIVATE, 0, 0);
          PlatSendMessage(WM_ACTIVATEAPP, 0, 0);
          break;
        case SDL_WINDOWEVENT_CLOSE:
          PlatPostMessage(WM_CLOSE, 0, 0);
          break;
        case SDL_WINDOWEVENT_EXPOSED:
          PlatPostMessage(WM_PAINT, 0, 0);
          break;
        default:
          break;
      }
      break;
    case SDL_KEYDOWN:
      PostKey(e.key, false);
      break;
    case SDL_KEYUP:
      PostKey(e.key, true);
      break;
    case SDL_MOUSEMOTION: {
      PlatMoveCursor(e.motion.xrel, e.motion.yrel);
      int x, y;
      ToLayout(e.motion.x, e.motion.y, &x, &y);
      PlatPostMessage(WM_MOUSEMOVE, 0, MouseLParam(x, y));
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      int x, y;
      ToLayout(e.button.x, e.button.y, &x, &y);
      bool down = e.type == SDL_MOUSEBUTTONDOWN;
      PlatSetMouseButton(ButtonBit(e.button.button), down);
      uint32_t msg = 0;
      if (e.button.button == SDL_BUTTON_LEFT) msg = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
      if (e.button.button == SDL_BUTTON_RIGHT) msg = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
      if (e.button.button == SDL_BUTTON_MIDDLE) msg = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
      if (msg) PlatPostMessage(msg, 0, MouseLParam(x, y));
      break;
    }
    default:
      break;
  }
}

bool CreateWindow(const PlatWindowDesc& desc) {
  Uint32 flags = SDL_WINDOW_HIDDEN;
  if (!desc.windowed) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  gSdl.windowed = desc.windowed;
  gSdl.window = SDL_CreateWindow(desc.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, desc.width, desc.height,
                                 flags);
  return gSdl.window != nullptr;
}

void DestroyRenderer() {
  if (gSdl.texture) SDL_DestroyTexture(gSdl.texture);
  if (gSdl.renderer) SDL_DestroyRenderer(gSdl.renderer);
  gSdl.texture = nullptr;
  gSdl.renderer = nullptr;
  gSdl.textureWidth = gSdl.textureHeight = 0;
}

void DestroyWindow() {
  DestroyRenderer();
  if (gSdl.window) SDL_DestroyWindow(gSdl.window);
  gSdl.window = nullptr;
}

void ShowWindow() {
  if (gSdl.window) SDL_ShowWindow(gSdl.window);
}

void PumpEvents(uint32_t timeoutMs) {
  SDL_Event e;
  bool got = timeoutMs ? SDL_WaitEventTimeout(&e, static_cast<int>(timeoutMs)) != 0 : SDL_PollEvent(&e) != 0;
  while (got) {
    Translate(e);
    got = SDL_PollEvent(&e) != 0;
  }
}

int MessageBox(const char* caption, const char* text, unsigned type) {
  std::printf("MessageBox [%s]: %s\n", caption ? caption : "", text ? text : "");
  std::fflush(stdout);
  if (gSdl.headless) return 1;
  Uint32 flags = (type & PLAT_MB_ICONERROR) ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
  SDL_ShowSimpleMessageBox(flags, caption, text, gSdl.window);
  return 1;
}

void SetClientSize(int width, int height) {
  if (gSdl.window && gSdl.windowed) SDL_SetWindowSize(gSdl.window, width, height);
}

void ClientOrigin(int* x, int* y) {
  int wx = 0, wy = 0;
  if (gSdl.window) SDL_GetWindowPosition(gSdl.window, &wx, &wy);
  if (x) *x = wx;
  if (y) *y = wy;
}

void ShowCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

// The frame goes into a streaming texture of its own size, drawn over the
// whole window with the aspect kept (black bars where the shapes differ).
void Present(const PlatFrame& frame) {
  if (gSdl.headless || !gSdl.window || frame.width == 0 || frame.height == 0) return;
  if (!gSdl.renderer) {
    gSdl.renderer = SDL_CreateRenderer(gSdl.window, -1, 0);
    if (!gSdl.renderer) return;
  }
  int w = static_cast<int>(frame.width), h = static_cast<int>(frame.height);
  if (!gSdl.texture || gSdl.textureWidth != w || gSdl.textureHeight != h) {
    if (gSdl.texture) SDL_DestroyTexture(gSdl.texture);
    gSdl.texture = SDL_CreateTexture(gSdl.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, w, h);
    if (!gSdl.texture) return;
    gSdl.textureWidth = w;
    gSdl.textureHeight = h;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_RenderSetLogicalSize(gSdl.renderer, w, h);
  }
  gSdl.frame.resize(static_cast<size_t>(w) * h);
  PlatFrameToXRGB(frame, gSdl.frame.data());
  SDL_UpdateTexture(gSdl.texture, nullptr, gSdl.frame.data(), w * 4);
  SDL_SetRenderDrawColor(gSdl.renderer, 0, 0, 0, 255);
  SDL_RenderClear(gSdl.renderer);
  SDL_RenderCopy(gSdl.renderer, gSdl.texture, nullptr, nullptr);
  SDL_RenderPresent(gSdl.renderer);
}

// Joysticks: SDL's axes run -32768 to 32767; the game reads 0 to 65535.
int JoystickCount() {
  if (gSdl.joysticks.empty()) {
    int n = SDL_NumJoysticks();
    for (int i = 0; i < n; ++i) gSdl.joysticks.push_back(SDL_JoystickOpen(i));
  }
  return static_cast<int>(gSdl.joysticks.size());
}

bool JoystickCaps(int index, PlatJoyCaps* caps) {
  if (index < 0 || index >= static_cast<int>(gSdl.joysticks.size()) || !gSdl.joysticks[index]) return false;
  SDL_Joystick* j = gSdl.joysticks[index];
  std::memset(caps, 0, sizeof *caps);
  const char* name = SDL_JoystickName(j);
  std::snprintf(caps->name, sizeof caps->name, "%s", name ? name : "joystick");
  caps->xMin = caps->yMin = 0;
  caps->xMax = caps->yMax = 65535;
  caps->buttons = static_cast<uint32_t>(SDL_JoystickNumButtons(j));
  return SDL_JoystickNumAxes(j) >= 2;
}

bool JoystickRead(int index, PlatJoyPos* pos) {
  if (index < 0 || index >= static_cast<int>(gSdl.joysticks.size()) || !gSdl.joysticks[index]) return false;
  SDL_Joystick* j = gSdl.joysticks[index];
  if (!SDL_JoystickGetAttached(j)) return false;
  SDL_JoystickUpdate();
  pos->x = static_cast<uint32_t>(SDL_JoystickGetAxis(j, 0) + 32768);
  pos->y = static_cast<uint32_t>(SDL_JoystickGetAxis(j, 1) + 32768);
  pos->buttons = 0;
  int buttons = SDL_JoystickNumButtons(j);
  for (int b = 0; b < buttons && b < 32; ++b)
    if (SDL_JoystickGetButton(j, b)) pos->buttons |= 1u << b;
  return true;
}

// The audio device: 16-bit stereo at the mixer's rate (SDL converts when the
// device wants another format); its thread asks the mixer for frames.
void AudioCallback(void*, Uint8* stream, int len) {
  if (gSdl.audioFill) gSdl.audioFill(reinterpret_cast<int16_t*>(stream), static_cast<uint32_t>(len) / 4);
}

bool OpenAudio(uint32_t rate, void (*fill)(int16_t* out, uint32_t frames)) {
  if (gSdl.audio) return false;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec want{};
  want.freq = static_cast<int>(rate);
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = AudioCallback;
  gSdl.audioFill = fill;
  gSdl.audio = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (!gSdl.audio) {
    gSdl.audioFill = nullptr;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_PauseAudioDevice(gSdl.audio, 0);
  return true;
}

void CloseAudio() {
  if (!gSdl.audio) return;
  SDL_CloseAudioDevice(gSdl.audio);  // waits for the callback to return
  gSdl.audio = 0;
  gSdl.audioFill = nullptr;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Shutdown() {
  CloseAudio();
  for (SDL_Joystick* j : gSdl.joysticks)
    if (j) SDL_JoystickClose(j);
  gSdl.joysticks.clear();
  DestroyWindow();
  SDL_Quit();
}

const PlatBackend kSdlBackend = {
    "sdl2",     CreateWindow, DestroyWindow, ShowWindow,    PumpEvents,   MessageBox,   SetClientSize,
    ClientOrigin, ShowCursor, Shutdown,      Present,       JoystickCount, JoystickCaps, JoystickRead,
    OpenAudio,  CloseAudio,
};

}  // namespace

SDL_Window* SdlMainWindow() { return gSdl.window; }
bool SdlIsHeadless() { return gSdl.headless; }

const PlatBackend* SdlBackendStart() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "SDL_Init failed: %s\n", SDL_GetError());
    return nullptr;
  }
  // No joystick support is no joystick: the game reads none.
  SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  const char* driver = SDL_GetCurrentVideoDriver();
  gSdl.headless = driver && std::strcmp(driver, "dummy") == 0;
  return &kSdlBackend;
}
