// Player models and drawing: the jointed bodies of players, goalkeepers and
// officials at five levels of detail plus the fill model, the ball and the
// cone; each frame every visible body is posed from its motion frame, placed
// at its render position and drawn with its own kit and skin textures; the
// shadows under players and ball and the players' name labels.
#pragma once

#include <cstdint>

// Loads the models, the kit textures and the tables (the stadium world's
// set-up calls it); motions belong to the match run and are loaded there.
void LoadPlayerModels();
void FreePlayerModels();

// The object types of the display list (object numbers of the match).
void DrawPlayerObject(int object);
void DrawPlayerShadow(int object);
void DrawBallObject(int object);
void DrawBallShadow(int object);
// The name label of a player.
void DrawPlayerLabel(int object);
// The body in the overlay view (flat kit colours, the fill model).
void DrawPlayerFill(int object);
