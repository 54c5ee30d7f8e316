// Hour labels around the time ring, fitted so that no two touch: the font
// shrinks as far as a readable size, and where even that is too crowded the
// less important hours give way.
#pragma once

#include <vector>

// One label on the ring: its direction (degrees, counter-clockwise) and its
// extent at the nominal font size, in user units.
struct RingLabel {
  double theta = 0;
  double width = 0;
  double height = 0;
  int hour = 0;  // the clock hour it reads, for its rank
};

struct RingFit {
  double scale = 1;         // of the nominal font size
  std::vector<bool> shown;  // per label
};

// Labels centred on a ring of the radius; gap is the least clear space
// between neighbours, minScale the smallest readable size and maxScale the
// largest that the ring's width holds.
RingFit FitRingLabels(const std::vector<RingLabel>& labels, double radius, double gap,
                      double minScale, double maxScale = 1);
