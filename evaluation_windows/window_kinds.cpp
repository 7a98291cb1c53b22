#include "window_kinds.h"

#include "evaluation_window.h"
#include "tensile_evaluation_window.h"
#include "fatigue_evaluation_window.h"
#include "impact_evaluation_window.h"

#include <QCoreApplication>
#include <QPointer>

namespace evaluation::windows {

namespace {

// One window per kind, made when it is first opened; it has no parent, so
// nothing closes it but the user.
template <class Window>
EvaluationWindow* windowOf()
{
    static QPointer<Window> window;
    if (!window)
        window = new Window();
    return window;
}

}

QString EvaluationWindowKind::translatedMenuText() const
{
    return QCoreApplication::translate("evaluation::windows::EvaluationWindow", menuText);
}

const std::vector<EvaluationWindowKind>& evaluationWindowKinds()
{
    static const std::vector<EvaluationWindowKind> kinds = {
        {"tensile", QT_TRANSLATE_NOOP("evaluation::windows::EvaluationWindow", "Zugversuch auswerten …"),
         "Zugversuchauswerten1", windowOf<TensileEvaluationWindow>},
        {"impact", QT_TRANSLATE_NOOP("evaluation::windows::EvaluationWindow", "Kerbschlagbiegeversuch auswerten …"),
         "KerbschlagAuswerten", &windowOf<ImpactEvaluationWindow>},
        {"fatigue", QT_TRANSLATE_NOOP("evaluation::windows::EvaluationWindow", "Wöhlerversuch auswerten …"),
         "WoehlerAuswerten", &windowOf<FatigueEvaluationWindow>},
    };
    return kinds;
}

EvaluationWindow* evaluationWindow(const QString& kind)
{
    for (const EvaluationWindowKind& k : evaluationWindowKinds())
        if (kind == QLatin1String(k.kind))
            return k.window();
    return nullptr;
}

}
