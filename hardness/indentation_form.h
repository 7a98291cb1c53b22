#pragma once

#include "indentation_scene.h"

#include "toolkit/form.h"

class QAction;
class QTimer;

namespace tk {
class Memo;
class PaintBox;
}

// What the Brinell and Vickers measurement windows have in common: the two
// drawing surfaces over each other, the explanatory text over their left
// edge, the timer, the Start item and the window's input following the run
// of the scene, and the way to the calculator, for which the window moves to
// the right edge of the screen.
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
    QTimer* timerDown() const { return m_timerDown; }

protected:
    // Builds the menu items "&Ende", "ESC" and "&Start"; the window adds its
    // own items after them.
    IndentationForm(const QString& className, const QString& caption, const QString& calculatorClass,
                    const QStringList& explanation);

    virtual IndentationScene& indentationScene() = 0;

    // The calculator item, disabled where the calculator does not exist.
    void setCalculatorItem(QAction* item) { m_calculatorItem = item; }
    void openCalculator();

    void formClose() override;
    void showEvent(QShowEvent* e) override;

private:
    // The timer, the Start item and the window's input follow the scene.
    void applyRunState();

    QString m_calculatorClass;
    tk::PaintBox* m_paintBoxHaupt;
    tk::PaintBox* m_paintBoxDown;
    tk::Memo* m_memo;
    QTimer* m_timerDown;
    QAction* m_startDown;
    QAction* m_calculatorItem = nullptr;
};
