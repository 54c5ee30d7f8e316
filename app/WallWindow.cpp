#include "WallWindow.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "PopHints.h"

namespace {

// Between a box and its unit, as in the main window's rows.
constexpr int kUnitSpacing = 4;

QString Shown(const std::string& text) {
  return QString::fromStdString(text);
}

// A box's row: the caption leading to it, the box and what follows it.
void AddRow(QGridLayout* grid, int row, const QString& caption, QLineEdit* box,
            QLayout* after = nullptr) {
  auto* label = new QLabel(caption, box->parentWidget());
  label->setBuddy(box);
  auto* line = new QHBoxLayout;
  line->setSpacing(kUnitSpacing);
  line->addWidget(box);
  if (after != nullptr) line->addLayout(after);
  line->addStretch(1);
  grid->addWidget(label, row, 0);
  grid->addLayout(line, row, 1);
}

QHBoxLayout* UnitAfter(QWidget* parent, const QString& text) {
  auto* layout = new QHBoxLayout;
  layout->setSpacing(kUnitSpacing);
  layout->addWidget(new QLabel(text, parent));
  return layout;
}

}  // namespace

WallWindow::WallWindow(QWidget* parent, WallModel model)
    : QDialog(parent), model_(std::move(model)) {
  setObjectName(u"frmWall"_qs);
  setWindowTitle(tr("Measure the Wall"));

  auto* intro = new QLabel(tr("Hold a nail square to the wall in the sun and mark where the tip "
                              "of its shadow falls. Enter the moment and the two lengths."),
                           this);
  intro->setWordWrap(true);

  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  grid->addWidget(new QLabel(tr("Place:"), this), 0, 0);
  grid->addWidget(new QLabel(Shown(model_.PlaceText()), this), 0, 1);

  QLineEdit* month = NewBox(WallBox::Month, "txtDate", 0, tr("Date, month"));
  QLineEdit* day = NewBox(WallBox::Day, "txtDate", 1, tr("Date, day"));
  auto* date = UnitAfter(this, tr("month"));
  date->addWidget(day);
  date->addWidget(new QLabel(tr("day"), this));
  AddRow(grid, 1, tr("&Date:"), month, date);
  AddRow(grid, 2, tr("&Time:"), NewBox(WallBox::Time, "txtTime", -1, tr("Time")),
         UnitAfter(this, Shown(model_.ZoneText())));
  AddRow(grid, 3, tr("&Nail's length:"),
         NewBox(WallBox::NailLength, "txtNailLength", -1, tr("Nail's length, millimetres")),
         UnitAfter(this, tr("mm")));
  AddRow(grid, 4, tr("Shadow tip's &offset:"),
         NewBox(WallBox::Offset, "txtOffset", -1, tr("Shadow tip's offset, millimetres")),
         UnitAfter(this, tr("mm (right +, left −)")));

  sunAzimuth_ = new QLabel(this);
  sunAzimuth_->setObjectName(u"lblSunAzimuth"_qs);
  sunAltitude_ = new QLabel(this);
  sunAltitude_->setObjectName(u"lblSunAltitude"_qs);
  grid->addWidget(new QLabel(tr("Sun's azimuth:"), this), 5, 0);
  grid->addWidget(sunAzimuth_, 5, 1);
  grid->addWidget(new QLabel(tr("Sun's altitude:"), this), 6, 0);
  grid->addWidget(sunAltitude_, 6, 1);

  result_ = new QLabel(this);
  result_->setObjectName(u"lblFacing"_qs);
  result_->setWordWrap(true);
  QFont bold = result_->font();
  bold.setBold(true);
  result_->setFont(bold);
  // Two lines' room, so that the window keeps its size as the text changes.
  result_->setMinimumHeight(2 * result_->fontMetrics().lineSpacing());

  use_ = new QPushButton(tr("&Use this facing"), this);
  use_->setObjectName(u"cmdUseFacing"_qs);
  use_->setDefault(true);
  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName(u"cmdClose"_qs);
  connect(use_, &QPushButton::clicked, this, [this] {
    chosen_ = model_.Facing();
    accept();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(use_);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(grid);
  layout->addWidget(result_);
  layout->addLayout(buttons);
  // Wide enough for the intro to take two lines rather than many.
  const int introWidth = intro->fontMetrics().horizontalAdvance(intro->text()) / 2 + 40;
  setMinimumWidth(std::max(grid->sizeHint().width(), introWidth) +
                  layout->contentsMargins().left() + layout->contentsMargins().right());

  ShowResult();
  ApplyPopHints(this);
}

QLineEdit* WallWindow::NewBox(WallBox which, const char* name, int index,
                              const QString& accessibleName) {
  auto* box = new QLineEdit(Shown(model_.Text(which)), this);
  box->setObjectName(QString::fromLatin1(name));
  if (index >= 0) box->setProperty("index", index);
  box->setAccessibleName(accessibleName);
  box->setAlignment(Qt::AlignRight);
  const bool date = which == WallBox::Month || which == WallBox::Day;
  const QString widest = date ? u"000"_qs : which == WallBox::Time ? u"00:00"_qs : u"-0000.0"_qs;
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + 14);
  connect(box, &QLineEdit::textEdited, this, [this, which](const QString& text) {
    model_.setText(which, text.toStdString());
    ShowResult();
  });
  return box;
}

void WallWindow::ShowResult() {
  sunAzimuth_->setText(Shown(model_.SunAzimuthText()));
  sunAltitude_->setText(Shown(model_.SunAltitudeText()));
  result_->setText(Shown(model_.ResultText()));
  use_->setEnabled(model_.Facing().has_value());
}

std::optional<double> ShowWallWindow(QWidget* parent, const MainModel& model) {
  WallWindow window(parent, WallModelNow(model));
  window.exec();
  return window.ChosenFacing();
}
