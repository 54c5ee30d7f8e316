// The Qt application that painting, fonts and pictures need, made once per
// process: offscreen when there is no display, with the font substitutions
// installed.
#pragma once

// Creates the application on first use; later calls do nothing. Uses an
// application that already exists (tests, the desktop program).
void EnsureGuiSession();

// Routes the printed words of the dial routines through the application's
// translations (context "DialTexts").
void InstallDialTextTranslation();
