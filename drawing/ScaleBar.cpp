// A bar of exactly 100 mm along a margin of the page, so that the user can
// tell whether the printer scaled the page.
#include "ScaleBar.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "InformationBlock.h"
#include "NodusDrawing.h"
#include "SheetArea.h"
#include "UiText.h"

namespace {

constexpr double kBarLength = 100;  // millimetres
constexpr double kTickStep = 10;
constexpr double kTick = 1.5;
constexpr double kLongTick = 3;
constexpr double kTextGap = 0.5;
constexpr double kTextPoints = 7;
constexpr double kSlideStep = 1;  // millimetres between the places tried along a side

std::string BarText() {
  return "100 mm   " + TranslateText("DialTexts", "Print at 100 % if this bar is not 100 mm long.");
}

void SetBarFont(const DrawPass& pass) {
  FontSpec font = pass.design.settings.dialInformationFont;
  font.size = kTextPoints;
  pass.target.setFont(ScaledFont(font, pass));
}

SheetBox MarginArea(const DrawTarget& t) {
  const PageMargins m = PageMarginsOf(t);
  return {m.left, m.top, t.ScaleWidth() - m.right, t.ScaleHeight() - m.bottom};
}

bool Upright(BarSide side) {
  return side == BarSide::Left || side == BarSide::Right;
}

// The bar with its ticks and text at that start (the bar's font set).
BarPlace PlaceAt(const DrawPass& pass, BarSide side, double start) {
  DrawTarget& t = pass.target;
  const SheetBox a = MarginArea(t);
  const std::string text = BarText();
  const double depth = kLongTick + kTextGap + t.TextHeight(text);
  const double length = std::max(kBarLength, t.TextWidth(text));
  switch (side) {
    case BarSide::Left:
      return {side, start, {a.left, start - length, a.left + depth, start}};
    case BarSide::Right:
      return {side, start, {a.right - depth, start - length, a.right, start}};
    case BarSide::Bottom:
      return {side, start, {start, a.bottom - depth, start + length, a.bottom}};
    case BarSide::Top:
      break;
  }
  return {side, start, {start, a.top, start + length, a.top + depth}};
}

// The free place along the side whose start lies nearest to its middle.
std::optional<BarPlace> FreeAlong(const DrawPass& pass, const SheetRoom& room, BarSide side) {
  const DrawTarget& t = pass.target;
  const double middle =
      Upright(side) ? (t.ScaleHeight() + kBarLength) / 2 : (t.ScaleWidth() - kBarLength) / 2;
  const double span = Upright(side) ? t.ScaleHeight() : t.ScaleWidth();
  for (double offset = 0; offset < span / 2; offset += kSlideStep) {
    for (double start : {middle - offset, middle + offset}) {
      const BarPlace place = PlaceAt(pass, side, start);
      if (room.IsFree(place.box)) return place;
    }
  }
  return std::nullopt;
}

void DrawBar(const DrawPass& pass, const BarPlace& place) {
  DrawTarget& t = pass.target;
  const SheetBox a = MarginArea(t);
  SetThinPen(t);
  t.setForeColor(0);
  // Along the bar from its start, and the ticks' direction into the page.
  const bool upright = Upright(place.side);
  double x = place.side == BarSide::Right ? a.right : a.left;
  double y = place.start;
  if (!upright) {
    x = place.start;
    y = place.side == BarSide::Bottom ? a.bottom : a.top;
  }
  const double inward = place.side == BarSide::Right || place.side == BarSide::Bottom ? -1 : 1;
  if (upright) {
    PixelLine(t, x, y, x, y - kBarLength);
  } else {
    PixelLine(t, x, y, x + kBarLength, y);
  }
  for (int i = 0; i <= kBarLength / kTickStep; ++i) {
    const double along = i * kTickStep;
    const double tick = inward * (i % 5 == 0 ? kLongTick : kTick);
    if (upright) {
      PixelLine(t, x, y - along, x + tick, y - along);
    } else {
      PixelLine(t, x + along, y, x + along, y + tick);
    }
  }
  // Read from below beside an upright bar, along a lying one: the length,
  // then how to check it.
  SetBarFont(pass);
  const std::string text = BarText();
  if (upright) {
    const double left = inward > 0 ? x + kLongTick + kTextGap : place.box.left;
    RotatedText(t, left, y, text, 90);
  } else {
    const double top = inward > 0 ? y + kLongTick + kTextGap : place.box.top;
    RotatedText(t, x, top, text, 0);
  }
}

}  // namespace

BarPlace UsualBarPlace(const DrawPass& pass) {
  SetBarFont(pass);
  return PlaceAt(pass, BarSide::Left, (pass.target.ScaleHeight() + kBarLength) / 2);
}

std::optional<BarPlace> FreeBarPlace(const DrawPass& pass, const PageShare& share) {
  SheetRoom room = SheetRoomOf(pass, share);
  const BarPlace usual = UsualBarPlace(pass);
  // A block off the face keeps clear of the usual place.
  if (room.IsFree(usual.box)) return usual;
  if (share.dial && pass.design.settings.dialOption.printInfo) {
    const BlockPlace block = PlaceBlock(pass, share);
    if (!block.onFace && block.box) room.texts.push_back(*block.box);
  }
  for (BarSide side : {BarSide::Left, BarSide::Right, BarSide::Bottom, BarSide::Top}) {
    if (const auto place = FreeAlong(pass, room, side)) return place;
  }
  return std::nullopt;
}

Status DrawScaleBar(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                    double paperFactor, int16_t page, int16_t pageCount) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    if (!design.settings.dialOption.scaleBar || !pass.OnPaper()) return;
    const std::optional<BarPlace> place =
        FreeBarPlace(pass, ShareOfPage(layout, paperFactor, page, pageCount));
    // The sheet's fitting leaves room for the bar; without it, it keeps its usual place.
    DrawBar(pass, place ? *place : UsualBarPlace(pass));
  });
}

void DrawScaleBarAt(const DrawPass& pass, BarSide side, double start) {
  SetBarFont(pass);
  DrawBar(pass, PlaceAt(pass, side, start));
}
