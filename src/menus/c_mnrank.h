// The ranked lists: club and manager reputations and the discipline list.
#pragma once
