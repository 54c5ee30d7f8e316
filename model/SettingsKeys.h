// The settings groups as key/value texts, shared by the settings document
// and the preferences: each group's section, its keys in their written order,
// and the reading of one key (current and older names).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "PrinterSettings.h"
#include "Settings.h"

using KeyValueTexts = std::vector<std::pair<std::string, std::string>>;

// One settings group as a section of key=value lines.
struct SettingsSection {
  const char* name;  // without the brackets
  // The group's keys and value texts in written order.
  KeyValueTexts (*entries)(const Settings& settings);
  // Sets the value of a known key (letter case ignored) and returns true,
  // returns false for a key the group does not have, and raises when the
  // value cannot be converted.
  bool (*apply)(Settings& settings, std::string_view key, std::string_view value);
  // Whether the key holds a whole number (profiles read those from their
  // leading digits).
  bool (*isIntegerKey)(std::string_view key);
};

// The groups in written order: DialOption, DialColor, the three dial fonts,
// ClockOption, ClockDayColor, ClockNightColor, the three clock fonts.
std::span<const SettingsSection> SettingsSections();

// The key readers of two groups, for sections older documents name otherwise.
bool ApplyDialOptionKey(DialOptionSettings& group, std::string_view key, std::string_view value);
bool ApplyFontKey(FontSpec& font, std::string_view key, std::string_view value);

// The printer section's keys, read into and written from the printer's
// values (the section holds only what a usable printer reports).
KeyValueTexts PrinterEntries(const PrinterProperties& printer);
bool ApplyPrinterKey(PrinterProperties& printer, std::string_view key, std::string_view value);
