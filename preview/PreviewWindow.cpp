#include "PreviewWindow.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Busy.h"
#include "ImageExport.h"
#include "MainModel.h"
#include "OutputChecks.h"
#include "PopHints.h"
#include "Preferences.h"
#include "PreviewCursors.h"
#include "PrintCommand.h"
#include "PrinterSetupCommand.h"
#include "ScreenPlacement.h"
#include "UiIcons.h"
#include "UiServices.h"

namespace {

constexpr const char* kSection = "PreviewWindow";
const QSize kMinimumWindow(160, 120);

int Pixels(double twips, double twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// The screen's pixel ratio, lowered where a large zoom would otherwise ask
// for hundreds of megabytes.
double PageRatio(double screenRatio, QSize logical) {
  constexpr double kMostDevicePixels = 48e6;
  const double pixels = double(logical.width()) * logical.height();
  return std::clamp(std::min(screenRatio, std::sqrt(kMostDevicePixels / pixels)), 1.0, 4.0);
}

}  // namespace

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The right button's release opens the page's own menu; the dialog's
  // "What's This?" menu must not open on the press as well.
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void PreviewPicture::setPage(QPixmap page) {
  page_ = std::move(page);
  update();
}

void PreviewPicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect exposed = event->rect();
  painter.fillRect(exposed, Qt::white);
  if (page_.isNull()) return;
  // The page holds device pixels; the exposed part is in the widget's own.
  const double ratio = page_.devicePixelRatio();
  const QRectF source(exposed.x() * ratio, exposed.y() * ratio, exposed.width() * ratio,
                      exposed.height() * ratio);
  painter.drawPixmap(QRectF(exposed), page_, source);
}

PreviewWindow::PreviewWindow(MainModel& main, QWidget* parent) : QDialog(parent), main_(main) {
  setObjectName(QStringLiteral("frmPreview"));
  setWindowTitle(tr("Print Preview"));
  setWindowIcon(UiIcon("preview", "document-print-preview"));
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  setSizeGripEnabled(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildToolBar();
  layout->addWidget(toolBar_);

  auto* area = new QWidget(this);
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  background_ = new QWidget(area);
  background_->setObjectName(QStringLiteral("picBckgrnd"));
  background_->setAutoFillBackground(true);
  QPalette grey = background_->palette();
  grey.setColor(QPalette::Window, QColor(128, 128, 128));
  background_->setPalette(grey);
  background_->installEventFilter(this);
  picture_ = new PreviewPicture(background_);
  picture_->setObjectName(QStringLiteral("picPreview"));
  hBar_ = new QScrollBar(Qt::Horizontal, area);
  hBar_->setObjectName(QStringLiteral("hscPreview"));
  vBar_ = new QScrollBar(Qt::Vertical, area);
  vBar_->setObjectName(QStringLiteral("vscPreview"));
  // The bars' room stays reserved while they are hidden.
  for (QScrollBar* bar : {hBar_, vBar_}) {
    QSizePolicy policy = bar->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    bar->setSizePolicy(policy);
    bar->hide();
    connect(bar, &QScrollBar::actionTriggered, this,
            [this, bar](int action) { ScrollAction(bar, action); });
    // The bar's context menu ("Scroll here") sets the value directly.
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
      const bool horizontal = bar == hBar_;
      const ScrollState& state = horizontal ? model_.HorizontalBar() : model_.VerticalBar();
      if (!scrolling_ && value != state.position) Scroll(bar, ScrollRequest::ThumbReleased, value);
    });
  }
  grid->addWidget(background_, 0, 0);
  grid->addWidget(vBar_, 0, 1);
  grid->addWidget(hBar_, 1, 0);
  layout->addWidget(area, 1);
  BuildStatusBar();
  BuildPopupMenu();

  connect(picture_, &PreviewPicture::pressed, this, &PreviewWindow::MousePressed);
  connect(picture_, &PreviewPicture::moved, this, &PreviewWindow::MouseMoved);
  connect(picture_, &PreviewPicture::released, this, &PreviewWindow::MouseReleased);

  ReadSheet();
  LoadPlacement();
  SetMouseMode(model_.Mouse());
  UpdateButtons();
  UpdateStatus();
  ApplyPopHints(this);
}

