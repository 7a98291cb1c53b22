#pragma once

// The evaluation windows the program has, in the order of the hub's menu
// "Auswertung": the kind of series each evaluates, its menu item, and the
// window itself, created on first use and kept until the program ends.
#include <QString>
#include <vector>

namespace evaluation::windows {

class EvaluationWindow;

struct EvaluationWindowKind {
    const char* kind;      // as the series file names it ("tensile")
    const char* menuText;  // German source text, context "evaluation::windows::EvaluationWindow"
    const char* itemName;  // object name of the menu item
    EvaluationWindow* (*window)();

    QString translatedMenuText() const;
};

const std::vector<EvaluationWindowKind>& evaluationWindowKinds();

// The window that evaluates a kind of series, or null for a kind without one.
EvaluationWindow* evaluationWindow(const QString& kind);

}
