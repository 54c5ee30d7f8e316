// Texts with numbered places (%1 .. %9) filled in, as QString::arg does in
// the windows: a translation may put the values where its language wants
// them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Each "%n" with 1 <= n <= values.size() becomes the n-th value; any other
// "%" stays as it is ("100 %").
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values);
