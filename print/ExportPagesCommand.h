// The File menu's "PDF/SVG/PNGに書き出し...": the printed pages into a file
// for users without a printer (a print shop takes the PDF).
#pragma once

#include <QString>
#include <cstdint>

class MainModel;
class QWidget;

// Asks for the file; its extension gives the kind. A PDF holds every page;
// a picture of a two-page job is written as NAME.EXT and NAME-2.EXT. The
// paper is the current printer's (or the preview's sheet), A4 when the
// dial is not made for it. The page count is the one the output checks
// settled on. Gives the file chosen once written, empty otherwise.
QString ExportPagesCommand(QWidget* parent, MainModel& model, int16_t pageCount);
