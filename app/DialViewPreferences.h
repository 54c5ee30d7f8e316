// The dial view's section of the preferences: whether it is shown and how
// wide it is.
#pragma once

struct DialViewPreferences {
  bool shown = true;
  int width = 0;  // pixels; 0 for the view's own width
};

DialViewPreferences LoadDialViewPreferences();
// Failures are silent, as for the other windows' sections.
void SaveDialViewPreferences(const DialViewPreferences& preferences);
