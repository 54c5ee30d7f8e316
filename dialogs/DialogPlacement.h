// Bringing a stored window position back onto the screens present: a
// position kept from a monitor that is gone would open the window out of
// reach.
#pragma once

#include <QRect>

class QWidget;

// The rectangle moved (not resized beyond the screen) so that it lies on the
// screen nearest to it.
QRect KeptOnScreen(const QRect& wanted);

// A stored pixel value as a whole number; a value no screen could have (an
// edited ini) gives the fallback instead of overflowing.
int StoredPixels(double value, int fallback);

// Places a window at its stored left and top (and size, when given).
void PlaceWindow(QWidget* window, const QRect& wanted);
