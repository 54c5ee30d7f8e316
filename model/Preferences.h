// The application's preferences in its ini file: the main window's
// sections, read at start-up and written at exit, and the helpers the
// other windows use for their own sections.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "MainModel.h"
#include "WindowPlacement.h"

// Applies the stored preferences over the model's start-up state. Each key
// is read by itself: an absent key or one in the wrong form leaves the
// start-up value.
void LoadPreferences(MainModel& model);
// Writes the main window's sections; false when they could not be saved.
bool SavePreferences(const MainModel& model);

// For a preferences file that cannot be used (AppIniProblem), the message
// that names the file and the reason; "" when it can be used.
std::string PreferencesProblemMessage();
// The message for preferences that could not be saved at exit.
std::string PreferencesNotSavedMessage();

// Booleans and reals stored as text: the stored value, or `fallback` when
// the key is absent or its text is not a value of the kind.
bool GetIniBool(std::string_view section, std::string_view key, bool fallback);
double GetIniReal(std::string_view section, std::string_view key, double fallback);
// Writes True/False, or a real in the general number-to-text form.
int32_t PutIniBool(std::string_view section, std::string_view key, bool value);
int32_t PutIniReal(std::string_view section, std::string_view key, double value);

// What a window keeps of its placement.
enum class PlacementKeys {
  Position,              // "left, top"
  PositionAndSize,       // "left, top, width, height"
  PositionAndState,      // "left, top" and WindowState
  PositionSizeAndState,  // "left, top, width, height" and WindowState
};

// Reads `Position` (each readable item replaces the one of its place) and,
// when kept, `WindowState`, over the values already in `placement`.
void LoadWindowPlacement(std::string_view section, PlacementKeys keys, WindowPlacement& placement);
// Writes `WindowState` when kept, and `Position` unless the window is
// minimised (items rounded to whole pixels, joined by ", ").
void SaveWindowPlacement(std::string_view section, PlacementKeys keys,
                         const WindowPlacement& placement);

// "l, t[, w, h]" parsed over the given items; unreadable parts are skipped.
void ParsePositionText(std::string_view text, double* items, std::size_t count);
std::string FormatPositionText(const double* items, std::size_t count);
