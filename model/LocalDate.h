// The computer's calendar date, as the date basis starts from.
#pragma once

#include "Settings.h"

// Today's local date.
CalendarDate Today();

// The date of that year, month and day, where a day or month beyond its end
// runs on into the following ones (29 February of a common year is 1 March).
CalendarDate DateOfYear(int year, int month, int day);
