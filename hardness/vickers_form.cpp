#include "vickers_form.h"

#include "vickers_calculator_form.h"

#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

TFormVickers* FormVickers = nullptr;

const QStringList& TFormVickers::explanation()
{
    static const QStringList lines = {
        QStringLiteral(" Bei der Härtebestimmung nach"),
        QStringLiteral(" Vickers (EN ISO 6507-1) dient "),
        QStringLiteral(" eine vierseitige Pyramide "),
        QStringLiteral(" mit 136° Spitzenwinkel als "),
        QStringLiteral(" Eindringkörper."),
        QString(),
        QStringLiteral(" Dieser Prüfkörper mit einer defi-"),
        QStringLiteral(" nierten Prüfkraft F wird senkrecht "),
        QStringLiteral(" in die Oberfläche einer glatt "),
        QStringLiteral(" aufliegenden Probe eingedrückt."),
        QStringLiteral(" Die Prüfkraft ist dabei innerhalb "),
        QStringLiteral(" einer bestimmten Zeitspanne aufzu-"),
        QStringLiteral(" bringen. "),
        QStringLiteral(" Bei diesem Prüfverfahren wird aus"),
        QStringLiteral(" den Diagonalen (d1 und d2) des "),
        QStringLiteral(" Eindrucks, die nach dem Entlasten "),
        QStringLiteral(" der Probe gemessen werden, und "),
        QStringLiteral(" der Prüfkraft F die Vickershärte "),
        QStringLiteral(" berechnet."),
        QString(),
        QStringLiteral(" Besonders gut geeignet ist das "),
        QStringLiteral(" Vickershärteverfahren zur Prüfung "),
        QStringLiteral(" sehr harter Werkstoffe "),
        QStringLiteral(" insbesondere auch für kleine und"),
        QStringLiteral(" dünne Proben sowie harte"),
        QStringLiteral(" Oberflächenschichten. "),
        QStringLiteral(" "),
    };
    return lines;
}

TFormVickers::TFormVickers()
    : IndentationForm(QStringLiteral("TFormVickers"), QStringLiteral("Härtemessung nach Vickers (DIN 50133)"),
                      explanation())
{
    setCalculator(addMenuItem(QStringLiteral("&Berechnung der Vickerswerte"), QStringLiteral("Rechnung"),
                              [this] { RechnungClick(); }),
                  [] { return FormHV; });
    describeDrawing(QStringLiteral("Vickershärtemessung (schematisch)"),
                    QStringLiteral("Messung beendet: Eindruck von oben mit Diagonalen d1, d2 und Formeln für HV"));
    addMenuItem(QStringLiteral("Berechnungs&grundlage"), QStringLiteral("Berechnungsgrundlage1"),
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
