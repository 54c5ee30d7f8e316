// The texts of a printed dial: the information block in the inner disc, the
// reading and turning sentences at the page corners, the page caption, and
// the margin frame.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "AngleText.h"
#include "CompassDeclination.h"
#include "DialRoutines.h"
#include "DialWords.h"
#include "DrawPass.h"
#include "FaceLines.h"
#include "InformationBlock.h"
#include "NodusLines.h"
#include "ScaleBar.h"
#include "SheetArea.h"
#include "SheetRoom.h"
#include "UiText.h"
#include "Version.h"

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr double kCornerGap = 1;  // millimetres between corner texts

std::string DesignDateText(const CalendarDate& date) {
  return MonthDayText(date.month, date.day);
}

std::string Join(const std::string* lines, size_t count) {
  std::string joined;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) joined += kLineBreak;
    joined += lines[i];
  }
  return joined;
}

void SetTextPen(DrawTarget& t, ColorRef color) {
  SetThinPen(t);
  t.setForeColor(color);
}

// The model's name after a declination that does not come from the
// Japan-area formula: " (WMM2025)".
std::string ModelNote(const CompassDeclination& declination) {
  return declination.model.empty() ? std::string() : " (" + std::string(declination.model) + ")";
}

}  // namespace

std::vector<std::string> InformationLines(DialDesign design, double faceRadius) {
  Chart& chart = design.chart;
  const ChartLocation& place = chart.Location();
  const bool adjusted = design.settings.season.adjustEquation;
  const std::string notSet = TranslateText("DialTexts", "Not set");
  std::vector<std::string> lines(7);
  lines[0] = FillText(TranslateText("DialTexts", "Date: %1"),
                      {adjusted ? DesignDateText(design.settings.season.seasonDate) : notSet});
  lines[1] = FillText(TranslateText("DialTexts", "Place: %1"), {place.Name()});
  lines[2] = FillText(TranslateText("DialTexts", "Latitude: %1"),
                      {AngleText(chart, place.Latitude(), "+-")});
  lines[3] = FillText(TranslateText("DialTexts", "Longitude: %1"),
                      {AngleText(chart, place.Longitude(), "+-")});
  if (chart.TimeSystem() == kTrueSolarTime)
    lines[4] = TranslateText("DialTexts", "Time shown: apparent solar time");
  if (chart.TimeSystem() == kMeanStandardTime)
    lines[4] = TranslateText("DialTexts", "Time shown: standard time");
  const CompassDeclination declination =
      CompassDeclinationOf(chart, design.settings.season.seasonDate.year);
  lines[5] = FillText(TranslateText("DialTexts", "Magnetic declination: %1"),
                      {MagneticDeclinationText(declination.west) + ModelNote(declination)});
  lines[6] = FillText(TranslateText("DialTexts", "Equation of time: %1"),
                      {adjusted ? HoursText(chart, chart.Season().EquationOfTime()) : notSet});
  const NodusPlan nodus = PlanNodus(design.settings, chart, faceRadius);
  if (nodus.Wanted()) {
    char height[32];
    std::snprintf(height, sizeof height, "%.1f mm", nodus.height);
    lines.push_back(FillText(TranslateText("DialTexts", "Nodus height: %1"), {height}));
  }
  return lines;
}

