#include "WindowHooks.h"

// The windows built into this program. An entry left empty keeps its
// command disabled.
WindowHooks InstalledHooks() {
  WindowHooks hooks;
  return hooks;
}
