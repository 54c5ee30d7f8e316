// The options of the nodus's curves, the face's printed size, the scale bar
// and the summer-time hours, on a page of their own.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "OptionsDialog.h"

QWidget* OptionsDialog::BuildNodusPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(BuildNodusGroup(page));
  layout->addStretch();
  return page;
}

// A short box for millimetres, right-aligned, that keeps out what is not a number.
QLineEdit* OptionsDialog::NumberBox(const QString& name, const QString& emptyText,
                                    QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setFixedWidth(70);
  box->setAlignment(Qt::AlignRight);
  box->setPlaceholderText(emptyText);
  box->installEventFilter(this);
  return box;
}

QGroupBox* OptionsDialog::BuildNodusGroup(QWidget* page) {
  auto* group = new QGroupBox(tr("Date lines and hour curves"), page);
  cmbDateLines_ = new QComboBox(group);
  cmbDateLines_->setObjectName(QStringLiteral("cmbDateLines"));
  static const char* const kDateSets[] = {
      QT_TR_NOOP("None"), QT_TR_NOOP("Solstices, equinoxes and the days between"),
      QT_TR_NOOP("The 24 solar terms"), QT_TR_NOOP("First day of each month"),
      QT_TR_NOOP("The design's own day (when it has one)")};
  for (const char* name : kDateSets) cmbDateLines_->addItem(tr(name));
  cmbHourCurves_ = new QComboBox(group);
  cmbHourCurves_->setObjectName(QStringLiteral("cmbHourCurves"));
  static const char* const kCurveStyles[] = {
      QT_TR_NOOP("None"), QT_TR_NOOP("Whole figure eights"),
      QT_TR_NOOP("Two halves: January to June, July to December")};
  for (const char* name : kCurveStyles) cmbHourCurves_->addItem(tr(name));
  auto* curvesNote = new QLabel(
      tr("Hour curves show mean standard time on every day. In true solar time the straight\n"
         "hour lines are already exact, so no curves are drawn."),
      group);
  txtNodusHeight_ = NumberBox(QStringLiteral("txtNodusHeight"), tr("auto"), group);
  txtFaceSize_ = NumberBox(QStringLiteral("txtFaceSize"), tr("auto"), group);
  chkScaleBar_ = new QCheckBox(tr("100 mm scale bar on every page"), group);
  chkScaleBar_->setObjectName(QStringLiteral("chkScaleBar"));
  chkSummerTime_ =
      new QCheckBox(tr("Summer time: a second row of hour numbers, one hour later"), group);
  chkSummerTime_->setObjectName(QStringLiteral("chkSummerTime"));

  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(tr("Date lines:"), group), 0, 0);
  grid->addWidget(cmbDateLines_, 0, 1, 1, 2);
  grid->addWidget(new QLabel(tr("Hour curves:"), group), 1, 0);
  grid->addWidget(cmbHourCurves_, 1, 1, 1, 2);
  grid->addWidget(curvesNote, 2, 0, 1, 3);
  grid->addWidget(new QLabel(tr("Nodus height:"), group), 3, 0);
  grid->addWidget(txtNodusHeight_, 3, 1);
  grid->addWidget(new QLabel(tr("mm (empty: fits the solstice arcs to the face)"), group), 3, 2);
  grid->addWidget(new QLabel(tr("Face size:"), group), 4, 0);
  grid->addWidget(txtFaceSize_, 4, 1);
  grid->addWidget(new QLabel(tr("mm across at 100 % (empty: fitted to the paper)"), group), 4, 2);
  grid->addWidget(chkScaleBar_, 5, 0, 1, 3);
  grid->addWidget(chkSummerTime_, 6, 0, 1, 3);

  connect(cmbDateLines_, &QComboBox::activated, this,
          [this](int index) { working_.dialOption.dateLines = index; });
  connect(cmbHourCurves_, &QComboBox::activated, this,
          [this](int index) { working_.dialOption.hourCurves = index; });
  connect(chkScaleBar_, &QCheckBox::toggled, this,
          [this](bool on) { working_.dialOption.scaleBar = on; });
  connect(chkSummerTime_, &QCheckBox::toggled, this,
          [this](bool on) { working_.dialOption.summerTime = on; });
  connect(txtNodusHeight_, &QLineEdit::editingFinished, this, [this] { CommitNodusHeight(false); });
  connect(txtFaceSize_, &QLineEdit::editingFinished, this, [this] { CommitFaceSize(false); });
  return group;
}

void OptionsDialog::ShowNodus() {
  const DialOptionSettings& dial = working_.dialOption;
  // A value no list has (from a newer document) shows as none and stays stored.
  const bool knownDates = dial.dateLines >= 0 && dial.dateLines < kDateLineChoices;
  const bool knownCurves = dial.hourCurves >= 0 && dial.hourCurves < kHourCurveChoices;
  cmbDateLines_->setCurrentIndex(knownDates ? dial.dateLines : 0);
  cmbHourCurves_->setCurrentIndex(knownCurves ? dial.hourCurves : 0);
  txtNodusHeight_->setText(QString::fromStdString(FormatMillimetres(dial.nodusHeight)));
  txtFaceSize_->setText(QString::fromStdString(FormatMillimetres(dial.faceSize)));
  const QSignalBlocker block(chkScaleBar_);
  chkScaleBar_->setChecked(dial.scaleBar);
  const QSignalBlocker blockSummer(chkSummerTime_);
  chkSummerTime_->setChecked(dial.summerTime);
}

// Takes a millimetre box's text into `stored` when it parses; the same
// text as stored passes, and Cancel being pressed does not refuse.
bool OptionsDialog::CommitMillimetres(QLineEdit* box, double& stored, const MillimetreBox& kind,
                                      bool quiet) {
  const std::string text = box->text().toStdString();
  if (text == FormatMillimetres(stored)) return true;
  if (!quiet && QApplication::focusWidget() == cmdOption_[1]) return true;
  const auto value = kind.parse(text);
  if (!value) return Refuse(box, kind.refusal, quiet);
  stored = *value;
  box->setText(QString::fromStdString(FormatMillimetres(*value)));
  refusedText_.clear();
  return true;
}

bool OptionsDialog::CommitNodusHeight(bool quiet) {
  return CommitMillimetres(
      txtNodusHeight_, working_.dialOption.nodusHeight,
      {ParseNodusHeight,
       tr("Enter the nodus height in millimetres, up to 1000, or leave it empty.")},
      quiet);
}

bool OptionsDialog::CommitFaceSize(bool quiet) {
  return CommitMillimetres(
      txtFaceSize_, working_.dialOption.faceSize,
      {ParseFaceSize, tr("Enter the face's width in millimetres, 10 to 20000, or leave it empty.")},
      quiet);
}
