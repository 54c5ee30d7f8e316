// What every dial routine shares: the drawing pass, pens, fonts, colours by
// target kind, the primitives that draw in device pixels, rotated text and
// the error convention.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "DialDesign.h"
#include "DialRoutines.h"
#include "DrawTarget.h"
#include "EngineErrors.h"
#include "Geometry.h"
#include "ValueText.h"

// The run-time fault a routine meets when its own logic fails.
inline constexpr int32_t kInternalErrorNumber = 51;

// Nearest integer, halves to the even neighbour; a value outside the 32-bit
// range (or not a number) raises the overflow error.
int32_t RoundToInt32(double value);

// One call of a dial routine: where it draws and how.
struct DrawPass {
  DialDesign design;
  DrawTarget& target;
  DrawTargetKind kind;
  double zoom;
  int32_t clockState;  // only meaningful on the clock picture

  DrawPass(DialDesign d, DrawTarget& t, double z, int32_t state = 0)
      : design(d), target(t), kind(t.Kind()), zoom(z), clockState(state) {}

  bool OnPaper() const {
    return kind == DrawTargetKind::PrinterPage || kind == DrawTargetKind::PreviewPicture;
  }
  bool OnClock() const { return kind == DrawTargetKind::ClockPicture; }
  // Any other surface is drawn on with the pen, brush and colours it has.
  bool SetsPens() const { return OnPaper() || OnClock(); }
  double Latitude() const { return design.chart.Location().Latitude(); }
};

// Sign of a value: -1, 0 or +1.
double SignOf(double value);

// The dial's plane for a latitude: the root of the style at the centre, the
// foot of the gnomon's vertical edge on the middle ring.
struct DialGeometry {
  UserPoint centre;
  double sign;          // of the latitude
  double middleRadius;  // also the gnomon's base
  double edgeHeight;    // the gnomon's vertical edge, negative in the south

  UserPoint Foot() const { return {centre.x, centre.y - sign * middleRadius}; }
  // The end of a shadow of the given length that the top of the vertical
  // edge throws away from the sun's azimuth (magnification x edgeHeight for
  // the whole shadow).
  UserPoint ShadowTip(double azimuth, double length) const;
  // The point at a radius in the page direction theta (degrees).
  UserPoint AtRadius(double theta, double radius) const;
};
DialGeometry DialGeometryOf(const DialLayout& layout, double latitude);

// The dial pen in device pixels: dialOption.lineWidth (points) times zoom,
// at least ThinnestPenWidth; one pixel on the clock picture.
int32_t DialPenWidth(const DrawPass& pass);
void SetPen(DrawTarget& target, PenMode mode, PenStyle style, int32_t width);
// Line weights on the sheet in millimetres: a device hairline (a twentieth
// of a millimetre on a printer) is too faint to cut or fold by.
inline constexpr double kCutLineMm = 0.3;
inline constexpr double kFoldLineMm = 0.25;
inline constexpr double kThinnestLineMm = 0.2;
// The placement marks' rings, in millimetres (the dot inside is half).
inline constexpr double kMarkRingRadius = 1.5;
// A length on the sheet as a pen width in device pixels, at least one. On
// paper the user unit is the sheet's millimetre (the preview's included).
int32_t SheetPenWidth(const DrawTarget& target, double millimetres);
// The thinnest pen a pass draws with: kThinnestLineMm on paper, one pixel
// elsewhere.
int32_t ThinnestPenWidth(const DrawPass& pass);
// The standard set-up: copy pen, solid, the dial pen.
void SetDialPen(const DrawPass& pass);
// Texts and frames: a solid one-pixel copy pen and no fill.
void SetThinPen(DrawTarget& target);

// The font for the page's words in the reader's language: under English the
// Japanese default information font becomes Arial.
FontSpec LanguageFont(FontSpec font);
// A settings font as a routine assigns it (in the LanguageFont): size times
// zoom on paper (and on other surfaces), unchanged on the clock picture.
FontSpec ScaledFont(const FontSpec& font, const DrawPass& pass);

// The letters N S E W: the clock's font on the clock picture; on paper the
// dial's, smaller with a dial smaller than A4's so that they keep to the
// gap between dial and gnomon.
FontSpec OrientationLetterFont(const DrawPass& pass, const DialLayout& layout);

// The clock colours of a ClockState: day for 0, night for 1, none otherwise.
const ClockColorSettings* ClockColorsFor(const Settings& settings, int32_t clockState);

// The colours that the dial face shares with the clock face.
struct FaceColors {
  ColorRef timeLine;
  ColorRef orientationLine;
  ColorRef hourLine;
  ColorRef minuteLine;
  ColorRef timeFill;
  ColorRef innerFill;
  ColorRef orientationFont;
  ColorRef timeFont;
};
// DialColor on paper, the clock colours of the state on the clock picture,
// nothing on any other surface (or for an unknown clock state).
std::optional<FaceColors> FaceColorsFor(const DrawPass& pass);

// Device primitives in user units: every value converted with ScaleX (x and
// radii) or ScaleY (y) in single precision and rounded.
void PixelLine(DrawTarget& target, double x1, double y1, double x2, double y2);
void PixelCircle(DrawTarget& target, double x, double y, double r);
void PixelRectangle(DrawTarget& target, double x1, double y1, double x2, double y2);
void PixelPolygon(DrawTarget& target, std::span<const UserPoint> points);
void PixelPolyline(DrawTarget& target, std::span<const UserPoint> points);
// Text turned counter-clockwise by the angle about its top-left corner (x, y).
void RotatedText(DrawTarget& target, double x, double y, std::string_view text, double angle);
// Upright text on a box of the background's colour, so that the lines drawn
// before it do not run through it.
void TextOnCleared(DrawTarget& target, double x, double y, std::string_view text,
                   ColorRef background);

// Empties the chart's sun positions when the routine that filled them ends,
// on success and on failure alike.
class SolarsLease {
 public:
  explicit SolarsLease(Chart& chart) : chart_(chart) { chart_.RemoveSolars(); }
  ~SolarsLease() { chart_.RemoveSolars(); }
  SolarsLease(const SolarsLease&) = delete;
  SolarsLease& operator=(const SolarsLease&) = delete;

  // AddSolars, raising the chart's error on failure.
  const ChartSolars& Add(double startTime, double endTime, int16_t interval);

 private:
  Chart& chart_;
};

// A fault of the platform (memory, a device) as the error a routine reports.
ErrorRecord RecordFault(const std::exception& fault);

// The routine convention: clear the last-error record, run the body, and on
// any failure record the error and return its status.
template <typename Body>
Status RunDrawRoutine(DialDesign design, Body&& body) {
  design.errors.Clear();
  return TrapStatus(design.errors, std::forward<Body>(body), RecordFault);
}
