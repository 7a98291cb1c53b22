#include "window_kinds.h"

#include "evaluation_window.h"
#include "fatigue_evaluation_window.h"
#include "impact_evaluation_window.h"
#include "tensile_evaluation_window.h"

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

EvaluationWindow* evaluationWindow(const QString& kind)
{
    static const struct {
        const char* kind;
        EvaluationWindow* (*window)();
    } windows[] = {
        {"tensile", &windowOf<TensileEvaluationWindow>},
        {"impact", &windowOf<ImpactEvaluationWindow>},
        {"fatigue", &windowOf<FatigueEvaluationWindow>},
    };
    for (const auto& w : windows)
        if (kind == QLatin1String(w.kind))
            return w.window();
    return nullptr;
}

}
