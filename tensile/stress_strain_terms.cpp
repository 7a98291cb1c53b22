#include "stress_strain_terms.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"

#include <QCoreApplication>

#include <vector>

namespace tensile {

namespace {

// One drawing step of an explanation: a text at its cell's top-left corner,
// its lines broken at \n and 20 pixels apart; a fraction bar; a text in the
// Symbol font (its s and e read as the Greek sigma and epsilon); or a row with
// subscripts, each "_{0}" in it drawing a 0 five pixels lower right after the
// letter before it.
struct Item {
    enum Kind { Text, Bar, Greek, Subscripted } kind;
    int x, y;
    int x2 = 0, y2 = 0;
    const char* text = "";
};

Item text(int x, int y, const char* s) { return {Item::Text, x, y, 0, 0, s}; }
Item bar(int x1, int y1, int x2, int y2) { return {Item::Bar, x1, y1, x2, y2, ""}; }
Item greek(int x, int y, const char* s) { return {Item::Greek, x, y, 0, 0, s}; }
Item subscripted(int x, int y, const char* s) { return {Item::Subscripted, x, y, 0, 0, s}; }

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

// The explanations in the order of the German names; a paragraph's lines
// are broken at \n and stand 20 pixels apart.
const std::vector<std::vector<Item>>& entries()
{
    static const std::vector<std::vector<Item>> all = {
        // Bruchdehnung
        //: Explanation of the elongation after fracture: lines of about 70 characters, broken with \n
        {text(10, 5, QT_TRANSLATE_NOOP("tensile::StressStrainTerms",
                                       "Die Bruchdehnung ist die bleibende Längenänderung dL, bezogen auf die\n"
                                       "Ausgangsmesslänge L[0] in %. ")),
         text(10, 85, "A ="),
         //: Numerator of the formula for the elongation after fracture, above a bar 260 pixels wide
         text(40, 75, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Länge (Bruch) - Ausgangslänge")),
         bar(40, 93, 300, 93),
         //: Denominator below the bar, leading blanks to centre it under the numerator
         text(78, 95, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "    Ausgangslänge")),
         text(300, 85, "*100%  ="), text(380, 75, "dL"), bar(370, 93, 420, 93), text(380, 95, "L[0]"),
         text(410, 85, "*100%")},
        // Brucheinschnürung
        //: Explanation of the reduction of area: lines of about 70 characters, broken with \n
        {text(10, 5, QT_TRANSLATE_NOOP("tensile::StressStrainTerms",
                                       "Die Brucheinschnürung ist die bleibende Querschnittsänderung dS\n"
                                       "nach dem Bruch, bezogen auf den Ausgangsquerschnitt S[0] in %. ")),
         text(10, 85, "Z ="),
         //: Numerator of the formula for the reduction of area, above a bar 310 pixels wide
         text(40, 75, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Querschnitt (Bruch) - Ausgangsquerschnitt")),
         bar(40, 93, 350, 93),
         //: Denominator below the bar, leading blanks to centre it under the numerator
         text(78, 95, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "    Ausgangsquerschnitt")),
         text(350, 85, "*100%  ="), text(430, 75, "dS"), bar(420, 93, 470, 93), text(430, 95, "S[0]"),
         text(460, 85, "*100%")},
        // Dehngrenze-0.2%
        withUnit({//: Explanation of the 0.2 % proof strength: lines of about 70 characters, broken with \n
                  text(10, 5, QT_TRANSLATE_NOOP("tensile::StressStrainTerms",
                                                "Die 0.2%-Dehngrenze R[p0.2] ist laut Definition die Spannung bei der eine\n"
                                                "bleibende Dehnung bzw. nicht proportionale Dehnung von 0.2 Prozent\n"
                                                "erfolgt. Diese Dehngrenze wird beim stetigem Übergang vom elastischen\n"
                                                "in den plastischen Bereich bestimmt und entspricht in etwa der\n"
                                                "oberen Streckgrenze R[eH]. ")),
                  text(250, 95, "R [p0.2] ="), text(330, 82, "F[0.2]"), bar(320, 103, 380, 103), text(330, 105, "S[0]")},
                 450, 82,
                 //: Beside the unit N/qmm of a formula, room for about 8 characters
                 {text(390, 95, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Einheit"))}),
        // Elastizitätsgrenze
        //: Explanation of the elastic limit: lines of about 70 characters, broken with \n
        {text(10, 5, QT_TRANSLATE_NOOP("tensile::StressStrainTerms",
                                       "Die Elastizitätsgrenze ist laut Definition die Spannung, die \n"
                                       "ein Werkstoff ohne bleibende Formänderung erträgt,\n"
                                       "d.h. der Werkstoff nimmt nach Wegnahme der Zugbeanspruchung seine\n"
                                       "Ausgangsmesslänge wieder ein."))},
        // Hookesche Gerade: the Greek part of the formula is written last,
        // in front of the E already standing there.
        //: Explanation of Hooke's line: lines of about 70 characters, broken with \n
        {text(10, 5, QT_TRANSLATE_NOOP("tensile::StressStrainTerms",
                                       "In diesem geradlinigen Bereich sind Spannung und Dehnung proportional.\n"
                                       "Maschinenteile werden in diesem elastischen Bereich, indem keine  \n"
                                       "bleibende Verformung stattfindet eingesetzt. Bis zum Ende der Geraden \n"
                                       "gilt das Hookesche Gesetz.     Elastizitätsmodul für Stahl = 210000 N/qmm")),
         text(228, 85, "E"),
         //: Hooke's law in words, below the formula, room for about 45 characters
         text(180, 105, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Spannung = Dehnung * Elastizitätsmodul")),
         greek(180, 85, "s = e*")},
        // Proportionalstäbe: the subscripts 0 of L0 and d0 stand five pixels
        // lower, each right after its letter in whatever font draws the row.
        //: Explanation of the proportional test pieces: lines of about 70 characters, broken with \n
        {text(10, 5, QT_TRANSLATE_NOOP("tensile::StressStrainTerms",
                                       "Messlänge und Durchmesser einer Zugprobe müssen, um vergleíchbare \n"
                                       "Werte für die Bruchdehnung zu erhalten, in einem festen Verhältnis \n"
                                       "zueinander stehen.      ")),
         //: Long proportional test piece: gauge length L0 = 10 * diameter d0; _{0} marks a subscript 0
         //: after the letter before it
         subscripted(10, 65, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "- Langer Proportionalstab:  L_{0}  = 10*d_{0} ")),
         //: Short proportional test piece: gauge length L0 = 5 * diameter d0; _{0} marks a subscript 0
         //: after the letter before it
         subscripted(10, 90, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "- Kurzer Proportionalstab:   L_{0}   =   5*d_{0} "))},
        // Streckgrenze
        withUnit({//: Explanation of the yield strength: lines of about 70 characters, broken with \n
                  text(10, 5, QT_TRANSLATE_NOOP("tensile::StressStrainTerms",
                                                "Die Streckgrenze R[e] ist diejenige Spannung, bei der Fließen einsetzt\n"
                                                "ohne dass die Zugpannung weiter erhöht wird. Dabei kann es sogar beim\n"
                                                "Fließbeginn zu einem Spannungsabfall kommen.\n"
                                                "Dann ergibt sich laut Definition eine obere Streckgrenze R[eH] und eine\n"
                                                "untere Streckgrenze R[eL].")),
                  text(335, 100, "R[eL] ="), text(400, 87, "F[eL]"), bar(390, 108, 440, 108), text(400, 110, "S[0]"),
                  text(215, 100, "R[eH]="), text(280, 87, "F[eH]"), bar(270, 108, 320, 108), text(280, 110, "S[0]")},
                 470, 87),
        // Zugfestigkeit
        withUnit({//: Explanation of the tensile strength: lines of about 70 characters, broken with \n
                  text(10, 5, QT_TRANSLATE_NOOP("tensile::StressStrainTerms",
                                                "Die Zugfestigkeit R[m] ist das Maximum der Spannungs-Dehnungs-Kurve,\n"
                                                "die im Zugversuch ermittelt wird. Dieses Maximum ist der Quotient\n"
                                                "aus der Höchstkraft F[m] und dem Ausgangsquerschnitt S[0]. ")),
                  text(265, 80, "R[m] ="), text(330, 67, "F[m]"), bar(320, 88, 370, 88), text(330, 90, "S[0]")},
                 450, 67, {text(390, 80, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Einheit"))}),
        // Zugspannung
        withUnit({//: Explanation of the tensile stress: two lines of about 70 characters, broken with \n
                  text(10, 5, QT_TRANSLATE_NOOP("tensile::StressStrainTerms",
                                                "Die Zugspannung (Nennspannung) ist die auf den Ausgangsquerschnitt S[0]\n"
                                                "einer Zugprobe bezogene Zugkraft F:")),
                  text(330, 47, "F"), bar(320, 68, 370, 68), text(330, 70, "S[0]")},
                 450, 47,
                 {text(390, 60, QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Einheit")), greek(290, 57, "s =")}),
    };
    return all;
}

constexpr const char* context = "tensile::StressStrainTerms";
constexpr int lineStep = 20;
constexpr int subscriptDrop = 5;

// Formula pieces the table leaves unmarked come back unchanged.
QString translated(const char* text) { return QCoreApplication::translate(context, text); }

// The row first, then each subscript after the text that stands before it.
void drawSubscripted(tk::Canvas& c, int x, int y, const QString& row)
{
    const QString marker = QStringLiteral("_{0}");
    const QStringList pieces = row.split(marker);
    c.textOut(x, y, pieces.join(QString()));
    QString before;
    for (int i = 0; i + 1 < pieces.size(); ++i) {
        before += pieces[i];
        c.textOut(x + c.textWidth(before), y + subscriptDrop, QStringLiteral("0"));
    }
}

void clear(tk::Canvas& c) { c.rectangle(0, 0, c.width(), c.height()); }

void draw(tk::Canvas& c, int index)
{
    c.setFontName(QStringLiteral("MS Sans Serif"));
    for (const Item& item : entries()[index]) {
        switch (item.kind) {
        case Item::Bar: c.line(item.x, item.y, item.x2, item.y2); break;
        case Item::Greek: c.setFontName(QStringLiteral("Symbol")); [[fallthrough]];
        case Item::Text: {
            const QStringList lines = translated(item.text).split(u'\n');
            for (int i = 0; i < lines.size(); ++i)
                c.textOut(item.x, item.y + i * lineStep, lines[i]);
            break;
        }
        case Item::Subscripted: drawSubscripted(c, item.x, item.y, translated(item.text)); break;
        }
    }
}

}

QStringList termNames()
{
    //: Names in the list of tensile test terms, 200 pixels wide: about 22 characters
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Bruchdehnung"),
        QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Brucheinschnürung"),
        QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Dehngrenze-0.2%"),
        QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Elastizitätsgrenze"),
        QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Hookesche Gerade"),
        QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Proportionalstäbe"),
        QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Streckgrenze"),
        QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Zugfestigkeit"),
        QT_TRANSLATE_NOOP("tensile::StressStrainTerms", "Zugspannung"),
    };
    QStringList list;
    for (const char* name : names)
        list << translated(name);
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
