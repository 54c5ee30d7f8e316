// Where a window stands, as the preferences keep it (screen pixels).
#pragma once

#include <cstdint>

struct WindowPlacement {
  double Left = 0;
  double Top = 0;
  double Width = 0;  // used by windows whose size is kept
  double Height = 0;
  int32_t WindowState = 0;  // 0 normal, 1 minimised, 2 maximised

  bool IsMinimized() const { return WindowState == 1; }
};
