// The emf side of the builder: the page-to-device mapping of the mapping
// modes, the world transform, the stock objects and the path bracket.
// Internal to the metafile reader.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "MetafileBuilder.h"

namespace metafile::detail {

class EmfBuilder : public Builder {
 public:
  Point frameOrigin;
  double millimetersPerPixelX = 0.25;
  double millimetersPerPixelY = 0.25;
  std::map<uint32_t, GdiObject> objects;
  // Path bracket: figures collected instead of drawn.
  bool inPath = false;
  std::vector<std::vector<Point>> path;  // logical units
  std::vector<bool> pathClosed;

  Point PageToDevice(Point p) const;

  Point Map(Point p) const override {
    const Point device = PageToDevice(dc.world.Apply(p));
    return {device.x - frameOrigin.x, device.y - frameOrigin.y};
  }

  // A stock object, selected by an index with the top bit set.
  GdiObject Stock(uint32_t index) const;

  void Figure(std::vector<Point> points, bool closed, bool continueCurrent);
  // The figures of a poly record: collected while a path is open, drawn
  // otherwise.
  void PolyFigures(std::vector<std::vector<Point>> figures, bool closed);
  // Fills and/or strokes the collected figures, then forgets them.
  void PathOps(bool fill, bool stroke);

  void ClearPath() {
    path.clear();
    pathClosed.clear();
  }
};

}  // namespace metafile::detail
