#include "hardness_chart_form.h"

#include "collected_values.h"
#include "bar_chart.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/numbers.h"
#include "toolkit/screen.h"

#include <QLocale>
#include <QMenu>

using hardness::AnzahlHB;
using hardness::AnzahlHV;
using hardness::collectedHB;
using hardness::collectedHV;
using hardness::BarChart;

TFormHVGraph* FormHVGraph = nullptr;

namespace {

// Vickers values are drawn in blue, Brinell values in red.
QColor barColour(BarChart::Series series)
{
    return series == BarChart::Vickers ? tk::colours::blue : tk::colours::red;
}

}

TFormHVGraph::TFormHVGraph()
    //: Caption of the chart window
    : tk::Form(QStringLiteral("TFormHVGraph"), tr("Graphische Ausgabe der ermittelten Härtewerte"))
{
    setBorder(Border::Sizeable);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 10));

    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    //: Menu item that closes the chart window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    //: Menu item that draws the values from the calculators; access key after &
    addMenuItem(tr("&Diagramm Zeichnen"), QStringLiteral("Diagramm1"), [this] { Diagramm1Click(); });
    //: Menu of example charts; access key after &
    QMenu* examples = addMenu(tr("&Beispiele"), QStringLiteral("Beispiele1"));
    addMenuItem(QStringLiteral("CK45"), QStringLiteral("CK45"), [this] { CK45Click(); }, examples);
    //: Example: hardness of a case-hardened steel over the depth
    addMenuItem(tr("Einsatzstahl"), QStringLiteral("Einsatzstahl1"), [this] { Einsatzstahl1Click(); },
                examples);
    //: Menu item that clears the chart; access key after &
    addMenuItem(tr("&Neu Zeichnen"), QStringLiteral("NeuZeichnen"), [this] { NeuZeichnenClick(); });
    //: Status bar of the chart window
    setStatusText(tr("ESC = Abbruch"));

    tk::Font labelFont = tk::Font::character(QStringLiteral("MS Sans Serif"), 16, true);
    // Over the chart, which takes the client area's corner.
    LabelAb = tk::makeLabel(client(), QStringLiteral("LabelAb"), 0, 0, 
                            //: Label under the case-hardened steel example's bars, room for about 20 characters
                            tr("Abstand vom Rand"), labelFont);
    LabelAb->hide();
}

void TFormHVGraph::formCreate()
{
    const QSize screen = tk::screenSize();
    FormHVGraph->setBounds(screen.width() - 710, tk::centredTop(500), 700, 500);
    FormHVGraph->clientResized();
}

BarChart* TFormHVGraph::chart()
{
    if (!Chart1) {
        Chart1 = hardness::makeBarChart(client(), QStringLiteral("Chart1"));
        Chart1->setColour(chartColour);
        Chart1->widget()->show();
        LabelAb->raise();
        clientResized();
    }
    return Chart1;
}

QRect TFormHVGraph::chartArea() const { return QRect(0, 0, clientWidth(), clientHeight() - statusBar()->height()); }

void TFormHVGraph::clientResized()
{
    // The chart fills the client area above the status bar, also when the
    // user changes the size of the window.
    if (Chart1)
        Chart1->widget()->setGeometry(chartArea());
    FormPaint();
}

void TFormHVGraph::FormPaint()
{
    const QRect area = chartArea();
    LabelAb->move(tk::idiv(area.width(), 2) - 100, area.height() - 30);
}

void TFormHVGraph::showEvent(QShowEvent* e)
{
    chart();
    FormPaint();
    tk::Form::showEvent(e);
}

void TFormHVGraph::Diagramm1Click()
{
    // Bars are added to what the chart shows; a line that is no integer ends
    // the drawing, the bars before it stay.
    for (int i = 1; i <= AnzahlHV; ++i)
        //: Mark of a bar from the Vickers calculator, followed by the value
        chart()->addBar(BarChart::Vickers, tk::strToInt(collectedHV.line(i)), tr("HV-Wert"),
                        barColour(BarChart::Vickers));
    for (int i = 1; i <= AnzahlHB; ++i)
        //: Mark of a bar from the Brinell calculator, followed by the value
        chart()->addBar(BarChart::Brinell, tk::strToInt(collectedHB.line(i)), tr("HB-Wert"),
                        barColour(BarChart::Brinell));
}

void TFormHVGraph::CK45Click()
{
    LabelAb->hide();
    chart()->clearBars();
    const struct {
        BarChart::Series series;
        const char* label;
        int value;
    } bars[] = {
        //: Marks of the example bars: the steel CK45 in three states, room for about 22 characters
        {BarChart::Vickers, QT_TR_NOOP("CK45-Normalisuert HV"), 200},
        {BarChart::Brinell, QT_TR_NOOP("CK45-Normalisuert HB"), 220},
        {BarChart::Vickers, QT_TR_NOOP("CK45-Gehärtet HV"), 700},
        {BarChart::Brinell, QT_TR_NOOP("CK45-Gehärtet HB"), 740},
        {BarChart::Vickers, QT_TR_NOOP("CK45-Vergütet HV"), 500},
        {BarChart::Brinell, QT_TR_NOOP("CK45-Vergütet HB"), 530},
    };
    for (const auto& b : bars)
        chart()->addBar(b.series, b.value, tr(b.label), barColour(b.series));
}

void TFormHVGraph::Einsatzstahl1Click()
{
    FormPaint();
    LabelAb->show();
    chart()->clearBars();
    // Hardness against the distance from the surface.
    static const int values[] = {890, 880, 820, 750, 670, 630, 600, 590, 585, 581};
    for (int i = 0; i < 10; ++i) {
        // The depth with the interface's decimal separator: 0,1mm ... 1,0mm.
        const QString label = QLocale().toString((i + 1) / 10.0, 'f', 1) + QStringLiteral("mm");
        chart()->addBar(BarChart::Vickers, values[i], label, barColour(BarChart::Vickers));
    }
}

void TFormHVGraph::NeuZeichnenClick()
{
    AnzahlHB = 0;
    AnzahlHV = 0;
    LabelAb->hide();
    if (Chart1)
        Chart1->clearBars();
}

void TFormHVGraph::Ende1Click()
{
    NeuZeichnenClick();
    close();
}

void TFormHVGraph::ESC1Click()
{
    NeuZeichnenClick();
    close();
}

void TFormHVGraph::formClose() { NeuZeichnenClick(); }

void TFormHVGraph::chosenBackgroundColour(const QColor& colour)
{
    chartColour = colour;
    if (Chart1)
        Chart1->setColour(colour);
}

QImage TFormHVGraph::copiedPicture() { return chart()->picture(); }

tk::ExportedDrawing TFormHVGraph::exportedDrawing() { return chart()->exportedDrawing(); }
