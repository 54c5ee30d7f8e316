// Where the texts of a printed dial stand, for the lines and shapes that
// must keep clear of them: the information block on the dial face, and the
// sentences, title and caption in the page's corners.
#pragma once

#include <cstdint>
#include <vector>

#include "DrawPass.h"
#include "SheetArea.h"

// The block in the inner disc and band on the side away from the gnomon,
// centred across the north-south line, at the largest readable size that
// keeps it clear of the face's lines. Sets its font on the target.
SheetBox InformationBlockBox(const DrawPass& pass, const DialLayout& layout);

// The corner texts a page of the job shows (changes the target's font).
std::vector<SheetBox> CornerTextBoxes(const DrawPass& pass, int16_t page, int16_t pageCount);
