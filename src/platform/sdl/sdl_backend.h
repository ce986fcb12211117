// The SDL2 back end of the platform layer.
#pragma once

struct SDL_Window;
struct PlatBackend;

// Starts SDL's video and events; null when SDL cannot start.
const PlatBackend* SdlBackendStart();
SDL_Window* SdlMainWindow();
// True under SDL's dummy video driver: nothing is shown.
bool SdlIsHeadless();
