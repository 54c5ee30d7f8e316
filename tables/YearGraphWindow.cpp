#include "YearGraphWindow.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "ClockModel.h"
#include "MainModel.h"
#include "Paths.h"
#include "PopHints.h"
#include "SavedImage.h"
#include "ScreenPlacement.h"
#include "TableCommands.h"
#include "UiIcons.h"
#include "UiServices.h"
#include "YearTables.h"

namespace {

const QSize kSavedSize(1200, 760);

std::chrono::year_month_day TodayAtTheDialsPlace(const Chart& chart) {
  return std::chrono::year_month_day(
      std::chrono::floor<std::chrono::days>(ZoneStandardTime(chart, SystemUtcNow())));
}

bool IsSvg(const QString& path) {
  return QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void ShowYearGraph(QWidget* parent, MainModel& model) {
  YearGraphData data;
  if (!BuildYearGraphData(model, TodayAtTheDialsPlace(model.Chart()), data).ok()) {
    ShowMessage(parent, MessageIcon::Exclamation,
                QString::fromStdString(model.lastError.description),
                YearGraphWindow::tr("Equation of Time and Solar Declination"));
    return;
  }
  YearGraphWindow window(model, std::move(data), parent);
  window.exec();
}

bool SaveYearGraph(const YearGraphData& data, const QString& path) {
  const QRectF area(QPointF(0, 0), kSavedSize);
  const std::string target = path.toStdString();
  if (!IsSvg(path)) {
    QImage image(kSavedSize, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintYearGraph(painter, area, data);
    painter.end();
    return WriteImageFile(target, image, "PNG");
  }
  QByteArray bytes;
  QBuffer file(&bytes);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(kSavedSize);
    svg.setViewBox(area);
    svg.setTitle(YearGraphWindow::tr("Equation of Time and Solar Declination"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    PaintYearGraph(painter, area, data);
    painter.end();
  }
  file.close();
  return WriteEncodedFile(target, bytes);
}

YearGraphView::YearGraphView(YearGraphData data, QWidget* parent)
    : QWidget(parent), data_(std::move(data)) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(480, 320);
}

void YearGraphView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintYearGraph(painter, rect(), data_, hoverDay_);
}

void YearGraphView::mouseMoveEvent(QMouseEvent* event) {
  const std::optional<int> day =
      YearGraphLayout(rect(), data_.DayCount()).DayAt(event->position().x());
  if (day == hoverDay_) return;
  hoverDay_ = day;
  update();
}

void YearGraphView::leaveEvent(QEvent*) {
  if (!hoverDay_) return;
  hoverDay_.reset();
  update();
}

YearGraphWindow::YearGraphWindow(MainModel& main, YearGraphData data, QWidget* parent)
    : QDialog(parent), main_(main) {
  setObjectName("frmGraph");
  setWindowTitle(tr("Equation of Time and Solar Declination"));
  setWindowIcon(UiIcon("graph", "x-office-presentation"));
  setWindowFlags((windowFlags() | Qt::WindowMinMaxButtonsHint) & ~Qt::WindowContextHelpButtonHint);
  graph_ = new YearGraphView(std::move(data), this);
  graph_->setObjectName("picGraph");

  auto* buttons = new QDialogButtonBox(this);
  auto* save = buttons->addButton(tr("&Save..."), QDialogButtonBox::ActionRole);
  save->setObjectName("cmdSave");
  save->setIcon(UiIcon("export-file", "document-save"));
  auto* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
  close->setObjectName("cmdClose");
  // Enter closes the window, as in any viewer; saving asks for a name first.
  save->setAutoDefault(false);
  close->setDefault(true);
  connect(save, &QPushButton::clicked, this, &YearGraphWindow::SaveCommand);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(graph_, 1);
  layout->addWidget(buttons);
  ResizeToFit(this, QSize(820, 600));
  ApplyPopHints(this);
}

void YearGraphWindow::SaveCommand() {
  const std::string folder =
      SuggestedTableFolder(main_.documentPath, main_.lastDir, DocumentFolder());
  const QString name = tr("Equation of Time and Solar Declination") + QStringLiteral(".png");
  const FileRequest request{tr("Save Graph"),
                            QString::fromStdString(JoinPath(folder, name.toStdString())),
                            tr("PNG pictures (*.png);;SVG pictures (*.svg)")};
  const QString path = ChooseSavePath(this, request, QStringLiteral(".png"));
  if (path.isEmpty()) return;
  main_.lastDir = GetFolderName(path.toStdString());
  if (!SaveYearGraph(graph_->Data(), path)) {
    ShowMessage(this, MessageIcon::Exclamation,
                QString::fromStdString(CannotSaveMessage(path.toStdString())), windowTitle());
  }
}
