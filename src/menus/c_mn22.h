// The Statistics screen.
#pragma once
