#pragma once

// The evaluation of one's own measurements, its windows and GSL under them,
// is a part of the program (toolkit/parts.h), loaded the first time it is
// needed: when an item of the hub's menu "Auswertung" is chosen, when work
// an earlier session left unsaved is found at start, or for --evaluate.
// The program sees no more of it than this header and window_kinds.h.
#include "window_kinds.h"

#include "evaluation/series_file.h"
#include "toolkit/parts.h"

#include <QFileInfo>
#include <QStringList>

class QTextStream;
class QWidget;

namespace evaluation::windows {

struct EvaluationPart {
    // Shows the window of a kind (window_kinds.h), made when first asked for.
    void (*showWindow)(const QString& kind);
    // Asks about every recovery file found (recovery_offer.h).
    void (*offerRecovery)(QWidget* parent);
    // The evaluation on the command line (evaluation/evaluate_command.h).
    int (*runEvaluateCommand)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

}

extern "C" const evaluation::windows::EvaluationPart* werkstoff_part_evaluation();

namespace evaluation::windows {

// The part, loaded on the first call; null where it cannot be loaded, with
// the reason in `failure`.
inline const EvaluationPart* evaluationPart(QString* failure = nullptr)
{
    const auto entry = tk::partEntry<decltype(werkstoff_part_evaluation)>("evaluation", failure);
    return entry ? entry() : nullptr;
}

// Whether an earlier session left work unsaved, without loading the part.
inline bool recoveryFilesPresent()
{
    for (const EvaluationWindowKind& k : evaluationWindowKinds())
        if (QFileInfo::exists(recoveryFilePath(QLatin1String(k.kind))))
            return true;
    return false;
}

}
