// The computer's calendar date, as the date basis starts from.
#pragma once

#include "Settings.h"

// Today's local date.
CalendarDate Today();
