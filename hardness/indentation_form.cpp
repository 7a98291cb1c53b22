#include "indentation_form.h"

#include "explanation_memo.h"

#include "toolkit/colours.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>

namespace hardness {

IndentationForm::IndentationForm(const QString& className, const QString& caption, const QStringList& explanation,
                                 int memoWidth)
    : tk::Form(className, caption)
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the measurement window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    //: Menu item that starts a hardness measurement; access key after &
    m_startDown = addMenuItem(tr("&Start"), QStringLiteral("StartDown"), [this] { StartDownClick(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 220, 5, 560, 500);
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_paintBoxDown = new tk::PaintBox(client(), QStringLiteral("PaintBoxDown"), m_paintBoxHaupt);

    // The text lies over the left edge of the drawing.
    m_memo = makeExplanationMemo(client(), explanation, memoWidth);

    //: Status bar of the measurement windows
    setStatusText(tr("ESC = Abbruch"));

    m_timerDown = addTimer(QStringLiteral("TimerDown"), IndentationScene::fastInterval, [this] { TimerDownTimer(); });

    bindInput([this] { return indentationScene().inputEnabled(); });
    bindEnabled(m_startDown, [this] { return indentationScene().inputEnabled(); });
    bindTimer(m_timerDown, [this] { return indentationScene().timerEnabled(); },
              [this] { return indentationScene().interval(); });
}

void IndentationForm::describeDrawing(const QString& name, const QString& afterRun)
{
    //: Screen reader: the measurement drawing before a run
    m_paintBoxHaupt->describe(name, tr("Prüfkörper in Ruhestellung über der Probe"));
    m_paintBoxDown->describe(name, QString());
    bindAnnouncement(m_paintBoxHaupt, [this, afterRun] {
        const IndentationScene& s = indentationScene();
        if (s.timerEnabled())
            return s.stageText();
        if (s.direction() == IndentationScene::Direction::Up && s.y() == IndentationScene::restY)
            return afterRun;
        return QString();
    });
}

void IndentationForm::setCalculator(QAction* item, std::function<tk::Form*()> calculator)
{
    m_calculator = std::move(calculator);
    bindEnabled(item, [this] { return m_calculator() != nullptr; });
}

void IndentationForm::EndeClick() { close(); }

void IndentationForm::ESCClick() { close(); }

void IndentationForm::StartDownClick()
{
    indentationScene().start();
    refreshBindings();
    // Clears what the last run drew and shows the indenter at rest.
    repaintAll();
}

void IndentationForm::openCalculator()
{
    tk::Form* calculator = m_calculator ? m_calculator() : nullptr;
    if (!calculator)
        return;
    // The calculator sits at the left edge; this window makes room for it.
    setLeft(tk::screenSize().width() - 800);
    calculator->showModal();
}

void IndentationForm::PaintBoxHauptPaint() { indentationScene().paintStatic(m_paintBoxHaupt->canvas(), formWidth()); }

void IndentationForm::TimerDownTimer()
{
    // A repaint still due (new background colour) comes first, so this
    // tick's drawing is not lost to it.
    m_paintBoxHaupt->ensurePainted();
    indentationScene().tick(m_paintBoxDown->canvas(), m_paintBoxHaupt->canvas());
    m_paintBoxHaupt->showDrawn();
    m_paintBoxDown->showDrawn();
}

void IndentationForm::formClose() { indentationScene().reset(); }

}
