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
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

#include "AngleText.h"
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
  BuildDialView();
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
  auto* columns = new QHBoxLayout;
  columns->addWidget(BuildPlaceFrame(), 1);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildTimeFrame());
  right->addWidget(BuildDateFrame());
  right->addStretch(1);
  columns->addLayout(right);
  auto* rows = new QVBoxLayout(central);
  rows->setContentsMargins(6, 4, 6, 4);
  rows->addLayout(columns, 1);
  rows->addWidget(BuildPlaneFrame());
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
                        const QStringList& unitNames, int column) {
  UnitRow* strip = NewUnitRow(caption, formRow, stripName, units, unitNames);
  grid->addWidget(NewRowLabel(caption, formRow), row, column);
  grid->addWidget(strip, row, column + 1);
  if (formRow == FormRow::NorthDiff) northDiffRow_ = strip;
}

UnitRow* MainWindow::NewUnitRow(const QString& caption, FormRow formRow, const QString& stripName,
                                const QString& units, const QStringList& unitNames) {
  const int parts = static_cast<int>(unitNames.size());
  const QString name = QString::fromUtf8(RowName(formRow).data());
  const bool readOnly = !IsEditable(BoxAt(formRow, 0));
  const bool plane = formRow == FormRow::PlaneFacing || formRow == FormRow::PlaneTilt;
  std::vector<QLineEdit*> boxes;
  for (int part = 0; part < parts; ++part) {
    QLineEdit* box = NewBox(name, part, readOnly, this);
    box->setAlignment(Qt::AlignRight);
    const QString widest = plane ? u"000.00"_qs : part == 0 ? u"-000"_qs : u"000"_qs;
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + 14);
    boxes_[static_cast<std::size_t>(BoxAt(formRow, part))] = box;
    boxes.push_back(box);
  }
  // A screen reader names each box by its row and unit ("Latitude, degrees";
  // "緯度 度" in Japanese).
  QString rowName = caption;
  static const QRegularExpression kMnemonicAndColon(u"\\(&.\\)|&(?=[^&])|\\s*:$"_qs);
  rowName.remove(kMnemonicAndColon);
  for (int part = 0; part < parts; ++part) {
    boxes[static_cast<std::size_t>(part)]->setAccessibleName(
        tr("%1, %2", "accessible name: a row and the unit of one of its boxes")
            .arg(rowName, unitNames[part]));
  }
  auto* strip = new UnitRow(stripName, boxes, this);
  strip->setText(units);
  return strip;
}

QLabel* MainWindow::NewRowLabel(const QString& caption, FormRow formRow) {
  const QString name = QString::fromUtf8(RowName(formRow).data());
  auto* label = new QLabel(caption, this);
  label->setObjectName(u"lbl"_qs + name.mid(3));
  label->setBuddy(Box(BoxAt(formRow, 0)));
  return label;
}

