// The table beside a dial that is read without a date: for the 1st and the
// 15th of each month, the minutes to add to the dial's time to get clock
// time, which the sheet otherwise leaves to the reader ("Correct it for the
// equation of time on the day you read it").
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "DialRoutines.h"
#include "DrawPass.h"
#include "SheetRoom.h"

class Chart;

struct ClockCorrection {
  int month = 1;
  int day = 1;
  double minutes = 0;  // clock time minus the dial's time
};

// The corrections of the 1st and 15th of each month of the chart's year, in
// calendar order. A mean-time dial's lines already hold the longitude, so
// only the equation of time remains; a true-solar dial's correction holds
// the longitude's difference from the zone's meridian too.
std::vector<ClockCorrection> ClockCorrections(Chart& chart);

// Whether the sheet carries the table: the design reads the time without a
// date and the sheet prints its texts.
bool ShowsCorrectionTable(const DialDesign& design);

// Where the table stands on a page that shows the dial: the free place of
// the page's room nearest to the dial, clear of the block and the scale bar,
// at the largest readable size that finds one, in one column of months or
// two; none where no size finds room (sets the table's font).
struct TablePlace {
  SheetBox box;
  double points = 0;
  bool twoColumns = false;
};
std::optional<TablePlace> PlaceCorrectionTable(const DrawPass& pass, const PageShare& share);
// The same where the block off the face and the scale bar are known to
// take the boxes `placed`.
std::optional<TablePlace> PlaceCorrectionTable(const DrawPass& pass, const PageShare& share,
                                               const std::vector<SheetBox>& placed);
// Whether some size finds a place, as the sheet's fitting asks it.
bool RoomForCorrectionTable(const DrawPass& pass, const PageShare& share,
                            const std::vector<SheetBox>& placed);

Status DrawCorrectionTable(DialDesign design, DrawTarget& target, const DialLayout& layout,
                           double zoom, double paperFactor, int16_t page, int16_t pageCount);
