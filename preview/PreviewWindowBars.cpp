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
  print_ = AddAction("Print", "print", "document-print", Tr("印刷"));
  setup_ = AddAction("Setup", "setup", "document-properties", Tr("プリンタの設定"));
  toolBar_->addSeparator();
  divide_ = AddAction("DividePages", "divide-pages", "view-dual", Tr("ページの分割"), true);
  toolBar_->addSeparator();
  prev_ = AddAction("Prev", "prev-page", "go-previous", Tr("前のページ"));
  next_ = AddAction("Next", "next-page", "go-next", Tr("次のページ"));
  toolBar_->addSeparator();
  moving_ = AddAction("Moving", "move", "transform-move", Tr("移動"), true);
  zoomIn_ = AddAction("ZoomIn", "zoom-in", "zoom-in", Tr("ズームイン"), true);
  zoomOut_ = AddAction("ZoomOut", "zoom-out", "zoom-out", Tr("ズームアウト"), true);
  toolBar_->addSeparator();
  wholePage_ = AddAction("WholePage", "whole-page", "zoom-fit-best", Tr("ページ全体表示"));
  pageWidth_ = AddAction("PageWidth", "page-width", "zoom-fit-width", Tr("ページ幅に合わせる"));
  toolBar_->addSeparator();
  guide_ = AddAction("Guide", "guide", "view-grid", Tr("余白の表示"), true);
  toolBar_->addSeparator();
  exit_ = AddAction("Exit", "close", "window-close", Tr("閉じる"));

  connect(print_, &QAction::triggered, this, &PreviewWindow::Print);
  connect(setup_, &QAction::triggered, this, &PreviewWindow::Setup);
  connect(divide_, &QAction::triggered, this, &PreviewWindow::DividePages);
  connect(prev_, &QAction::triggered, this, [this] { ChangePage(false); });
  connect(next_, &QAction::triggered, this, [this] { ChangePage(true); });
  connect(moving_, &QAction::triggered, this, [this] { SetMouseMode(MouseMode::Move); });
  connect(zoomIn_, &QAction::triggered, this, [this] { SetMouseMode(MouseMode::ZoomIn); });
  connect(zoomOut_, &QAction::triggered, this, [this] { SetMouseMode(MouseMode::ZoomOut); });
  connect(wholePage_, &QAction::triggered, this,
          [this] { LayOut(ZoomMode::WholePage, Tr("ページ全体表示")); });
  connect(pageWidth_, &QAction::triggered, this,
          [this] { LayOut(ZoomMode::PageWidth, Tr("ページ幅に合わせる")); });
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
  popupPrev_ = item("mnuPopupPrev", Tr("前のページ(&P)"), prev_);
  popupNext_ = item("mnuPopupNext", Tr("次のページ(&N)"), next_);
  popup_->addSeparator();
  popupMoving_ = item("mnuPopupMoving", Tr("移動(&M)"), moving_);
  popupZoomIn_ = item("mnuPopupZoomIn", Tr("ズームイン(&I)"), zoomIn_);
  popupZoomOut_ = item("mnuPopupZoomOut", Tr("ズームアウト(&O)"), zoomOut_);
  popup_->addSeparator();
  item("mnuPopupWholePage", Tr("ページ全体(&A)"), wholePage_);
  item("mnuPopupPageWidth", Tr("ページ幅に合わせる(&W)"), pageWidth_);
  popup_->addSeparator();
  popupGuide_ = item("mnuPopupGuide", Tr("余白の表示(&G)"), guide_);
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
