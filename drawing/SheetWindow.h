// A sheet larger than the paper, drawn a piece at a time: the dial routines
// draw the whole sheet on this target as on any page, and it passes what
// falls inside a window on to the page below, shifted (and for a map of
// the whole, scaled) into place and clipped to the window.
#pragma once

#include <functional>
#include <optional>

#include "DrawTarget.h"
#include "SheetArea.h"

// Which piece of the sheet goes where on the page, in millimetres: the
// sheet's point `from` lands on the page's point `to`, lengths times scale,
// and only the page's box `clip` (left, top, right, bottom) is drawn.
struct SheetWindow {
  UserPoint from;
  UserPoint to;
  double scale = 1;
  double clip[4] = {0, 0, 0, 0};
};

class SheetWindowTarget : public DrawTarget {
 public:
  // The sheet is width x height millimetres; the page's user unit is the
  // millimetre.
  SheetWindowTarget(DrawTarget& page, double width, double height);

  // The page drawn on from now on (a device may give a new one each page).
  void setPage(DrawTarget& page) { page_ = &page; }
  // The piece drawn from now on (sets the page's clip; ClearWindow lifts it).
  void setWindow(const SheetWindow& window);
  void ClearWindow();
  // Instead of drawing, reports the box of every primitive in the sheet's
  // millimetres (nullptr: draw again).
  void setSurvey(std::function<void(const SheetBox&)> survey);
  // Keeps what is drawn from now on instead of drawing it (the pens, fonts
  // and colours still reach the page, for the routines that read them back),
  // so that every window replays one drawing of the sheet.
  void StartRecording();
  void StopRecording() { recording_ = false; }
  // Adds to what was recorded.
  void ResumeRecording() { recording_ = true; }
  void Replay();

  DrawTargetKind Kind() const override { return page_->Kind(); }
  ScaleUnit ScaleMode() const override { return page_->ScaleMode(); }
  double ScaleX(double value, ScaleUnit from, ScaleUnit to) const override {
    return page_->ScaleX(value, from, to);
  }
  double ScaleY(double value, ScaleUnit from, ScaleUnit to) const override {
    return page_->ScaleY(value, from, to);
  }
  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  double ScaleLeft() const override { return 0; }
  double ScaleTop() const override { return 0; }
  double Width() const override;
  double Height() const override;
  ColorRef ButtonFaceColor() const override { return page_->ButtonFaceColor(); }

  double TextWidth(std::string_view text) const override { return page_->TextWidth(text); }
  double TextHeight(std::string_view text) const override { return page_->TextHeight(text); }
  const FontSpec& Font() const override { return page_->Font(); }
  void setFont(const FontSpec& font) override {
    Set([this, font] { page_->setFont(font); });
  }
  ColorRef ForeColor() const override { return page_->ForeColor(); }
  void setForeColor(ColorRef color) override {
    Set([this, color] { page_->setForeColor(color); });
  }
  ColorRef FillColor() const override { return page_->FillColor(); }
  void setFillColor(ColorRef color) override {
    Set([this, color] { page_->setFillColor(color); });
  }
  BrushStyle FillStyle() const override { return page_->FillStyle(); }
  void setFillStyle(BrushStyle style) override {
    Set([this, style] { page_->setFillStyle(style); });
  }
  PenMode DrawMode() const override { return page_->DrawMode(); }
  void setDrawMode(PenMode mode) override {
    Set([this, mode] { page_->setDrawMode(mode); });
  }
  PenStyle DrawStyle() const override { return page_->DrawStyle(); }
  void setDrawStyle(PenStyle style) override {
    Set([this, style] { page_->setDrawStyle(style); });
  }
  int32_t DrawWidth() const override { return drawWidth_; }
  void setDrawWidth(int32_t pixels) override;

  void PaintPicture(std::string_view source, double x, double y, double width,
                    double height) override;
  void DeviceLine(DevicePoint from, DevicePoint to) override;
  void DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) override;
  void DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) override;
  void DevicePolygon(const std::vector<DevicePoint>& points) override;
  void DevicePolyline(const std::vector<DevicePoint>& points) override;
  void DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) override;

 private:
  // A change of state: made now, and kept when recording.
  void Set(std::function<void()> change);
  // A primitive: kept when recording, else drawn.
  void Draw(std::function<void()> primitive);
  void ApplyDrawWidth(int32_t pixels);
  DevicePoint Moved(DevicePoint p) const;
  std::vector<DevicePoint> Moved(const std::vector<DevicePoint>& points) const;
  // Whether a primitive of that pixel box (of the sheet, before moving) is
  // drawn: it reaches into the window. A survey takes it instead.
  bool Passes(DeviceBox box) const;

  DrawTarget* page_;
  double width_;
  double height_;
  SheetWindow window_;
  double offsetX_ = 0;  // page pixels
  double offsetY_ = 0;
  DeviceBox sheetClip_{};  // the window in the sheet's pixels
  int32_t drawWidth_ = 1;
  std::function<void(const SheetBox&)> survey_;
  bool recording_ = false;
  std::vector<std::function<void()>> kept_;
};
