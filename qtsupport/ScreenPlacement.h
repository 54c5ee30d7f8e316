// Bringing a stored window placement back where the user can reach it: a
// place kept from a monitor that is gone, or an edited ini, must not open a
// window out of reach or of no size.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "WindowPlacement.h"

class QWidget;

// A stored pixel value as a whole number of at least `minimum`; a value no
// screen could have (not a number, or beyond any screen) gives the fallback.
inline constexpr int kFarthestStoredPixel = 100000;
int StoredPixels(double value, int fallback, int minimum = -kFarthestStoredPixel);

// Where a window with this stored frame opens: where it was while some
// screen still shows the top strip it is taken hold of by, otherwise the
// primary screen's top-left corner.
QPoint ReachablePosition(const QRect& frame);

// Room left around a window's client area for the title bar and borders,
// which the window system adds only once the window shows.
inline constexpr QSize kFrameAllowance(16, 40);

// The size made to fit the area with its frame: a window larger than the
// screen hides its own buttons (閉じる, OK) beyond the edge.
QSize FitSize(QSize wanted, const QRect& area);

// The frame moved, no farther than needed, to lie inside the area with its
// window frame; a frame larger than the area keeps its top-left inside.
QPoint FitPosition(const QRect& frame, const QRect& area);

// The available area of the screen showing the point, else the window's own
// screen, else the primary screen.
QRect AvailableArea(const QWidget* window, QPoint point);

// A window's size of its own choosing, made to fit its screen.
void ResizeToFit(QWidget* window, QSize wanted);

// Gives the window the frame's size and its reachable position, both made to
// fit the screen it opens on.
void PlaceWindow(QWidget* window, const QRect& frame);

// A window's stored placement taken back: the size (the fallback where the
// ini holds nothing sensible, never below `minimum`), the reachable position,
// and a maximised state. A minimised state is not taken back: a modal window
// that opened minimised would leave the program looking frozen.
void RestorePlacement(QWidget* window, const WindowPlacement& stored, QSize fallbackSize,
                      QSize minimum);

// The placement a sized window leaves behind: minimised or maximised, only
// the state changes (the normal place stays the one stored); otherwise its
// place and size now.
void KeepPlacement(const QWidget* window, WindowPlacement& stored);
