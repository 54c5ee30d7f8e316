// The room left on a printed page: what the model and the page's texts
// take, and where a further box (the scale bar, an information block that
// found no clear place on the face) can stand clear of them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "DialRoutines.h"
#include "DrawPass.h"
#include "SheetArea.h"

// Which share of the model one page of a job shows.
struct PageShare {
  const DialLayout& layout;
  double paperFactor = 1;
  bool dial = true;
  bool gnomon = true;
  int16_t page = 1;
  int16_t pageCount = 1;  // as the page caption counts
};

// The share one page of a job of pageCount pages shows (below 2: all of it).
PageShare ShareOfPage(const DialLayout& layout, double paperFactor, int16_t page,
                      int16_t pageCount);

// The boxes of the letters N S E W around the dial, a quarter of a letter
// height outside the outer ring (sets the letter font).
std::array<SheetBox, 4> LetterBoxes(const DrawPass& pass, const DialLayout& layout);

struct SheetRoom {
  SheetBox area;  // inside the margins
  bool dial = false;
  UserPoint centre;
  double radius = 0;  // the outer ring
  std::array<SheetBox, 4> letters;
  bool gnomon = false;
  SheetBox pattern;             // with room for a label on either side
  std::vector<SheetBox> texts;  // the corner texts, the labels beside the pattern, the key

  // Inside the margins, and a clearance away from the model and every text.
  bool IsFree(const SheetBox& box) const;
  // The free box of that size whose centre lies nearest to `near`.
  std::optional<SheetBox> FreeBoxNear(double width, double height, UserPoint near) const;

 private:
  std::optional<SheetBox> NearestOnGrid(double width, double height, UserPoint near, int stride,
                                        double& nearest) const;
};

// The page's room before the block and the scale bar take their places
// (changes the target's font).
SheetRoom SheetRoomOf(const DrawPass& pass, const PageShare& share);
