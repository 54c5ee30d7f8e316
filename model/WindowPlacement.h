// Where a window stands, as the preferences keep it (screen pixels).
#pragma once

#include <cstdint>

// Window states as the preferences store them.
inline constexpr int32_t kWindowNormal = 0;
inline constexpr int32_t kWindowMinimized = 1;
inline constexpr int32_t kWindowMaximized = 2;

struct WindowPlacement {
  double Left = 0;
  double Top = 0;
  double Width = 0;  // used by windows whose size is kept
  double Height = 0;
  int32_t WindowState = kWindowNormal;

  bool IsMinimized() const { return WindowState == kWindowMinimized; }
};
