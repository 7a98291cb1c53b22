#include "indentation_form.h"

#include "explanation_memo.h"

#include "toolkit/colours.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QAction>
#include <QTimer>

IndentationForm::IndentationForm(const QString& className, const QString& caption, const QString& calculatorClass,
                                 const QStringList& explanation)
    : tk::Form(className, caption), m_calculatorClass(calculatorClass)
{
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    m_startDown = addMenuItem(QStringLiteral("&Start"), QStringLiteral("StartDown"), [this] { StartDownClick(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 220, 5, 560, 500);
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_paintBoxDown = new tk::PaintBox(client(), QStringLiteral("PaintBoxDown"), m_paintBoxHaupt);

    // The text lies over the left edge of the drawing.
    m_memo = makeExplanationMemo(client(), explanation);

    setStatusText(QStringLiteral("ESC = Abbruch"));

    m_timerDown = new QTimer(this);
    m_timerDown->setObjectName(QStringLiteral("TimerDown"));
    m_timerDown->setInterval(IndentationScene::fastInterval);
    connect(m_timerDown, &QTimer::timeout, this, &IndentationForm::TimerDownTimer);
}

void IndentationForm::EndeClick() { close(); }

void IndentationForm::ESCClick() { close(); }

void IndentationForm::StartDownClick()
{
    indentationScene().start();
    applyRunState();
    // Clears what the last run drew and shows the indenter at rest.
    repaintAll();
}

void IndentationForm::openCalculator()
{
    tk::Form* calculator = tk::Form::find(m_calculatorClass);
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
    m_paintBoxHaupt->update();
    m_paintBoxDown->update();
    applyRunState();
}

void IndentationForm::formClose()
{
    indentationScene().reset();
    applyRunState();
}

void IndentationForm::showEvent(QShowEvent* e)
{
    if (m_calculatorItem)
        m_calculatorItem->setEnabled(tk::Form::find(m_calculatorClass) != nullptr);
    tk::Form::showEvent(e);
}

void IndentationForm::applyRunState()
{
    const IndentationScene& scene = indentationScene();
    setInputEnabled(scene.inputEnabled());
    m_startDown->setEnabled(scene.inputEnabled());
    if (m_timerDown->interval() != scene.interval())
        m_timerDown->setInterval(scene.interval());
    if (scene.timerEnabled() && !m_timerDown->isActive())
        m_timerDown->start();
    else if (!scene.timerEnabled())
        m_timerDown->stop();
}