void PreviewWindow::LoadPlacement() {
  // No button hides behind the toolbar's extension arrow.
  toolBar_->setMinimumWidth(toolBar_->sizeHint().width());
  const QSize opening = OpeningSize();
  placement_ = {10, 10, static_cast<double>(opening.width()), static_cast<double>(opening.height()),
                kWindowNormal};
  LoadWindowPlacement(kSection, PlacementKeys::PositionSizeAndState, placement_);
  model_.setShowGuide(GetIniBool(kSection, "ShowGuide", true));
  RestorePlacement(this, placement_, opening, kMinimumWindow);
}

QSize PreviewWindow::OpeningSize() const {
  const QSize available = AvailableArea(this, pos()).size() - kFrameAllowance;
  const QSize around(vBar_->sizeHint().width(), toolBar_->height() + hBar_->sizeHint().height() +
                                                    statusBar_->sizeHint().height());
  const PixelSize size =
      OpeningPreviewSize({available.width(), available.height()},
                         sheet_.millimeters.height / std::max(sheet_.millimeters.width, 1.0),
                         {around.width(), around.height()},
                         Pixels(kWholePageMargin, TwipsPerPixel()), toolBar_->minimumWidth());
  return QSize(size.width, size.height);
}

void PreviewWindow::SavePlacement() {
  KeepPlacement(this, placement_);
  SaveWindowPlacement(kSection, PlacementKeys::PositionSizeAndState, placement_);
  PutIniBool(kSection, "ShowGuide", model_.ShowGuide());
}

void PreviewWindow::done(int result) {
  SavePlacement();
  QDialog::done(result);
}

void PreviewWindow::setPageCount(int16_t count) {
  model_.setPageCount(count);
  UpdateButtons();
  UpdateStatus();
}

double PreviewWindow::TwipsPerPixel() const {
  return 1440.0 / std::max(1, logicalDpiX());
}

