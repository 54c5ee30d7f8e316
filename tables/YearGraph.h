// The year's equation of time and solar declination as a picture: the data
// taken from the chart, where each day stands, and the painting shared by
// the window and the saved PNG and SVG files.
#pragma once

#include <QRectF>
#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "EngineErrors.h"

class MainModel;
class QFont;
class QPainter;

struct YearGraphDay {
  int month = 1;
  int day = 1;
  double equationMinutes = 0;
  double declinationDegrees = 0;
};

struct YearGraphData {
  std::vector<YearGraphDay> days;   // day number n at index n - 1
  std::array<int, 8> seasonDays{};  // start of spring … winter solstice
  std::optional<int> designDay;     // the day a dial corrected for one day is made for
  std::optional<int> today;

  int DayCount() const { return static_cast<int>(days.size()); }
};

// The two tables and the eight season days from the chart, with the design's
// day and `today` as day numbers. The chart's season is put back. Ok, or
// the failure's status with the last-error record filled.
Status BuildYearGraphData(MainModel& model, std::chrono::year_month_day today, YearGraphData& data);

// Where the two plots and each day stand within the picture's rectangle.
class YearGraphLayout {
 public:
  YearGraphLayout(const QRectF& area, int dayCount);

  const QRectF& EquationPlot() const { return equation_; }
  const QRectF& DeclinationPlot() const { return declination_; }
  double XOfDay(double dayNumber) const;
  // The nearest day to an x, or none outside the plots' width.
  std::optional<int> DayAt(double x) const;
  static double YOf(const QRectF& plot, double value, double minimum, double maximum);

 private:
  QRectF equation_;
  QRectF declination_;
  int dayCount_;
};

// Where the label of `day`'s line stands in the declination plot, a box of
// `size` clear of the curve and of `avoid` (the plot's title): at the foot,
// else at the head, else just above or below the curve.
QRectF TodayLabelBox(const YearGraphLayout& layout, const YearGraphData& data, int day, QSizeF size,
                     const QRectF& avoid);

// "March 5  Equation of time -11.6 min  Solar declination -6.12°"
QString YearGraphReadout(const YearGraphData& data, int dayNumber);

// Paints the whole picture into `area`, with the read-out of `hoverDay`.
void PaintYearGraph(QPainter& painter, const QRectF& area, const YearGraphData& data,
                    std::optional<int> hoverDay = std::nullopt);
