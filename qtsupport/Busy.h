// SetBusy: the waiting pointer and a disabled window while a long command
// runs. The scope form undoes it on every way out, failures included.
#pragma once

class QWidget;

void SetBusy(QWidget* window, bool busy);

class BusyScope {
 public:
  explicit BusyScope(QWidget* window) : window_(window) { SetBusy(window_, true); }
  ~BusyScope() { SetBusy(window_, false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  QWidget* window_;
};
