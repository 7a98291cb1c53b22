#include "hardness_chart_form.h"

#include "collected_values.h"
#include "hardness_chart.h"

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

    Chart1 = new HardnessChart(client(), QStringLiteral("Chart1"));
    tk::Font labelFont = tk::Font::character(QStringLiteral("MS Sans Serif"), 16, true);
    LabelAb = tk::makeLabel(Chart1, QStringLiteral("LabelAb"), 0, 0, 
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
        //: Mark of a bar from the Vickers calculator, followed by the value
        Chart1->addBar(HardnessChart::Vickers, tk::strToInt(collectedHV.line(i)), tr("HV-Wert"),
                       barColour(HardnessChart::Vickers));
    for (int i = 1; i <= AnzahlHB; ++i)
        //: Mark of a bar from the Brinell calculator, followed by the value
        Chart1->addBar(HardnessChart::Brinell, tk::strToInt(collectedHB.line(i)), tr("HB-Wert"),
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
        //: Marks of the example bars: the steel CK45 in three states, room for about 22 characters
        {HardnessChart::Vickers, QT_TR_NOOP("CK45-Normalisuert HV"), 200},
        {HardnessChart::Brinell, QT_TR_NOOP("CK45-Normalisuert HB"), 220},
        {HardnessChart::Vickers, QT_TR_NOOP("CK45-Gehärtet HV"), 700},
        {HardnessChart::Brinell, QT_TR_NOOP("CK45-Gehärtet HB"), 740},
        {HardnessChart::Vickers, QT_TR_NOOP("CK45-Vergütet HV"), 500},
        {HardnessChart::Brinell, QT_TR_NOOP("CK45-Vergütet HB"), 530},
    };
    for (const auto& b : bars)
        Chart1->addBar(b.series, b.value, tr(b.label), barColour(b.series));
}

void TFormHVGraph::Einsatzstahl1Click()
{
    FormPaint();
    LabelAb->show();
    Chart1->clearBars();
    // Hardness against the distance from the surface.
    static const int values[] = {890, 880, 820, 750, 670, 630, 600, 590, 585, 581};
    for (int i = 0; i < 10; ++i) {
        // The depth with the interface's decimal separator: 0,1mm ... 1,0mm.
        const QString label = QLocale().toString((i + 1) / 10.0, 'f', 1) + QStringLiteral("mm");
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
