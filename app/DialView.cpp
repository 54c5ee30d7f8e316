#include "DialView.h"

#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ClockPictureView.h"
#include "DaylightTrackBar.h"

namespace {

using namespace std::chrono;

QDate ToQDate(year_month_day date) {
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

year_month_day FromQDate(const QDate& date) {
  return year(date.year()) / month(static_cast<unsigned>(date.month())) /
         day(static_cast<unsigned>(date.day()));
}

}  // namespace

DialView::DialView(MainModel& main, QWidget* parent) : QWidget(parent), model_(main) {
  setObjectName(u"picDialView"_qs);
  picture_ = new ClockPictureView(this);
  picture_->setObjectName(u"picDialViewPicture"_qs);
  picture_->setAccessibleName(tr("Dial view"));
  picture_->setMinimumSize(160, 160);
  picture_->installEventFilter(this);
  // Asked while resizing or painting: drawn there and then, as the
  // desktop sundial does.
  connect(picture_, &ClockPictureView::pictureNeeded, this, &DialView::DrawPicture);

  slider_ = new DaylightTrackBar(this);
  slider_->setObjectName(u"trkDialViewTime"_qs);
  slider_->setAccessibleName(tr("Time of day"));
  slider_->setSingleStep(kMomentLineStep);
  slider_->setPageStep(kMomentPageStep);
  slider_->setTickInterval(kMomentPageStep);
  slider_->setTickPosition(QSlider::TicksBelow);
  connect(slider_, &QSlider::valueChanged, this,
          [this](int minutes) { model_.SetMinutes(minutes); });

  moment_ = new QLabel(this);
  moment_->setObjectName(u"lblDialViewMoment"_qs);
  moment_->setWordWrap(true);
  moment_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  layout->addWidget(picture_, 1);
  layout->addWidget(BuildMomentRow());
  layout->addWidget(slider_);
  layout->addWidget(moment_);

  model_.setRedraw([this] { PictureChanged(); });
}

DialView::~DialView() = default;

QWidget* DialView::BuildMomentRow() {
  auto* row = new QWidget(this);
  date_ = new QDateEdit(row);
  date_->setObjectName(u"dtpDialViewDate"_qs);
  date_->setAccessibleName(tr("Date"));
  date_->setDisplayFormat(u"yyyy-MM-dd"_qs);
  date_->setCalendarPopup(true);
  time_ = new QTimeEdit(row);
  time_->setObjectName(u"dtpDialViewTime"_qs);
  time_->setAccessibleName(tr("Clock time"));
  time_->setDisplayFormat(u"HH:mm"_qs);
  now_ = new QPushButton(tr("Now"), row);
  now_->setObjectName(u"cmdDialViewNow"_qs);
  connect(date_, &QDateEdit::dateChanged, this, &DialView::MomentEdited);
  connect(time_, &QTimeEdit::timeChanged, this, &DialView::MomentEdited);
  connect(now_, &QPushButton::clicked, this, [this] { model_.Now(); });

  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(date_);
  layout->addWidget(time_);
  layout->addWidget(now_);
  layout->addStretch(1);
  return row;
}

void DialView::MomentEdited() {
  const QTime time = time_->time();
  model_.SetMoment(FromQDate(date_->date()), time.hour() * 60 + time.minute());
}

void DialView::PictureChanged() {
  stale_ = true;
  picture_->update();
}

bool DialView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::Paint) {
    if (!firstPaintDone_) {
      // The window shows at once; the picture is drawn right after.
      QTimer::singleShot(0, this, [this] {
        firstPaintDone_ = true;
        PictureChanged();
      });
    } else if (stale_) {
      DrawPicture();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void DialView::DrawPicture() {
  if (!firstPaintDone_) return;
  stale_ = false;
  const bool drawn = model_.Draw(picture_->Picture()).ok();
  ShowMoment();
  // A design the picture cannot be drawn for says why under it; the form
  // gives its own message when the box is left.
  if (!drawn) moment_->setText(QString::fromStdString(model_.Failure().description));
}

void DialView::ShowMoment() {
  const QSignalBlocker blockDate(date_);
  const QSignalBlocker blockTime(time_);
  const QSignalBlocker blockSlider(slider_);
  date_->setDate(ToQDate(model_.Date()));
  time_->setTime(QTime(model_.Minutes() / 60, model_.Minutes() % 60));
  const bool daylight = model_.DaylightEnd() > model_.DaylightStart();
  slider_->setEnabled(daylight);
  if (daylight) {
    slider_->setRange(model_.DaylightStart(), model_.DaylightEnd());
    slider_->setValue(std::clamp(model_.Minutes(), model_.DaylightStart(), model_.DaylightEnd()));
  }
  moment_->setText(QString::fromStdString(model_.MomentText()));
}
