#pragma once

// Work an earlier session left unsaved (the recovery files of the series
// file, evaluation/series_file.h) is offered back: at start, one question
// after the other, and again when a window of its kind is opened while its
// question is still open ("Später").
#include "evaluation/series_file.h"

#include <functional>

class QWidget;

namespace evaluation::windows {

// Asks about every recovery file found, one after the other, each box modal
// to `parent` only; nothing waits for the answers.
void offerRecovery(QWidget* parent);

// Asks about one recovery file: restore it into the window of its kind, or
// discard it, or (where allowLater) leave it for later. `then` runs after
// the answer, whatever it was.
void askAboutRecovery(const RecoveryFile& file, QWidget* parent, bool allowLater, std::function<void()> then = {});

// Reads a recovery file back into the window of its kind and shows the
// window; an error message where it cannot, empty on success.
QString restoreRecoveryFile(const RecoveryFile& file);

}
