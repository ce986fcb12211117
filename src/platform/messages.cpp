// The main window, its message queue, scripted input and the headless back end.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <atomic>
#include <deque>
#include <mutex>
#include <sstream>
#include <vector>

#include "platform/platform.h"

#include "engine/reset.h"

namespace {

struct ScriptEvent {
  uint32_t tick;
  enum Kind { Key, Move, Click, Close } kind;
  PlatKeyCode key;
  int x, y;
};

struct WindowState {
  std::mutex lock;  // guards the queue; everything else is main-thread only
  std::deque<PlatMsg> queue;
  std::atomic<size_t> queued{0};  // the queue's length, read without the lock
  PlatWindowProc proc = nullptr;
  bool exists = false;
  bool quitPosted = false;
  int quitCode = 0;
  std::vector<ScriptEvent> script;  // sorted by tick
  size_t scriptNext = 0;
  int scriptX = PLAT_LAYOUT_WIDTH / 2, scriptY = PLAT_LAYOUT_HEIGHT / 2;  // where the script last put the pointer
  const PlatBackend* backend = nullptr;
  int clientWidth = PLAT_LAYOUT_WIDTH, clientHeight = PLAT_LAYOUT_HEIGHT;
};

WindowState& W() {
  static WindowState* w = new WindowState;
  return *w;
}

volatile std::sig_atomic_t gCloseRequested = 0;

void OnSignal(int) { gCloseRequested = 1; }

// --- headless back end ------------------------------------------------------

bool HeadlessCreate(const PlatWindowDesc&) { return true; }
void HeadlessDestroy() {}
void HeadlessShow() {}
void HeadlessPump(uint32_t timeoutMs) {
  if (timeoutMs == 0) return;
  if (PlatClockIsVirtual()) return;
  PlatSleep(timeoutMs < 2 ? timeoutMs : 2);
}
int HeadlessMessageBox(const char* caption, const char* text, unsigned) {
  std::printf("MessageBox [%s]: %s\n", caption ? caption : "", text ? text : "");
  std::fflush(stdout);
  return 1;
}
void HeadlessSetClientSize(int, int) {}
void HeadlessClientOrigin(int* x, int* y) {
  if (x) *x = 0;
  if (y) *y = 0;
}
void HeadlessShowCursor(bool) {}
void HeadlessShutdown() {}

void HeadlessPresent(const PlatFrame&) {}
int HeadlessJoystickCount() { return 0; }
bool HeadlessJoystickCaps(int, PlatJoyCaps*) { return false; }
bool HeadlessJoystickRead(int, PlatJoyPos*) { return false; }
bool HeadlessOpenAudio(uint32_t, void (*)(int16_t*, uint32_t)) { return false; }  // no device
void HeadlessCloseAudio() {}

const PlatBackend kHeadless = {
    "headless",         HeadlessCreate,        HeadlessDestroy,       HeadlessShow,
    HeadlessPump,       HeadlessMessageBox,    HeadlessSetClientSize, HeadlessClientOrigin,
    HeadlessShowCursor, HeadlessShutdown,      HeadlessPresent,       HeadlessJoystickCount,
    HeadlessJoystickCaps, HeadlessJoystickRead, HeadlessOpenAudio,   HeadlessCloseAudio,
};

const PlatBackend* Backend() {
  WindowState& w = W();
  if (!w.backend) w.backend = &kHeadless;
  return w.backend;
}

intptr_t MouseLParam(int x, int y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
}

// A scripted pointer move moves the cursor as a mouse would, by the distance
// from where the script last put it (at first the middle of the screen): the
// game reads the mouse as motion, and its pointer starts in the middle, so it
// follows the script's coordinates.
void MoveCursorTo(WindowState& w, int x, int y) {
  PlatMoveCursor(x - w.scriptX, y - w.scriptY);
  w.scriptX = x;
  w.scriptY = y;
}

// Posts the script events that have fallen due, and a close asked for by a signal.
void FeedExternalEvents(WindowState& w) {
  if (gCloseRequested) {
    gCloseRequested = 0;
    PlatPostMessage(WM_CLOSE, 0, 0);
  }
  if (w.scriptNext >= w.script.size()) return;  // no script events left: no need of the time
  uint32_t now = PlatRawTicks();
  while (w.scriptNext < w.script.size() && w.script[w.scriptNext].tick <= now) {
    const ScriptEvent& e = w.script[w.scriptNext++];
    switch (e.kind) {
      case ScriptEvent::Key:
        PlatPostMessage(WM_KEYDOWN, 0, PlatKeyLParam(e.key, false));
        PlatPostMessage(WM_KEYUP, 0, PlatKeyLParam(e.key, true));
        break;
      case ScriptEvent::Move:
        MoveCursorTo(w, e.x, e.y);
        PlatPostMessage(WM_MOUSEMOVE, 0, MouseLParam(e.x, e.y));
        break;
      case ScriptEvent::Click:
        // Pressed and let go at once: the next read of the buttons still sees
        // the press.
        MoveCursorTo(w, e.x, e.y);
        PlatSetMouseButton(0, true);
        PlatSetMouseButton(0, false);
        PlatPostMessage(WM_MOUSEMOVE, 0, MouseLParam(e.x, e.y));
        PlatPostMessage(WM_LBUTTONDOWN, 1, MouseLParam(e.x, e.y));
        PlatPostMessage(WM_LBUTTONUP, 0, MouseLParam(e.x, e.y));
        break;
      case ScriptEvent::Close:
        PlatPostMessage(WM_CLOSE, 0, 0);
        break;
    }
  }
}

bool PopMessage(WindowState& w, PlatMsg* msg, bool remove) {
  // The day loop peeks millions of times a season, nearly always at an empty
  // queue: that answer needs no lock.
  if (w.queued.load(std::memory_order_acquire) == 0) return false;
  std::lock_guard<std::mutex> g(w.lock);
  if (w.queue.empty()) return false;
  *msg = w.queue.front();
  if (remove) {
    w.queue.pop_front();
    w.queued.store(w.queue.size(), std::memory_order_release);
  }
  return true;
}

}  // namespace

