// The auxiliary dialogs as the main window opens them, each modal.
#pragma once

class MainModel;
class QWidget;

// The location dialog. True after OK: the design's place changed (the
// caller refreshes its inputs and status bar and marks the design changed).
bool ShowLocationDialog(QWidget* parent, MainModel& model);

// The calculation-conditions listing of the design as it stands (the caller
// has applied the date basis).
void ShowInfoWindow(QWidget* parent, MainModel& model);

// The options dialog opened at page 0..3 (3 is the time zone). True after
// OK: every option and the time zone were written back (the caller applies
// the date basis, refreshes and marks the design changed).
bool ShowOptionsDialog(QWidget* parent, MainModel& model, int page);
