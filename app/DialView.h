// The dial view: the design's face and the gnomon's shadow at a chosen
// moment, drawn as the desktop sundial draws them, with the date, the clock
// time, "Now", the time-of-day slider and a line on the sun. A thin view
// over DialViewModel; it draws only when a paint asks for a changed
// picture, so a hidden or idle view costs nothing.
#pragma once

#include <QWidget>

#include "DialViewModel.h"

class ClockPictureView;
class DaylightTrackBar;
class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;

class DialView : public QWidget {
  Q_OBJECT

 public:
  DialView(MainModel& main, QWidget* parent = nullptr);
  ~DialView() override;

  DialViewModel& Model() { return model_; }
  // The picture, drawn when it is next painted.
  ClockPictureView* Picture() const { return picture_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildMomentRow();
  void PictureChanged();
  // Draws the picture and shows the moment the model now holds.
  void DrawPicture();
  void ShowMoment();
  void MomentEdited();

  DialViewModel model_;
  ClockPictureView* picture_ = nullptr;
  QDateEdit* date_ = nullptr;
  QTimeEdit* time_ = nullptr;
  QPushButton* now_ = nullptr;
  DaylightTrackBar* slider_ = nullptr;
  QLabel* moment_ = nullptr;
  bool stale_ = true;
  // The first paint shows the window at once; the picture follows.
  bool firstPaintDone_ = false;
};
