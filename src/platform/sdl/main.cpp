// The game executable: the SDL2 back end under the game library.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/startup.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_backend.h"

int main(int argc, char** argv) {
  const PlatBackend* backend = SdlBackendStart();
  if (!backend) return 1;
  PlatSetBackend(backend);
  PlatInstallSignalHandlers();

  if (const char* clock = std::getenv("GAFFERON_CLOCK"); clock && std::string(clock) == "virtual") {
    PlatUseVirtualClock(true);
    PlatSetVirtualAutoAdvance(true);
  }
  if (const char* script = std::getenv("GAFFERON_EVENTS"); script && *script) {
    std::string error;
    if (!PlatLoadEventScriptFile(script, &error)) {
      std::fprintf(stderr, "gafferon: GAFFERON_EVENTS: %s\n", error.c_str());
      return 2;
    }
  }

  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += argv[i];
  }
  int code = WinMain(nullptr, nullptr, commandLine.c_str(), 0);
  backend->shutdown();
  return code;
}
