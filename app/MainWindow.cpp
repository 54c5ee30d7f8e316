#include "MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

#include "MainWindowUi.h"
#include "PopHints.h"
#include "ScreenPlacement.h"
#include "UnitRow.h"

namespace {

constexpr int kTwipsPerInch = 1440;
// The client area: 6420 twips wide; 3885 twips high with the toolbar
// strip, less 300, plus the status bar.
constexpr int kClientWidthTwips = 6420;
constexpr int kClientHeightTwips = 3885 - 300;

QLineEdit* NewBox(const QString& name, int index, bool readOnly, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setProperty("index", index);
  box->setReadOnly(readOnly);
  // A value shown is reached by its label's mnemonic or a click (to copy
  // it), but Tab passes it by.
  if (readOnly) box->setFocusPolicy(Qt::ClickFocus);
  return box;
}

}  // namespace

MainWindow::MainWindow(MainModel& model, WindowHooks hooks, QWidget* parent)
    : QMainWindow(parent),
      model_(model),
      hooks_(std::move(hooks)),
      ui_(std::make_unique<MainWindowUi>(*this)),
      form_(model, *ui_) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Umbrafex"));
  BuildControls();
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  EnableCommands();
  ApplyPopHints(this);
}

MainWindow::~MainWindow() = default;

// The unit words shown after the boxes, and the ones a screen reader says.
QString MainWindow::DegreeUnits() {
  return tr("°    ′    ″");
}
QStringList MainWindow::DegreeUnitNames() {
  return {tr("degrees"), tr("minutes"), tr("seconds")};
}
QString MainWindow::TimeUnits() {
  return tr("h    m    s");
}
QStringList MainWindow::TimeUnitNames() {
  return {tr("hours"), tr("minutes"), tr("seconds")};
}

void MainWindow::BuildControls() {
  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  columns->setContentsMargins(6, 4, 6, 4);
  columns->addWidget(BuildPlaceFrame(), 1);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildTimeFrame());
  right->addWidget(BuildDateFrame());
  right->addStretch(1);
  columns->addLayout(right);
  setCentralWidget(central);
  // Typing starts in the first box, as the tab order runs.
  Box(FormBox::Location)->setFocus();
  for (QLineEdit* box : boxes_) {
    if (box == nullptr || box->isReadOnly()) continue;
    box->installEventFilter(this);
    const FormBox which = *BoxOf(box);
    connect(box, &QLineEdit::textEdited, this,
            [this, which](const QString& text) { form_.Edit(which, text.toStdString()); });
  }
}

void MainWindow::AddRow(QGridLayout* grid, int row, const QString& caption, FormRow formRow,
                        const QString& stripName, const QString& units,
                        const QStringList& unitNames) {
  const int parts = static_cast<int>(unitNames.size());
  const QString name = QString::fromUtf8(RowName(formRow).data());
  const bool readOnly = !IsEditable(BoxAt(formRow, 0));
  std::vector<QLineEdit*> boxes;
  for (int part = 0; part < parts; ++part) {
    QLineEdit* box = NewBox(name, part, readOnly, this);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(part == 0 ? u"-000"_qs : u"000"_qs) +
                       14);
    boxes_[static_cast<std::size_t>(BoxAt(formRow, part))] = box;
    boxes.push_back(box);
  }
  // A screen reader names each box by its row and unit ("Latitude, degrees";
  // "緯度 度" in Japanese).
  QString rowName = caption;
  rowName.remove(QRegularExpression(u"\\(&.\\)|&(?=[^&])|\\s*:$"_qs));
  for (int part = 0; part < parts; ++part) {
    boxes[static_cast<std::size_t>(part)]->setAccessibleName(
        tr("%1, %2", "accessible name: a row and the unit of one of its boxes")
            .arg(rowName, unitNames[part]));
  }
  auto* strip = new UnitRow(stripName, boxes, this);
  strip->setText(units);
  auto* label = new QLabel(caption, this);
  label->setObjectName(u"lbl"_qs + name.mid(3));
  label->setBuddy(boxes.front());
  grid->addWidget(label, row, 0);
  grid->addWidget(strip, row, 1);
  if (formRow == FormRow::NorthDiff) northDiffRow_ = strip;
}

QGroupBox* MainWindow::BuildPlaceFrame() {
  auto* frame = new QGroupBox(tr("Place"), this);
  frame->setObjectName(u"picFrame"_qs);
  frame->setProperty("index", 0);
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(4);
  QLineEdit* name = NewBox(u"txtLocation"_qs, 0, false, this);
  boxes_[static_cast<std::size_t>(FormBox::Location)] = name;
  auto* nameLabel = new QLabel(tr("&Name:"), this);
  nameLabel->setObjectName(u"lblLocation"_qs);
  nameLabel->setBuddy(name);
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(name, 0, 1);
  AddRow(grid, 1, tr("&Latitude:"), FormRow::Latitude, u"txtLabelLatitude"_qs, DegreeUnits(),
         DegreeUnitNames());
  AddRow(grid, 2, tr("Lon&gitude:"), FormRow::Longitude, u"txtLabelLongitude"_qs, DegreeUnits(),
         DegreeUnitNames());
  AddRow(grid, 3, tr("T&ime difference:"), FormRow::TimeDiff, u"txtLabelTImeDiff"_qs, TimeUnits(),
         TimeUnitNames());
  AddRow(grid, 4, tr("&Magnetic declination:"), FormRow::NorthDiff, u"txtLabelNorthDiff"_qs,
         DegreeUnits(), DegreeUnitNames());
  // Under the value rather than beside it, so that the row stays as wide as
  // the others.
  northDiffModel_ = new QLabel(this);
  northDiffModel_->setObjectName(u"lblNorthDiffModel"_qs);
  grid->addWidget(northDiffModel_, 5, 1);
  grid->setRowStretch(6, 1);
  return frame;
}

