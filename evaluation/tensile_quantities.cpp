#include "tensile_quantities.h"

#include <QtGlobal>

namespace evaluation {

namespace {

constexpr const char* context = "TensileQuantity";

// clang-format off
const ResultTerm terms[tensileQuantityCount] = {
    {"mE", "mE", "m<sub>E</sub>", "GPa", 0.1, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "Steigung des elastischen Bereichs"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Steigung der Hookeschen Geraden im Spannungs-Dehnungs-Diagramm, durch lineare Regression über einen "
         "einstellbaren Spannungsbereich (üblich: 10 % bis 40 % von Rm) bestimmt. Mit einem Feindehnungsaufnehmer "
         "gemessen liegt sie nahe am Elastizitätsmodul; aus dem Traversenweg ist sie deutlich kleiner, weil die "
         "Maschine sich mit verformt. Sie dient vor allem dazu, den elastischen Anteil der Dehnung abzuziehen.")},
    {"ReH", "ReH", "R<sub>eH</sub>", "MPa", 1.0, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "obere Streckgrenze"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Spannung im Augenblick des ersten merklichen Kraftabfalls bei Werkstoffen mit ausgeprägter "
         "Streckgrenze: der höchste Wert vor dem Abfall, ReH = FeH / S0.")},
    {"ReL", "ReL", "R<sub>eL</sub>", "MPa", 1.0, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "untere Streckgrenze"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Kleinste Spannung während des Fließens (Lüdersdehnung) bei Werkstoffen mit ausgeprägter Streckgrenze; "
         "ein erster Einschwingvorgang gleich nach dem Kraftabfall bleibt unberücksichtigt. ReL = FeL / S0.")},
    {"Rp0.2", "Rp0,2", "R<sub>p0,2</sub>", "MPa", 1.0, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "0,2 %-Dehngrenze"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Spannung, bei der die nicht proportionale (plastische) Dehnung 0,2 % der Messlänge erreicht: Schnittpunkt "
         "der Kurve mit einer Parallelen zur Hookeschen Geraden, um 0,2 % Dehnung verschoben. Sie wird bei stetigem "
         "Übergang vom elastischen in den plastischen Bereich bestimmt.")},
    {"Fm", "Fm", "F<sub>m</sub>", "kN", 0.01, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "Höchstkraft"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Größte Kraft, die die Probe im Versuch nach Beginn der Verfestigung erträgt. Bei Werkstoffen mit "
         "ausgeprägter Streckgrenze zählt die Kraft nach dem Fließbereich.")},
    {"Rm", "Rm", "R<sub>m</sub>", "MPa", 1.0, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "Zugfestigkeit"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Spannung bei der Höchstkraft, bezogen auf den Anfangsquerschnitt: Rm = Fm / S0.")},
    {"Ag", "Ag", "A<sub>g</sub>", "%", 0.5, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "plastische Dehnung bei Höchstkraft (Gleichmaßdehnung)"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Bleibende Dehnung bei der Höchstkraft, bezogen auf die Messlänge des Dehnungsaufnehmers: die "
         "Gesamtdehnung Agt ohne den elastischen Anteil Rm / mE. Bei einem flachen Maximum gilt die Mitte des "
         "Plateaus. Bis hierher verformt sich die Probe gleichmäßig, danach schnürt sie ein.")},
    {"Agt", "Agt", "A<sub>gt</sub>", "%", 0.5, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "Gesamtdehnung bei Höchstkraft"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Elastische und plastische Dehnung zusammen bei der Höchstkraft, bezogen auf die Messlänge des "
         "Dehnungsaufnehmers.")},
    {"At", "At", "A<sub>t</sub>", "%", 0.5, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "Gesamtdehnung beim Bruch"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Elastische und plastische Dehnung zusammen im Augenblick des Bruchs, bezogen auf die Messlänge des "
         "Dehnungsaufnehmers. Als Bruch gilt der letzte Messpunkt, bevor die Kraft jäh abfällt.")},
    {"A", "A", "A", "%", 0.5, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "Bruchdehnung"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Bleibende Verlängerung der Messlänge nach dem Bruch, bezogen auf die Anfangsmesslänge: "
         "A = (Lu − L0) / L0 · 100 %. Ohne gemessenes Lu aus der Kurve: At ohne den elastischen Anteil beim Bruch "
         "(Bruchspannung / mE). Ohne Zusatz gilt A für den kurzen Proportionalstab (L0 = 5,65 · √S0), A11,3 für den "
         "langen (L0 = 11,3 · √S0); bei anderen Messlängen steht die Länge am Zeichen (A80mm). Aus dem "
         "Traversenweg ermittelt ist A nicht normgerecht.")},
    {"Z", "Z", "Z", "%", 1.0, false, context,
     QT_TRANSLATE_NOOP("TensileQuantity", "Brucheinschnürung"),
     QT_TRANSLATE_NOOP("TensileQuantity",
         "Größte bleibende Querschnittsänderung nach dem Bruch, bezogen auf den Anfangsquerschnitt: "
         "Z = (S0 − Su) / S0 · 100 %.")},
};
// clang-format on

}

std::span<const ResultTerm> tensileResultTerms()
{
    return terms;
}

const ResultTerm& tensileTerm(TensileQuantity q)
{
    return terms[int(q)];
}

}
