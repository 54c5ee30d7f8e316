// Numbers as the system writes them into files and tables.
#pragma once

#include <string>

// The general number-to-text form: at most 15 significant digits, "." as the
// decimal point, no trailing zeros ("34.65", "135", "-999"). Magnitudes of
// 1E+15 and above, or below 1E-04, are written in exponent form ("1E+16",
// "1.5E-05").
std::string FormatGeneralNumber(double value);
