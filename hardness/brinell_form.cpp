#include "brinell_form.h"

#include "brinell_calculator_form.h"

#include "toolkit/fonts.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QLabel>

TFormBrinell* FormBrinell = nullptr;

const QStringList& TFormBrinell::explanation()
{
    static const QStringList lines = {
        QStringLiteral(" Bei der Härtemessung nach"),
        QStringLiteral(" Brinell (DIN EN 6506-1 früher "),
        QStringLiteral(" DIN 50351) wird eine gehärtete"),
        QStringLiteral(" Stahlkugel oder eine Hartmetall-"),
        QStringLiteral(" kugel als Eindringkörper eingesetzt."),
        QString(),
        QStringLiteral(" Dieser Prüfkörper mit bekanntem "),
        QStringLiteral(" Durchmesser D wird mit einer defi-"),
        QStringLiteral(" nierten Prüfkraft F senkrecht in die"),
        QStringLiteral(" Oberfläche einer glatt aufliegenden"),
        QStringLiteral(" Probe eingedrückt."),
        QStringLiteral(" Die Prüfkraft ist dabei innerhalb "),
        QStringLiteral(" einer bestimmten Zeitspanne aufzu-"),
        QStringLiteral(" bringen. Die Einwirkzeit muss 10 bis"),
        QStringLiteral(" 15 Sekunden betragen."),
        QStringLiteral(" Mit Hilfe des Durchmessers d des "),
        QStringLiteral(" Eindrucks, dem Prüfkörperdurch-"),
        QStringLiteral(" messer D und der Prüfkraft F er-"),
        QStringLiteral(" rechnet man die Brinellhärte HB:"),
        QString(),
        QStringLiteral(" Das Brinellhärteverfahren kommt"),
        QStringLiteral(" bevorzugt bei Eisenwerkstoffen "),
        QStringLiteral(" und NE-Legierungen mit unter-"),
        QStringLiteral(" schiedlichen Gefügebestandteilen"),
        QStringLiteral(" zur Anwendung. Es eignet sich aller-"),
        QStringLiteral(" dings nicht für sehr harte Stoffe und"),
        QStringLiteral(" für dünne Oberflächenschichten."),
    };
    return lines;
}

TFormBrinell::TFormBrinell()
    : IndentationForm(QStringLiteral("TFormBrinell"), QStringLiteral("Härtemessung nach Brinell (DIN EN 6506-1)"),
                      explanation())
{
    setCalculator(addMenuItem(QStringLiteral("&Berechnung der Brinellwerte"),
                              QStringLiteral("BerechnungderBrinellwerte1"),
                              [this] { BerechnungderBrinellwerte1Click(); }),
                  [] { return FormHB; });
    addMenuItem(QStringLiteral("Be&rechnungsgrundlagen"), QStringLiteral("Berechnungsgrundlagen1"),
                [this] { Berechnungsgrundlagen1Click(); });
    describeDrawing(QStringLiteral("Brinellhärtemessung (schematisch)"),
                    QStringLiteral("Messung beendet: Eindruck von oben mit Durchmesser d und Formeln für HB"));
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
