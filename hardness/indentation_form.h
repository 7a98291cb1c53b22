#pragma once

#include "indentation_scene.h"

#include "toolkit/form.h"

#include <functional>

class QAction;

namespace tk {
class Memo;
class PaintBox;
class Timer;
}

namespace hardness {

// What the hardness measurement windows have in common: the two drawing
// surfaces over each other, the explanatory text over their left edge, the
// timer, the Start item and the window's input following the run of the
// scene, and the way to a calculator, for which the window moves to the right
// edge of the screen.
class IndentationForm : public tk::Form {
    Q_OBJECT
public:
    // Menu, paint and timer handlers
    void EndeClick();
    void ESCClick();
    void StartDownClick();
    void PaintBoxHauptPaint();
    void TimerDownTimer();

    tk::PaintBox* paintBoxHaupt() const { return m_paintBoxHaupt; }
    tk::PaintBox* paintBoxDown() const { return m_paintBoxDown; }
    tk::Memo* memo() const { return m_memo; }
    tk::Timer* timerDown() const { return m_timerDown; }
    QAction* startItem() const { return m_startDown; }

protected:
    // Builds the menu items "&Ende", "ESC" and "&Start"; the window adds its
    // own items after them. The timer, the Start item and the window's input
    // follow the scene. The explanation is `memoWidth` pixels wide.
    IndentationForm(const QString& className, const QString& caption, const QStringList& explanation,
                    int memoWidth = 240);

    virtual IndentationScene& indentationScene() = 0;

    // The item that opens the calculator, which `calculator` gives (null
    // while there is none: the item is then disabled).
    void setCalculator(QAction* item, std::function<tk::Form*()> calculator);
    // What a screen reader hears of the drawing, and what it shows when a run
    // has ended.
    void describeDrawing(const QString& name, const QString& afterRun);
    void openCalculator();

    void formClose() override;

private:
    tk::PaintBox* m_paintBoxHaupt;
    tk::PaintBox* m_paintBoxDown;
    tk::Memo* m_memo;
    tk::Timer* m_timerDown;
    QAction* m_startDown;
    std::function<tk::Form*()> m_calculator;
};

}
