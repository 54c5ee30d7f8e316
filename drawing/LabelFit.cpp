#include "LabelFit.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "Geometry.h"

namespace {

// Half the angle a tangential label takes, seen from the centre at its
// inner edge (the narrower side, so the estimate errs towards room).
double HalfAngle(const RingLabel& label, double scale, double radius, double gap) {
  const double inner = std::max(radius - label.height * scale / 2, radius / 4);
  return std::atan((label.width * scale + gap) / 2 / inner) / kRadiansPerDegree;
}

double Apart(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360 - d);
}

bool Clear(const std::vector<RingLabel>& labels, const std::vector<bool>& shown, size_t i,
           double scale, double radius, double gap) {
  for (size_t j = 0; j < labels.size(); ++j) {
    if (j == i || !shown[j]) continue;
    const double needed =
        HalfAngle(labels[i], scale, radius, gap) + HalfAngle(labels[j], scale, radius, gap);
    if (Apart(labels[i].theta, labels[j].theta) < needed) return false;
  }
  return true;
}

bool AllClear(const std::vector<RingLabel>& labels, double scale, double radius, double gap) {
  const std::vector<bool> all(labels.size(), true);
  for (size_t i = 0; i < labels.size(); ++i) {
    if (!Clear(labels, all, i, scale, radius, gap)) return false;
  }
  return true;
}

// Noon and midnight first, then the quarter days, every third, every
// second hour, and the rest.
int Rank(int hour) {
  if (hour % 12 == 0) return 0;
  if (hour % 6 == 0) return 1;
  if (hour % 3 == 0) return 2;
  if (hour % 2 == 0) return 3;
  return 4;
}

}  // namespace

RingFit FitRingLabels(const std::vector<RingLabel>& labels, double radius, double gap,
                      double minScale, double maxScale) {
  RingFit fit;
  fit.shown.assign(labels.size(), true);
  for (double scale = std::min(1.0, maxScale); scale > minScale; scale -= 0.05) {
    if (AllClear(labels, scale, radius, gap)) {
      fit.scale = scale;
      return fit;
    }
  }
  fit.scale = std::min(1.0, minScale);
  std::vector<size_t> order(labels.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return Rank(labels[a].hour) < Rank(labels[b].hour); });
  std::fill(fit.shown.begin(), fit.shown.end(), false);
  for (size_t i : order) fit.shown[i] = Clear(labels, fit.shown, i, fit.scale, radius, gap);
  return fit;
}
