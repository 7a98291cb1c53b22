#pragma once

// The evaluation windows the program has, in the order of the hub's menu
// "Auswertung": the kind of series each evaluates and its menu item. The
// table needs nothing of the evaluation part (evaluation_part.h), so the
// hub lists the windows without loading it; the windows themselves are made
// inside the part, on first use, and kept until the program ends.
#include <QCoreApplication>
#include <QString>
#include <array>

namespace evaluation::windows {

class EvaluationWindow;

struct EvaluationWindowKind {
    const char* kind;      // as the series file names it ("tensile")
    const char* menuText;  // German source text, context "evaluation::windows::EvaluationWindow"
    const char* itemName;  // object name of the menu item

    QString translatedMenuText() const
    {
        return QCoreApplication::translate("evaluation::windows::EvaluationWindow", menuText);
    }
};

inline const std::array<EvaluationWindowKind, 3>& evaluationWindowKinds()
{
    static constexpr std::array<EvaluationWindowKind, 3> kinds{{
        {"tensile", QT_TRANSLATE_NOOP("evaluation::windows::EvaluationWindow", "Zugversuch auswerten …"),
         "Zugversuchauswerten1"},
        {"impact", QT_TRANSLATE_NOOP("evaluation::windows::EvaluationWindow", "Kerbschlagbiegeversuch auswerten …"),
         "KerbschlagAuswerten"},
        {"fatigue", QT_TRANSLATE_NOOP("evaluation::windows::EvaluationWindow", "Wöhlerversuch auswerten …"),
         "WoehlerAuswerten"},
    }};
    return kinds;
}

// Inside the part: the window that evaluates a kind of series, made when it
// is first asked for; null for a kind without one.
EvaluationWindow* evaluationWindow(const QString& kind);

}
