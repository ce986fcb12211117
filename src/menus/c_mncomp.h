// The competition fixtures screen and the Roll Of Honour.
#pragma once
