// The dial view in the main window: its dock, the View menu's and the
// toolbar's toggle, the changes of the form it follows, and where it fits.
#include <QAction>
#include <QDockWidget>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "DialView.h"
#include "MainWindow.h"
#include "UiIcons.h"

namespace {

// The view's own width, at scale 1.
constexpr int kViewWidth = 340;
// Room left for the window's frame on the screen.
constexpr int kFrameRoom = 24;
constexpr int kFrameHeightRoom = 64;

}  // namespace

void MainWindow::BuildDialView() {
  dialViewPreferences_ = LoadDialViewPreferences();
  dialDock_ = new QDockWidget(tr("Dial view"), this);
  dialDock_->setObjectName(u"dockDialView"_qs);
  dialDock_->setAccessibleName(tr("Dial view"));
  // Shown and hidden by the View menu and the toolbar only; the window
  // sizes itself around it.
  dialDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  dialDock_->setAllowedAreas(Qt::RightDockWidgetArea);
  dialView_ = new DialView(model_, dialDock_);
  dialDock_->setWidget(dialView_);
  addDockWidget(Qt::RightDockWidgetArea, dialDock_);
  dialDock_->hide();

  dialViewAction_ = new QAction(UiIcon(u"dial-view"_qs), tr("&Dial View"), this);
  dialViewAction_->setObjectName(u"mnuViewDial"_qs);
  dialViewAction_->setToolTip(tr("Dial View"));
  dialViewAction_->setCheckable(true);
  dialViewAction_->setChecked(dialViewPreferences_.shown);
  actions_.insert(u"mnuViewDial"_qs, dialViewAction_);
  connect(dialViewAction_, &QAction::toggled, this, &MainWindow::ShowDialView);

  // Every character typed: the view takes the value once the form would.
  for (QLineEdit* box : boxes_) {
    if (box == nullptr || box->isReadOnly()) continue;
    const FormBox which = *BoxOf(box);
    connect(box, &QLineEdit::textEdited, this, [this, which](const QString& text) {
      dialView_->Model().Typed(form_, which, text.toStdString());
    });
  }
}

void MainWindow::ShowDialView(bool shown) {
  dialViewPreferences_.shown = shown;
  FitDialView();
  KeepDialViewPreferences();
}

bool MainWindow::DialViewFitsBeside() const {
  const QRect screen = this->screen()->availableGeometry();
  const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
  const QSize least = dialDock_->minimumSizeHint();
  return formSize_.width() + separator + least.width() + kFrameRoom <= screen.width() &&
         least.height() <= formSize_.height();
}

void MainWindow::FitDialView(bool starting) {
  if (formSize_.isEmpty()) return;  // before the form has its size
  // A narrow screen starts with the form alone; the preference stays.
  const bool shown = dialViewPreferences_.shown && !(starting && !DialViewFitsBeside());
  {
    const QSignalBlocker blocker(dialViewAction_);
    dialViewAction_->setChecked(shown);
  }
  centralWidget()->setFixedWidth(formSize_.width());
  if (!shown) {
    dialDock_->hide();
    setFixedSize(formSize_);
    return;
  }
  const QRect screen = this->screen()->availableGeometry();
  const int least = dialDock_->minimumSizeHint().width();
  const int wanted = dialViewPreferences_.width > 0 ? dialViewPreferences_.width : kViewWidth;
  if (DialViewFitsBeside()) {
    // The form keeps its size; a wider window widens the view.
    const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    const int room = screen.width() - kFrameRoom - formSize_.width() - separator;
    const int width = std::clamp(wanted, least, std::max(least, room));
    dialDock_->setFloating(false);
    dialDock_->show();
    setMaximumSize(formSize_.width() + separator + std::max(least, room), formSize_.height());
    setMinimumSize(formSize_.width() + separator + least, formSize_.height());
    resize(formSize_.width() + separator + width, formSize_.height());
    return;
  }
  // A narrow screen: the form as it is, the view in a window of its own
  // that the screen holds.
  setFixedSize(formSize_);
  dialDock_->setFloating(true);
  const QSize size(std::clamp(wanted, least, std::max(least, screen.width() - kFrameRoom)),
                   std::min(std::max(formSize_.height(), dialDock_->minimumSizeHint().height()),
                            screen.height() - kFrameHeightRoom));
  dialDock_->resize(size);
  dialDock_->move(screen.right() - size.width() - kFrameRoom / 2,
                  screen.bottom() - size.height() - kFrameHeightRoom / 2);
  dialDock_->show();
}

void MainWindow::KeepDialViewPreferences() {
  if (dialDock_->isVisible()) dialViewPreferences_.width = dialDock_->width();
  SaveDialViewPreferences(dialViewPreferences_);
}
