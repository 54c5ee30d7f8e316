#include "DxfExport.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <memory>

#include "AnalemmaticSheet.h"
#include "ImageExport.h"
#include "MainModel.h"
#include "OutputErrors.h"
#include "PdfExport.h"
#include "PlaneSheet.h"
#include "PrintJob.h"
#include "SavedImage.h"

namespace {

constexpr const char* kSource = "DxfExport";
constexpr int kInsUnitsMillimetres = 4;
constexpr int kByLayer = 256;
constexpr int kCircleSegments = 72;  // of an ellipse that is no circle

// The layers' colours in the AutoCAD colour index: the cut red and the
// fold yellow, as cutters commonly expect.
int LayerColour(DrawLayer layer) {
  switch (layer) {
    case DrawLayer::HourLines:
      return 5;
    case DrawLayer::DateLines:
      return 3;
    case DrawLayer::HourCurves:
      return 6;
    case DrawLayer::Gnomon:
      return 4;
    case DrawLayer::Cut:
      return 1;
    case DrawLayer::Fold:
      return 2;
    case DrawLayer::Face:
    case DrawLayer::Labels:
      break;
  }
  return 7;
}

// Text beyond ASCII as the \U+XXXX escapes that DXF files before 2007 carry.
std::string DxfString(std::string_view text) {
  std::string out;
  for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
    if (c.unicode() < 0x80) {
      out += static_cast<char>(c.unicode());
    } else {
      char escape[12];
      std::snprintf(escape, sizeof escape, "\\U+%04X", c.unicode());
      out += escape;
    }
  }
  return out;
}

class DrawingWriter {
 public:
  DrawingWriter(DL_Dxf& dxf, DL_WriterA& out, const LayeredPage& page, const DxfScale& scale)
      : dxf_(dxf), out_(out), page_(page), scale_(scale) {}

  void Write() {
    dxf_.writeHeader(out_);
    out_.dxfString(9, "$INSUNITS");
    out_.dxfInt(70, kInsUnitsMillimetres);
    out_.dxfString(9, "$MEASUREMENT");
    out_.dxfInt(70, 1);
    out_.sectionEnd();
    WriteTables();
    WriteBlocks();
    out_.sectionEntities();
    for (const LayeredItem& item : page_.items) WriteItem(item);
    out_.sectionEnd();
    dxf_.writeObjects(out_);
    dxf_.writeObjectsEnd(out_);
    out_.dxfEOF();
  }

