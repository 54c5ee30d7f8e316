// The checks the main window runs before its output commands, in the form
// a script can use. What stops the command there (polar night) stops it
// here with the same message; the questions become warnings, and the
// command goes on as the user's usual answer would let it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>

class MainModel;

// Before export: polar night stops it; a page split that may overflow the
// paper, a missing background picture (then left out), a time zone far from
// the longitude and a high or low latitude are reported on `err`.
bool CheckOutputForScript(MainModel& main, int16_t paperSize, int16_t orientation,
                          int16_t pageCount, std::ostream& err);

// Before the desktop sundial's picture: the time-zone and latitude notes.
void CheckClockForScript(const MainModel& main, std::ostream& err);

// The latitude from which one page may not hold dial and gnomon; none for
// unsupported papers and orientations.
std::optional<double> PageSplitLimit(int16_t paperSize, int16_t orientation);
