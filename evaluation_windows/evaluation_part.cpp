// The entry of the evaluation part (evaluation_part.h).
#include "evaluation_part.h"

#include "evaluation_window.h"
#include "recovery_offer.h"

#include "evaluation/evaluate_command.h"

namespace {

void showWindow(const QString& kind)
{
    if (evaluation::windows::EvaluationWindow* window = evaluation::windows::evaluationWindow(kind))
        window->showWindow();
}

}

const evaluation::windows::EvaluationPart* werkstoff_part_evaluation()
{
    static const evaluation::windows::EvaluationPart part{&showWindow, &evaluation::windows::offerRecovery,
                                                          &evaluation::runEvaluateCommand};
    return &part;
}
