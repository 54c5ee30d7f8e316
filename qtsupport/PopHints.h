// Pop hints: the "What's This" text of every control, from one table of
// texts keyed by window and control object names ("frmMain.txtLatitude").
#pragma once

#include <QString>

class QWidget;

// The hint of one control, or empty when the table has none. A member of a
// control array ("txtLatitude_2") falls back to "txtLatitude".
QString PopHintText(const QString& window, const QString& control);

// Gives every named child of the window (and the window itself) its hint.
void ApplyPopHints(QWidget* window);
