#include "hardness_chart_form.h"

#include "collected_values.h"
#include "hardness_chart.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/numbers.h"
#include "toolkit/screen.h"

#include <QMenu>

using hardness::AnzahlHB;
using hardness::AnzahlHV;
using hardness::collectedHB;
using hardness::collectedHV;
using hardness::HardnessChart;

TFormHVGraph* FormHVGraph = nullptr;

namespace {

// Vickers values are drawn in blue, Brinell values in red.
QColor barColour(HardnessChart::Series series)
{
    return series == HardnessChart::Vickers ? tk::colours::blue : tk::colours::red;
}

}

TFormHVGraph::TFormHVGraph()
    : tk::Form(QStringLiteral("TFormHVGraph"), QStringLiteral("Graphische Ausgabe der ermittelten Härtewerte"))
{
    setBorder(Border::Sizeable);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 10));

    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addMenuItem(QStringLiteral("&Diagramm Zeichnen"), QStringLiteral("Diagramm1"), [this] { Diagramm1Click(); });
    QMenu* examples = addMenu(QStringLiteral("&Beispiele"), QStringLiteral("Beispiele1"));
    addMenuItem(QStringLiteral("CK45"), QStringLiteral("CK45"), [this] { CK45Click(); }, examples);
    addMenuItem(QStringLiteral("Einsatzstahl"), QStringLiteral("Einsatzstahl1"), [this] { Einsatzstahl1Click(); },
                examples);
    addMenuItem(QStringLiteral("&Neu Zeichnen"), QStringLiteral("NeuZeichnen"), [this] { NeuZeichnenClick(); });
    setStatusText(QStringLiteral("ESC = Abbruch"));

    Chart1 = new HardnessChart(client(), QStringLiteral("Chart1"));
    tk::Font labelFont = tk::Font::character(QStringLiteral("MS Sans Serif"), 16, true);
    LabelAb = tk::makeLabel(Chart1, QStringLiteral("LabelAb"), 0, 0, QStringLiteral("Abstand vom Rand"), labelFont);
    LabelAb->hide();
}

void TFormHVGraph::formCreate()
{
    const QSize screen = tk::screenSize();
    FormHVGraph->setBounds(screen.width() - 710, tk::centredTop(500), 700, 500);
    FormHVGraph->clientResized();
}

void TFormHVGraph::clientResized()
{
    // The chart fills the client area above the status bar, also when the
    // user changes the size of the window.
    if (!Chart1)
        return;
    Chart1->setGeometry(0, 0, clientWidth(), clientHeight() - statusBar()->height());
    FormPaint();
}

void TFormHVGraph::FormPaint()
{
    LabelAb->move(tk::idiv(Chart1->width(), 2) - 100, Chart1->height() - 30);
}

void TFormHVGraph::showEvent(QShowEvent* e)
{
    FormPaint();
    tk::Form::showEvent(e);
}

void TFormHVGraph::Diagramm1Click()
{
    // Bars are added to what the chart shows; a line that is no integer ends
    // the drawing, the bars before it stay.
    for (int i = 1; i <= AnzahlHV; ++i)
        Chart1->addBar(HardnessChart::Vickers, tk::strToInt(collectedHV.line(i)), QStringLiteral("HV-Wert"),
                       barColour(HardnessChart::Vickers));
    for (int i = 1; i <= AnzahlHB; ++i)
        Chart1->addBar(HardnessChart::Brinell, tk::strToInt(collectedHB.line(i)), QStringLiteral("HB-Wert"),
                       barColour(HardnessChart::Brinell));
}

void TFormHVGraph::CK45Click()
{
    LabelAb->hide();
    Chart1->clearBars();
    const struct {
        HardnessChart::Series series;
        const char* label;
        int value;
    } bars[] = {
        {HardnessChart::Vickers, "CK45-Normalisuert HV", 200}, {HardnessChart::Brinell, "CK45-Normalisuert HB", 220},
        {HardnessChart::Vickers, "CK45-Gehärtet HV", 700},     {HardnessChart::Brinell, "CK45-Gehärtet HB", 740},
        {HardnessChart::Vickers, "CK45-Vergütet HV", 500},     {HardnessChart::Brinell, "CK45-Vergütet HB", 530},
    };
    for (const auto& b : bars)
        Chart1->addBar(b.series, b.value, QString::fromUtf8(b.label), barColour(b.series));
}

void TFormHVGraph::Einsatzstahl1Click()
{
    FormPaint();
    LabelAb->show();
    Chart1->clearBars();
    // Hardness against the distance from the surface.
    static const int values[] = {890, 880, 820, 750, 670, 630, 600, 590, 585, 581};
    for (int i = 0; i < 10; ++i) {
        const QString label = i < 9 ? QStringLiteral("0,%1mm").arg(i + 1) : QStringLiteral("1,0mm");
        Chart1->addBar(HardnessChart::Vickers, values[i], label, barColour(HardnessChart::Vickers));
    }
}

void TFormHVGraph::NeuZeichnenClick()
{
    AnzahlHB = 0;
    AnzahlHV = 0;
    LabelAb->hide();
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

void TFormHVGraph::chosenBackgroundColour(const QColor& colour) { Chart1->setColour(colour); }

QImage TFormHVGraph::copiedPicture() { return Chart1->picture(); }

tk::ExportedDrawing TFormHVGraph::exportedDrawing() { return Chart1->exportedDrawing(); }
