#include "MainModel.h"

#include "LocalDate.h"
#include "Paths.h"
#include "ZonePlace.h"

namespace {

// Start-up steps are independent: one that the engine refuses keeps the
// engine's own default and the next one still runs.
template <typename Step>
void IgnoringErrors(Step step) {
  static_cast<void>(TrapStatus(step));
}

// Without a chosen day the dial is laid out for the local summer solstice:
// season 4 in the north, 8 in the south.
int32_t SummerSolsticeSeason(double latitude) {
  return latitude < 0 ? 8 : 4;
}

}  // namespace

MainModel::MainModel() {
  const CalendarDate today = Today();
  season.adjustEquation = false;
  season.seasonDate = today;
  general.debugMode = false;
  dialOption.picture = FindDataFile("bkgcolor.wmf");

  IgnoringErrors([&] { chart_.setCompatible(true); });
  IgnoringErrors([&] { chart_.setLeapYear(chart_.IsLeapYear(static_cast<int16_t>(today.year))); });
  IgnoringErrors([&] { chart_.setTimeSystem(kMeanStandardTime); });
  IgnoringErrors([&] { chart_.setIncludeRiseSet(true); });

  // Akashi unless the computer's zone names a place elsewhere: a dial for
  // Akashi on a computer in Berlin would read its noon at 3:00.
  ChartLocation& location = chart_.Location();
  const ZonePlace place = DefaultDesignPlace();
  IgnoringErrors([&] { location.setName(place.Name()); });
  IgnoringErrors([&] { location.setLatitude(place.latitude); });
  IgnoringErrors([&] { location.setLongitude(place.longitude); });
  IgnoringErrors([&] { location.setTimeZone(place.timeZone); });

  IgnoringErrors([&] { chart_.Season().setCalcSeason(SummerSolsticeSeason(location.Latitude())); });
  IgnoringErrors([&] { chart_.Season().setEquationOfTime(0); });
}

Status MainModel::ApplySeason() {
  lastError.Clear();
  return TrapStatus(lastError, [&] {
    ChartSeason& chartSeason = chart_.Season();
    if (season.adjustEquation) {
      const CalcDateArray monthDay{static_cast<int16_t>(season.seasonDate.month),
                                   static_cast<int16_t>(season.seasonDate.day)};
      int16_t dayNumber = 0;
      if (!chart_.ConvTotalDays(monthDay, dayNumber).ok()) RaiseChartError(chart_);
      chartSeason.setCalcDate(dayNumber);
    } else {
      chartSeason.setCalcSeason(SummerSolsticeSeason(chart_.Location().Latitude()));
      chartSeason.setEquationOfTime(0);
    }
  });
}

void MainModel::setPrinter(std::shared_ptr<PrinterSetup> printer) {
  printer_ = printer ? std::move(printer) : std::make_shared<NoPrinterSetup>();
}
