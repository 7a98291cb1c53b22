#include "vickers_calculator_form.h"

#include "collected_values.h"
#include "hardness_formulas.h"
#include "hardness_chart_form.h"
#include "validity_hints.h"
#include "value_list.h"
#include "vickers_form.h"

#include "toolkit/controls.h"
#include "toolkit/numbers.h"

#include <QPushButton>

using hardness::AnzahlHV;
using hardness::CalculatorForm;
using hardness::collectedHV;
using hardness::VickersCalculation;
using hardness::vickersCalculation;

TFormHV* FormHV = nullptr;
hardness::VickersCalculation hardness::vickersCalculation;

namespace {

CalculatorForm::Layout vickersLayout()
{
    CalculatorForm::Layout l;
    l.lengthUnit = QStringLiteral("µm");
    l.values = &collectedHV;
    //: Heading of the list of accepted values, room for about 12 characters
    l.listTitle = TFormHV::tr("HV-Werte");
    //: Heading of the calculator panel, room for about 28 characters
    l.heading = TFormHV::tr("Berechnung der Vickershärte");
    //: Label of the test condition field (e.g. 10 for HV 10), room for about 18 characters
    l.loadLabel = TFormHV::tr("Prüfbedingung    HV");
    //: Label of the test force field, room for about 18 characters
    l.forceLabel = TFormHV::tr("Prüfkraft / N");
    l.d1Label = QStringLiteral("d [1] / ");
    l.d2Label = QStringLiteral("d [2] / ");
    //: Label of the result field, room for about 18 characters
    l.resultLabel = TFormHV::tr("Vickershärte HV");
    l.countLabelName = QStringLiteral("Label11");
    l.countEditName = QStringLiteral("EditViN");
    //: Button that clears the calculator and its list; access key after &
    l.resetCaption = TFormHV::tr("&Alle Daten Löschen");
    //: Heading of the small table of usual test conditions, room for about 26 characters
    l.loadTable = {TFormHV::tr("Vorwiegende Belastungen"),
                   //: Usual test conditions; only the decimal separator changes
                   TFormHV::tr("HV 0,5 HV 1 HV 10"), QStringLiteral("HV 30  HV 60")};
    return l;
}

}

TFormHV::TFormHV()
    //: Caption of the Vickers calculator
    : CalculatorForm(QStringLiteral("TFormHV"), tr("Berechnung der Vickershärte HV"), vickersLayout())
{
    // µm: a µ from the symbol font followed by an m.
    addPanelLabel(QStringLiteral("Label6"), 60, 120, QStringLiteral("m"), true);
    addPanelLabel(QStringLiteral("Label9"), 70, 120, QStringLiteral("m"));
    addPanelLabel(QStringLiteral("Label7"), 60, 152, QStringLiteral("m"), true);
    addPanelLabel(QStringLiteral("Label8"), 70, 152, QStringLiteral("m"));
}

void TFormHV::formCreate() { FormHV->placeAtLeftEdge(); }

void TFormHV::EditPruefExit()
{
    VickersCalculation& v = vickersCalculation;
    v.testLoad = tk::toSingle(tk::strToFloat(EditPruef->text()));
    v.force = hardness::testForce(v.testLoad);
    Edit1->setText(tk::floatToStr(v.force));
    Edit1->setCursorPosition(0); // show the leading digits of a long value
    MemoDaten->setHeading(hardness::vickersHeading(EditPruef->text()));
}

void TFormHV::BitBtnRechClick()
{
    setStatusText(QString());
    VickersCalculation& v = vickersCalculation;
    v.d1 = tk::toSingle(tk::strToFloat(Edit2->text()));
    v.d2 = tk::toSingle(tk::strToFloat(Edit3->text()));
    if (const auto hv = hardness::vickersHardness(v.force, v.d1, v.d2))
        v.HVWert = *hv;
    Edit4->setText(QString::number(v.HVWert));
    setStatusText(hardness::vickersValidityHint(v.d1, v.d2));
}

void TFormHV::BitBtnUeberClick() { acceptValue(vickersCalculation.accepted); }

void TFormHV::ButtonDiagrammClick()
{
    AnzahlHV = tk::strToInt(EditViN()->text());
    if (FormHVGraph)
        FormHVGraph->showModal();
}

void TFormHV::ButtonNeuClick()
{
    clearData();
    ButtonDiagramm->setEnabled(false);
    vickersCalculation.accepted = 0;
}

void TFormHV::formClose()
{
    clearData();
    ButtonDiagramm->setEnabled(false);
    centreMeasurementWindow(FormVickers);
    vickersCalculation.accepted = 0;
}
