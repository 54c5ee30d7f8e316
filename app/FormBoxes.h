// The main window's text boxes by name and row, their key filters, and the
// reading of the numbers typed (or pasted) into them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

enum class FormBox {
  Location,
  Latitude0,
  Latitude1,
  Latitude2,
  Longitude0,
  Longitude1,
  Longitude2,
  TimeDiff0,
  TimeDiff1,
  TimeDiff2,
  NorthDiff0,
  NorthDiff1,
  NorthDiff2,
  Equation0,
  Equation1,
  Equation2,
  Date0,
  Date1,
  PlaneFacing,
  PlaneTilt,
};
inline constexpr std::size_t kFormBoxCount = static_cast<std::size_t>(FormBox::PlaneTilt) + 1;

enum class FormRow {
  Location,
  Latitude,
  Longitude,
  TimeDiff,
  NorthDiff,
  Equation,
  Date,
  PlaneFacing,
  PlaneTilt
};

FormRow RowOf(FormBox box);
// The position of the box in its row (0 degrees or month, 1, 2).
int PartOf(FormBox box);
// The box of that row and part.
FormBox BoxAt(FormRow row, int part);
// The object name of the box's row ("txtLatitude").
std::string_view RowName(FormRow row);
// Whether the user types into it (the others only show values).
bool IsEditable(FormBox box);

// The key filter kinds: 0 digits and "-", 1 digits, 2 digits and ".",
// 3 digits, "-" and ".", 4 everything; backspace and tab always pass.
int FilterKindOf(FormBox box);
bool KeyPasses(int filterKind, char32_t key);

// The text with full-width digits, signs, points, colons and spaces made
// ASCII, as an input method or a paste may bring them.
std::string NarrowDigits(std::string_view text);
// A decimal number with optional sign, point and exponent, spaces around
// allowed; none for any other text.
std::optional<double> ReadNumber(std::string_view text);
