#include "ClockWindow.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "ClockPictureView.h"
#include "DaylightTrackBar.h"
#include "MainModel.h"
#include "PopHints.h"
#include "ScreenPlacement.h"
#include "SeasonGuard.h"
#include "UiIcons.h"
#include "UiServices.h"

namespace {

constexpr int kTickMilliseconds = 1000;
constexpr int kStatusIconSize = 16;
const QSize kMinimumWindow(160, 160);

}  // namespace

void ShowClockWindow(QWidget* parent, MainModel& model) {
  const SeasonGuard season(model.Chart());
  ClockWindow window(model, parent);
  if (!window.Open()) return;
  window.exec();
}

ClockWindow::ClockWindow(MainModel& main, QWidget* parent, ClockModel::UtcClock utcNow)
    : QDialog(parent),
      main_(main),
      preferences_(LoadClockPreferences()),
      model_(main, preferences_.maxMagnify, std::move(utcNow)),
      tmrClock_(this) {
  setObjectName("frmClock");
  setWindowTitle(tr("Desktop Sundial"));
  setWindowIcon(UiIcon("clock", "appointment-soon"));
  setWindowFlags((windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) &
                 ~Qt::WindowContextHelpButtonHint);
  setSizeGripEnabled(false);
  BuildControls();
  ApplyPlacement();
  ApplyPopHints(this);
}

ClockWindow::~ClockWindow() = default;

void ClockWindow::BuildControls() {
  QToolBar* toolBar = BuildToolBar();
  BuildPicture();
  QWidget* strip = BuildTrackBar();
  QStatusBar* statusBar = BuildStatusBar();

  tmrClock_.setObjectName("tmrClock");
  tmrClock_.setInterval(kTickMilliseconds);
  connect(&tmrClock_, &QTimer::timeout, this, &ClockWindow::TimerTick);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar);
  layout->addWidget(picture_, 1);
  layout->addWidget(strip);
  layout->addWidget(statusBar);
}

QToolBar* ClockWindow::BuildToolBar() {
  auto* toolBar = new QToolBar(this);
  toolBar->setObjectName("picToolBar");
  toolBar->setIconSize(QSize(16, 16));
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolBar->setFloatable(false);
  toolBar->setMovable(false);

  auto* modes = new QActionGroup(this);
  real_ = new QAction(UiIcon("real-time", "media-playback-start"), tr("Real Time"), modes);
  real_->setObjectName("mnuPopupReal");
  free_ = new QAction(UiIcon("free-time", "media-playback-pause"), tr("Manual"), modes);
  free_->setObjectName("mnuPopupFree");
  for (QAction* action : {real_, free_}) action->setCheckable(true);
  auto* exit = new QAction(UiIcon("close", "window-close"), tr("Close"), this);
  toolBar->addAction(real_);
  toolBar->addAction(free_);
  toolBar->addSeparator();
  toolBar->addAction(exit);
  toolBar->widgetForAction(real_)->setObjectName("Real");
  toolBar->widgetForAction(free_)->setObjectName("Free");
  toolBar->widgetForAction(exit)->setObjectName("Exit");
  connect(real_, &QAction::triggered, this, &ClockWindow::RealTimeCommand);
  connect(free_, &QAction::triggered, this, &ClockWindow::FreeCommand);
  connect(exit, &QAction::triggered, this, &QDialog::close);

  popup_ = new QMenu(this);
  popup_->setObjectName("mnuPopup");
  popup_->addAction(real_);
  popup_->addAction(free_);
  popup_->addSeparator();
  popup_->addAction(exit);
  return toolBar;
}

void ClockWindow::contextMenuEvent(QContextMenuEvent* event) {
  popup_->popup(event->globalPos());
  event->accept();
}

void ClockWindow::BuildPicture() {
  picture_ = new ClockPictureView(this);
  picture_->setObjectName("picClock");
  connect(picture_, &ClockPictureView::pictureNeeded, this, [this] {
    // Also asked for while painting: the message waits for the event loop.
    if (!DrawPicture()) {
      QMetaObject::invokeMethod(
          this, [this] { ReportFailure(FailureCaption()); }, Qt::QueuedConnection);
    }
  });
}

QWidget* ClockWindow::BuildTrackBar() {
  auto* strip = new QWidget(this);
  strip->setObjectName("picTrackBar");
  track_ = new DaylightTrackBar(strip);
  track_->setObjectName("trkClock");
  track_->setRange(0, kTrackMinutes);
  track_->setSingleStep(kTrackLineStep);
  track_->setPageStep(kTrackPageStep);
  track_->setTickInterval(kTrackTickInterval);
  track_->setTickPosition(QSlider::TicksBelow);
  track_->setValue(0);
  auto* stripLayout = new QHBoxLayout(strip);
  stripLayout->setContentsMargins(6, 2, 6, 2);
  stripLayout->addWidget(track_);
  strip->setFocusProxy(track_);
  connect(track_, &QSlider::valueChanged, this, &ClockWindow::TrackMoved);
  return strip;
}

