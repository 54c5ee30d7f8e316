// A sheet and a print document that only record what the page sequence
// does with them: no pixels, just the printable size and the job's steps.
#pragma once

#include <string>
#include <vector>

#include "DrawTarget.h"
#include "PrintDevice.h"
#include "EngineErrors.h"

class FakeSheet : public DrawTarget {
 public:
  FakeSheet(double width, double height) : width_(width), height_(height) {}

  DrawTargetKind Kind() const override { return DrawTargetKind::PrinterPage; }
  ScaleUnit ScaleMode() const override { return ScaleUnit::Millimeters; }
  double ScaleX(double v, ScaleUnit, ScaleUnit) const override { return v; }
  double ScaleY(double v, ScaleUnit, ScaleUnit) const override { return v; }
  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  double ScaleLeft() const override { return 0; }
  double ScaleTop() const override { return 0; }
  double Width() const override { return width_ * 1440 / 25.4; }
  double Height() const override { return height_ * 1440 / 25.4; }
  double TextWidth(std::string_view) const override { return 0; }
  double TextHeight(std::string_view) const override { return 0; }
  const FontSpec& Font() const override { return font_; }
  void setFont(const FontSpec& font) override { font_ = font; }
  ColorRef ForeColor() const override { return 0; }
  void setForeColor(ColorRef) override {}
  ColorRef FillColor() const override { return 0; }
  void setFillColor(ColorRef) override {}
  BrushStyle FillStyle() const override { return BrushStyle::Transparent; }
  void setFillStyle(BrushStyle) override {}
  PenMode DrawMode() const override { return PenMode::CopyPen; }
  void setDrawMode(PenMode) override {}
  PenStyle DrawStyle() const override { return PenStyle::Solid; }
  void setDrawStyle(PenStyle) override {}
  int32_t DrawWidth() const override { return 1; }
  void setDrawWidth(int32_t) override {}
  void PaintPicture(std::string_view, double, double, double, double) override {}
  void DeviceLine(DevicePoint, DevicePoint) override {}
  void DeviceEllipse(DevicePoint, DevicePoint) override {}
  void DeviceRectangle(DevicePoint, DevicePoint) override {}
  void DevicePolygon(const std::vector<DevicePoint>&) override {}
  void DeviceText(DevicePoint, std::string_view, const DeviceFont&) override {}

 private:
  double width_;
  double height_;
  FontSpec font_;
};

// Records the job's steps into a shared log ("start", "new page", "end", "kill").
class FakeDocument : public PrintDevice {
 public:
  FakeDocument(std::vector<std::string>& log, int16_t paper, int16_t orientation, double width,
               double height)
      : log_(log), paper_(paper), orientation_(orientation), sheet_(width, height) {}

  int16_t PaperSize() const override { return paper_; }
  int16_t Orientation() const override { return orientation_; }
  void StartDoc() override {
    if (failStart) RaiseError(482, "Printer", "start refused");
    log_.push_back("start");
  }
  DrawTarget& Page() override { return sheet_; }
  void NewPage() override { log_.push_back("new page"); }
  void EndDoc() override {
    if (failEnd) RaiseError(75, "Printer", "end refused");
    log_.push_back("end");
  }
  void KillDoc() noexcept override { log_.push_back("kill"); }

  bool failStart = false;
  bool failEnd = false;

 private:
  std::vector<std::string>& log_;
  int16_t paper_;
  int16_t orientation_;
  FakeSheet sheet_;
};
