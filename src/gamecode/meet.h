// Meeting a ball in the air: where and when a player (or the keeper) can
// reach a ball on its flight, what the active player without the ball does
// about a ball coming at him, and which header he plays.
//
// Axes as everywhere in the match: x across, y along.
#pragma once

#include <cstdint>

// The last prediction: frames from now to the meeting (0 none), the
// Manhattan distance of the ball from the point then (10000 when no frame
// qualified), the ball's height and position then.
extern int16_t MeetFrame, MeetDistance, MeetHeight;
extern int16_t MeetPointX, MeetPointY;

// The ball's kick marker: 16 after the keeper's kicks and some others, else
// 0; while 0, a ball that starts on the ground flies on without its curve in
// the prediction.
extern int16_t KickMarker;

// Flies the ball on for up to `frames` frames and keeps the frame at which it
// passes closest to (x, y). Mode 0: an outfield player, the object's heading
// sets how high he reaches; the flight stops at the first bounce or once the
// ball moves away. Mode 1: the goalkeeper (the acting position) watching the
// ball come at his line.
void PredictBallMeeting(int frames, int x, int y, int object, int mode);

// The active player without the ball and a ball in the air coming at him:
// may set his reception point (passX, passY) and one of the heading,
// volleying, control and block actions, with the meeting frame as its
// action step, or a headed lay-off to a team-mate.
void ChaseBall(int object);

// The heading action for a player meeting the ball, by how far his facing is
// off the reference direction; kind 1 the lay-off and clearance set, 0 the
// set that goes for goal. The action step is MeetFrame.
void ChooseHeader(int object, int direction, int kind);

// What a player without the ball does each frame: a still ball at the feet
// of his side's active player is taken, a ball in the air is met.
void MeetOffBall(int object);

void Meet_Reset();
