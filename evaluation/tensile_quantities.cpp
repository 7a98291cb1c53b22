#include "tensile_quantities.h"

#include <QCoreApplication>
#include <QLocale>
#include <cfenv>
#include <cmath>

namespace evaluation {

namespace {

struct Entry {
    const char* symbol;
    const char* html;
    const char* unit;
    const char* key;
    const char* name;
    const char* definition;
    double step;  // rounding step in the unit
};

// clang-format off
const Entry entries[tensileQuantityCount] = {
    {"mE", "m<sub>E</sub>", "GPa", "mE",
     QT_TRANSLATE_NOOP("TensileQuantity", "Steigung des elastischen Bereichs"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Steigung der Hookeschen Geraden im Spannungs-Dehnungs-Diagramm, durch lineare Regression über einen "
         "einstellbaren Spannungsbereich (üblich: 10 % bis 40 % von Rm) bestimmt. Mit einem Feindehnungsaufnehmer "
         "gemessen liegt sie nahe am Elastizitätsmodul; aus dem Traversenweg ist sie deutlich kleiner, weil die "
         "Maschine sich mit verformt. Sie dient vor allem dazu, den elastischen Anteil der Dehnung abzuziehen."),
     0.1},
    {"ReH", "R<sub>eH</sub>", "MPa", "ReH",
     QT_TRANSLATE_NOOP("TensileQuantity", "obere Streckgrenze"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Spannung im Augenblick des ersten merklichen Kraftabfalls bei Werkstoffen mit ausgeprägter "
         "Streckgrenze: der höchste Wert vor dem Abfall, ReH = FeH / S0."),
     1.0},
    {"ReL", "R<sub>eL</sub>", "MPa", "ReL",
     QT_TRANSLATE_NOOP("TensileQuantity", "untere Streckgrenze"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Kleinste Spannung während des Fließens (Lüdersdehnung) bei Werkstoffen mit ausgeprägter Streckgrenze; "
         "ein erster Einschwingvorgang gleich nach dem Kraftabfall bleibt unberücksichtigt. ReL = FeL / S0."),
     1.0},
    {"Rp0,2", "R<sub>p0,2</sub>", "MPa", "Rp0.2",
     QT_TRANSLATE_NOOP("TensileQuantity", "0,2 %-Dehngrenze"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Spannung, bei der die nicht proportionale (plastische) Dehnung 0,2 % der Messlänge erreicht: Schnittpunkt "
         "der Kurve mit einer Parallelen zur Hookeschen Geraden, um 0,2 % Dehnung verschoben. Sie wird bei stetigem "
         "Übergang vom elastischen in den plastischen Bereich bestimmt."),
     1.0},
    {"Fm", "F<sub>m</sub>", "kN", "Fm",
     QT_TRANSLATE_NOOP("TensileQuantity", "Höchstkraft"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Größte Kraft, die die Probe im Versuch nach Beginn der Verfestigung erträgt. Bei Werkstoffen mit "
         "ausgeprägter Streckgrenze zählt die Kraft nach dem Fließbereich."),
     0.01},
    {"Rm", "R<sub>m</sub>", "MPa", "Rm",
     QT_TRANSLATE_NOOP("TensileQuantity", "Zugfestigkeit"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Spannung bei der Höchstkraft, bezogen auf den Anfangsquerschnitt: Rm = Fm / S0."),
     1.0},
    {"Ag", "A<sub>g</sub>", "%", "Ag",
     QT_TRANSLATE_NOOP("TensileQuantity", "plastische Dehnung bei Höchstkraft (Gleichmaßdehnung)"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Bleibende Dehnung bei der Höchstkraft, bezogen auf die Messlänge des Dehnungsaufnehmers: die "
         "Gesamtdehnung Agt ohne den elastischen Anteil Rm / mE. Bei einem flachen Maximum gilt die Mitte des "
         "Plateaus. Bis hierher verformt sich die Probe gleichmäßig, danach schnürt sie ein."),
     0.5},
    {"Agt", "A<sub>gt</sub>", "%", "Agt",
     QT_TRANSLATE_NOOP("TensileQuantity", "Gesamtdehnung bei Höchstkraft"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Elastische und plastische Dehnung zusammen bei der Höchstkraft, bezogen auf die Messlänge des "
         "Dehnungsaufnehmers."),
     0.5},
    {"At", "A<sub>t</sub>", "%", "At",
     QT_TRANSLATE_NOOP("TensileQuantity", "Gesamtdehnung beim Bruch"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Elastische und plastische Dehnung zusammen im Augenblick des Bruchs, bezogen auf die Messlänge des "
         "Dehnungsaufnehmers. Als Bruch gilt der letzte Messpunkt, bevor die Kraft jäh abfällt."),
     0.5},
    {"A", "A", "%", "A",
     QT_TRANSLATE_NOOP("TensileQuantity", "Bruchdehnung"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Bleibende Verlängerung der Messlänge nach dem Bruch, bezogen auf die Anfangsmesslänge: "
         "A = (Lu − L0) / L0 · 100 %. Ohne gemessenes Lu aus der Kurve: At ohne den elastischen Anteil beim Bruch "
         "(Bruchspannung / mE). Ohne Zusatz gilt A für den kurzen Proportionalstab (L0 = 5,65 · √S0), A11,3 für den "
         "langen (L0 = 11,3 · √S0); bei anderen Messlängen steht die Länge am Zeichen (A80mm). Aus dem "
         "Traversenweg ermittelt ist A nicht normgerecht."),
     0.5},
    {"Z", "Z", "%", "Z",
     QT_TRANSLATE_NOOP("TensileQuantity", "Brucheinschnürung"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Größte bleibende Querschnittsänderung nach dem Bruch, bezogen auf den Anfangsquerschnitt: "
         "Z = (S0 − Su) / S0 · 100 %."),
     1.0},
};
// clang-format on

const Entry& entry(TensileQuantity q) { return entries[int(q)]; }

}

QString quantitySymbol(TensileQuantity q) { return QString::fromUtf8(entry(q).symbol); }
QString quantitySymbolHtml(TensileQuantity q) { return QString::fromUtf8(entry(q).html); }
QString quantityUnit(TensileQuantity q) { return QString::fromUtf8(entry(q).unit); }
QString quantityKey(TensileQuantity q) { return QString::fromUtf8(entry(q).key); }
QString quantityName(TensileQuantity q) { return QCoreApplication::translate("TensileQuantity", entry(q).name); }
QString quantityDefinition(TensileQuantity q)
{
    return QCoreApplication::translate("TensileQuantity", entry(q).definition);
}

double roundForReport(TensileQuantity q, double value)
{
    const double step = entry(q).step;
    // std::nearbyint rounds halves to even in the default rounding mode.
    const double multiples = value / step;
    const double rounded = std::nearbyint(multiples);
    // value/step may miss a half by one ulp (2.25/0.1); count what lies
    // within a few ulps of a half as a half.
    const double fraction = std::abs(multiples - std::trunc(multiples));
    if (std::abs(fraction - 0.5) < 1e-9 * std::max(1.0, std::abs(multiples))) {
        const double lower = std::trunc(multiples);
        const double upper = lower + (multiples < 0 ? -1 : 1);
        return (std::fmod(lower, 2.0) == 0 ? lower : upper) * step;
    }
    return rounded * step;
}

QString formatForReport(TensileQuantity q, double value, bool decimalPoint)
{
    const double step = entry(q).step;
    const int decimals = step >= 1.0 ? 0 : step >= 0.1 ? 1 : 2;
    const double rounded = roundForReport(q, value);
    // No "-0" for a value that rounds to zero from below.
    const double shown = rounded == 0 ? 0.0 : rounded;
    if (decimalPoint)
        return QString::number(shown, 'f', decimals);
    return QLocale().toString(shown, 'f', decimals);
}

}