QStatusBar* ClockWindow::BuildStatusBar() {
  auto* statusBar = new QStatusBar(this);
  statusBar->setObjectName("sbrClock");
  statusIcon_ = new QLabel(statusBar);
  statusText_ = new QLabel(statusBar);
  statusBar->addWidget(statusIcon_);
  statusBar->addWidget(statusText_, 1);
  return statusBar;
}

void ClockWindow::ApplyPlacement() {
  const WindowPlacement& p = preferences_.placement;
  RestorePlacement(this, p, QSize(260, 320), kMinimumWindow);
  // Opens wide enough for the toolbar's words in the desktop's language and
  // font, so that no button folds away; narrower by hand stays possible.
  const int toolBarWidth = findChild<QToolBar*>("picToolBar")->sizeHint().width();
  if (!isMaximized() && width() < toolBarWidth) resize(toolBarWidth, height());
}

bool ClockWindow::Open() {
  if (!model_.Open().ok()) {
    ReportFailure(FailureCaption());
    return false;
  }
  opened_ = true;
  ShowModeControls();
  ShowTrack();
  ShowStatus();
  return true;
}

void ClockWindow::done(int result) {
  tmrClock_.stop();
  KeepPlacement(this, preferences_.placement);
  SaveClockPreferences(preferences_);
  QDialog::done(result);
}

void ClockWindow::RealTimeCommand() {
  failureShown_ = false;  // a command of the user's always answers
  const bool ok = model_.RealTimeCommand().ok();
  ShowModeControls();
  ShowTrack();
  ShowStatus();
  if (!ok || !DrawPicture()) ReportFailure(tr("Desktop Sundial"));
}

void ClockWindow::FreeCommand() {
  failureShown_ = false;
  const bool ok = model_.FreeCommand().ok();
  ShowModeControls();
  ShowTrack();
  ShowStatus();
  if (!ok || !DrawPicture()) ReportFailure(tr("Desktop Sundial"));
}

void ClockWindow::TimerTick() {
  bool redraw = false;
  if (!model_.Tick(redraw).ok()) {
    ReportFailure(tr("Desktop Sundial"));
    return;
  }
  if (!redraw) return;
  ShowTrack();
  if (!DrawPicture()) ReportFailure(tr("Desktop Sundial"));
}

void ClockWindow::TrackMoved(int position) {
  if (!model_.TrackEnabled()) return;
  if (!model_.MoveTrack(position).ok() || !DrawPicture()) ReportFailure(FailureCaption());
}

bool ClockWindow::DrawPicture() {
  if (!opened_) return true;
  const bool ok = model_.Draw(picture_->Picture()).ok();
  picture_->update();
  if (ok) failureShown_ = false;
  return ok;
}

void ClockWindow::ShowModeControls() {
  const bool realTime = model_.Mode() == ClockMode::RealTime;
  real_->setChecked(realTime);
  free_->setChecked(!realTime);
  if (model_.TimerOn()) {
    tmrClock_.start();
  } else {
    tmrClock_.stop();
  }
  track_->setEnabled(model_.TrackEnabled());
}

void ClockWindow::ShowTrack() {
  // Setting the position is not a move of the user's.
  const QSignalBlocker blocker(track_);
  const TrackBarState& state = model_.Track();
  if (state.hasSelection) {
    track_->setSelection(state.selectionStart, state.selectionEnd);
  } else {
    track_->clearSelection();
  }
  track_->setValue(state.position);
}

void ClockWindow::ShowStatus() {
  const bool trueSolar = model_.TimeSystem() == kTrueSolarTime;
  const QIcon icon =
      trueSolar ? UiIcon("true-solar", "weather-clear") : UiIcon("mean-time", "clock");
  statusIcon_->setPixmap(icon.pixmap(kStatusIconSize, kStatusIconSize));
  const QString time = trueSolar ? tr("True solar time") : tr("Standard time");
  const QString mode = model_.Mode() == ClockMode::RealTime ? tr("Real Time") : tr("Manual");
  statusText_->setText(tr("Time shown: %1 / Mode: %2").arg(time, mode));
}

QString ClockWindow::FailureCaption() const {
  return model_.SeasonFailed() ? QStringLiteral("Umbrafex") : tr("Desktop Sundial");
}

void ClockWindow::ReportFailure(const QString& caption) {
  // A stopped timer cannot repeat the failure every second.
  tmrClock_.stop();
  if (failureShown_) return;
  failureShown_ = true;
  ShowMessage(this, MessageIcon::Exclamation, QString::fromStdString(main_.lastError.description),
              caption);
}
