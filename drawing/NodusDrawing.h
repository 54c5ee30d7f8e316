// The nodus's part of a dial: date lines with their labels, mean-time hour
// curves with their key, the nodus's mark on the gnomon, its shadow on the
// desktop sundial, and the scale bar of a printed page. Same conventions as
// the routines of DialRoutines.h.
#pragma once

#include <cstdint>
#include <vector>

#include "DialRoutines.h"
#include "FaceMap.h"
#include "NodusLines.h"
#include "SheetArea.h"

struct DrawPass;

// On paper the face is the disc inside the time ring, in millimetres.
Status DrawDialLines(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom);
// On the desktop sundial the curves of a face of 65 mm times the paper factor.
Status DrawDialLines(DialDesign design, ClockView& clock, const DialLayout& layout,
                     double paperFactor);
// A hole mark and a notch on the style of the gnomon pattern, with the height.
Status DrawNodusMark(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom);
// A dot where the nodus's shadow falls at that time (in the chart's time
// system); nothing when the sun is down or the shadow leaves the face.
Status DrawNodusShadow(DialDesign design, ClockView& clock, const DialLayout& layout, double time,
                       double paperFactor);
// 100 mm with ticks every 10 mm along a free margin of the page (the left
// one where it is free), and how to check it; page as a job of pageCount
// pages counts it.
Status DrawScaleBar(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                    double paperFactor, int16_t page, int16_t pageCount);

// The date lines and hour curves traced on any face, dashed in lengths of
// the dashScale (a face's size), with the labels that keep clear of the
// boxes placed (which gains theirs).
void DrawNodusCurves(const DrawPass& pass, const NodusCurves& curves, const FaceMap& map,
                     double dashScale, std::vector<SheetBox>& placed);