namespace {

// The block's lines are measured one by one: they are drawn so.
double BlockWidth(DrawTarget& t, const std::vector<std::string>& lines) {
  double width = 0;
  for (const std::string& line : lines) width = std::max(width, t.TextWidth(line));
  return width;
}

void DrawInformationBlock(const DrawPass& pass, const PageShare& share) {
  DrawTarget& t = pass.target;
  const DialLayout& l = share.layout;
  const BlockPlace place = PlaceBlock(pass, share);
  // The sheet's fitting leaves room for the block; without it the smallest
  // block stands where it always stood.
  const SheetBox box = place.box ? *place.box : UsualFaceBlockBox(pass, l);
  double y = box.top;
  for (const std::string& line : InformationLines(pass.design, l.middleRadius)) {
    RotatedText(t, box.left, y, line, 0);
    y += t.TextHeight(line);
  }
}

// The corner texts stand a little inside the margin frame, so that the
// guide drawn along it touches no letter (the "g" of "Page").
PageMargins TextMargins(const DrawTarget& t) {
  PageMargins m = PageMarginsOf(t);
  m.left += kCornerGap;
  m.top += kCornerGap;
  m.right += kCornerGap;
  m.bottom += kCornerGap;
  return m;
}

std::string ProductLine() {
  char minor[8];
  std::snprintf(minor, sizeof minor, "%02d", kVersionMinor);
  return std::string(kProductName) + " Version " + std::to_string(kVersionMajor) + "." + minor;
}

FontSpec TitleFont(double zoom) {
  return FontSpec{"Arial", RoundFontSize(10 * zoom), true, false, false, false};
}

// The title line at the top left, in the title font (left on the target).
SheetBox TitleBox(DrawTarget& t, const PageMargins& margins, double zoom) {
  t.setFont(TitleFont(zoom));
  const std::string line = ProductLine();
  return {margins.left, margins.top, margins.left + t.TextWidth(line),
          margins.top + t.TextHeight(line)};
}

// "Page 1/2" at the bottom right, in the title font (left on the target).
SheetBox CaptionBox(DrawTarget& t, const PageMargins& margins, double zoom,
                    const std::string& caption) {
  t.setFont(TitleFont(zoom));
  const double right = t.ScaleWidth() - margins.right;
  const double bottom = t.ScaleHeight() - margins.bottom;
  return {right - t.TextWidth(caption), bottom - t.TextHeight(caption), right, bottom};
}

// How to read the dial against clock time.
std::array<std::string, 2> ReadingSentences(const DialDesign& design) {
  Chart& chart = design.chart;
  std::string clock = TranslateText("DialTexts", "The dial shows standard time.");
  if (chart.TimeSystem() == kTrueSolarTime) {
    const double diff = chart.Season().TimeDiff();
    clock = FillText(TranslateText("DialTexts", "Standard time is the dial's time %1."),
                     {(diff == 0 ? "+" : "") + HoursText(chart, diff)});
  }
  return {clock,
          design.settings.season.adjustEquation
              ? FillText(TranslateText("DialTexts", "Corrected for the equation of time on %1."),
                         {DesignDateText(design.settings.season.seasonDate)})
              : TranslateText("DialTexts",
                              "Correct it for the equation of time on the day you read it.")};
}

// The reading sentences at the top right, below the title where the page is
// too narrow for both on one line; sets the information font.
SheetBox ReadingBox(const DrawPass& pass, const PageMargins& margins) {
  DrawTarget& t = pass.target;
  double top = margins.top;
  std::optional<SheetBox> title;
  if (pass.design.settings.dialOption.printTitle) title = TitleBox(t, margins, pass.zoom);
  t.setFont(ScaledFont(pass.design.settings.dialInformationFont, pass));
  const std::array<std::string, 2> sentences = ReadingSentences(pass.design);
  const double width = std::max(t.TextWidth(sentences[0]), t.TextWidth(sentences[1]));
  const double height = t.TextHeight(sentences[0]) + t.TextHeight(sentences[1]);
  const double right = t.ScaleWidth() - margins.right;
  if (title && right - width < title->right + kCornerGap) top = title->bottom + kCornerGap;
  return {right - width, top, right, top + height};
}

void DrawReadingSentences(const DrawPass& pass, const PageMargins& margins) {
  DrawTarget& t = pass.target;
  const SheetBox box = ReadingBox(pass, margins);
  const std::array<std::string, 2> sentences = ReadingSentences(pass.design);
  RotatedText(t, box.left, box.top, sentences[0], 0);
  RotatedText(t, box.left, box.top + t.TextHeight(sentences[0]), sentences[1], 0);
}

// How far to turn the dial against magnetic north.
std::optional<std::string> TurningSentence(const DialDesign& design) {
  Chart& chart = design.chart;
  const CompassDeclination declination =
      CompassDeclinationOf(chart, design.settings.season.seasonDate.year);
  std::string angle = AngleText(chart, declination.west, "+- ");
  if (!angle.empty()) angle.erase(0, 1);  // the sign
  return FillText(declination.west >= 0
                      ? TranslateText("DialTexts", "Turn the dial %1 east of magnetic north.")
                      : TranslateText("DialTexts", "Turn the dial %1 west of magnetic north."),
                  {angle + ModelNote(declination)});
}

std::string CaptionText(int16_t page, int16_t pageCount) {
  return FillText(TranslateText("DialTexts", "Page %1/%2"),
                  {std::to_string(page), std::to_string(pageCount)});
}

// The information font, or a smaller one down to a size still read without
// a lens where a long sentence (a far declination with its model's name)
// would run past the right margin.
FontSpec TurningFont(const DrawPass& pass, const PageMargins& margins,
                     const std::string& sentence) {
  constexpr double kSmallestPoints = 6;
  DrawTarget& t = pass.target;
  FontSpec font = ScaledFont(pass.design.settings.dialInformationFont, pass);
  const double room = t.ScaleWidth() - margins.right - margins.left;
  const double smallest = std::min(font.size, RoundFontSize(kSmallestPoints * pass.zoom));
  for (t.setFont(font); t.TextWidth(sentence) > room && font.size > smallest; t.setFont(font)) {
    font.size = RoundFontSize(std::max(smallest, font.size - 0.5));
  }
  return font;
}

// The turning sentence at the bottom left, above the page caption where the
// page is too narrow for both on one line; in TurningFont (left on the
// target).
SheetBox TurningBox(const DrawPass& pass, const PageMargins& margins, const std::string& sentence) {
  DrawTarget& t = pass.target;
  const FontSpec font = TurningFont(pass, margins, sentence);
  double bottom = t.ScaleHeight() - margins.bottom;
  if (pass.design.settings.dialOption.printTitle) {
    const SheetBox caption = CaptionBox(t, margins, pass.zoom, CaptionText(1, 2));
    t.setFont(font);
    if (margins.left + t.TextWidth(sentence) + kCornerGap > caption.left) {
      bottom = caption.top - kCornerGap;
    }
  }
  t.setFont(font);
  return {margins.left, bottom - t.TextHeight(sentence), margins.left + t.TextWidth(sentence),
          bottom};
}

void DrawTurningSentence(const DrawPass& pass, const PageMargins& margins) {
  const std::optional<std::string> sentence = TurningSentence(pass.design);
  if (!sentence) return;
  const SheetBox box = TurningBox(pass, margins, *sentence);
  RotatedText(pass.target, box.left, box.top, *sentence, 0);
}

constexpr double kSmallestBlockPoints = 6;  // still read without a lens
constexpr double kBlockClearance = 1;       // millimetres from lines and rings

// The inner disc and band on the side away from the gnomon, with the lines
// the face draws across the band.
struct BlockRoom {
  const DialLayout& l;
  double side;  // +1 below the centre, -1 above it
  std::vector<double> directions;

