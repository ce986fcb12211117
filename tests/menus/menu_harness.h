// Runs menu tables in the real menu loop: the menu system opened on the
// headless 640 x 480 display with the generated paks, the virtual clock, and
// input from an event script (clicks and moves) plus buttons held down by a
// poll function for drags. A watchdog leaves every screen if a run takes too
// long, so a broken script fails a test instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "menus/exmenu.h"
#include "menus/machine.h"
#include "menus/menupc.h"
#include "platform/platform.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"

namespace menutest {

// One step of a run, at a tick after the run starts.
struct Step {
  uint32_t tick;
  enum Kind { Click, Move, Press, Release, Key } kind;
  int x = 0, y = 0;
  const char* key = nullptr;
};

inline Step ClickAt(uint32_t tick, int x, int y) { return {tick, Step::Click, x, y}; }
inline Step MoveTo(uint32_t tick, int x, int y) { return {tick, Step::Move, x, y}; }
inline Step PressAt(uint32_t tick) { return {tick, Step::Press}; }
inline Step ReleaseAt(uint32_t tick) { return {tick, Step::Release}; }
inline Step KeyAt(uint32_t tick, const char* key) { return {tick, Step::Key, 0, 0, key}; }

// An event script (the platform's text form) that clicks a GN menu's spots in
// turn from tick `start`, 60 ticks apart: the pointer moves onto each spot 20
// ticks before the click, as a GN menu acts on the spot the pointer entered.
// With GAFFERON_GRAB_OUT set, the screen is grabbed just before the last
// click (to look at by eye). *end, if given, gets the tick after the last.
inline std::string GNClickScript(const std::vector<std::pair<int, int>>& clicks, uint32_t start,
                                 uint32_t* end = nullptr) {
  std::string script;
  uint32_t at = start;
  const bool grab = std::getenv("GAFFERON_GRAB_OUT") != nullptr;
  for (size_t i = 0; i < clicks.size(); ++i) {
    const auto [x, y] = clicks[i];
    if (grab && i + 1 == clicks.size()) script += std::to_string(at - 10) + " key ScrollLock\n";
    script += std::to_string(at) + " move " + std::to_string(x) + " " + std::to_string(y) + "\n";
    script += std::to_string(at + 20) + " click " + std::to_string(x) + " " + std::to_string(y) + "\n";
    at += 60;
  }
  if (end) *end = at;
  return script;
}

struct HarnessDriver {
  std::vector<Step> held;  // presses and releases, in tick order
  size_t next = 0;
  uint32_t start = 0;
  uint32_t deadline = 0;
  bool timedOut = false;
  std::vector<Step> steps;
  uint32_t limit = 0;
  // The open screen's hot spots and button records as the last frame saw them.
  std::vector<MenuHotspot> hotspots;
  std::vector<MenuButtonRecord> buttons;
};
inline HarnessDriver gDriver;

// Runs from Poll (every frame's wait): the held buttons, and the watchdog.
inline void DriverPoll() {
  const uint32_t now = PlatRawTicks();
  while (gDriver.next < gDriver.held.size() && gDriver.start + gDriver.held[gDriver.next].tick <= now) {
    PlatSetMouseButton(0, gDriver.held[gDriver.next].kind == Step::Press);
    ++gDriver.next;
  }
  gDriver.hotspots.clear();
  for (int i = 0; i < MenuHotspotCount(); ++i) gDriver.hotspots.push_back(*MenuHotspotAt(i));
  gDriver.buttons.clear();
  for (int i = 0; i < MenuButtonCount(); ++i) gDriver.buttons.push_back(*MenuButtonAt(i));
  if (now > gDriver.deadline) {
    gDriver.timedOut = true;
    SetMenuResult(MENU_RESULT_LEAVE);
  }
}

// Loads the steps as an event script timed from now.
inline void StartScript() {
  gDriver.start = PlatRawTicks();
  gDriver.deadline = gDriver.start + gDriver.limit;
  std::string script;
  for (const Step& s : gDriver.steps) {
    const uint32_t at = gDriver.start + s.tick;
    switch (s.kind) {
      case Step::Click:
        script += std::to_string(at) + " click " + std::to_string(s.x) + " " + std::to_string(s.y) + "\n";
        break;
      case Step::Move:
        script += std::to_string(at) + " move " + std::to_string(s.x) + " " + std::to_string(s.y) + "\n";
        break;
      case Step::Key:
        script += std::to_string(at) + " key " + s.key + "\n";
        break;
      case Step::Press:
      case Step::Release:
        gDriver.held.push_back(s);
        break;
    }
  }
  std::string error;
  EXPECT_TRUE(PlatLoadEventScript(script, &error)) << error;
}

class MenuHarness : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    scratch_ = std::make_unique<ScratchDir>("exmenu");
    InitMemory(9500);
    OpenDisplayForMenus();
    MountGeneratedHdPak(true);
    InitSetOfMenus();
    SetMenuSystemRunning(true);
  }
  void TearDown() override {
    SetMenuSystemRunning(false);
    if (IsMenuSystemOpen()) UninitSetOfMenus();
    EngineTest::TearDown();
    scratch_.reset();
  }

  // Runs the table with PushAndRunMenu under the steps (ticks from now);
  // answers whether it ended by itself before the watchdog.
  bool Run(const MenuItem* table, const std::vector<Step>& steps, uint32_t limit = 2000) {
    gDriver = HarnessDriver{};
    gDriver.steps = steps;
    gDriver.limit = limit;
    gDriver.start = PlatRawTicks();
    gDriver.deadline = gDriver.start + limit + 1000;
    // A script's moves are motion from the middle of the screen.
    SetPointerPosition(static_cast<int16_t>(MenuScreenWidth() / 2), static_cast<int16_t>(MenuScreenHeight() / 2));
    // The steps count from the end of the first draw (the screen's reveal
    // takes its time).
    SetMenuPostDrawCallback(StartScript);
    const int16_t poll = AddPollFunction(DriverPoll, 1, 0);
    result_ = PushAndRunMenu(table);
    RemovePollFunction(poll);
    PlatClearEventScript();
    return !gDriver.timedOut;
  }

  // The menu buffer's pixel (menu units are pixels at scale 1).
  uint32_t Pixel(int x, int y) const {
    const uint8_t* p = MenuBufferPixels() + (y * MenuScreenWidth() + x) * MenuBytesPerPixel();
    uint32_t v = 0;
    for (int i = 0; i < MenuBytesPerPixel(); ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
    return v;
  }
  uint32_t BackgroundPixel(int x, int y) const {
    const uint8_t* p = MenuBackgroundPixels() + (y * MenuScreenWidth() + x) * MenuBytesPerPixel();
    uint32_t v = 0;
    for (int i = 0; i < MenuBytesPerPixel(); ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
    return v;
  }
  // Whether the rectangle of the menu buffer differs from the saved background.
  bool DiffersFromBackground(int x, int y, int w, int h) const {
    for (int row = y; row < y + h; ++row)
      for (int col = x; col < x + w; ++col)
        if (Pixel(col, row) != BackgroundPixel(col, row)) return true;
    return false;
  }
  std::vector<uint8_t> Buffer() const {
    const uint8_t* p = MenuBufferPixels();
    return std::vector<uint8_t>(p, p + MenuScreenWidth() * MenuScreenHeight() * MenuBytesPerPixel());
  }

  // The hot spots of a kind the last frame of the run saw, in list order.
  static std::vector<MenuHotspot> HotspotsOfKind(int kind) {
    std::vector<MenuHotspot> out;
    for (const MenuHotspot& spot : gDriver.hotspots)
      if (spot.kind == kind) out.push_back(spot);
    return out;
  }

  int result_ = 0;
  std::unique_ptr<ScratchDir> scratch_;
};

}  // namespace menutest
