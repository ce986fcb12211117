// Rest of the World and the match statistics screen.
#pragma once
