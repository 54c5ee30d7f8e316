// The export dialog: a view of an ExportChoice with paper, orientation,
// sheets, the page a picture shows and its resolution. Controls that do not
// apply to the file's kind are disabled; OK waits until the choice is valid.
#pragma once

#include <functional>

#include "ExportChoice.h"

class QWidget;

// Shows the dialog; false when the user cancels. The choice is changed only
// on OK.
bool ShowExportOptionsDialog(QWidget* parent, ExportChoice& choice);

using ExportOptionsDialog = std::function<bool(QWidget*, ExportChoice&)>;