  // The block with its near edge `near` from the centre, across the axis.
  SheetBox Box(double width, double height, double near) const {
    const double top = side > 0 ? l.centerY + near : l.centerY - near - height;
    return {l.centerX - width / 2, top, l.centerX + width / 2, top + height};
  }

  bool Clear(const SheetBox& box) const {
    const double c = kBlockClearance;
    const SheetBox wide{box.left - c, box.top - c, box.right + c, box.bottom + c};
    const double limit = l.middleRadius - c;
    for (double x : {wide.left, wide.right}) {
      for (double y : {wide.top, wide.bottom}) {
        if (std::hypot(x - l.centerX, y - l.centerY) > limit) return false;
      }
    }
    const DialGeometry dial = DialGeometryOf(l, side);
    for (double theta : directions) {
      if (wide.Meets(dial.AtRadius(theta, l.innerRadius), dial.AtRadius(theta, l.middleRadius))) {
        return false;
      }
    }
    return true;
  }

  // The usual place when it is clear, else the clear place nearest to it
  // between the root's mark and the middle ring.
  std::optional<SheetBox> Place(double width, double height, double usual) const {
    constexpr double kStep = 0.5;
    const double nearest = 2.5;  // clear of the mark at the centre
    if (usual >= nearest && Clear(Box(width, height, usual))) return Box(width, height, usual);
    for (double offset = kStep; offset < l.middleRadius; offset += kStep) {
      for (double near : {usual - offset, usual + offset}) {
        if (near >= nearest && Clear(Box(width, height, near))) return Box(width, height, near);
      }
    }
    return std::nullopt;
  }
};

// The block's lines at each size from the nominal down to the smallest
// readable one, largest first, until `place` finds a box for one.
template <typename Place>
std::optional<SheetBox> FirstPlaceBySize(const DrawPass& pass, const DialLayout& l, Place place) {
  DrawTarget& t = pass.target;
  const std::vector<std::string> lines = InformationLines(pass.design, l.middleRadius);
  FontSpec font = ScaledFont(pass.design.settings.dialInformationFont, pass);
  const double smallest = std::min(font.size, RoundFontSize(kSmallestBlockPoints * pass.zoom));
  for (double size = font.size;; size = std::max(smallest, size - 0.5)) {
    font.size = RoundFontSize(size);
    t.setFont(font);
    const double width = BlockWidth(t, lines);
    const double height = t.TextHeight(Join(lines.data(), lines.size()));
    if (const auto box = place(width, height, t.TextHeight(lines[0]))) return box;
    if (size <= smallest) return std::nullopt;
  }
}

// Where the block always stood first: centred a line above the band's
// middle.
double UsualNear(const DialLayout& l, double height, double lineHeight) {
  const double r = l.innerRadius + (l.middleRadius - l.innerRadius) / 2;
  return r - lineHeight - height / 2;
}

BlockRoom FaceRoom(const DrawPass& pass, const DialLayout& l) {
  return {l, pass.Latitude() < 0 ? -1.0 : 1.0, FaceLineDirections(pass, l)};
}

}  // namespace