// --- back ends ---------------------------------------------------------------

const PlatBackend* PlatHeadlessBackend() { return &kHeadless; }
void PlatSetBackend(const PlatBackend* backend) { W().backend = backend ? backend : &kHeadless; }
const PlatBackend* PlatGetBackend() { return Backend(); }

int PlatMessageBox(const char* caption, const char* text, unsigned type) {
  return Backend()->messageBox(caption, text, type);
}

// --- window --------------------------------------------------------------------

bool PlatCreateWindow(const PlatWindowDesc& desc, PlatWindowProc proc) {
  WindowState& w = W();
  if (w.exists || !proc) return false;
  if (!Backend()->createWindow(desc)) return false;
  w.clientWidth = desc.width;
  w.clientHeight = desc.height;
  w.proc = proc;
  w.exists = true;
  return true;
}

bool PlatDestroyWindow() {
  WindowState& w = W();
  if (!w.exists) return false;
  PlatSendMessage(WM_DESTROY, 0, 0);
  Backend()->destroyWindow();
  w.exists = false;
  w.proc = nullptr;
  return true;
}

bool PlatWindowExists() { return W().exists; }

void PlatShowWindow() {
  if (!W().exists) return;
  Backend()->showWindow();
  // A window that is shown comes to the front: it is activated and focused.
  PlatSendMessage(WM_ACTIVATEAPP, 1, 0);
  PlatSendMessage(WM_ACTIVATE, 1, 0);
  PlatSendMessage(WM_SETFOCUS, 0, 0);
}

void PlatSetClientSize(int width, int height) {
  W().clientWidth = width;
  W().clientHeight = height;
  Backend()->setClientSize(width, height);
}
void PlatGetClientSize(int* width, int* height) {
  if (width) *width = W().clientWidth;
  if (height) *height = W().clientHeight;
}
void PlatClientOrigin(int* x, int* y) { Backend()->clientOrigin(x, y); }
void PlatShowCursor(bool show) { Backend()->showCursor(show); }

// --- messages ------------------------------------------------------------------

void PlatPostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  WindowState& w = W();
  std::lock_guard<std::mutex> g(w.lock);
  w.queue.push_back({message, wParam, lParam});
  w.queued.store(w.queue.size(), std::memory_order_release);
}

void PlatPostQuitMessage(int code) {
  WindowState& w = W();
  w.quitCode = code;
  PlatPostMessage(WM_QUIT, static_cast<uintptr_t>(code), 0);
}

bool PlatPeekMessage(PlatMsg* msg, bool remove) {
  PlatPresentPending();
  WindowState& w = W();
  FeedExternalEvents(w);
  if (PopMessage(w, msg, remove)) return true;
  Backend()->pumpEvents(0);
  FeedExternalEvents(w);
  return PopMessage(w, msg, remove);
}

