// A printed page as a list of shapes in millimetres, each on its layer: what
// the layered SVG and the DXF file are written from. The page is drawn by
// the print job's own routines onto a surface whose pixel is a hundredth of
// a millimetre, so the shapes keep that precision.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "DrawTarget.h"
#include "EngineErrors.h"
#include "Geometry.h"
#include "QPainterDrawTarget.h"

class MainModel;
class QBuffer;
class QSvgGenerator;
struct PageRequest;

enum class LayeredShape { Line, Polyline, Polygon, Rectangle, Ellipse, Text };

struct LayeredItem {
  LayeredShape shape = LayeredShape::Line;
  DrawLayer layer = DrawLayer::Face;
  // Page millimetres, x right and y down from the paper's top-left corner.
  // A rectangle or ellipse has the two corners of its box; a text its
  // unrotated top-left corner.
  std::vector<UserPoint> points;
  ColorRef stroke = 0;
  double strokeWidth = 0;  // millimetres
  PenStyle strokeStyle = PenStyle::Solid;
  bool filled = false;
  ColorRef fill = 0;

  // A text: its lines (CR LF apart), the document's font name, and the
  // font's measures in millimetres.
  std::string text;
  std::string fontName;
  double emSize = 0;
  double ascent = 0;
  double lineHeight = 0;
  double capHeight = 0;
  int weight = 400;
  bool italic = false;
  double angle = 0;  // degrees, counter-clockwise on the page
};

struct LayeredPage {
  double width = 0;  // of the paper, millimetres
  double height = 0;
  // Where the dial's lines have their origin (the style's root, as the
  // lines command counts them), in page millimetres.
  UserPoint origin;
  std::vector<LayeredItem> items;
};

// Keeps every primitive instead of painting it; text is measured as on
// paper, so the page is laid out as the PDF and PNG are.
class LayeredPageTarget : public QPainterDrawTarget {
 public:
  LayeredPageTarget(QPainter& painter, std::vector<LayeredItem>& items);

  DrawLayer Layer() const override { return layer_; }
  void setLayer(DrawLayer layer) override { layer_ = layer; }

  void PaintPicture(std::string_view source, double x, double y, double width,
                    double height) override;
  void DeviceLine(DevicePoint from, DevicePoint to) override;
  void DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) override;
  void DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) override;
  void DevicePolygon(const std::vector<DevicePoint>& points) override;
  void DevicePolyline(const std::vector<DevicePoint>& points) override;
  void DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) override;

 private:
  LayeredItem& Add(LayeredShape shape, const std::vector<DevicePoint>& points, bool closed);
  UserPoint Millimetres(DevicePoint p) const;

  QPaintDevice* device_;
  std::vector<LayeredItem>& items_;
  DrawLayer layer_ = DrawLayer::Face;
};

// The layer's name in the files: "face", "hour-lines", … "fold".
const char* LayerName(DrawLayer layer);

// Draws the requested page as export draws it and keeps its shapes. Ok, or
// the failure's status with the last-error record filled.
Status RecordLayeredPage(MainModel& main, const PageRequest& request, LayeredPage& page);
