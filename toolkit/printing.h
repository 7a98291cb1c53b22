#pragma once

// The printing part: saving drawings as SVG, the print dialog and the print
// preview, in a library of its own (parts.h) with Qt Svg and Qt Print
// Support, which the program loads only when a drawing is first saved as
// SVG or printed. The rest of saving is in export.h.
#include "export.h"

class QIODevice;
class QPrinter;
class QWidget;

namespace tk {

// What the part offers the program.
struct PrintingPart {
    // The drawing's vectors (its pixels where it has none) as SVG.
    bool (*writeSvg)(QIODevice& file, const ExportedDrawing& drawing);
    void (*printFromDialog)(QWidget* parent, const ExportedDrawing& drawing);
    void (*preview)(QWidget* parent, const ExportedDrawing& drawing);
};

// The part, loaded on the first call; null where it cannot be loaded, with
// the reason in `failure`.
const PrintingPart* printingPart(QString* failure = nullptr);

// Prints the drawing on one page of the printer: the caption as heading,
// the drawing scaled to fit the printable area below it. Returns false when
// the printer cannot be opened.
bool printDrawing(QPrinter& printer, const ExportedDrawing& drawing);

// Sets the printer's page to landscape for a drawing wider than high, to
// portrait otherwise.
void orientPage(QPrinter& printer, const ExportedDrawing& drawing);

}

// The part's entry.
extern "C" const tk::PrintingPart* werkstoff_part_printing();