QGroupBox* MainWindow::BuildPlaceFrame() {
  auto* frame = new QGroupBox(tr("Place"), this);
  frame->setObjectName(u"picFrame"_qs);
  frame->setProperty("index", 0);
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(4);
  QLineEdit* name = NewBox(u"txtLocation"_qs, 0, false, this);
  name->setMaxLength(kMaxPlaceNameLength);  // the engine takes no longer name
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
  AddRow(grid, 3, tr("Standard − solar t&ime:"), FormRow::TimeDiff, u"txtLabelTImeDiff"_qs,
         TimeUnits(), TimeUnitNames());
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

// Two rows under the place and the display: the list and the wall's
// measurement on the left, the facing and the tilt on the right.
QGroupBox* MainWindow::BuildPlaneFrame() {
  auto* frame = new QGroupBox(tr("Dial plane"), this);
  frame->setObjectName(u"picFrame"_qs);
  frame->setProperty("index", 3);
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(4);
  // The facing and the tilt keep to the right, under the display.
  grid->setColumnStretch(2, 1);
  grid->setColumnMinimumWidth(2, 18);
  plane_ = new QComboBox(this);
  plane_->setObjectName(u"cmbPlane"_qs);
  plane_->setAccessibleName(tr("Dial plane"));
  for (const QString& item :
       {tr("Horizontal"), tr("Vertical"), tr("Polar"), tr("Equatorial"), tr("Custom")}) {
    plane_->addItem(item);
  }
  auto* planeLabel = new QLabel(tr("&Plane:"), this);
  planeLabel->setObjectName(u"lblPlane"_qs);
  planeLabel->setBuddy(plane_);
  grid->addWidget(planeLabel, 0, 0);
  grid->addWidget(plane_, 0, 1);
  connect(plane_, &QComboBox::activated, this, [this](int index) {
    if (!ValidateEditing()) return ShowForm();
    form_.ChoosePlane(index);
    ShowForm();
  });

  const QString facingCaption = tr("F&acing:");
  const QStringList degrees = {tr("degrees")};
  auto* facing = new QHBoxLayout;
  facing->setSpacing(6);
  facing->addWidget(
      NewUnitRow(facingCaption, FormRow::PlaneFacing, u"txtLabelPlaneFacing"_qs, tr("°"), degrees));
  facingCompass_ = new QLabel(this);
  facingCompass_->setObjectName(u"lblPlaneCompass"_qs);
  // As wide as the widest point, so that the boxes stay put as it changes.
  int compassWidth = 0;
  for (int point = 0; point < 16; ++point) {
    compassWidth = std::max(compassWidth, facingCompass_->fontMetrics().horizontalAdvance(
                                              MainText(CompassPointText(22.5 * point))));
  }
  facingCompass_->setMinimumWidth(compassWidth);
  facing->addWidget(facingCompass_);
  facing->addStretch(1);
  grid->addWidget(NewRowLabel(facingCaption, FormRow::PlaneFacing), 0, 3);
  grid->addLayout(facing, 0, 4);
  AddRow(grid, 1, tr("Tilt from hori&zontal:"), FormRow::PlaneTilt, u"txtLabelPlaneTilt"_qs,
         tr("°"), degrees, 3);

  measureWall_ = new QPushButton(tr("Measure the &wall..."), this);
  measureWall_->setObjectName(u"cmdMeasureWall"_qs);
  connect(measureWall_, &QPushButton::clicked, this, &MainWindow::MeasureWallCommand);
  grid->addWidget(measureWall_, 1, 0, 1, 2, Qt::AlignLeft);

  // The kind of dial: the gnomon's on the plane above, or an analemmatic
  // dial on level ground, where a person is the gnomon.
  dialKind_ = new QComboBox(this);
  dialKind_->setObjectName(u"cmbDialKind"_qs);
  dialKind_->setAccessibleName(tr("Kind of dial"));
  dialKind_->addItem(tr("Gnomon"));
  dialKind_->addItem(tr("Analemmatic"));
  auto* kindLabel = new QLabel(tr("&Kind:"), this);
  kindLabel->setObjectName(u"lblDialKind"_qs);
  kindLabel->setBuddy(dialKind_);
  grid->addWidget(kindLabel, 2, 0);
  grid->addWidget(dialKind_, 2, 1);
  connect(dialKind_, &QComboBox::activated, this, [this](int index) {
    if (!ValidateEditing()) return ShowForm();
    form_.ChooseDialKind(index);
    ShowForm();
  });
  return frame;
}

bool MainWindow::Load() {
  const bool loaded = form_.Load();
  ShowForm();
  FixClientSize();
  return loaded;
}

// The client size in twips at the screen's logical DPI, grown where the
// controls need more room in the fonts at hand.
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
  // Both sides grow by the factor the captions' width needs; the height
  // further where the controls need more, as the dial-plane group below
  // them does, rather than widening the window with it.
  const double grow = std::max(1.0, double(needed.width()) / twips.width());
  formSize_ =
      QSize(qCeil(twips.width() * grow), std::max(qCeil(twips.height() * grow), needed.height()));
  setFixedSize(formSize_);
  FitDialView(true);
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
  KeepDialViewPreferences();
  WindowPlacement& stored = model_.mainWindow;
  stored.windowState = isMinimized() ? kWindowMinimized : kWindowNormal;
  if (isMinimized()) return;
  // Brought back from a screen that is not there now and not moved since:
  // the stored place stays for when that screen is back.
  if (broughtBackTo_ && pos() == *broughtBackTo_) return;
  stored.left = pos().x();
  stored.top = pos().y();
}
