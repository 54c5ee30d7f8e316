#include "YearGraph.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "MainModel.h"
#include "SeasonGuard.h"
#include "YearTables.h"

namespace {

// Room for the value labels on the left, season names above, month names
// below, and a gap between the two plots.
constexpr double kLeftMargin = 52;
constexpr double kRightMargin = 18;
constexpr double kTopMargin = 48;  // two rows of season names
constexpr double kBottomMargin = 28;
constexpr double kGap = 26;

const QColor kEquationColour(0x1e, 0x88, 0xe5);
const QColor kDeclinationColour(0xef, 0x6c, 0x00);
const QColor kDesignDayColour(0xe5, 0x39, 0x35);
const QColor kTodayColour(0x2e, 0x7d, 0x32);
const QColor kInkColour(0x37, 0x47, 0x4f);
const QColor kGridColour(0xdd, 0xe3, 0xe6);

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(YearGraph)
};

constexpr std::array<const char*, 12> kMonthLabels = {
    QT_TRANSLATE_NOOP("YearGraph", "Jan"), QT_TRANSLATE_NOOP("YearGraph", "Feb"),
    QT_TRANSLATE_NOOP("YearGraph", "Mar"), QT_TRANSLATE_NOOP("YearGraph", "Apr"),
    QT_TRANSLATE_NOOP("YearGraph", "May"), QT_TRANSLATE_NOOP("YearGraph", "Jun"),
    QT_TRANSLATE_NOOP("YearGraph", "Jul"), QT_TRANSLATE_NOOP("YearGraph", "Aug"),
    QT_TRANSLATE_NOOP("YearGraph", "Sep"), QT_TRANSLATE_NOOP("YearGraph", "Oct"),
    QT_TRANSLATE_NOOP("YearGraph", "Nov"), QT_TRANSLATE_NOOP("YearGraph", "Dec")};
constexpr std::array<const char*, 12> kMonthNames = {
    QT_TRANSLATE_NOOP("YearGraph", "January"),   QT_TRANSLATE_NOOP("YearGraph", "February"),
    QT_TRANSLATE_NOOP("YearGraph", "March"),     QT_TRANSLATE_NOOP("YearGraph", "April"),
    QT_TRANSLATE_NOOP("YearGraph", "May"),       QT_TRANSLATE_NOOP("YearGraph", "June"),
    QT_TRANSLATE_NOOP("YearGraph", "July"),      QT_TRANSLATE_NOOP("YearGraph", "August"),
    QT_TRANSLATE_NOOP("YearGraph", "September"), QT_TRANSLATE_NOOP("YearGraph", "October"),
    QT_TRANSLATE_NOOP("YearGraph", "November"),  QT_TRANSLATE_NOOP("YearGraph", "December")};

QString MonthText(const std::array<const char*, 12>& names, int month) {
  return Texts::tr(names[static_cast<std::size_t>(std::clamp(month, 1, 12) - 1)]);
}

// The eight season days: the four seasons' starts of the old calendar and
// the equinoxes and solstices.
QString SeasonName(std::size_t season) {
  static constexpr std::array<const char*, 8> kNames = {
      QT_TRANSLATE_NOOP("YearGraph", "Start of spring"),
      QT_TRANSLATE_NOOP("YearGraph", "Spring equinox"),
      QT_TRANSLATE_NOOP("YearGraph", "Start of summer"),
      QT_TRANSLATE_NOOP("YearGraph", "Summer solstice"),
      QT_TRANSLATE_NOOP("YearGraph", "Start of autumn"),
      QT_TRANSLATE_NOOP("YearGraph", "Autumn equinox"),
      QT_TRANSLATE_NOOP("YearGraph", "Start of winter"),
      QT_TRANSLATE_NOOP("YearGraph", "Winter solstice")};
  return Texts::tr(kNames[std::min(season, kNames.size() - 1)]);
}

struct Axis {
  double minimum;
  double maximum;
  double step;
};

Axis AxisOf(TableKind kind) {
  const TableTexts& texts = TableTextsOf(kind);
  return {texts.axisMinimum, texts.axisMaximum, texts.axisMajorUnit};
}

QString Signed(double value, int decimals) {
  return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', decimals);
}

