#include "brinell_form.h"

#include "brinell_calculator_form.h"

#include "toolkit/fonts.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QLabel>

TFormBrinell* FormBrinell = nullptr;

QStringList TFormBrinell::explanation()
{
    // One text, so a translation chooses its own line breaks.
    //: Explanation box of the Brinell window: one line per \n, lines of at most about 36 characters, at most 27 lines
    return tr(
        " Bei der Härtemessung nach\n"
        " Brinell (DIN EN 6506-1 früher \n"
        " DIN 50351) wird eine gehärtete\n"
        " Stahlkugel oder eine Hartmetall-\n"
        " kugel als Eindringkörper eingesetzt.\n"
        "\n"
        " Dieser Prüfkörper mit bekanntem \n"
        " Durchmesser D wird mit einer defi-\n"
        " nierten Prüfkraft F senkrecht in die\n"
        " Oberfläche einer glatt aufliegenden\n"
        " Probe eingedrückt.\n"
        " Die Prüfkraft ist dabei innerhalb \n"
        " einer bestimmten Zeitspanne aufzu-\n"
        " bringen. Die Einwirkzeit muss 10 bis\n"
        " 15 Sekunden betragen.\n"
        " Mit Hilfe des Durchmessers d des \n"
        " Eindrucks, dem Prüfkörperdurch-\n"
        " messer D und der Prüfkraft F er-\n"
        " rechnet man die Brinellhärte HB:\n"
        "\n"
        " Das Brinellhärteverfahren kommt\n"
        " bevorzugt bei Eisenwerkstoffen \n"
        " und NE-Legierungen mit unter-\n"
        " schiedlichen Gefügebestandteilen\n"
        " zur Anwendung. Es eignet sich aller-\n"
        " dings nicht für sehr harte Stoffe und\n"
        " für dünne Oberflächenschichten.").split(QChar('\n'));
}

TFormBrinell::TFormBrinell()
    //: Caption of the Brinell window
    : IndentationForm(QStringLiteral("TFormBrinell"), tr("Härtemessung nach Brinell (DIN EN 6506-1)"),
                      explanation())
{
    //: Menu item that opens the Brinell calculator; access key after &
    setCalculator(addMenuItem(tr("&Berechnung der Brinellwerte"),
                              QStringLiteral("BerechnungderBrinellwerte1"),
                              [this] { BerechnungderBrinellwerte1Click(); }),
                  [] { return FormHB; });
    //: Menu item that draws the Brinell formulas; access key after &
    addMenuItem(tr("Be&rechnungsgrundlagen"), QStringLiteral("Berechnungsgrundlagen1"),
                [this] { Berechnungsgrundlagen1Click(); });
    //: Screen reader: name of the drawing, then what it shows after a run
    describeDrawing(tr("Brinellhärtemessung (schematisch)"),
                    tr("Messung beendet: Eindruck von oben mit Durchmesser d und Formeln für HB"));
    statusBar()->setFont(tk::qtFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 15)));
}

void TFormBrinell::formCreate() { FormBrinell->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600); }

void TFormBrinell::BerechnungderBrinellwerte1Click() { openCalculator(); }

void TFormBrinell::Berechnungsgrundlagen1Click()
{
    // A repaint still due would wipe the formulas at once.
    paintBoxHaupt()->ensurePainted();
    m_scene.paintFormulaBlock(paintBoxHaupt()->canvas());
    paintBoxHaupt()->showDrawn();
    paintBoxDown()->showDrawn();
}