bool PlatGetMessage(PlatMsg* msg) {
  for (;;) {
    if (PlatPeekMessage(msg, true)) return msg->message != WM_QUIT;
    if (PlatVirtualAutoAdvance())
      PlatVirtualAdvance(1);
    else
      Backend()->pumpEvents(10);
  }
}

void PlatTranslateMessage(const PlatMsg&) {
  // Characters are worked out by the keyboard layer from scan codes.
}

intptr_t PlatDispatchMessage(const PlatMsg& msg) { return PlatSendMessage(msg.message, msg.wParam, msg.lParam); }

intptr_t PlatSendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  WindowState& w = W();
  if (!w.proc) return 0;
  return w.proc(message, wParam, lParam);
}

// --- scripted input -------------------------------------------------------------

bool PlatLoadEventScript(const std::string& text, std::string* error) {
  std::vector<ScriptEvent> events;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  auto fail = [&](const std::string& why) {
    if (error) *error = "line " + std::to_string(lineNo) + ": " + why + ": '" + line + "'";
    return false;
  };
  while (std::getline(in, line)) {
    ++lineNo;
    std::string body = line.substr(0, line.find('#'));
    std::istringstream words(body);
    long long tick;
    std::string verb;
    if (!(words >> tick)) {
      std::string rest;
      if (std::istringstream(body) >> rest) return fail("expected a tick count");
      continue;  // blank or comment
    }
    if (tick < 0 || tick > 0xFFFFFFFFll) return fail("tick out of range");
    if (!(words >> verb)) return fail("expected an event");
    ScriptEvent e{static_cast<uint32_t>(tick), ScriptEvent::Close, {0, false}, 0, 0};
    if (verb == "key") {
      std::string name;
      std::getline(words >> std::ws, name);
      while (!name.empty() && (name.back() == ' ' || name.back() == '\t' || name.back() == '\r')) name.pop_back();
      if (!PlatKeyFromName(name.c_str(), &e.key)) return fail("unknown key");
      e.kind = ScriptEvent::Key;
    } else if (verb == "move" || verb == "click") {
      if (!(words >> e.x >> e.y)) return fail("expected X Y");
      if (e.x < 0 || e.x >= PLAT_LAYOUT_WIDTH || e.y < 0 || e.y >= PLAT_LAYOUT_HEIGHT)
        return fail("position outside " + std::to_string(PLAT_LAYOUT_WIDTH) + " x " +
                    std::to_string(PLAT_LAYOUT_HEIGHT));
      e.kind = verb == "move" ? ScriptEvent::Move : ScriptEvent::Click;
    } else if (verb == "close") {
      e.kind = ScriptEvent::Close;
    } else {
      return fail("unknown event");
    }
    events.push_back(e);
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.tick < b.tick; });
  WindowState& w = W();
  w.script = std::move(events);
  w.scriptNext = 0;
  w.scriptX = PLAT_LAYOUT_WIDTH / 2;
  w.scriptY = PLAT_LAYOUT_HEIGHT / 2;
  return true;
}

bool PlatLoadEventScriptFile(const char* path, std::string* error) {
  FILE* f = std::fopen(path, "rb");
  if (!f) {
    if (error) *error = std::string("cannot open ") + path + ": " + std::strerror(errno);
    return false;
  }
  std::string text;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  std::fclose(f);
  return PlatLoadEventScript(text, error);
}

void PlatClearEventScript() {
  W().script.clear();
  W().scriptNext = 0;
}

size_t PlatPendingScriptEvents() { return W().script.size() - W().scriptNext; }

void PlatInstallSignalHandlers() {
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
}

void PlatReset() {
  PlatTimerStop();
  WindowState& w = W();
  {
    std::lock_guard<std::mutex> g(w.lock);
    w.queue.clear();
    w.queued.store(0, std::memory_order_release);
  }
  w.proc = nullptr;
  w.exists = false;
  w.script.clear();
  w.scriptNext = 0;
  w.scriptX = PLAT_LAYOUT_WIDTH / 2;
  w.scriptY = PLAT_LAYOUT_HEIGHT / 2;
  w.backend = &kHeadless;
  w.clientWidth = PLAT_LAYOUT_WIDTH;
  w.clientHeight = PLAT_LAYOUT_HEIGHT;
  gCloseRequested = 0;
  PlatSetVirtualAutoAdvance(false);
}
REGISTER_RESET(RESET_PLATFORM, PlatReset);
