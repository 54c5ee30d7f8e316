// The computer's time zone as the location defaults use it.
#pragma once

#include <string>

// The standard-time offset of the local time zone from UTC in hours, daylight
// saving left out; 9 when the system cannot tell.
double GetSystemTimeZone();

// The IANA name of the local time zone ("Europe/Berlin"): from TZ (":Area/City"
// or a path into a zoneinfo folder), else the /etc/localtime link, else
// /etc/timezone. Empty when the system names none, or TZ holds a POSIX rule
// ("JST-9") rather than a name.
std::string GetSystemTimeZoneName();
