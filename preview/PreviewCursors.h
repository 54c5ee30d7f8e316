// The preview's pointer shapes: open and closed hand for moving the page,
// and a magnifier with a plus or a minus for the zoom clicks.
#pragma once

#include <QCursor>

#include "PreviewModel.h"

QCursor PreviewCursor(MouseMode mode);
QCursor DraggingCursor();
