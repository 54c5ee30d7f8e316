// The desktop sundial window: the dial with the gnomon's shadow for the
// present time at the dial's place (real-time mode) or for a time set on the
// track bar (free mode).
#pragma once

#include <QDialog>
#include <QTimer>

#include "ClockModel.h"
#include "ClockPreferences.h"

class MainModel;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class ClockPictureView;
class DaylightTrackBar;

// Opens the window modally over `parent` (the main window has already run
// its checks) and returns when it closes. The chart's season is as before.
void ShowClockWindow(QWidget* parent, MainModel& model);

class ClockWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ClockWindow(MainModel& main, QWidget* parent = nullptr,
                    ClockModel::UtcClock utcNow = SystemUtcNow);
  ~ClockWindow() override;

  // Hands over the opening date and mode. False, with the failure shown,
  // when the window cannot open.
  bool Open();

  const ClockModel& Model() const { return model_; }
  ClockModel& Model() { return model_; }
  bool TimerRunning() const { return tmrClock_.isActive(); }

 protected:
  void done(int result) override;
  // Anywhere in the window: the mode menu, not the dialog's "What's This?".
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildControls();
  QToolBar* BuildToolBar();
  void BuildPicture();
  QWidget* BuildTrackBar();
  QStatusBar* BuildStatusBar();
  void ApplyPlacement();

  void RealTimeCommand();
  void FreeCommand();
  void TimerTick();
  void TrackMoved(int position);

  // Draws the picture of the shown time; false after a failure.
  bool DrawPicture();
  void ShowModeControls();
  void ShowTrack();
  void ShowStatus();
  // Shows the recorded failure once; the timer stops so that it cannot
  // repeat it every second.
  void ReportFailure(const QString& caption);
  QString FailureCaption() const;

  MainModel& main_;
  ClockPreferences preferences_;
  ClockModel model_;
  QTimer tmrClock_;
  QAction* real_ = nullptr;
  QAction* free_ = nullptr;
  QMenu* popup_ = nullptr;
  ClockPictureView* picture_ = nullptr;
  DaylightTrackBar* track_ = nullptr;
  QLabel* statusIcon_ = nullptr;
  QLabel* statusText_ = nullptr;
  bool opened_ = false;
  bool failureShown_ = false;  // until the next picture drawn
};
