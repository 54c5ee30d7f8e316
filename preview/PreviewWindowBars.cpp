// The preview's toolbar, popup menu and status bar, built once.
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "PreviewWindow.h"
#include "UiIcons.h"

namespace {

constexpr int kToolBarHeight = 28;  // 420 twips

}  // namespace

QAction* PreviewWindow::AddAction(const QString& key, const QString& icon, const QString& fallback,
                                  const QString& text, bool checkable) {
  QAction* action = toolBar_->addAction(UiIcon(icon, fallback), text);
  action->setObjectName(QStringLiteral("act") + key);
  action->setCheckable(checkable);
  toolBar_->widgetForAction(action)->setObjectName(key);
  return action;
}

void PreviewWindow::BuildToolBar() {
  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName(QStringLiteral("picToolBar"));
  toolBar_->setIconSize(QSize(16, 16));
  toolBar_->setFixedHeight(kToolBarHeight);
  toolBar_->setFloatable(false);
  toolBar_->setMovable(false);
  print_ = AddAction("Print", "print", "document-print", tr("Print"));
  setup_ = AddAction("Setup", "setup", "document-properties", tr("Printer Setup"));
  toolBar_->addSeparator();
  divide_ = AddAction("DividePages", "divide-pages", "view-dual", tr("Split Pages"), true);
  toolBar_->addSeparator();
  prev_ = AddAction("Prev", "prev-page", "go-previous", tr("Previous Page"));
  next_ = AddAction("Next", "next-page", "go-next", tr("Next Page"));
  toolBar_->addSeparator();
  moving_ = AddAction("Moving", "move", "transform-move", tr("Move"), true);
  zoomIn_ = AddAction("ZoomIn", "zoom-in", "zoom-in", tr("Zoom In"), true);
  zoomOut_ = AddAction("ZoomOut", "zoom-out", "zoom-out", tr("Zoom Out"), true);
  toolBar_->addSeparator();
  wholePage_ = AddAction("WholePage", "whole-page", "zoom-fit-best", tr("Whole Page"));
  pageWidth_ = AddAction("PageWidth", "page-width", "zoom-fit-width", tr("Fit Page Width"));
  toolBar_->addSeparator();
  guide_ = AddAction("Guide", "guide", "view-grid", tr("Show Margins"), true);
  toolBar_->addSeparator();
  exit_ = AddAction("Exit", "close", "window-close", tr("Close"));

  connect(print_, &QAction::triggered, this, &PreviewWindow::Print);
  connect(setup_, &QAction::triggered, this, &PreviewWindow::Setup);
  connect(divide_, &QAction::triggered, this, &PreviewWindow::DividePages);
  connect(prev_, &QAction::triggered, this, [this] { ChangePage(false); });
  connect(next_, &QAction::triggered, this, [this] { ChangePage(true); });
  connect(moving_, &QAction::triggered, this, [this] { SetMouseMode(MouseMode::Move); });
  connect(zoomIn_, &QAction::triggered, this, [this] { SetMouseMode(MouseMode::ZoomIn); });
  connect(zoomOut_, &QAction::triggered, this, [this] { SetMouseMode(MouseMode::ZoomOut); });
  connect(wholePage_, &QAction::triggered, this,
          [this] { LayOut(ZoomMode::WholePage, tr("Whole Page")); });
  connect(pageWidth_, &QAction::triggered, this,
          [this] { LayOut(ZoomMode::PageWidth, tr("Fit Page Width")); });
  connect(guide_, &QAction::triggered, this, &PreviewWindow::ToggleGuide);
  connect(exit_, &QAction::triggered, this, &QDialog::reject);
}

void PreviewWindow::BuildPopupMenu() {
  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("mnuPopup"));
  // The click that closes the menu stays with the menu, so the next click
  // on the page is the user's own.
  popup_->setAttribute(Qt::WA_NoMouseReplay);
  auto item = [this](const char* name, const QString& text, QAction* same) {
    QAction* action = popup_->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, same, &QAction::trigger);
    return action;
  };
  popupPrev_ = item("mnuPopupPrev", tr("&Previous Page"), prev_);
  popupNext_ = item("mnuPopupNext", tr("&Next Page"), next_);
  popup_->addSeparator();
  popupMoving_ = item("mnuPopupMoving", tr("&Move"), moving_);
  popupZoomIn_ = item("mnuPopupZoomIn", tr("Zoom &In"), zoomIn_);
  popupZoomOut_ = item("mnuPopupZoomOut", tr("Zoom &Out"), zoomOut_);
  popup_->addSeparator();
  item("mnuPopupWholePage", tr("&Whole Page"), wholePage_);
  item("mnuPopupPageWidth", tr("Fit Page Wi&dth"), pageWidth_);
  popup_->addSeparator();
  popupGuide_ = item("mnuPopupGuide", tr("Show Mar&gins"), guide_);
  for (QAction* action : {popupMoving_, popupZoomIn_, popupZoomOut_, popupGuide_}) {
    action->setCheckable(true);
  }
  connect(popup_, &QMenu::aboutToHide, this, [this] { model_.PopupClosed(); });
}

void PreviewWindow::BuildStatusBar() {
  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("sbrStatus"));
  status->setSizeGripEnabled(false);
  printerIcon_ = new QLabel(status);
  printerIcon_->setPixmap(UiIcon("print", "document-print").pixmap(16, 16));
  status->addWidget(printerIcon_);
  const char* names[] = {"pnlPrinter", "pnlPage", "pnlZoom"};
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(status);
    panels_[i]->setObjectName(QString::fromLatin1(names[i]));
    if (i == 0) {
      status->addWidget(panels_[i], 1);
    } else {
      panels_[i]->setMinimumWidth(70);
      panels_[i]->setAlignment(Qt::AlignCenter);
      status->addPermanentWidget(panels_[i]);
    }
  }
  layout()->addWidget(status);
  statusBar_ = status;
}
