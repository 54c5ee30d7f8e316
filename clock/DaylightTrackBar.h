// A horizontal track bar that marks a selection range on its groove, as the
// desktop sundial marks the hours of daylight.
#pragma once

#include <QSlider>

class DaylightTrackBar : public QSlider {
  Q_OBJECT

 public:
  explicit DaylightTrackBar(QWidget* parent = nullptr);

  void setSelection(int start, int end);
  void clearSelection();
  bool hasSelection() const { return hasSelection_; }
  int selectionStart() const { return selectionStart_; }
  int selectionEnd() const { return selectionEnd_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintSelection(QPainter& painter, const QRect& groove) const;

  bool hasSelection_ = false;
  int selectionStart_ = 0;
  int selectionEnd_ = 0;
};
