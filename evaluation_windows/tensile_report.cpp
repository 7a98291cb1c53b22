#include "tensile_report.h"

#include "stress_strain_plot.h"
#include "tensile_results_table.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace evaluation::windows {

namespace {

struct TensileReport {
    Q_DECLARE_TR_FUNCTIONS(evaluation::windows::TensileReport)
};

QString number(double v) { return v > 0 ? QLocale().toString(v, 'g', 6) : QStringLiteral("–"); }
QString number(std::optional<double> v) { return v ? QLocale().toString(*v, 'g', 6) : QString(); }

QString specimenTable(const TensileSeries& series)
{
    QString html = QStringLiteral("<table border='1' cellspacing='0' cellpadding='3'><tr>");
    for (const QString& h : {TensileReport::tr("Probe"), TensileReport::tr("Querschnitt"), TensileReport::tr("d₀/mm"),
                             TensileReport::tr("a₀ × b₀/mm"), TensileReport::tr("L₀/mm"), TensileReport::tr("Lₑ/mm"),
                             TensileReport::tr("Verlängerung"), TensileReport::tr("Lᵤ/mm"), TensileReport::tr("dᵤ/mm"),
                             TensileReport::tr("Sᵤ/mm²"), TensileReport::tr("Messdatei")})
        html += QStringLiteral("<th>%1</th>").arg(h.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const TensileSpecimen& s : series.specimens) {
        const Specimen& sp = s.specimen;
        const bool round = sp.crossSection == CrossSection::Round;
        const QStringList cells{
            s.name + (s.included ? QString() : TensileReport::tr(" (ausgeschaltet)")),
            round ? TensileReport::tr("rund") : TensileReport::tr("flach"),
            round ? number(sp.d0) : QString(),
            round ? QString() : number(sp.a0) + QStringLiteral(" × ") + number(sp.b0),
            number(sp.L0),
            number(sp.Le),
            !s.source ? TensileReport::tr("ohne Kurve")
            : sp.extensionSource == ExtensionSource::Crosshead ? TensileReport::tr("Traversenweg")
                                                                : TensileReport::tr("Extensometer"),
            number(sp.Lu),
            number(sp.du),
            number(sp.Su),
            s.source ? QFileInfo(s.source->path).fileName() : QString()};
        html += QStringLiteral("<tr>");
        for (const QString& c : cells)
            html += QStringLiteral("<td>%1</td>").arg(c.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString resultTable(const TensileSeries& series)
{
    QString html = QStringLiteral("<table border='1' cellspacing='0' cellpadding='3'><tr><th>%1</th>")
                       .arg(TensileReport::tr("Probe"));
    for (const ResultsTableModel::Column& c : tensileColumns(series))
        html += QStringLiteral("<th>%1</th>").arg(c.title.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const ResultsTableModel::Row& r : tensileRows(series)) {
        html += r.summary ? QStringLiteral("<tr style='font-weight:bold'>") : QStringLiteral("<tr>");
        html += QStringLiteral("<td>%1</td>").arg(r.name.toHtmlEscaped());
        for (const ResultCell& c : r.cells)
            html += QStringLiteral("<td align='right'>%1%2</td>")
                        .arg((c.text ? *c.text : QStringLiteral("–")).toHtmlEscaped(),
                             c.note.isEmpty() ? QString() : QStringLiteral("*"));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}

QString writeTensileReport(const QString& path, const TensileSeries& series, const StressStrainPlot& diagram)
{
    // QPdfWriter says nothing when it cannot write; a file that is not there
    // afterwards, or is empty, tells.
    QFile::remove(path);
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setResolution(300);
    pdf.setTitle(TensileReport::tr("Zugversuch nach DIN EN ISO 6892-1"));
    pdf.setCreator(QCoreApplication::applicationName());

    QImage picture(1800, 1000, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        QFont font = p.font();
        font.setPixelSize(22);
        p.setFont(font);
        diagram.paintDiagram(p, picture.rect());
    }

    QString notes;
    for (const TensileSpecimen& s : series.specimens)
        for (const QString& n : tensileNotes(s.result))
            notes += QStringLiteral("<li>%1: %2</li>").arg(s.name.toHtmlEscaped(), n.toHtmlEscaped());

    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("diagram")), picture);
    const QString title = series.title.isEmpty() ? TensileReport::tr("Zugversuch") : series.title;
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(title.toHtmlEscaped(),
                            TensileReport::tr("Auswertung nach DIN EN ISO 6892-1, %1")
                                .arg(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat)));
    html += QStringLiteral("<h3>%1</h3>").arg(TensileReport::tr("Proben")) + specimenTable(series);
    html += QStringLiteral("<h3>%1</h3>").arg(TensileReport::tr("Kennwerte")) + resultTable(series);
    html += QStringLiteral("<p>%1</p>")
                .arg(TensileReport::tr("„–“: nicht bestimmt; *: mit Anmerkung. Gerundet nach DIN EN ISO 6892-1."));
    if (!notes.isEmpty())
        html += QStringLiteral("<h3>%1</h3><ul>%2</ul>").arg(TensileReport::tr("Anmerkungen"), notes);
    html += QStringLiteral("<h3>%1</h3><img src='diagram' width='900'>").arg(TensileReport::tr("Spannungs-Dehnungs-Diagramm"));
    document.setHtml(html);
    document.print(&pdf);
    return QFileInfo(path).size() > 0 ? QString() : TensileReport::tr("%1 lässt sich nicht schreiben.").arg(path);
}

}
