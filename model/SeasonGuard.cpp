#include "SeasonGuard.h"

#include "Chart.h"

SeasonGuard::SeasonGuard(Chart& chart)
    : chart_(chart),
      calcSeason_(chart.Season().CalcSeason()),
      calcDate_(chart.Season().CalcDate()),
      equationOfTime_(chart.Season().EquationOfTime()),
      solarDeclination_(chart.Season().SolarDeclination()) {}

SeasonGuard::~SeasonGuard() {
  ChartSeason& season = chart_.Season();
  // The values were the chart's own, so the engine takes them back; the
  // equation and declination last, as a dial for no particular day keeps
  // its own equation of time.
  static_cast<void>(TrapStatus([&] {
    if (calcSeason_ != 0) {
      season.setCalcSeason(calcSeason_);
    } else {
      season.setCalcDate(calcDate_);
    }
    season.setEquationOfTime(equationOfTime_);
    season.setSolarDeclination(solarDeclination_);
  }));
}
