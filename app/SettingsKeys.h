// The settings groups as key/value texts, shared by the settings document
// and the preferences: the keys in their written order, and the reading of
// one key (current and older names).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Settings.h"

using KeyValueTexts = std::vector<std::pair<std::string, std::string>>;

// Each *Entries gives the group's keys and value texts in written order.
// Each Apply*Key sets the value of a known key (letter case ignored) and
// returns true, returns false for a key the group does not have, and raises
// when the value cannot be converted.
KeyValueTexts DialOptionEntries(const DialOptionSettings& group);
bool ApplyDialOptionKey(DialOptionSettings& group, std::string_view key, std::string_view value);

KeyValueTexts DialColorEntries(const DialColorSettings& group);
bool ApplyDialColorKey(DialColorSettings& group, std::string_view key, std::string_view value);

KeyValueTexts ClockOptionEntries(const ClockOptionSettings& group);
bool ApplyClockOptionKey(ClockOptionSettings& group, std::string_view key, std::string_view value);

KeyValueTexts ClockColorEntries(const ClockColorSettings& group);
bool ApplyClockColorKey(ClockColorSettings& group, std::string_view key, std::string_view value);

KeyValueTexts FontEntries(const FontSpec& font);
bool ApplyFontKey(FontSpec& font, std::string_view key, std::string_view value);

// A settings font group with its section (and key prefix in the old "[Font]").
template <typename Font>
struct NamedFont {
  const char* section;
  Font font;
};

// The three dial fonts and the three clock fonts of a settings set, in
// written order.
std::vector<NamedFont<FontSpec*>> DialFonts(Settings& settings);
std::vector<NamedFont<const FontSpec*>> DialFonts(const Settings& settings);
std::vector<NamedFont<FontSpec*>> ClockFonts(Settings& settings);
std::vector<NamedFont<const FontSpec*>> ClockFonts(const Settings& settings);
