#pragma once

// What saving a drawing and the printing part (printing.h) share: the page
// a drawing is laid out on, the message box of a failure, and work done
// beside the user-interface thread.
#include "export.h"

#include <QString>
#include <functional>

class QObject;
class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace tk {

// The drawing in its own coordinates, clipped to its size.
void paintDrawing(QPainter& p, const ExportedDrawing& drawing);

// One page: the caption as heading, the drawing below it scaled to fit the
// rest of the printable area, centred across it. False when the device
// cannot be painted on.
bool paintPage(QPagedPaintDevice& device, const ExportedDrawing& drawing);

// A warning beside the window, without waiting for it.
void showFailure(QWidget* parent, const QString& title, const QString& text);

// Runs `work` on a thread of the pool and then `done` in the user-interface
// thread, if `context` still exists.
void aside(std::function<QString()> work, QObject* context, std::function<void(const QString&)> done);

// The drawing with pixels and a recording of its own, shared with nothing
// the window goes on drawing, for another thread.
ExportedDrawing ownCopy(const ExportedDrawing& drawing);

}
