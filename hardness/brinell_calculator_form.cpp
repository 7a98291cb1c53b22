#include "brinell_calculator_form.h"

#include "brinell_form.h"
#include "collected_values.h"
#include "hardness_formulas.h"
#include "hardness_chart_form.h"
#include "validity_hints.h"
#include "value_list.h"

#include "toolkit/controls.h"
#include "toolkit/numbers.h"

using hardness::AnzahlHB;
using hardness::BrinellCalculation;
using hardness::brinellCalculation;
using hardness::CalculatorForm;
using hardness::collectedHB;

TFormHB* FormHB = nullptr;
hardness::BrinellCalculation hardness::brinellCalculation;

namespace {

CalculatorForm::Layout brinellLayout()
{
    CalculatorForm::Layout l;
    l.lengthUnit = QStringLiteral("mm");
    l.values = &collectedHB;
    //: Heading of the list of accepted values, room for about 12 characters
    l.listTitle = TFormHB::tr("HB-Werte");
    //: Heading of the calculator panel, room for about 28 characters
    l.heading = TFormHB::tr("Berechnung der Brinellhärte");
    //: Label of the test load field (kilopond), room for about 18 characters
    l.loadLabel = TFormHB::tr("Prüflast in kp  ");
    //: Label of the test force field, room for about 18 characters
    l.forceLabel = TFormHB::tr("Prüfkraft in  N");
    l.d1Label = QStringLiteral("D /");
    l.d2Label = QStringLiteral("d   / ");
    //: Label of the result field, room for about 18 characters
    l.resultLabel = TFormHB::tr("Brinellhärte HB");
    l.countLabelName = QStringLiteral("Label6");
    l.countEditName = QStringLiteral("EditBrN");
    //: Button that clears the calculator and its list
    l.resetCaption = TFormHB::tr("Alle Daten löschen");
    //: Heading of the small table of loads for steel, room for about 26 characters
    l.loadTable = {TFormHB::tr("Belastungen für Stahl mit"),
                   //: Ball diameters; only the decimal separator changes
                   TFormHB::tr("D = 10/5/2,5 mm"), QStringLiteral("F in kp  = D*D*30")};
    return l;
}

}

TFormHB::TFormHB()
    //: Caption of the Brinell calculator
    : CalculatorForm(QStringLiteral("TFormHB"), tr("Berechnung der Brinallhärte HB"), brinellLayout())
{
    addPanelLabel(QStringLiteral("Label9"), 70, 120, QStringLiteral("mm"));
    addPanelLabel(QStringLiteral("Label8"), 70, 152, QStringLiteral("mm"));
    Edit2->setOnExit([this] { Edit2Exit(); });
}

void TFormHB::formCreate() { FormHB->placeAtLeftEdge(); }

void TFormHB::EditPruefExit()
{
    BrinellCalculation& b = brinellCalculation;
    b.testLoad = tk::toSingle(tk::strToFloat(EditPruef->text()));
    b.force = hardness::testForce(b.testLoad);
    Edit1->setText(tk::floatToStr(b.force));
    Edit1->setCursorPosition(0); // show the leading digits of a long value
}

void TFormHB::Edit2Exit() { MemoDaten->setHeading(hardness::brinellHeading(Edit2->text(), EditPruef->text())); }

void TFormHB::BitBtnRechClick()
{
    setStatusText(QString());
    BrinellCalculation& b = brinellCalculation;
    b.ballDiameter = tk::toSingle(tk::strToFloat(Edit2->text()));
    b.indentDiameter = tk::toSingle(tk::strToFloat(Edit3->text()));
    if (const auto hb = hardness::brinellHardness(b.force, b.ballDiameter, b.indentDiameter))
        b.HBWert = *hb;
    Edit4->setText(QString::number(b.HBWert));
    setStatusText(hardness::brinellValidityHint(b.testLoad, b.ballDiameter, b.indentDiameter));
}

void TFormHB::BitBtnUeberClick() { acceptValue(brinellCalculation.accepted); }

void TFormHB::ButtonDiagrammClick()
{
    AnzahlHB = tk::strToInt(EditBrN()->text());
    if (FormHVGraph)
        FormHVGraph->showModal();
}

// Unlike the Vickers calculator, "Diagramm" stays as it is here.
void TFormHB::ButtonNeuClick()
{
    clearData();
    brinellCalculation.accepted = 0;
}

void TFormHB::formClose()
{
    clearData();
    centreMeasurementWindow(FormBrinell);
    brinellCalculation.accepted = 0;
}
