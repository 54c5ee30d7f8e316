#include "AnalemmaticSheet.h"

#include <algorithm>
#include <cmath>

#include "Chart.h"
#include "EngineErrors.h"
#include "PlaneSheet.h"
#include "Settings.h"
#include "UiText.h"

namespace {

constexpr double kGap = 6;           // millimetres between the sheet's parts, as on other sheets
constexpr double kTextShare = 0.22;  // of the free height, for the text below the dial
constexpr double kArrowColumn = 14;  // millimetres left of the dial for the north arrow

// The scale no larger than the fitted one whose ratio is a round number
// (1:4, 1:25, 1:40 ...), so that the sheet can say it exactly.
double RoundScale(double fitted) {
  if (fitted >= 1) return 1;
  const double ratio = 1 / fitted;
  const double decade = std::pow(10.0, std::floor(std::log10(ratio)));
  for (double mantissa : {1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 7.0, 8.0, 10.0}) {
    if (mantissa * decade >= ratio * (1 - 1e-12)) return 1 / (mantissa * decade);
  }
  return 1 / (10 * decade);
}

}  // namespace

bool DrawsAnalemmatic(const Settings& settings) {
  return settings.IsAnalemmatic();
}

std::string AnalemmaticLatitudeProblem(double latitude) {
  if (std::fabs(latitude) >= kAnalemmaticLowestLatitude) return "";
  return FillText(TranslateText("DialTexts",
                                "An analemmatic dial needs a latitude of at least %1° north or "
                                "south: nearer the equator its ellipse flattens into a line."),
                  {std::to_string(static_cast<int>(kAnalemmaticLowestLatitude))});
}

std::string ScaleText(double scale) {
  if (scale >= 1 - 1e-9) return TranslateText("DialTexts", "full size");
  const double ratio = 1 / scale;
  if (std::fabs(ratio - std::round(ratio)) < 1e-6)
    return "1:" + std::to_string(std::llround(ratio));
  return "1:" + std::to_string(ratio).substr(0, std::to_string(ratio).find('.') + 2);
}

AnalemmaticSheet LayAnalemmaticSheet(const Settings& settings, const Chart& chart, double width,
                                     double height, const PageMargins& margins,
                                     double paperFactor) {
  const double latitude = chart.Location().Latitude();
  if (const std::string problem = AnalemmaticLatitudeProblem(latitude); !problem.empty()) {
    RaiseError(kInvalidCallNumber, "AnalemmaticSheet", problem);
  }
  AnalemmaticSheet sheet;
  sheet.dial = LayAnalemmaticDial(chart, settings.calcTime.interval, settings.analemmaticMajor);
  const AnalemmaticDial& dial = sheet.dial;

  // The drawing's box at full size: the ellipse, every hour point, the date scale.
  double top = dial.minor, bottom = -dial.minor;
  for (const AnalemmaticHour& h : dial.hours) {
    top = std::max(top, h.at.y);
    bottom = std::min(bottom, h.at.y);
  }
  for (const AnalemmaticDate& d : dial.dates) {
    top = std::max(top, d.y);
    bottom = std::min(bottom, d.y);
  }
  const double band = kLabelBand * paperFactor;
  const double gap = kGap * paperFactor;
  const double arrow = kArrowColumn * paperFactor;
  const double left = margins.left + gap, right = width - margins.right - gap;
  const double areaTop = margins.top + 2 * gap, areaBottom = height - margins.bottom - 2 * gap;
  const double stackBottom = areaBottom - (areaBottom - areaTop) * kTextShare - gap;
  const double across = right - left - 2 * arrow - 2 * band;
  const double down = stackBottom - areaTop - 2 * band;
  const double fit = std::min(across / (2 * dial.major), down / (top - bottom));
  const double scale = RoundScale(std::max(fit, 1e-6));
  const double centreX = (left + right) / 2;
  const double drawnTop = areaTop + (down - (top - bottom) * scale) / 2 + band;
  sheet.map = {centreX, drawnTop + top * scale, scale};
  sheet.arrowLength = std::min(20 * paperFactor, std::max(down, 0.0) / 2);
  sheet.northArrow = {left + arrow / 2, areaTop + band + sheet.arrowLength};
  const double drawnBottom = drawnTop + (top - bottom) * scale + band;
  sheet.textBox = {left, drawnBottom + gap, right, areaBottom};
  return sheet;
}
