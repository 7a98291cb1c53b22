#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace evaluation::windows {
struct EvaluationPart;
}
namespace tk {
class Form;
}

// Every window of the program is created once at start-up, hidden, in a
// fixed order with the main window first; each window's global reference is
// set before its creation handler runs. Windows are only shown and hidden
// afterwards, never destroyed until the program ends.
namespace app {

// The class names of all windows of the program, in the order of creation.
const QStringList& windowOrder();

// Creates the windows that this build contains and that do not exist yet, in
// windowOrder(). Later calls do nothing.
void createWindows();

// The windows created, in the order of creation. Windows reach each other
// through their typed global references; this list serves what concerns all
// of them (the background colour command, tests, tools).
const QList<tk::Form*>& windows();

// By class name, for tests and tools: the window of a class, or null where
// the window is not part of this build (or createWindows has not run).
tk::Form* findWindow(const QString& className);

// Whether the window of a class is part of this build.
bool isBuilt(const QString& className);

// The classes created so far, in the order they were created.
QStringList createdWindows();

// The application's name, its desktop entry, and the interface language (see
// applyLanguage in command_line.h; languageCode is --lang's value, or empty);
// runs once the QApplication exists.
void prepareApplication(const QString& languageCode = QString());

// Why the evaluation cannot be used (`failure`: why its part did not load),
// in the interface language.
QString evaluationFailureText(const QString& failure);

// The evaluation part (evaluation_windows/evaluation_part.h), loaded on the
// first call; where it cannot be loaded, null, after a box beside `parent`
// with `title` has said why.
const evaluation::windows::EvaluationPart* evaluationPartOrReport(QWidget* parent, const QString& title);

// Start-up as the program runs it: the main window is created and shown; the
// other windows are created right after its first paint, and before any
// input is handled.
void startProgram();

}
