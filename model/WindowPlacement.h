// Where a window stands, as the preferences keep it (screen pixels).
#pragma once

#include <cstdint>

// Window states as the preferences store them.
inline constexpr int32_t kWindowNormal = 0;
inline constexpr int32_t kWindowMinimized = 1;
inline constexpr int32_t kWindowMaximized = 2;

struct WindowPlacement {
  double left = 0;
  double top = 0;
  double width = 0;  // used by windows whose size is kept
  double height = 0;
  int32_t windowState = kWindowNormal;

  bool IsMinimized() const { return windowState == kWindowMinimized; }
};
