#include "vickers_form.h"

#include "vickers_calculator_form.h"

#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

TFormVickers* FormVickers = nullptr;

QStringList TFormVickers::explanation()
{
    // One text, so a translation chooses its own line breaks.
    //: Explanation box of the Vickers window: one line per \n, lines of at most about 34 characters, at most 27 lines
    return tr(
        " Bei der Härtebestimmung nach\n"
        " Vickers (EN ISO 6507-1) dient \n"
        " eine vierseitige Pyramide \n"
        " mit 136° Spitzenwinkel als \n"
        " Eindringkörper.\n"
        "\n"
        " Dieser Prüfkörper mit einer defi-\n"
        " nierten Prüfkraft F wird senkrecht \n"
        " in die Oberfläche einer glatt \n"
        " aufliegenden Probe eingedrückt.\n"
        " Die Prüfkraft ist dabei innerhalb \n"
        " einer bestimmten Zeitspanne aufzu-\n"
        " bringen. \n"
        " Bei diesem Prüfverfahren wird aus\n"
        " den Diagonalen (d1 und d2) des \n"
        " Eindrucks, die nach dem Entlasten \n"
        " der Probe gemessen werden, und \n"
        " der Prüfkraft F die Vickershärte \n"
        " berechnet.\n"
        "\n"
        " Besonders gut geeignet ist das \n"
        " Vickershärteverfahren zur Prüfung \n"
        " sehr harter Werkstoffe \n"
        " insbesondere auch für kleine und\n"
        " dünne Proben sowie harte\n"
        " Oberflächenschichten. \n"
        " ").split(QChar('\n'));
}

TFormVickers::TFormVickers()
    //: Caption of the Vickers window
    : IndentationForm(QStringLiteral("TFormVickers"), tr("Härtemessung nach Vickers (DIN 50133)"),
                      explanation())
{
    //: Menu item that opens the Vickers calculator; access key after &
    setCalculator(addMenuItem(tr("&Berechnung der Vickerswerte"), QStringLiteral("Rechnung"),
                              [this] { RechnungClick(); }),
                  [] { return FormHV; });
    //: Screen reader: name of the drawing, then what it shows after a run
    describeDrawing(tr("Vickershärtemessung (schematisch)"),
                    tr("Messung beendet: Eindruck von oben mit Diagonalen d1, d2 und Formeln für HV"));
    //: Menu item that draws the Vickers formulas; access key after &
    addMenuItem(tr("Berechnungs&grundlage"), QStringLiteral("Berechnungsgrundlage1"),
                [this] { Berechnungsgrundlage1Click(); });
}

void TFormVickers::formCreate() { FormVickers->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600); }

void TFormVickers::RechnungClick() { openCalculator(); }

void TFormVickers::Berechnungsgrundlage1Click()
{
    // A repaint still due would wipe the formulas at once.
    paintBoxHaupt()->ensurePainted();
    m_scene.paintCalculationBasis(paintBoxDown()->canvas());
    paintBoxDown()->showDrawn();
}
