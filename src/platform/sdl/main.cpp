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
    // The sound keeps the same clock: a device would play on in real time, and
    // what the match hears of its channels (a chant waits for a free one) would
    // differ from run to run.
    PlatSoundUseMemoryOutput(true);
  }
  if (const char* script = std::getenv("GAFFERON_EVENTS"); script && *script) {
    std::string error;
    if (!PlatLoadEventScriptFile(script, &error)) {
      std::fprintf(stderr, "gafferon: GAFFERON_EVENTS: %s\n", error.c_str());
      return 2;
    }
  }

  // GAFFERON_SOUND_OUT=FILE:SECONDS: the sound goes to the clock-driven memory
  // output and its first seconds into a WAV file (closed when they are
  // written, or at exit). A bad value leaves the normal output.
  if (const char* out = std::getenv("GAFFERON_SOUND_OUT"); out && *out) {
    std::string path, error;
    uint64_t frames = 0;
    if (!PlatParseSoundOut(out, &path, &frames, &error)) {
      std::fprintf(stderr, "gafferon: GAFFERON_SOUND_OUT: %s; the sound plays as usual\n", error.c_str());
    } else if (!PlatSoundMemoryWav(path.c_str(), frames)) {
      std::fprintf(stderr, "gafferon: GAFFERON_SOUND_OUT: cannot write %s; the sound plays as usual\n", path.c_str());
    } else {
      PlatSoundUseMemoryOutput(true);
      std::atexit([] { PlatSoundMemoryWav(nullptr); });
    }
  }

  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += argv[i];
  }
  int code = WinMain(nullptr, nullptr, commandLine.c_str(), 0);
  PlatSoundMemoryWav(nullptr);  // a sound file shorter than asked for still gets its header
  backend->shutdown();
  return code;
}
