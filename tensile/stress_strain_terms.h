#pragma once

#include <QStringList>

namespace tk {
class Canvas;
}

// The panel below the stress-strain diagram that explains the characteristic
// terms of the tensile test, one at a time, with their formulas.
namespace tensile {

// The terms' names in the interface language, in the order of their
// explanations (the order of the sorted list in German); an index into it
// selects the explanation.
QStringList termNames();

// Every paint: the framed yellow panel with the first term, whichever term
// the list shows as chosen.
void paintTermsPanel(tk::Canvas& c);

// Clears the panel with the pen and brush the paint left and draws the term;
// an index outside the list (no current item) leaves the panel as it is.
// Returns whether anything was drawn.
bool showTerm(tk::Canvas& c, int index);

}
