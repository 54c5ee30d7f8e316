// Where the texts of a printed dial stand, for the lines and shapes that
// must keep clear of them: the information block on the dial face, and the
// sentences, title and caption in the page's corners.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DrawPass.h"
#include "SheetArea.h"
#include "SheetRoom.h"

// The lines of the information block: the date, the place, the time shown,
// the magnetic declination, the equation of time and, with date lines or
// hour curves, the height of the nodus of a face of that radius.
std::vector<std::string> InformationLines(DialDesign design, double faceRadius);

// The block in the inner disc and band on the side away from the gnomon,
// centred across the north-south line, at the largest readable size that
// keeps it clear of the face's lines; none where no size finds a clear
// place (a day without night draws lines all round). Sets its font.
std::optional<SheetBox> FaceBlockBox(const DrawPass& pass, const DialLayout& layout);

// The block at its smallest, where it always stood on the face.
SheetBox UsualFaceBlockBox(const DrawPass& pass, const DialLayout& layout);

// The block off the face: the free place of the room nearest to the dial's
// centre, at the largest readable size that finds one. Sets its font.
std::optional<SheetBox> SheetBlockBox(const DrawPass& pass, const DialLayout& layout,
                                      const SheetRoom& room);

// The corner texts a page of the job shows (changes the target's font).
std::vector<SheetBox> CornerTextBoxes(const DrawPass& pass, int16_t page, int16_t pageCount);

// Where a page showing the dial puts its block: on the face, else off it,
// clear of the page's room and of the scale bar's usual place; no box where
// neither has room.
struct BlockPlace {
  std::optional<SheetBox> box;
  bool onFace = false;
};
BlockPlace PlaceBlock(const DrawPass& pass, const PageShare& share);
