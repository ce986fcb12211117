// The Staff Appointments screen.
#pragma once
