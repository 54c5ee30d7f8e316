// The File menu's "Export to PDF/SVG/PNG...": the printed pages into a file
// for users without a printer (a print shop takes the PDF).
#pragma once

#include <QString>
#include <cstdint>

#include "ExportOptionsDialog.h"

class MainModel;
class QWidget;

// Asks for the file (its extension gives the kind), then for paper,
// orientation, sheets, the page a picture shows and its resolution, starting
// from the current printer's paper (A4 when the dial is not made for it)
// and the page count the output checks settled on. A PDF holds every page;
// a picture of both pages of a two-page job is written as NAME.EXT and
// NAME-2.EXT. Gives the file chosen once written, empty otherwise.
QString ExportPagesCommand(QWidget* parent, MainModel& model, int16_t pageCount);
QString ExportPagesCommand(QWidget* parent, MainModel& model, int16_t pageCount,
                        const ExportOptionsDialog& askOptions);
