// The Qt application that painting, fonts and pictures need, made once per
// process: offscreen when there is no display, with the font substitutions
// and the chosen language's translations installed.
#pragma once

// Creates the application on first use; later calls do nothing. Uses an
// application that already exists (tests, the desktop program).
void EnsureGuiSession();
