#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QObject;
class QPainter;
class QPicture;
class QWidget;

// Drawings for a lab report as files and on paper: "Bild speichern …",
// "Drucken …" and "Druckvorschau …" beside "Bild kopieren".
namespace tk {

// A drawing as it stands at the moment it is taken: its pixels as shown and,
// for a diagram, the same as lines, shapes and texts that can be drawn at any
// size. Taking it copies what it needs, so a run that goes on afterwards
// changes nothing in it.
struct ExportedDrawing {
    QString caption; // the window's caption: the page's heading, the file's name
    QImage image;    // the pixels as shown, at the density they were drawn at
    // Draws the drawing in its own coordinates (0, 0 to its size); empty
    // where only its pixels can show it (not-xor trails, photographs).
    std::function<void(QPainter&)> vectors;

    bool isNull() const { return image.isNull(); }
    bool hasVectors() const { return bool(vectors); }
    // The size on the screen, in logical pixels.
    QSizeF size() const { return image.deviceIndependentSize(); }
};

// A drawing whose vectors come from `paint` as it draws now (it is recorded
// at once, so later changes of what it draws do not reach the copy).
ExportedDrawing recordedDrawing(const QString& caption, const QImage& image,
                                const std::function<void(QPainter&)>& paint);

// Draws a recorded picture in the painter's coordinates. (QPicture by itself
// scales a picture by the density of the device it is drawn on, which would
// draw it several times too large on a PDF page.)
void replayPicture(QPainter& p, const QPicture& picture);

enum class ExportFormat { Png, Pdf, Svg };

// The format a file name asks for by its suffix, if it is one of the three.
std::optional<ExportFormat> exportFormatOf(const QString& fileName);

// A file name for the drawing made from the window's caption: letters and
// digits kept, everything else a single underscore, without a suffix.
QString proposedFileName(const QString& caption);

// Writes the drawing to the file: a PNG of its pixels tagged with their
// density, a PDF with the caption as heading over the drawing on an A4 page,
// or an SVG of its vectors (its pixels where it has none). The file is written
// to a temporary file beside it and renamed only when complete, so a failure
// leaves any earlier file untouched and no partial one behind. Returns an
// empty string on success, otherwise what went wrong, for the user.
QString writeDrawing(const ExportedDrawing& drawing, const QString& fileName, ExportFormat format);

// Writes as writeDrawing does, on another thread, so that a run in the
// window goes on undisturbed; `done` runs afterwards in the user-interface
// thread with what writeDrawing returned, unless `context` is gone by then.
void writeDrawingAside(const ExportedDrawing& drawing, const QString& fileName, ExportFormat format, QObject* context,
                       std::function<void(const QString& failure)> done);

// The dialogs, all opened without waiting for them (the window and its run go
// on): the save dialog proposes a name from the caption and the folder used
// last; the print dialog and the print preview print the drawing. Failures
// are shown in a message box beside the window. SVG files, the print dialog
// and the preview come from the printing part (printing.h), loaded the first
// time one of them is asked for.
void saveDrawing(QWidget* parent, const ExportedDrawing& drawing);
void printDrawingFromDialog(QWidget* parent, const ExportedDrawing& drawing);
void previewDrawing(QWidget* parent, const ExportedDrawing& drawing);

// Offers "Bild speichern …", "Drucken …" and "Druckvorschau …" on the
// widget's context menu; `drawing` takes the drawing when one is chosen.
void offerExport(QWidget* widget, std::function<ExportedDrawing()> drawing);

// Ctrl+S and Ctrl+P in the window: save and print `drawing` (nothing happens
// when it is null). Returns the two items.
QList<QAction*> addExportKeys(QWidget* window, std::function<ExportedDrawing()> drawing);

}
