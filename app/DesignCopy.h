// Opening a document into a copy of the design, so that a document that
// fails half-way leaves the design as it was.
#pragma once

#include <memory>
#include <string>

#include "MainModel.h"

// Copies what a document can set: the settings groups, the engine modes,
// the place, the document path and folder. The chart's day is left to the
// date basis, which the caller applies afterwards.
void CopyDesign(const MainModel& from, MainModel& to);

// Opens the document into a copy of `model` and takes it over only when it
// opens completely, the printer section included. Ok or the failure's
// status; on failure `model`'s last-error record holds the reason and
// nothing else of it has changed.
Status OpenIntoCopy(MainModel& model, const std::string& path);
