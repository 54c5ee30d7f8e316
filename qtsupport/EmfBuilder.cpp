#include "EmfBuilder.h"

#include <algorithm>
#include <cmath>

namespace metafile::detail {
namespace {

// How page units reach device pixels.
enum class MapMode {
  Text = 1,
  LoMetric = 2,
  HiMetric = 3,
  LoEnglish = 4,
  HiEnglish = 5,
  Twips = 6,
  Isotropic = 7,
  Anisotropic = 8,
};

enum class StockObject : uint32_t {
  WhiteBrush = 0,
  LightGrayBrush = 1,
  GrayBrush = 2,
  DarkGrayBrush = 3,
  BlackBrush = 4,
  NullBrush = 5,
  WhitePen = 6,
  BlackPen = 7,
  NullPen = 8,
  DcBrush = 18,
  DcPen = 19,
};

}  // namespace

Point EmfBuilder::PageToDevice(Point p) const {
  const Point w{p.x - dc.windowOrg.x, p.y - dc.windowOrg.y};
  double sx = 1, sy = 1;
  const double pxPerMmX = 1 / millimetersPerPixelX, pxPerMmY = 1 / millimetersPerPixelY;
  switch (static_cast<MapMode>(dc.mapMode)) {
    case MapMode::LoMetric:
      sx = 0.1 * pxPerMmX, sy = -0.1 * pxPerMmY;
      break;
    case MapMode::HiMetric:
      sx = 0.01 * pxPerMmX, sy = -0.01 * pxPerMmY;
      break;
    case MapMode::LoEnglish:
      sx = 0.254 * pxPerMmX, sy = -0.254 * pxPerMmY;
      break;
    case MapMode::HiEnglish:
      sx = 0.0254 * pxPerMmX, sy = -0.0254 * pxPerMmY;
      break;
    case MapMode::Twips:
      sx = 25.4 / 1440 * pxPerMmX, sy = -25.4 / 1440 * pxPerMmY;
      break;
    case MapMode::Isotropic:
    case MapMode::Anisotropic:
      sx = dc.windowExt.x == 0 ? 1 : dc.viewportExt.x / dc.windowExt.x;
      sy = dc.windowExt.y == 0 ? 1 : dc.viewportExt.y / dc.windowExt.y;
      if (static_cast<MapMode>(dc.mapMode) == MapMode::Isotropic) {
        const double s = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(s, sx);
        sy = std::copysign(s, sy);
      }
      break;
    default:
      break;  // Text: one unit a device pixel
  }
  return {w.x * sx + dc.viewportOrg.x, w.y * sy + dc.viewportOrg.y};
}

GdiObject EmfBuilder::Stock(uint32_t index) const {
  const auto object = static_cast<StockObject>(index & 0x7FFFFFFFu);
  switch (object) {
    case StockObject::WhiteBrush:
      return BrushFromStyle(0, {255, 255, 255}, 0);
    case StockObject::LightGrayBrush:
      return BrushFromStyle(0, {192, 192, 192}, 0);
    case StockObject::GrayBrush:
      return BrushFromStyle(0, {128, 128, 128}, 0);
    case StockObject::DarkGrayBrush:
      return BrushFromStyle(0, {64, 64, 64}, 0);
    case StockObject::BlackBrush:
      return BrushFromStyle(0, {0, 0, 0}, 0);
    case StockObject::NullBrush:
      return BrushFromStyle(1, {}, 0);
    case StockObject::WhitePen:
    case StockObject::BlackPen:
    case StockObject::DcPen: {
      LogicalPen pen;
      pen.cosmetic = true;
      pen.pen.color = object == StockObject::WhitePen ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
      return pen;
    }
    case StockObject::NullPen: {
      LogicalPen pen;
      pen.visible = false;
      pen.pen.style = LineStyle::None;
      return pen;
    }
    case StockObject::DcBrush:
      return BrushFromStyle(0, {255, 255, 255}, 0);
    default:
      return LogicalFont{};
  }
}

void EmfBuilder::Figure(std::vector<Point> points, bool closed, bool continueCurrent) {
  if (continueCurrent && !path.empty() && !pathClosed.back()) {
    path.back().insert(path.back().end(), points.begin(), points.end());
  } else {
    path.push_back(std::move(points));
    pathClosed.push_back(closed);
  }
  if (closed) pathClosed.back() = true;
}

void EmfBuilder::PolyFigures(std::vector<std::vector<Point>> figures, bool closed) {
  if (inPath) {
    for (auto& figure : figures) Figure(std::move(figure), closed, false);
  } else {
    AddFigures(closed ? Shape::Polygon : Shape::Polyline, std::move(figures));
  }
}

void EmfBuilder::PathOps(bool fill, bool stroke) {
  std::vector<std::vector<Point>> closedFigures, allFigures;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i].size() < 2) continue;
    closedFigures.push_back(path[i]);
    std::vector<Point> outline = path[i];
    if (pathClosed[i]) outline.push_back(outline.front());
    allFigures.push_back(std::move(outline));
  }
  if (fill && !closedFigures.empty()) {
    const LogicalPen pen = dc.pen;
    dc.pen.visible = false;
    AddFigures(Shape::Polygon, std::move(closedFigures));
    dc.pen = pen;
  }
  if (stroke && !allFigures.empty()) AddFigures(Shape::Polyline, std::move(allFigures));
  ClearPath();
}

}  // namespace metafile::detail
