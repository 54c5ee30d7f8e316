// F1 in any window of the program opens the help page of that window;
// Shift+F1 starts the pop hints, as the main window's button does.
#pragma once

class QObject;

// Installs the F1 key on the application; the filter lives as long as
// `owner`.
void InstallHelpKey(QObject* owner);
