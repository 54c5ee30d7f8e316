// The computer's time zone as the location defaults use it.
#pragma once

// The standard-time offset of the local time zone from UTC in hours, daylight
// saving left out; 9 when the system cannot tell.
double GetSystemTimeZone();