void PreviewWindow::ReadSheet() {
  sheet_ = CurrentPreviewSheet(main_.Printer());
  model_.setPageSize(sheet_.millimeters.width * kTwipsPerMillimeter,
                     sheet_.millimeters.height * kTwipsPerMillimeter);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == background_) {
    if (event->type() == QEvent::Resize) {
      AreaResized();
    } else if (event->type() == QEvent::Wheel) {
      QCoreApplication::sendEvent(vBar_->isVisible() ? vBar_ : hBar_, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// The arrow and page keys work the scroll bars, as their buttons and
// troughs do; nothing else in the window takes the keyboard.
void PreviewWindow::keyPressEvent(QKeyEvent* event) {
  struct KeyStep {
    int key;
    bool vertical;
    QAbstractSlider::SliderAction action;
  };
  static constexpr KeyStep steps[] = {
      {Qt::Key_Up, true, QAbstractSlider::SliderSingleStepSub},
      {Qt::Key_Down, true, QAbstractSlider::SliderSingleStepAdd},
      {Qt::Key_Left, false, QAbstractSlider::SliderSingleStepSub},
      {Qt::Key_Right, false, QAbstractSlider::SliderSingleStepAdd},
      {Qt::Key_PageUp, true, QAbstractSlider::SliderPageStepSub},
      {Qt::Key_PageDown, true, QAbstractSlider::SliderPageStepAdd},
  };
  for (const KeyStep& step : steps) {
    if (event->key() != step.key || event->modifiers() != Qt::NoModifier) continue;
    QScrollBar* bar = step.vertical ? vBar_ : hBar_;
    if (bar->isVisible()) bar->triggerAction(step.action);
    return;
  }
  QDialog::keyPressEvent(event);
}

void PreviewWindow::AreaResized() {
  if (resizing_) return;
  resizing_ = true;
  const double tpp = TwipsPerPixel();
  const bool newSize = model_.Resize(background_->width() * tpp, background_->height() * tpp);
  // The picture is laid out before it is drawn, so the page shows at once.
  laidOut_ = true;
  const bool drawn = !newSize && !picture_->Page().isNull() ? true : Render(tr("Print Preview"));
  if (!drawn) laidOut_ = false;
  PlacePicture();
  UpdateStatus();
  resizing_ = false;
}

void PreviewWindow::LayOut(ZoomMode mode, const QString& caption) {
  main_.lastError.Clear();
  model_.FitPage(mode);
  Render(caption);
  PlacePicture();
  UpdateStatus();
}

bool PreviewWindow::Render(const QString& caption) {
  if (!laidOut_) return true;
  const double tpp = TwipsPerPixel();
  const PictureRect& rect = model_.Picture();
  const QSize logical(std::max(1, Pixels(rect.width, tpp)), std::max(1, Pixels(rect.height, tpp)));
  // Drawn in the screen's own pixels, the page as it would be at that much
  // more zoom, so that a scaled screen shows it sharp.
  const double ratio = PageRatio(devicePixelRatioF(), logical);
  QPixmap page(std::max(1, qRound(logical.width() * ratio)),
               std::max(1, qRound(logical.height() * ratio)));
  page.fill(Qt::white);
  const PageRequest request{sheet_.printer.paperSize, sheet_.printer.orientation,
                            model_.PageCount(), model_.Page(), static_cast<double>(logicalDpiX())};
  Status status;
  {
    QPainter painter(&page);
    status = RenderPreviewPage(main_, painter, request, model_.Zoom() * ratio, model_.ShowGuide(),
                               sheet_.millimeters);
  }
  page.setDevicePixelRatio(ratio);
  picture_->setPage(page);
  if (!status.ok()) {
    ShowMessage(this, MessageIcon::Exclamation, QString::fromStdString(main_.lastError.description),
                caption);
    return false;
  }
  return true;
}

void PreviewWindow::PlacePicture() {
  const double tpp = TwipsPerPixel();
  const PictureRect& rect = model_.Picture();
  picture_->setGeometry(Pixels(rect.left, tpp), Pixels(rect.top, tpp),
                        std::max(1, Pixels(rect.width, tpp)),
                        std::max(1, Pixels(rect.height, tpp)));
  scrolling_ = true;
  auto sync = [](QScrollBar* bar, const ScrollState& state, int32_t line) {
    bar->setVisible(state.visible);
    if (!state.visible) return;
    // Whole twips: an A3 sheet at 200 % lies far beyond 16 bits.
    bar->setRange(0, std::max(0, state.maximum - state.pageSize));
    bar->setPageStep(std::max(1, state.pageSize));
    bar->setSingleStep(std::max(1, line));
    bar->setValue(state.position);
  };
  sync(hBar_, model_.HorizontalBar(), model_.LineStep());
  sync(vBar_, model_.VerticalBar(), model_.LineStep());
  scrolling_ = false;
}

void PreviewWindow::ScrollAction(QScrollBar* bar, int action) {
  if (scrolling_) return;
  ScrollRequest request;
  int32_t thumb = bar->sliderPosition();
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      request = ScrollRequest::LineBack;
      break;
    case QAbstractSlider::SliderSingleStepAdd:
      request = ScrollRequest::LineForward;
      break;
    case QAbstractSlider::SliderPageStepSub:
      request = ScrollRequest::PageBack;
      break;
    case QAbstractSlider::SliderPageStepAdd:
      request = ScrollRequest::PageForward;
      break;
    case QAbstractSlider::SliderToMinimum:
    case QAbstractSlider::SliderToMaximum:
      request = ScrollRequest::ThumbReleased;
      break;
    case QAbstractSlider::SliderMove:
      request = ScrollRequest::ThumbTrack;
      break;
    default:
      return;
  }
  Scroll(bar, request, thumb);
}

void PreviewWindow::Scroll(QScrollBar* bar, ScrollRequest request, int32_t thumb) {
  const bool horizontal = bar == hBar_;
  model_.Scroll(horizontal, request, thumb);
  const ScrollState& state = horizontal ? model_.HorizontalBar() : model_.VerticalBar();
  scrolling_ = true;
  bar->setSliderPosition(state.position);  // the model's steps, not the bar's own
  scrolling_ = false;
  const double tpp = TwipsPerPixel();
  picture_->move(Pixels(model_.Picture().left, tpp), Pixels(model_.Picture().top, tpp));
}

void PreviewWindow::UpdateButtons() {
  const bool divided = model_.IsDivided();
  divide_->setChecked(divided);
  prev_->setEnabled(model_.CanGoBack());
  next_->setEnabled(model_.CanGoForward());
  popupPrev_->setEnabled(model_.CanGoBack());
  popupNext_->setEnabled(model_.CanGoForward());
  const MouseMode mode = model_.Mouse();
  moving_->setChecked(mode == MouseMode::Move);
  zoomIn_->setChecked(mode == MouseMode::ZoomIn);
  zoomOut_->setChecked(mode == MouseMode::ZoomOut);
  popupMoving_->setChecked(mode == MouseMode::Move);
  popupZoomIn_->setChecked(mode == MouseMode::ZoomIn);
  popupZoomOut_->setChecked(mode == MouseMode::ZoomOut);
  guide_->setChecked(model_.ShowGuide());
  popupGuide_->setChecked(model_.ShowGuide());
}

void PreviewWindow::UpdateStatus() {
  panels_[0]->setText(
      QString::fromStdString(PrinterStatusText(sheet_.printerAvailable, sheet_.printer)));
  panels_[1]->setText(QString::fromStdString(model_.PageText()));
  panels_[2]->setText(QString::fromStdString(model_.ZoomText()));
}

QString PreviewWindow::StatusText(int panel) const {
  return panel >= 0 && panel < 3 ? panels_[panel]->text() : QString();
}

StatusFunction PreviewWindow::PanelStatus() {
  return [this](const QString&, const QString& text) {
    if (text.isEmpty()) {
      UpdateStatus();
    } else {
      panels_[0]->setText(text);
    }
  };
}

void PreviewWindow::Print() {
  main_.lastError.Clear();
  const auto respond = [this](const CheckItem& item) {
    const QString text = QString::fromStdString(item.text),
                  caption = QString::fromStdString(item.caption);
    if (item.kind != CheckKind::Ask) {
      ShowMessage(this, MessageIcon::Information, text, caption);
      return CheckAnswer::Yes;
    }
    return ShowMessage(this, MessageIcon::Question, text, caption, MessageButtons::YesNo,
                       MessageAnswer::Yes) == MessageAnswer::Yes
               ? CheckAnswer::Yes
               : CheckAnswer::No;
  };
  if (!RunPrinterChecks(main_, respond).proceed) return;
  // The command shows its own failure message.
  const Status status = RunPrintCommand(this, main_, model_.PageCount(), PanelStatus());
  UpdateStatus();
  if (status.ok()) {
    panels_[0]->setText(
        tr("Printed on %1").arg(QString::fromStdString(main_.Printer().Current().deviceName)));
  }
}

void PreviewWindow::Setup() {
  const bool changed = PrinterSetupCommand(this, main_, PanelStatus(), setupDialog_);
  // Whatever paper was chosen, the preview shows the sheet printing will use.
  if (changed) {
    ReadSheet();
    LayOut(ZoomMode::WholePage, tr("Printer Setup"));
  }
  UpdateStatus();
}

void PreviewWindow::DividePages() {
  main_.lastError.Clear();
  model_.DividePages();
  UpdateButtons();
  Render(tr("Page Split"));
  UpdateStatus();
}

void PreviewWindow::ChangePage(bool forward) {
  main_.lastError.Clear();
  const bool changed = forward ? model_.NextPage() : model_.PreviousPage();
  UpdateButtons();
  if (changed) Render(forward ? tr("Next Page") : tr("Previous Page"));
  UpdateStatus();
}

void PreviewWindow::SetMouseMode(MouseMode mode) {
  model_.setMouseMode(mode);
  picture_->setCursor(PreviewCursor(mode));
  UpdateButtons();
}

void PreviewWindow::ToggleGuide() {
  main_.lastError.Clear();
  model_.ToggleGuide();
  UpdateButtons();
  Render(tr("Show Margins"));
}

void PreviewWindow::MousePressed(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const double tpp = TwipsPerPixel();
  if (model_.LeftPress(event->position().x() * tpp, event->position().y() * tpp)) {
    picture_->setCursor(DraggingCursor());
  }
}

void PreviewWindow::MouseMoved(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const double tpp = TwipsPerPixel();
  if (model_.LeftMove(event->position().x() * tpp, event->position().y() * tpp)) PlacePicture();
}

void PreviewWindow::MouseReleased(QMouseEvent* event) {
  const double tpp = TwipsPerPixel();
  switch (event->button()) {
    case Qt::LeftButton: {
      main_.lastError.Clear();
      const ReleaseAction action =
          model_.LeftRelease(event->position().x() * tpp, event->position().y() * tpp);
      if (action == ReleaseAction::OpenHand) picture_->setCursor(PreviewCursor(model_.Mouse()));
      if (action == ReleaseAction::Rendered) {
        Render(tr("Print Preview"));
        PlacePicture();
        UpdateStatus();
      }
      break;
    }
    case Qt::RightButton:
      model_.RightRelease();
      popup_->popup(event->globalPosition().toPoint());
      break;
    default:
      model_.OtherRelease();
  }
}

void ShowPreviewWindow(QWidget* parent, MainModel& model, int16_t pageCount) {
  PreviewWindow window(model, parent);
  window.setPageCount(pageCount);
  window.exec();
}