std::optional<SheetBox> FaceBlockBox(const DrawPass& pass, const DialLayout& l) {
  const BlockRoom room = FaceRoom(pass, l);
  return FirstPlaceBySize(pass, l, [&](double width, double height, double lineHeight) {
    return room.Place(width, height, UsualNear(l, height, lineHeight));
  });
}

SheetBox UsualFaceBlockBox(const DrawPass& pass, const DialLayout& l) {
  const BlockRoom room = FaceRoom(pass, l);
  SheetBox usual;
  FirstPlaceBySize(pass, l, [&](double width, double height, double lineHeight) {
    usual = room.Box(width, height, UsualNear(l, height, lineHeight));
    return std::optional<SheetBox>();
  });
  return usual;
}

std::optional<SheetBox> SheetBlockBox(const DrawPass& pass, const DialLayout& l,
                                      const SheetRoom& room) {
  return FirstPlaceBySize(pass, l, [&](double width, double height, double) {
    return room.FreeBoxNear(width, height, {l.centerX, l.centerY});
  });
}

BlockPlace PlaceBlock(const DrawPass& pass, const PageShare& share) {
  const DialLayout& l = share.layout;
  if (auto onFace = FaceBlockBox(pass, l)) return {onFace, true};
  SheetRoom room = SheetRoomOf(pass, share);
  if (pass.design.settings.dialOption.scaleBar && pass.OnPaper()) {
    room.texts.push_back(UsualBarPlace(pass).box);
  }
  return {SheetBlockBox(pass, l, room), false};
}

Status DrawInformation(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                       double paperFactor, int16_t page, int16_t pageCount) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    const PageMargins margins = TextMargins(target);
    if (!design.settings.dialOption.printInfo) return;
    SetTextPen(target, design.settings.dialColor.informationFont);
    DrawInformationBlock(pass, ShareOfPage(layout, paperFactor, page, pageCount));
    target.setFont(ScaledFont(design.settings.dialInformationFont, pass));
    DrawReadingSentences(pass, margins);
    DrawTurningSentence(pass, margins);
  });
}

std::vector<SheetBox> CornerTextBoxes(const DrawPass& pass, int16_t page, int16_t pageCount) {
  DrawTarget& t = pass.target;
  const PageMargins margins = TextMargins(t);
  const DialOptionSettings& options = pass.design.settings.dialOption;
  std::vector<SheetBox> boxes;
  if (options.printInfo) {
    boxes.push_back(ReadingBox(pass, margins));
    if (const auto sentence = TurningSentence(pass.design)) {
      boxes.push_back(TurningBox(pass, margins, *sentence));
    }
  }
  if (options.printTitle) {
    boxes.push_back(TitleBox(t, margins, pass.zoom));
    boxes.push_back(CaptionBox(t, margins, pass.zoom, CaptionText(page, pageCount)));
  }
  return boxes;
}

Status DrawPageTitle(DialDesign design, DrawTarget& target, const DialLayout& /*layout*/,
                     double zoom, int16_t page, int16_t pageCount) {
  return RunDrawRoutine(design, [&] {
    const PageMargins margins = TextMargins(target);
    const SheetBox title = TitleBox(target, margins, zoom);
    SetTextPen(target, 0);
    RotatedText(target, title.left, title.top, ProductLine(), 0);
    const std::string caption = CaptionText(page, pageCount);
    const SheetBox box = CaptionBox(target, margins, zoom, caption);
    RotatedText(target, box.left, box.top, caption, 0);
  });
}

Status DrawMarginFrame(DialDesign design, DrawTarget& target) {
  return RunDrawRoutine(design, [&] {
    const PageMargins margins = PageMarginsOf(target);
    SetThinPen(target);
    target.setDrawWidth(SheetPenWidth(target, kThinnestLineMm));
    target.setForeColor(design.settings.general.debugMode ? 0 : target.ButtonFaceColor());
    PixelRectangle(target, margins.left, margins.top, target.ScaleWidth() - margins.right,
                   target.ScaleHeight() - margins.bottom);
  });
}
