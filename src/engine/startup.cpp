// Start-up and shutdown.
#include "engine/startup.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "engine/debug.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/onexit.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "engine/strcase.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "gamecode/fixturematch.h"
#include "generic/gamesound.h"
#include "season/seam.h"
#include "menus/c_mnfix.h"
#include "menus/menucont.h"
#include "platform/platform.h"
#include "render256/vidopt.h"
#include "world/datablocks.h"

static_assert(std::endian::native == std::endian::little,
              "the options and save files are images of little-endian memory");

uint32_t WindowFlags = 0;
int16_t LowMemoryPC = 0;
int16_t SlowCPU = 0;

OptionsItem OptionsList[] = {
    {VideoConfig, VIDEO_CONFIG_SIZE},
    {&MenuVolume, sizeof MenuVolume},
    {&EffectsVolume, sizeof EffectsVolume},
    {&CrowdVolume, sizeof CrowdVolume},
    {&ScannerOn, sizeof ScannerOn},
    {&CameraView, sizeof CameraView},
    {&ModelDetail, sizeof ModelDetail},
    {&PlayerNamesOn, sizeof PlayerNamesOn},
    {nullptr, 0},
};

namespace {

constexpr uint64_t kLowMemoryLimit = 25165824;  // 24 MB
constexpr uint32_t kLowBudgetKb = 3400;
constexpr uint32_t kHighBudgetKb = 9500;
const char kAppName[] = "Gafferon 2000";
const char kOptionsFile[] = "OPTIONS.DAT";

char gCDRootPath[8];
char* gWords[MAX_COMMAND_WORDS + 2];
std::string gWordText[MAX_COMMAND_WORDS + 1];

}  // namespace

int BuildCommandWords(const char* programPath, const char* commandLine, char** words) {
  int count = 0;
  gWordText[count] = programPath ? programPath : "";
  if (gWordText[count].size() > 256) gWordText[count].resize(256);
  words[count] = gWordText[count].data();
  ++count;
  std::string line = commandLine ? commandLine : "";
  size_t pos = 0;
  while (count <= MAX_COMMAND_WORDS) {
    pos = line.find_first_not_of(" \t\n", pos);
    if (pos == std::string::npos) break;
    size_t end = line.find_first_of(" \t\n", pos);
    if (end == std::string::npos) end = line.size();
    gWordText[count] = line.substr(pos, end - pos);
    words[count] = gWordText[count].data();
    ++count;
    pos = end;
  }
  words[count] = nullptr;
  return count;
}

int WinMain(WinHandle instance, WinHandle, const char* commandLine, int) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  std::setvbuf(stderr, nullptr, _IONBF, 0);
  ResetModulesFrom(RESET_ENGINE);
  SetDebugLevel(DEBUG_ALL, 0);

  int wordCount = BuildCommandWords(PlatModulePath().c_str(), commandLine, gWords);

  bool logging = false;
  for (int i = 1; i < wordCount; ++i) {
    const char* w = gWords[i];
    if (StrICmp(w, "-window") == 0) {
      WindowFlags |= 1;
    } else if (StrICmp(w, "-fullscreen") == 0) {
      WindowFlags &= ~1u;
    } else if (StrICmp(w, "-debug") == 0) {
      if (i + 1 < wordCount) DebugProcessDebugString(gWords[i + 1]);
    } else if (StrICmp(w, "-log") == 0) {
      std::freopen("stdout.log", "w", stdout);
      std::freopen("stderr.log", "w", stderr);
      std::setvbuf(stdout, nullptr, _IONBF, 0);
      std::setvbuf(stderr, nullptr, _IONBF, 0);
      logging = true;
    }
  }

  if (DebugLevel(DEBUG_GENERAL) != 0 && (WindowFlags & 1) && !logging) {
    if (PlatOpenConsole())
      std::printf("WinMain(): logging to a console window\n");
    else
      std::printf("Warning: WinMain(): failed to open a console window\n");
  }

  WinInit(instance, kAppName, WindowFlags);
  int result = GameMain(wordCount, gWords);
  WinUninit();
  return result;
}

