#include "Busy.h"

#include <QApplication>
#include <QWidget>

void SetBusy(QWidget* window, bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (QApplication::overrideCursor() != nullptr) {
    QApplication::restoreOverrideCursor();
  }
  if (window != nullptr) window->setEnabled(!busy);
}
