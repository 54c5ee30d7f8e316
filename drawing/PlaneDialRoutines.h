// The printed page of a dial on any plane other than the horizontal, with the
// conventions of the routines in DialRoutines.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DialDesign.h"
#include "DrawTarget.h"
#include "EngineErrors.h"
#include "PlaneDial.h"

struct DrawPass;

// Page `page` of a job of pageCount pages (below 2: one page with the face,
// the gnomon and the texts; otherwise the faces and texts, then the gnomon).
Status DrawPlaneDialPage(DialDesign design, DrawTarget& target, double zoom, double paperFactor,
                         int16_t page, int16_t pageCount);

// The desktop sundial of a dial on another plane: the face in the clock
// colours of the window's state and, with the sun up, the gnomon's shadow
// at the time (hours of the chart's time system) with the nodus's dot.
class ClockView;
Status DrawPlaneClock(DialDesign design, ClockView& clock, double time, bool withShadow);

// The plane's lines of the information block and the listing: facing, tilt,
// style height, substyle distance and the substyle's hour angle.
std::vector<std::string> PlaneInformationLines(const PlaneDial& dial);
// The information block in the box: seven lines of the place in the left
// column, the rest but the last two in the right one, then the last two as
// sentences across the box, wrapped; a smaller font where the box is short.
struct SheetBox;
void DrawPlaneTextBlock(const DrawPass& pass, const SheetBox& box,
                        const std::vector<std::string>& lines,
                        std::optional<size_t> secondColour = std::nullopt);
// How to set the face up: "Fix the face on a wall that faces 200° (SSW), ...".
std::string MountingSentence(const PlaneOrientation& plane, double latitude);