 private:
  void WriteTables() {
    out_.sectionTables();
    dxf_.writeVPort(out_);
    out_.tableLinetypes(3);
    dxf_.writeLinetype(out_, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf_.writeLinetype(out_, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf_.writeLinetype(out_, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    out_.tableEnd();
    out_.tableLayers(kDrawLayerCount + 1);
    dxf_.writeLayer(out_, DL_LayerData("0", 0), DL_Attributes("", 7, 0, "CONTINUOUS", 1.0));
    for (int i = 0; i < kDrawLayerCount; ++i) {
      const auto layer = static_cast<DrawLayer>(i);
      dxf_.writeLayer(out_, DL_LayerData(LayerName(layer), 0),
                      DL_Attributes("", LayerColour(layer), 0, "CONTINUOUS", 1.0));
    }
    out_.tableEnd();
    out_.tableStyle(1);
    dxf_.writeStyle(out_, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    out_.tableEnd();
    dxf_.writeView(out_);
    dxf_.writeUcs(out_);
    out_.tableAppid(1);
    dxf_.writeAppid(out_, "ACAD");
    out_.tableEnd();
    dxf_.writeDimStyle(out_, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf_.writeBlockRecord(out_);
    out_.tableEnd();
    out_.sectionEnd();
  }

  void WriteBlocks() {
    out_.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
      dxf_.writeBlock(out_, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
      dxf_.writeEndBlock(out_, name);
    }
    out_.sectionEnd();
  }

  // Page millimetres, y down, to drawing units, y up, from the origin.
  double X(double x) const { return (x - page_.origin.x) * scale_.unitsPerMillimetre; }
  double Y(double y) const { return (page_.origin.y - y) * scale_.unitsPerMillimetre; }

  static DL_Attributes On(DrawLayer layer) {
    return DL_Attributes(LayerName(layer), kByLayer, -1, "BYLAYER", 1.0);
  }

  void Polyline(const std::vector<UserPoint>& points, bool closed, DrawLayer layer) {
    dxf_.writePolyline(out_, DL_PolylineData(static_cast<int>(points.size()), 0, 0, closed ? 1 : 0),
                       On(layer));
    for (const UserPoint& p : points) dxf_.writeVertex(out_, DL_VertexData(X(p.x), Y(p.y), 0, 0));
    dxf_.writePolylineEnd(out_);
  }

  void Ellipse(const LayeredItem& item) {
    const UserPoint a = item.points[0], b = item.points[1];
    const UserPoint c{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double rx = std::abs(b.x - a.x) / 2, ry = std::abs(b.y - a.y) / 2;
    if (std::abs(rx - ry) < 1e-9) {
      dxf_.writeCircle(out_, DL_CircleData(X(c.x), Y(c.y), 0, rx * scale_.unitsPerMillimetre),
                       On(item.layer));
      return;
    }
    std::vector<UserPoint> ring;
    for (int i = 0; i < kCircleSegments; ++i) {
      const double t = 2 * kPi * i / kCircleSegments;
      ring.push_back({c.x + rx * std::cos(t), c.y + ry * std::sin(t)});
    }
    Polyline(ring, true, item.layer);
  }

  // One TEXT per line, at its baseline's left end, the height that of
  // capitals as DXF counts it.
  void Text(const LayeredItem& item) {
    const UserPoint corner = item.points.front();
    double down = item.ascent;
    std::string_view rest = item.text;
    while (true) {
      const size_t end = rest.find('\n');
      std::string_view line = rest.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      const UserPoint at = RotatePoint(corner, item.angle, {corner.x, corner.y + down});
      if (!line.empty()) {
        const double height = item.capHeight * scale_.unitsPerMillimetre;
        dxf_.writeText(out_,
                       DL_TextData(X(at.x), Y(at.y), 0, X(at.x), Y(at.y), 0, height, 1.0, 0, 0, 0,
                                   DxfString(line), "Standard", item.angle * kRadiansPerDegree),
                       On(DrawLayer::Labels));
      }
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
      down += item.lineHeight;
    }
  }

  void WriteItem(const LayeredItem& item) {
    const auto& p = item.points;
    switch (item.shape) {
      case LayeredShape::Line:
        dxf_.writeLine(out_, DL_LineData(X(p[0].x), Y(p[0].y), 0, X(p[1].x), Y(p[1].y), 0),
                       On(item.layer));
        return;
      case LayeredShape::Polyline:
        Polyline(p, false, item.layer);
        return;
      case LayeredShape::Polygon:
        Polyline(p, true, item.layer);
        return;
      case LayeredShape::Rectangle:
        Polyline({p[0], {p[1].x, p[0].y}, p[1], {p[0].x, p[1].y}}, true, item.layer);
        return;
      case LayeredShape::Ellipse:
        Ellipse(item);
        return;
      case LayeredShape::Text:
        Text(item);
        return;
    }
  }

  DL_Dxf& dxf_;
  DL_WriterA& out_;
  const LayeredPage& page_;
  DxfScale scale_;
};

}  // namespace

std::string DxfText(const LayeredPage& page, const DxfScale& scale) {
  // dxflib writes only to a named file: a private scratch one.
  QTemporaryDir scratch;
  if (!scratch.isValid()) return "";
  const QByteArray name = scratch.filePath(QStringLiteral("page.dxf")).toLocal8Bit();
  {
    DL_Dxf dxf;
    const std::unique_ptr<DL_WriterA> out(dxf.out(name.constData(), DL_Codes::AC1015));
    if (!out) return "";
    DrawingWriter(dxf, *out, page, scale).Write();
    out->close();
  }
  QFile written(QString::fromLocal8Bit(name));
  if (!written.open(QIODevice::ReadOnly)) return "";
  return written.readAll().toStdString();
}

namespace {

// The face's width as the page lays it out without a face size.
double FittedFaceWidth(MainModel& main, const PageRequest& request) {
  if (DrawsOnPlaneSheet(main, main.Chart())) {
    const SheetSize paper = PaperSheetSize(request.paperSize, request.orientation);
    return LayPlaneSheet(main, main.Chart(), paper.width, paper.height, PageMargins{},
                         PaperFactor(request.paperSize), request.pageCount)
        .faces.front()
        .dial.face.Width();
  }
  return 2 * PlanPaperSheet(main, request.paperSize, request.orientation, request.pageCount)
                 .layout.outerRadius;
}

bool PaperHoldsFace(MainModel& main, const PageRequest& request) {
  if (!DrawsOnPlaneSheet(main, main.Chart())) {
    return PagesHold(main, request.paperSize, request.orientation, request.pageCount);
  }
  const SheetSize paper = PaperSheetSize(request.paperSize, request.orientation);
  return !LayPlaneSheet(main, main.Chart(), paper.width, paper.height, PageMargins{},
                        PaperFactor(request.paperSize), request.pageCount)
              .oversize;
}

// A drawing has no paper: a face larger than the paper is recorded as the
// page fits it and drawn to the face's size. Returns that scale, 1 for a
// page at its printed size.
double RecordAtFaceSize(MainModel& main, const PageRequest& request, LayeredPage& page,
                        Status& status) {
  const double size = main.dialOption.faceSize;
  if (!(size > 0) || DrawsAnalemmatic(main) || PaperHoldsFace(main, request)) {
    status = RecordLayeredPage(main, request, page);
    return 1;
  }
  main.dialOption.faceSize = 0;
  double scale = 1;
  status = TrapStatus(main.lastError, [&] {
    scale = size / FittedFaceWidth(main, request);
    return Status::Ok();
  });
  if (status.ok()) status = RecordLayeredPage(main, request, page);
  main.dialOption.faceSize = size;
  return scale;
}

}  // namespace

Status ExportDxf(MainModel& main, const std::string& path, const PageRequest& request) {
  LayeredPage page;
  Status recorded;
  const double scale = RecordAtFaceSize(main, request, page, recorded);
  if (!recorded.ok()) return recorded;
  return TrapStatus(main.lastError, [&] {
    const std::string text = DxfText(page, {scale});
    if (text.empty() || !WriteEncodedFile(path, QByteArray::fromStdString(text))) {
      RaiseCannotWrite(kSource, path);
    }
    return Status::Ok();
  });
}
