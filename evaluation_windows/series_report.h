#pragma once

// The report of an evaluated series as a PDF file (A4): its title, where the
// series comes from and how it was tested, the diagram as the window draws
// it, the results table, the notes on values that could not be determined,
// and the measured values, continued on further pages where they need them.
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractItemModel;
class QPainter;

namespace evaluation::windows {

struct SeriesReport {
    QString title;        // "Kerbschlagbiegeversuch"
    QString source;       // the series file, or what the series is
    QStringList settings; // "Probenform: V-Kerb", one line each
    // Draws the diagram into a rectangle of the page with a font of the
    // report's size.
    std::function<void(QPainter&, const QRectF&, const QFont&)> diagram;
    const QAbstractItemModel* results = nullptr;
    QStringList notes;
    const QAbstractItemModel* measurements = nullptr;
    // Rows of the measurements that are not measured values (the empty row
    // for the next one at the end).
    int measurementRowsLeftOut = 0;
};

// Writes the report; the file appears only when the whole of it was
// written. Returns the error message, empty on success.
QString writeSeriesReport(const QString& path, const SeriesReport& report);

}