QGroupBox* MainWindow::BuildTimeFrame() {
  auto* frame = new QGroupBox(tr("Display"), this);
  frame->setObjectName(u"picFrame"_qs);
  frame->setProperty("index", 1);
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(4);
  timeSystem_ = new QButtonGroup(this);
  const QString systems[] = {tr("True &solar time"), tr("Standard &clock time")};
  for (int i = 0; i < 2; ++i) {
    auto* option = new QRadioButton(systems[i], this);
    option->setObjectName(u"optTimeSystem"_qs);
    option->setProperty("index", i);
    timeSystem_->addButton(option, i);
    grid->addWidget(option, i, 0, 1, 2);
  }
  connect(timeSystem_, &QButtonGroup::idClicked, this, [this](int id) {
    if (!ValidateEditing()) return ShowForm();
    form_.ChooseTimeSystem(id);
    ShowForm();
  });
  interval_ = new QComboBox(this);
  interval_->setObjectName(u"cmbCalcTime"_qs);
  for (int16_t minutes : kIntervalMinutes) interval_->addItem(tr("%1 min").arg(minutes), minutes);
  auto* label = new QLabel(tr("Inte&rval:"), this);
  label->setObjectName(u"lblCalcTime"_qs);
  label->setBuddy(interval_);
  grid->addWidget(label, 2, 0);
  grid->addWidget(interval_, 2, 1);
  connect(interval_, &QComboBox::activated, this, [this](int index) {
    if (!ValidateEditing()) return ShowForm();
    form_.ChooseInterval(index);
    ShowForm();
  });
  dateMode_ = new QButtonGroup(this);
  const QString modes[] = {tr("No date (current time mode)"), tr("Fixed date (free setting mode)")};
  for (int i = 0; i < 2; ++i) {
    auto* option = new QRadioButton(modes[i], this);
    option->setObjectName(u"optDate"_qs);
    option->setProperty("index", i);
    dateMode_->addButton(option, i);
    grid->addWidget(option, 3 + i, 0, 1, 2);
  }
  connect(dateMode_, &QButtonGroup::idClicked, this, [this](int id) {
    if (!ValidateEditing()) return ShowForm();
    form_.ChooseDateMode(id);
    ShowForm();
  });
  return frame;
}

QGroupBox* MainWindow::BuildDateFrame() {
  dateFrame_ = new QGroupBox(tr("Date"), this);
  dateFrame_->setObjectName(u"picFrame"_qs);
  dateFrame_->setProperty("index", 2);
  auto* grid = new QGridLayout(dateFrame_);
  grid->setVerticalSpacing(4);
  AddRow(grid, 0, tr("&Date:"), FormRow::Date, u"txtLabelDate"_qs, tr("month    day"),
         {tr("month"), tr("day")});
  AddRow(grid, 1, tr("&Equation of time:"), FormRow::Equation, u"txtLabelEquation"_qs, TimeUnits(),
         TimeUnitNames());
  return dateFrame_;
}

bool MainWindow::Load() {
  const bool loaded = form_.Load();
  ShowForm();
  FixClientSize();
  return loaded;
}

// The client size in twips at the screen's logical DPI; where the captions
// need more room in the fonts at hand, both sides grow by the same factor.
void MainWindow::FixClientSize() {
  const double dpiX = logicalDpiX();
  const double dpiY = logicalDpiY();
  const int statusHeight = statusBar()->sizeHint().height();
  const int menuHeight = menuBar()->sizeHint().height();
  const QSize twips(qRound(kClientWidthTwips * dpiX / kTwipsPerInch),
                    qRound(kClientHeightTwips * dpiY / kTwipsPerInch) + statusHeight + menuHeight);
  // The toolbar folds what does not fit into its extension menu, so only
  // the controls and the menu bar set the width.
  const QToolBar* tools = findChild<QToolBar*>();
  const int toolHeight = tools != nullptr ? tools->sizeHint().height() : 0;
  const QSize controls = centralWidget()->sizeHint();
  const QSize needed(std::max(controls.width(), menuBar()->sizeHint().width()),
                     controls.height() + toolHeight + statusHeight + menuHeight);
  const double grow = std::max(
      {1.0, double(needed.width()) / twips.width(), double(needed.height()) / twips.height()});
  setFixedSize(qCeil(twips.width() * grow), qCeil(twips.height() * grow));
}

void MainWindow::PlaceOnScreen() {
  const WindowPlacement& stored = model_.mainWindow;
  const QPoint wanted(StoredPixels(stored.left, 0), StoredPixels(stored.top, 0));
  const QPoint place = ReachablePosition(QRect(wanted, size()));
  if (place != wanted) broughtBackTo_ = place;
  move(place);
  if (stored.windowState == kWindowMinimized) setWindowState(Qt::WindowMinimized);
}

bool MainWindow::OpenAtStartup(const QString& path) {
  const bool opened = form_.OpenAtStartup(path.toStdString());
  ShowForm();
  return opened;
}

void MainWindow::RememberPlacement() {
  WindowPlacement& stored = model_.mainWindow;
  stored.windowState = isMinimized() ? kWindowMinimized : kWindowNormal;
  if (isMinimized()) return;
  // Brought back from a screen that is not there now and not moved since:
  // the stored place stays for when that screen is back.
  if (broughtBackTo_ && pos() == *broughtBackTo_) return;
  stored.left = pos().x();
  stored.top = pos().y();
}
