#include "NodusChecks.h"

#include <QCoreApplication>
#include <cmath>

#include "MainModel.h"
#include "NodusLines.h"
#include "PrintJob.h"

namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(NodusChecks)
};

std::string Millimetres(double value) {
  return QString::number(value, 'f', 1).toStdString();
}

// An arc fits when its noon point lies between the inner ends of the hour
// lines and the rim. (Every arc but a polar one reaches the rim toward the
// horizon, so only its middle tells whether it can be read.)
bool AnyArcFits(const NodusCurves& curves, double innerRadius) {
  for (const DateLine& line : curves.dates) {
    for (const LineRun& run : line.runs) {
      for (const LinePoint& p : run) {
        if (p.hourAngle == 0 && std::hypot(p.at.x, p.at.y) >= innerRadius) return true;
      }
    }
  }
  return false;
}

}  // namespace

NodusFindings CheckNodus(MainModel& main, int16_t paperSize) {
  NodusFindings found;
  const double factor = PaperFactor(paperSize);
  NodusCurves curves;
  if (!TrapStatus([&] { curves = TraceNodusCurves(main, main.Chart(), 65 * factor); }).ok()) {
    return found;  // a day without sun: the polar-night rules speak
  }
  const NodusPlan& plan = curves.plan;
  if (!plan.Wanted()) return found;
  if (!(plan.height > 0)) return found;
  if (!plan.OnStyle()) {
    found.question = Texts::tr("The nodus at %1 mm stands higher than the gnomon (%2 mm).")
                         .arg(QString::fromStdString(Millimetres(plan.height)),
                              QString::fromStdString(Millimetres(plan.styleTop)))
                         .toStdString();
  } else if (plan.dates != DateLineSet::None && !curves.dates.empty() &&
             !AnyArcFits(curves, 30 * factor)) {
    found.question = Texts::tr(
                         "With the nodus at %1 mm no date line crosses the noon line\n"
                         "between the hour lines' inner ends and the rim.")
                         .arg(QString::fromStdString(Millimetres(plan.height)))
                         .toStdString();
  }
  return found;
}

std::string NodusContinueQuestion(std::string_view caption) {
  return Texts::tr("Go on with %1 anyway?")
      .arg(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())))
      .toStdString();
}
