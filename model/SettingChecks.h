// The values a design may hold where the stored kind (an integer, a real)
// allows more than the setting means. Documents, preferences and the command
// line check with these before a value is used or saved.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Minutes between the dial's hour lines.
inline constexpr std::array<int16_t, 5> kDialIntervals{10, 15, 20, 30, 60};

bool IsDialInterval(int minutes);
// 0 true solar time, 1 mean standard time.
bool IsTimeSystem(int32_t value);
// A dial plane's facing, 0 to 360 degrees (360 is north again), and tilt,
// 0 to 180 degrees.
bool IsPlaneFacing(double degrees);
bool IsPlaneTilt(double degrees);
// A colour reference: red, green and blue bytes, the high byte 0.
bool IsColorValue(int32_t value);

// Raises "Invalid property value." (kInvalidPropertyValueError) unless valid.
void RequireValidValue(bool valid);
// Raises the same unless the text is free of control characters (line
// breaks above all), which would become lines of the file it is saved in.
void RequireSingleLineText(std::string_view text);
bool HasControlCharacters(std::string_view text);
// The text with each control character replaced by a space.
std::string WithoutControlCharacters(std::string_view text);
