// The Player Stats screen.
#pragma once
