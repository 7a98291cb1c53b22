#include "series_report.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace evaluation::windows {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SeriesReport)
};

// Lays the report out top to bottom and begins a new page where the next
// piece does not fit.
class PageFlow {
public:
    PageFlow(QPdfWriter& writer, QPainter& painter) : m_writer(writer), m_painter(painter)
    {
        m_page = painter.viewport();
        m_y = m_page.top();
    }

    double width() const { return m_page.width(); }
    double left() const { return m_page.left(); }
    double y() const { return m_y; }
    void advance(double height) { m_y += height; }

    // Makes room for height, on a new page where this one is too full.
    void reserve(double height)
    {
        if (m_y + height > m_page.bottom() && m_y > m_page.top()) {
            m_writer.newPage();
            m_y = m_page.top();
        }
    }

    void paragraph(const QString& text, const QFont& font, double spaceAfter = 0)
    {
        m_painter.setFont(font);
        const QFontMetricsF fm(font, m_painter.device());
        const QRectF bounds = fm.boundingRect(QRectF(0, 0, width(), 1e6), Qt::TextWordWrap, text);
        reserve(bounds.height());
        m_painter.setPen(Qt::black);
        m_painter.drawText(QRectF(left(), m_y, width(), bounds.height()), Qt::TextWordWrap, text);
        advance(bounds.height() + spaceAfter);
    }

private:
    QPdfWriter& m_writer;
    QPainter& m_painter;
    QRect m_page;
    double m_y = 0;
};

// A table of a model's shown texts, with its column titles repeated on each
// page it runs over.
void table(PageFlow& flow, QPainter& p, const QAbstractItemModel& model, int rowsLeftOut, const QFont& font)
{
    const int columns = model.columnCount();
    const int rows = std::max(0, model.rowCount() - rowsLeftOut);
    if (columns == 0)
        return;
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF fm(font, p.device()), bm(bold, p.device());
    const double pad = 0.4 * fm.height();
    const auto text = [&](int r, int c) {
        const QModelIndex i = model.index(r, c);
        QString t = model.data(i, Qt::DisplayRole).toString();
        if (const QVariant check = model.data(i, Qt::CheckStateRole); check.isValid())
            t = check.value<Qt::CheckState>() == Qt::Checked ? Text::tr("ja") : Text::tr("nein");
        return t;
    };
    // A title on one line where the model gives one (Qt::UserRole).
    const auto title = [&](int c) {
        const QVariant line = model.headerData(c, Qt::Horizontal, Qt::UserRole);
        return line.isValid() ? line.toString() : model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    };
    std::vector<double> widths(columns);
    for (int c = 0; c < columns; ++c) {
        widths[c] = bm.horizontalAdvance(title(c));
        for (int r = 0; r < rows; ++r)
            widths[c] = std::max(widths[c], fm.horizontalAdvance(text(r, c)));
        widths[c] += 2 * pad;
    }
    double total = 0;
    for (double w : widths)
        total += w;
    if (total > flow.width())
        for (double& w : widths)
            w *= flow.width() / total;

    const double rowHeight = fm.height() + pad;
    const auto drawRow = [&](const std::function<QString(int)>& cell, bool header) {
        flow.reserve(rowHeight);
        p.setFont(header ? bold : font);
        double x = flow.left();
        for (int c = 0; c < columns; ++c) {
            const QRectF box(x, flow.y(), widths[c], rowHeight);
            if (header)
                p.fillRect(box, QColor(235, 235, 235));
            p.setPen(QPen(Qt::gray, 0));
            p.drawRect(box);
            p.setPen(Qt::black);
            // Numbers to the right, names and titles to the left.
            const QString t = cell(c);
            const bool number = !header && !t.isEmpty() && (t[0].isDigit() || t[0] == QLatin1Char('-'));
            p.drawText(box.adjusted(pad, 0, -pad, 0), Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft),
                       QFontMetricsF(p.font(), p.device()).elidedText(t, Qt::ElideRight, widths[c] - 2 * pad));
            x += widths[c];
        }
        flow.advance(rowHeight);
    };
    drawRow(title, true);
    for (int r = 0; r < rows; ++r) {
        const double before = flow.y();
        flow.reserve(rowHeight);
        if (flow.y() < before)  // a new page: the titles again
            drawRow(title, true);
        drawRow([&](int c) { return text(r, c); }, false);
    }
}

}

QString writeSeriesReport(const QString& path, const SeriesReport& report)
{
    QSaveFile file(path);
    const auto failed = [&](const QString& why) {
        //: %1 is the report's file name, %2 why it could not be written.
        return Text::tr("Der Bericht „%1“ kann nicht geschrieben werden: %2").arg(QFileInfo(path).fileName(), why);
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 18),
                                         QPageLayout::Millimeter));
        writer.setTitle(report.title);
        writer.setCreator(QCoreApplication::applicationName());
        QPainter p;
        if (!p.begin(&writer))
            return failed(Text::tr("Die PDF-Ausgabe lässt sich nicht beginnen."));
        PageFlow flow(writer, p);

        QFont body;
        body.setPointSizeF(9.5);
        QFont heading = body;
        heading.setPointSizeF(15);
        heading.setBold(true);
        QFont subheading = body;
        subheading.setPointSizeF(11);
        subheading.setBold(true);
        const double line = QFontMetricsF(body, &writer).height();

        flow.paragraph(report.title, heading, 0.3 * line);
        //: %1 is the series (its file), %2 the date and time the report was made.
        flow.paragraph(Text::tr("%1 – erstellt am %2")
                           .arg(report.source,
                                QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat)),
                       body, 0.3 * line);
        for (const QString& s : report.settings)
            flow.paragraph(s, body);
        flow.advance(0.8 * line);

        if (report.diagram) {
            const double height = flow.width() * 0.62;
            flow.reserve(height);
            report.diagram(p, QRectF(flow.left(), flow.y(), flow.width(), height), body);
            flow.advance(height + line);
        }
        if (report.results) {
            flow.paragraph(Text::tr("Ergebnisse"), subheading, 0.3 * line);
            table(flow, p, *report.results, 0, body);
            flow.advance(0.6 * line);
        }
        for (const QString& n : report.notes)
            flow.paragraph(QStringLiteral("– ") + n, body);
        if (report.measurements) {
            flow.advance(0.8 * line);
            flow.paragraph(Text::tr("Messwerte"), subheading, 0.3 * line);
            table(flow, p, *report.measurements, report.measurementRowsLeftOut, body);
        }
        if (!p.end())
            return failed(Text::tr("Die PDF-Ausgabe lässt sich nicht abschließen."));
    }
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

}
