// The Finances screen.
#pragma once
