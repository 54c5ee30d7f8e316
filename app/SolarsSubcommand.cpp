// umbrafex solars: the sun positions of a design's hour lines, as the dial
// face asks the engine for them, in comma-separated form.
#include <ostream>
#include <sstream>
#include <string>

#include "CommandHelp.h"
#include "CommonOptions.h"
#include "MainModel.h"
#include "NumberText.h"
#include "Subcommands.h"

namespace {

constexpr std::string_view kSynopsis = kSolarsSynopsis;

// The series that the model's time range asks for; raises the engine's error.
const ChartSolars& BuildSeries(MainModel& model) {
  Chart& chart = model.Chart();
  chart.RemoveSolars();
  const CalcTimeSettings& range = model.calcTime;
  if (!chart.AddSolars(range.startTime, range.endTime, range.interval).ok()) RaiseChartError(chart);
  return *chart.Solars();
}

// Summary line, header and one line per point in collection order.
std::string SeriesText(const ChartSolars& solars) {
  std::ostringstream text;
  text << "# StartTime=" << FormatGeneralNumber(solars.StartTime())
       << ",EndTime=" << FormatGeneralNumber(solars.EndTime()) << ",Interval=" << solars.Interval()
       << ",Count=" << solars.CountSolars() << '\n';
  text << "Index,IndexKey,CalcTime,HourAngle,Altitude,Azimuth,Magnification\n";
  for (const ChartSolar& solar : solars) {
    text << solar.Index() << ',' << solar.IndexKey() << ',' << FormatGeneralNumber(solar.CalcTime())
         << ',' << FormatGeneralNumber(solar.HourAngle()) << ','
         << FormatGeneralNumber(solar.Altitude()) << ',' << FormatGeneralNumber(solar.Azimuth())
         << ',' << FormatGeneralNumber(solar.Magnification()) << '\n';
  }
  return text.str();
}

}  // namespace

int RunSolarsSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  MainModel model;
  ParsedCommandLine parsed;
  // Sun positions follow the engine's own rules for the interval.
  if (const int status =
          StartCommand(args, {}, 0, kSynopsis, model, parsed, err, IntervalRule::Engine);
      status != kExitOk) {
    return status;
  }
  std::string text;
  if (!TrapStatus(model.lastError, [&] { text = SeriesText(BuildSeries(model)); }).ok()) {
    err << model.lastError.description << '\n';
    return kExitFailure;
  }
  out << text;
  return kExitOk;
}