std::optional<int> DayNumberOf(Chart& chart, int month, int day) {
  int16_t number = 0;
  const CalcDateArray monthDay{static_cast<int16_t>(month), static_cast<int16_t>(day)};
  if (!chart.ConvTotalDays(monthDay, number).ok()) return std::nullopt;
  return number;
}

void PaintValueGrid(QPainter& p, const QRectF& plot, const Axis& axis, const QString& title) {
  const QFontMetricsF metrics(p.font());
  for (double v = axis.minimum; v <= axis.maximum + 1e-9; v += axis.step) {
    const double y = YearGraphLayout::YOf(plot, v, axis.minimum, axis.maximum);
    p.setPen(QPen(v == 0 ? kInkColour : kGridColour, v == 0 ? 1.0 : 0.8));
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.setPen(kInkColour);
    const QString label = Signed(v, 0);
    p.drawText(
        QPointF(plot.left() - 6 - metrics.horizontalAdvance(label), y + metrics.capHeight() / 2),
        label);
  }
  p.setPen(kInkColour);
  p.setBrush(Qt::NoBrush);
  p.drawRect(plot);
  p.drawText(plot.topLeft() + QPointF(6, metrics.ascent() + 3), title);
}

void PaintCurve(QPainter& p, const YearGraphLayout& layout, const QRectF& plot, const Axis& axis,
                const YearGraphData& data, double YearGraphDay::*value, const QColor& colour) {
  QPainterPath path;
  for (int n = 1; n <= data.DayCount(); ++n) {
    const QPointF point(layout.XOfDay(n), YearGraphLayout::YOf(plot, data.days[n - 1].*value,
                                                               axis.minimum, axis.maximum));
    if (n == 1) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void PaintMonths(QPainter& p, const YearGraphLayout& layout, const YearGraphData& data,
                 const QRectF& whole) {
  const QFontMetricsF metrics(p.font());
  for (int n = 1; n <= data.DayCount(); ++n) {
    if (data.days[n - 1].day != 1) continue;
    const double x = layout.XOfDay(n);
    p.setPen(QPen(kGridColour, 0.8));
    for (const QRectF& plot : {layout.EquationPlot(), layout.DeclinationPlot()}) {
      p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    p.setPen(kInkColour);
    p.drawText(QPointF(x + 3, whole.bottom() - kBottomMargin + metrics.ascent() + 4),
               MonthText(kMonthLabels, data.days[n - 1].month));
  }
}

// A light ground keeps the label readable where it meets a line.
void PaintLabel(QPainter& p, const QRectF& ground, const QColor& colour, const QString& label) {
  p.fillRect(ground, QColor(255, 255, 255, 220));
  p.setPen(colour);
  p.drawText(QPointF(ground.left() + 2, ground.top() + 1 + QFontMetricsF(p.font()).ascent()),
             label);
}

void PaintDayLine(QPainter& p, const YearGraphLayout& layout, int day, const QColor& colour,
                  Qt::PenStyle style, const QString& label, double labelY) {
  const double x = layout.XOfDay(day);
  p.setPen(QPen(colour, 1.2, style));
  p.drawLine(QPointF(x, layout.EquationPlot().top()),
             QPointF(x, layout.DeclinationPlot().bottom()));
  if (label.isEmpty()) return;
  const QFontMetricsF metrics(p.font());
  const double width = metrics.horizontalAdvance(label);
  const double left = std::clamp(x - width / 2, layout.EquationPlot().left(),
                                 layout.EquationPlot().right() - width);
  PaintLabel(p, QRectF(left - 2, labelY - metrics.ascent() - 1, width + 4, metrics.height() + 2),
             colour, label);
}

void PaintReadout(QPainter& p, const YearGraphLayout& layout, const YearGraphData& data, int day) {
  const double x = layout.XOfDay(day);
  const YearGraphDay& values = data.days[day - 1];
  const Axis eq = AxisOf(TableKind::EquationOfTime);
  const Axis dec = AxisOf(TableKind::SolarDeclination);
  p.setPen(QPen(kInkColour, 1, Qt::DashLine));
  p.drawLine(QPointF(x, layout.EquationPlot().top()),
             QPointF(x, layout.DeclinationPlot().bottom()));
  p.setPen(Qt::NoPen);
  const QRectF& eqPlot = layout.EquationPlot();
  const QRectF& decPlot = layout.DeclinationPlot();
  p.setBrush(kEquationColour);
  p.drawEllipse(
      QPointF(x, YearGraphLayout::YOf(eqPlot, values.equationMinutes, eq.minimum, eq.maximum)), 4,
      4);
  p.setBrush(kDeclinationColour);
  p.drawEllipse(QPointF(x, YearGraphLayout::YOf(decPlot, values.declinationDegrees, dec.minimum,
                                                dec.maximum)),
                4, 4);

  // The box stands beside the line, on the side with more room.
  const QString text = YearGraphReadout(data, day);
  const QFontMetricsF metrics(p.font());
  const QSizeF size(metrics.horizontalAdvance(text) + 12, metrics.height() + 8);
  const bool right = x + 10 + size.width() <= eqPlot.right();
  const QRectF box(QPointF(right ? x + 10 : x - 10 - size.width(), eqPlot.top() + 6), size);
  p.setPen(QPen(kInkColour, 1));
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawRoundedRect(box, 3, 3);
  p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

Status BuildYearGraphData(MainModel& model, std::chrono::year_month_day today,
                          YearGraphData& data) {
  model.lastError.Clear();
  return TrapStatus(model.lastError, [&] {
    Chart& chart = model.Chart();
    const SeasonGuard season(chart);
    const YearTable equation = BuildYearTable(chart, TableKind::EquationOfTime);
    const YearTable declination = BuildYearTable(chart, TableKind::SolarDeclination);
    YearGraphData built;
    built.days.reserve(equation.rows.size());
    for (std::size_t i = 0; i < equation.rows.size(); ++i) {
      const TableRow& row = equation.rows[i];
      built.days.push_back({row.month, row.day, row.value, declination.rows[i].value});
    }
    for (int s = 1; s <= 8; ++s) {
      chart.Season().setCalcSeason(s);
      built.seasonDays[static_cast<std::size_t>(s - 1)] = chart.Season().CalcDate();
    }
    if (model.season.adjustEquation) {
      built.designDay =
          DayNumberOf(chart, model.season.seasonDate.month, model.season.seasonDate.day);
    }
    built.today = DayNumberOf(chart, static_cast<int>(static_cast<unsigned>(today.month())),
                              static_cast<int>(static_cast<unsigned>(today.day())));
    data = std::move(built);
  });
}

YearGraphLayout::YearGraphLayout(const QRectF& area, int dayCount)
    : dayCount_(std::max(2, dayCount)) {
  const double left = area.left() + kLeftMargin;
  const double width = std::max(10.0, area.width() - kLeftMargin - kRightMargin);
  const double plots = std::max(20.0, area.height() - kTopMargin - kBottomMargin - kGap);
  // The equation's scale spans 35 minutes, the declination's 50 degrees:
  // the same height for both reads best.
  equation_ = QRectF(left, area.top() + kTopMargin, width, plots / 2);
  declination_ = QRectF(left, equation_.bottom() + kGap, width, plots / 2);
}

double YearGraphLayout::XOfDay(double dayNumber) const {
  return equation_.left() + (dayNumber - 1) * equation_.width() / (dayCount_ - 1);
}

std::optional<int> YearGraphLayout::DayAt(double x) const {
  if (x < equation_.left() - 0.5 || x > equation_.right() + 0.5) return std::nullopt;
  const double day = 1 + (x - equation_.left()) * (dayCount_ - 1) / equation_.width();
  return std::clamp(static_cast<int>(std::lround(day)), 1, dayCount_);
}

double YearGraphLayout::YOf(const QRectF& plot, double value, double minimum, double maximum) {
  return plot.bottom() - (value - minimum) * plot.height() / (maximum - minimum);
}

QRectF TodayLabelBox(const YearGraphLayout& layout, const YearGraphData& data, int day, QSizeF size,
                     const QRectF& avoid) {
  const QRectF& plot = layout.DeclinationPlot();
  const Axis axis = AxisOf(TableKind::SolarDeclination);
  const double left =
      std::clamp(layout.XOfDay(day) - size.width() / 2, plot.left(), plot.right() - size.width());
  // How high and low the curve runs under the label (and a day either side).
  double high = plot.bottom();
  double low = plot.top();
  const double margin = plot.width() / std::max(1, data.DayCount() - 1) + 2;
  for (int n = 1; n <= data.DayCount(); ++n) {
    const double x = layout.XOfDay(n);
    if (x < left - margin || x > left + size.width() + margin) continue;
    const double y =
        YearGraphLayout::YOf(plot, data.days[static_cast<std::size_t>(n - 1)].declinationDegrees,
                             axis.minimum, axis.maximum);
    high = std::min(high, y);
    low = std::max(low, y);
  }
  // The curve's pen and a little air.
  constexpr double kClear = 4;
  const double tops[] = {plot.bottom() - 2 - size.height(), plot.top() + 2,
                         high - kClear - size.height(), low + kClear};
  for (const double top : tops) {
    const QRectF box(QPointF(left, top), size);
    const bool inside = box.top() >= plot.top() && box.bottom() <= plot.bottom();
    const bool clear = box.bottom() <= high - kClear || box.top() >= low + kClear;
    if (inside && clear && !box.intersects(avoid)) return box;
  }
  return QRectF(QPointF(left, tops[0]), size);
}

QString YearGraphReadout(const YearGraphData& data, int dayNumber) {
  if (dayNumber < 1 || dayNumber > data.DayCount()) return {};
  const YearGraphDay& d = data.days[static_cast<std::size_t>(dayNumber - 1)];
  return Texts::tr("%1 %2", "month name, day").arg(MonthText(kMonthNames, d.month)).arg(d.day) +
         QStringLiteral("  ") +
         Texts::tr("Equation of time %1 min").arg(Signed(d.equationMinutes, 1)) +
         QStringLiteral("  ") +
         Texts::tr("Solar declination %1°").arg(Signed(d.declinationDegrees, 2));
}

void PaintYearGraph(QPainter& p, const QRectF& area, const YearGraphData& data,
                    std::optional<int> hoverDay) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(area, Qt::white);
  if (data.DayCount() < 2) {
    p.restore();
    return;
  }
  const YearGraphLayout layout(area, data.DayCount());
  const Axis eq = AxisOf(TableKind::EquationOfTime);
  const Axis dec = AxisOf(TableKind::SolarDeclination);
  PaintValueGrid(p, layout.EquationPlot(), eq, Texts::tr("Equation of time (min)"));
  PaintValueGrid(p, layout.DeclinationPlot(), dec, Texts::tr("Solar declination (°)"));
  PaintMonths(p, layout, data, area);

  const QFontMetricsF metrics(p.font());
  // The starts of the seasons stand a row above the equinoxes and
  // solstices, so that neighbours 45 days apart keep clear of each other.
  const double seasonY = layout.EquationPlot().top() - 8;
  for (std::size_t s = 0; s < data.seasonDays.size(); ++s) {
    const double y = s % 2 == 0 ? seasonY - metrics.height() - 3 : seasonY;
    PaintDayLine(p, layout, data.seasonDays[s], kInkColour, Qt::DotLine, SeasonName(s), y);
  }
  const double markY = layout.DeclinationPlot().top() - 8;
  if (data.designDay) {
    PaintDayLine(p, layout, *data.designDay, kDesignDayColour, Qt::SolidLine,
                 Texts::tr("Design day"), markY);
  }
  if (data.today) {
    // Inside the lower plot, so that it never meets the design day's label.
    PaintDayLine(p, layout, *data.today, kTodayColour, Qt::SolidLine, {}, 0);
    const QString label = Texts::tr("Today");
    const QSizeF ground(metrics.horizontalAdvance(label) + 4, metrics.height() + 2);
    const QString title = Texts::tr("Solar declination (°)");
    const QRectF titleBox(layout.DeclinationPlot().topLeft() + QPointF(6, 3),
                          QSizeF(metrics.horizontalAdvance(title), metrics.height()));
    PaintLabel(p, TodayLabelBox(layout, data, *data.today, ground, titleBox), kTodayColour, label);
  }
  PaintCurve(p, layout, layout.EquationPlot(), eq, data, &YearGraphDay::equationMinutes,
             kEquationColour);
  PaintCurve(p, layout, layout.DeclinationPlot(), dec, data, &YearGraphDay::declinationDegrees,
             kDeclinationColour);
  if (hoverDay && *hoverDay >= 1 && *hoverDay <= data.DayCount()) {
    PaintReadout(p, layout, data, *hoverDay);
  }
  p.restore();
}