int GameMain(int wordCount, char** words) {
  LoadOptionsFile();
  for (int i = 1; i < wordCount; ++i) {
    if (std::strcmp(words[i], "-menu256") == 0) Menu256Mode = 1;
    if (std::strcmp(words[i], "-nosound") == 0) NoSoundMode = 1;
  }
  InitialisePC(wordCount, words);
  SoakRunActive = 0;
  ClubFixturesViewState = 0;

  Seam_ConnectGame();  // the season engine's parts find each other
  Seam_ConnectMatchEngine();  // the human clubs' matches are played, not simulated
  // A watched match takes the display from the front end and gives it back,
  // and its in-match menus open over it.
  MenuSystem.uninitMenuSystem = CloseMenusForMatch;
  MenuSystem.initMenuSystem = ReopenMenusAfterMatch;
  FixtureMatch_UseInGameMenus(true);
  RunFrontEnd();

  UninitialisePC();
  SaveOptionsFile();
  return 0;
}

void InitialisePC(int wordCount, char** words) {
  GameSeedRandom(PlatRandomSeed());

  LowMemoryPC = PlatPhysicalMemory() < kLowMemoryLimit ? 1 : 0;
  DPRINT(DEBUG_MEMORY, 1, "InitialisePC(): using %s memory settings\n", LowMemoryPC ? "low" : "high");
  InitMemory(LowMemoryPC ? kLowBudgetKb : kHighBudgetKb);

  InitMouseDriver();

  int no3d = 0;
  for (int i = 1; i < wordCount; ++i)
    if (StrICmp(words[i], "-no3d") == 0) no3d = 1;
  VideoInit(no3d);

  std::snprintf(gCDRootPath, sizeof gCDRootPath, "%c:\\", GetCDDrive());

  // The hard-disk pak goes in first, so a file on both is read from the disk.
  char cdPak[64];
  std::snprintf(cdPak, sizeof cdPak, "%spakfiles\\cdcommon", gCDRootPath);
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAdd(cdPak);
  PakFileAddDone();

  InitTimerInterrupt();
  InitPoll();
  InitKeyboardInterrupt();
  SetKeyboardLanguage(0);

  SlowCPU = static_cast<int16_t>(CPUSpeedTest()) < 120 ? 1 : 0;
  DPRINT(DEBUG_GENERAL, 1, "InitialisePC(): CPU is %s\n", SlowCPU ? "slow" : "fast");

  InitJoysticks();
  GameSound_Init();
  MenuSoundActive = 1;
}

// The shutdown order: sound, keyboard, poll list, timer, pak files, display,
// mouse, and last the memory manager, which insists every block is free.
void UninitialisePC() {
  GameSound_Uninit();
  ClearKeyboardInterrupt();
  UninitPoll();
  ClearTimerInterrupt();
  PakFileUninit();
  VideoUninit();
  UninitMouseDriver();
  UninitMemory();
}

void OptionsDefaults() {
  VideoOptionsDefaults();
  SoundOptionsDefaults();
}

void LoadOptionsFile() {
  if (FILE* f = PlatOpenFile(kOptionsFile, "rb")) {
    int result = ReadDataBlocks(OptionsList, f, "OPT0");
    std::fclose(f);
    if (result < 0) DPRINT(DEBUG_GENERAL, 1, "LoadOptionsFile(): options file not read (%d)\n", result);
    // A file that held a setting out of its range gets that setting's default.
    VideoOptionsValidate();
    SoundOptionsValidate();
  }
  PlatRemoveFile(kOptionsFile);
}

void SaveOptionsFile() {
  FILE* f = PlatOpenFile(kOptionsFile, "wb");
  int result = -1;
  if (f) {
    result = WriteDataBlocks(OptionsList, f, "OPT0");
    if (std::fclose(f) != 0) result = -1;
  }
  if (!f || result < 0) PlatRemoveFile(kOptionsFile);
}

char GetCDDrive() {
  uint32_t drives = PlatLogicalDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!(drives & (1u << (letter - 'A')))) continue;
    char root[4] = {letter, ':', '\\', 0};
    if (PlatDriveType(root) == PLAT_DRIVE_CDROM) return letter;
  }
  FatalError("Error: GetCDDrive(): no CD-ROM found\n");
}

const char* GetCDRootPath() { return gCDRootPath; }
int16_t IsSlowCPU() { return SlowCPU; }
int16_t IsLowMemoryPC() { return LowMemoryPC; }

// Start-up's own state as at program start; the settings of the options list
// belong to their modules, which reset them.
void StartupReset() {
  WindowFlags = 0;
  LowMemoryPC = 0;
  SlowCPU = 0;
  std::memset(gCDRootPath, 0, sizeof gCDRootPath);
  for (char*& word : gWords) word = nullptr;
  for (std::string& text : gWordText) std::string().swap(text);
}
REGISTER_RESET(RESET_ENGINE, StartupReset);
