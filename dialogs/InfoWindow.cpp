#include "InfoWindow.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "InfoListing.h"
#include "PopHints.h"
#include "ScreenPlacement.h"
#include "UiIcons.h"

InfoWindow::InfoWindow(QWidget* parent, const QString& listing)
    : QDialog(parent), listing_(listing) {
  setObjectName(QStringLiteral("frmInfo"));
  setWindowTitle(tr("Calculation Conditions"));
  setWindowIcon(UiIcon(QStringLiteral("info"), QStringLiteral("dialog-information")));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
  setMinimumSize(200, 200);

  txtInfo_ = new QPlainTextEdit(this);
  txtInfo_->setObjectName(QStringLiteral("txtInfo"));
  txtInfo_->setAccessibleName(tr("Calculation conditions"));
  txtInfo_->setReadOnly(true);
  txtInfo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtInfo_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // The box shows lines; the clipboard gets the text with its CR LF as built.
  QString shown = listing;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  txtInfo_->setPlainText(shown);
  txtInfo_->moveCursor(QTextCursor::Start);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOk"));
  ok->setDefault(true);
  auto* copy = new QPushButton(tr("Copy"), this);
  copy->setObjectName(QStringLiteral("cmdCopy"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(copy, &QPushButton::clicked, this, &InfoWindow::Copy);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addSpacing(6);
  buttons->addWidget(copy);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtInfo_, 1);
  layout->addLayout(buttons);

  RestorePlacement();
  ApplyPopHints(this);
}

void InfoWindow::RestorePlacement() {
  const WindowPlacement placement = LoadInfoWindowPlacement();
  // The first opening (200 x 200 at the corner) would hide most lines.
  QSize size(StoredPixels(placement.width, 200), StoredPixels(placement.height, 200));
  if (size.width() <= 200 && size.height() <= 200) size = FittingSize();
  PlaceWindow(this, QRect(QPoint(StoredPixels(placement.left, 0), StoredPixels(placement.top, 0)),
                          size.expandedTo(minimumSize())));
  if (placement.windowState == kWindowMaximized)
    setWindowState(windowState() | Qt::WindowMaximized);
}

QSize InfoWindow::FittingSize() const {
  const QFontMetrics metrics(txtInfo_->font());
  const QStringList lines = txtInfo_->toPlainText().split(QLatin1Char('\n'));
  int textWidth = 0;
  for (const QString& line : lines)
    textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
  // The box's frame and document margins, room for a vertical scroll bar,
  // and the window's own margins around the box and the buttons.
  const int inner = 2 * (txtInfo_->frameWidth() +
                         static_cast<int>(std::ceil(txtInfo_->document()->documentMargin())));
  const QMargins margins = layout()->contentsMargins();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int width = textWidth + inner + scrollBar + margins.left() + margins.right() + 4;
  const int height = static_cast<int>(lines.size()) * metrics.lineSpacing() + inner + scrollBar +
                     margins.top() + margins.bottom() + layout()->spacing() +
                     layout()->itemAt(1)->sizeHint().height();
  return QSize(std::max(width, 420), std::max(height, 440));
}

void InfoWindow::Copy() {
  if (listing_.isEmpty()) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(listing_);
}

void InfoWindow::done(int result) {
  WindowPlacement placement;
  const QRect normal = isMaximized() ? normalGeometry() : geometry();
  placement.left = pos().x();
  placement.top = pos().y();
  placement.width = normal.width();
  placement.height = normal.height();
  placement.windowState = isMinimized()   ? kWindowMinimized
                          : isMaximized() ? kWindowMaximized
                                          : kWindowNormal;
  if (isMaximized()) {
    placement.left = normal.x();
    placement.top = normal.y();
  }
  SaveInfoWindowPlacement(placement);
  QDialog::done(result);
}
