#include "stress_strain_terms.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"

#include <vector>

namespace tensile {

namespace {

// One drawing step of an explanation: a text at its cell's top-left corner,
// a fraction bar, a text in the Symbol font (its s and e read as the Greek
// sigma and epsilon), or a subscript lowered to `y` right after the last
// letter of `base`, a text that starts at `x`.
struct Item {
    enum Kind { Text, Bar, Greek, Subscript } kind;
    int x, y;
    int x2 = 0, y2 = 0;
    const char* text = "";
    const char* base = "";
};

Item text(int x, int y, const char* s) { return {Item::Text, x, y, 0, 0, s}; }
Item bar(int x1, int y1, int x2, int y2) { return {Item::Bar, x1, y1, x2, y2, ""}; }
Item greek(int x, int y, const char* s) { return {Item::Greek, x, y, 0, 0, s}; }
Item subscript(int x, int y, const char* base, const char* s) { return {Item::Subscript, x, y, 0, 0, s, base}; }

// The unit N/mm² as a fraction, its bar 60 pixels wide.
void addUnit(std::vector<Item>& items, int x, int y)
{
    items.push_back(text(x + 10, y, "N"));
    items.push_back(bar(x, y + 21, x + 60, y + 21));
    items.push_back(text(x + 10, y + 23, "qmm"));
}

std::vector<Item> withUnit(std::vector<Item> items, int x, int y, std::vector<Item> after = {})
{
    addUnit(items, x, y);
    items.insert(items.end(), after.begin(), after.end());
    return items;
}

const std::vector<std::vector<Item>>& entries()
{
    static const std::vector<std::vector<Item>> all = {
        // Bruchdehnung
        {text(10, 5, "Die Bruchdehnung ist die bleibende Längenänderung dL, bezogen auf die"),
         text(10, 25, "Ausgangsmesslänge L[0] in %. "), text(10, 85, "A ="),
         text(40, 75, "Länge (Bruch) - Ausgangslänge"), bar(40, 93, 300, 93), text(78, 95, "    Ausgangslänge"),
         text(300, 85, "*100%  ="), text(380, 75, "dL"), bar(370, 93, 420, 93), text(380, 95, "L[0]"),
         text(410, 85, "*100%")},
        // Brucheinschnürung
        {text(10, 5, "Die Brucheinschnürung ist die bleibende Querschnittsänderung dS"),
         text(10, 25, "nach dem Bruch, bezogen auf den Ausgangsquerschnitt S[0] in %. "), text(10, 85, "Z ="),
         text(40, 75, "Querschnitt (Bruch) - Ausgangsquerschnitt"), bar(40, 93, 350, 93),
         text(78, 95, "    Ausgangsquerschnitt"), text(350, 85, "*100%  ="), text(430, 75, "dS"),
         bar(420, 93, 470, 93), text(430, 95, "S[0]"), text(460, 85, "*100%")},
        // Dehngrenze-0.2%
        withUnit({text(10, 5, "Die 0.2%-Dehngrenze R[p0.2] ist laut Definition die Spannung bei der eine"),
                  text(10, 25, "bleibende Dehnung bzw. nicht proportionale Dehnung von 0.2 Prozent"),
                  text(10, 45, "erfolgt. Diese Dehngrenze wird beim stetigem Übergang vom elastischen"),
                  text(10, 65, "in den plastischen Bereich bestimmt und entspricht in etwa der"),
                  text(10, 85, "oberen Streckgrenze R[eH]. "), text(250, 95, "R [p0.2] ="), text(330, 82, "F[0.2]"),
                  bar(320, 103, 380, 103), text(330, 105, "S[0]")},
                 450, 82, {text(390, 95, "Einheit")}),
        // Elastizitätsgrenze
        {text(10, 5, "Die Elastizitätsgrenze ist laut Definition die Spannung, die "),
         text(10, 25, "ein Werkstoff ohne bleibende Formänderung erträgt,"),
         text(10, 45, "d.h. der Werkstoff nimmt nach Wegnahme der Zugbeanspruchung seine"),
         text(10, 65, "Ausgangsmesslänge wieder ein.")},
        // Hookesche Gerade: the Greek part of the formula is written last,
        // in front of the E already standing there.
        {text(10, 5, "In diesem geradlinigen Bereich sind Spannung und Dehnung proportional."),
         text(10, 25, "Maschinenteile werden in diesem elastischen Bereich, indem keine  "),
         text(10, 45, "bleibende Verformung stattfindet eingesetzt. Bis zum Ende der Geraden "),
         text(10, 65, "gilt das Hookesche Gesetz.     Elastizitätsmodul für Stahl = 210000 N/qmm"),
         text(228, 85, "E"), text(180, 105, "Spannung = Dehnung * Elastizitätsmodul"), greek(180, 85, "s = e*")},
        // Proportionalstäbe: the subscripts 0 of L0 and d0 stand a little
        // lower, each right after its letter in whatever font draws the row.
        {text(10, 5, "Messlänge und Durchmesser einer Zugprobe müssen, um vergleíchbare "),
         text(10, 25, "Werte für die Bruchdehnung zu erhalten, in einem festen Verhältnis "),
         text(10, 45, "zueinander stehen.      "), text(10, 65, "- Langer Proportionalstab:  L  = 10*d "),
         subscript(10, 70, "- Langer Proportionalstab:  L", "0"),
         subscript(10, 70, "- Langer Proportionalstab:  L  = 10*d", "0"),
         text(10, 90, "- Kurzer Proportionalstab:   L   =   5*d "),
         subscript(10, 95, "- Kurzer Proportionalstab:   L", "0"),
         subscript(10, 95, "- Kurzer Proportionalstab:   L   =   5*d", "0")},
        // Streckgrenze
        withUnit({text(10, 5, "Die Streckgrenze R[e] ist diejenige Spannung, bei der Fließen einsetzt"),
                  text(10, 25, "ohne dass die Zugpannung weiter erhöht wird. Dabei kann es sogar beim"),
                  text(10, 45, "Fließbeginn zu einem Spannungsabfall kommen."),
                  text(10, 65, "Dann ergibt sich laut Definition eine obere Streckgrenze R[eH] und eine"),
                  text(10, 85, "untere Streckgrenze R[eL]."), text(335, 100, "R[eL] ="), text(400, 87, "F[eL]"),
                  bar(390, 108, 440, 108), text(400, 110, "S[0]"), text(215, 100, "R[eH]="), text(280, 87, "F[eH]"),
                  bar(270, 108, 320, 108), text(280, 110, "S[0]")},
                 470, 87),
        // Zugfestigkeit
        withUnit({text(10, 5, "Die Zugfestigkeit R[m] ist das Maximum der Spannungs-Dehnungs-Kurve,"),
                  text(10, 25, "die im Zugversuch ermittelt wird. Dieses Maximum ist der Quotient"),
                  text(10, 45, "aus der Höchstkraft F[m] und dem Ausgangsquerschnitt S[0]. "), text(265, 80, "R[m] ="),
                  text(330, 67, "F[m]"), bar(320, 88, 370, 88), text(330, 90, "S[0]")},
                 450, 67, {text(390, 80, "Einheit")}),
        // Zugspannung
        withUnit({text(10, 5, "Die Zugspannung (Nennspannung) ist die auf den Ausgangsquerschnitt S[0]"),
                  text(10, 25, "einer Zugprobe bezogene Zugkraft F:"), text(330, 47, "F"), bar(320, 68, 370, 68),
                  text(330, 70, "S[0]")},
                 450, 47, {text(390, 60, "Einheit"), greek(290, 57, "s =")}),
    };
    return all;
}

void clear(tk::Canvas& c) { c.rectangle(0, 0, c.width(), c.height()); }

void draw(tk::Canvas& c, int index)
{
    c.setFontName(QStringLiteral("MS Sans Serif"));
    for (const Item& item : entries()[index]) {
        switch (item.kind) {
        case Item::Bar: c.line(item.x, item.y, item.x2, item.y2); break;
        case Item::Greek: c.setFontName(QStringLiteral("Symbol")); [[fallthrough]];
        case Item::Text: c.textOut(item.x, item.y, QString::fromUtf8(item.text)); break;
        case Item::Subscript:
            c.textOut(item.x + c.textWidth(QString::fromUtf8(item.base)), item.y, QString::fromUtf8(item.text));
            break;
        }
    }
}

}

const QStringList& termNames()
{
    static const QStringList list = {
        QStringLiteral("Bruchdehnung"),       QStringLiteral("Brucheinschnürung"), QStringLiteral("Dehngrenze-0.2%"),
        QStringLiteral("Elastizitätsgrenze"), QStringLiteral("Hookesche Gerade"),  QStringLiteral("Proportionalstäbe"),
        QStringLiteral("Streckgrenze"),       QStringLiteral("Zugfestigkeit"),     QStringLiteral("Zugspannung"),
    };
    return list;
}

void paintTermsPanel(tk::Canvas& c)
{
    c.setBrushColor(tk::colours::lightYellow);
    c.setPenColor(tk::colours::almostBlack);
    c.setPenWidth(2);
    clear(c);
    tk::Font font = c.font();
    font.name = QStringLiteral("MS Sans Serif");
    font.height = 18;
    font.bold = true;
    c.setFont(font);
    draw(c, 0);
}

bool showTerm(tk::Canvas& c, int index)
{
    if (index < 0 || index >= int(entries().size()))
        return false;
    clear(c);
    draw(c, index);
    return true;
}

}
