#include "brinell_form.h"

#include "explanation_memo.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

TFormBrinell* FormBrinell = nullptr;

namespace {
const QString calculatorClass = QStringLiteral("TFormHB");
}

const QStringList& TFormBrinell::explanation()
{
    static const QStringList lines = {
        QStringLiteral(" Bei der Härtemessung nach"),
        QStringLiteral(" Brinell (DIN EN 6506-1 früher "),
        QStringLiteral(" DIN 50351) wird eine gehärtete"),
        QStringLiteral(" Stahlkugel oder eine Hartmetall-"),
        QStringLiteral(" kugel als Eindringkörper eingesetzt."),
        QString(),
        QStringLiteral(" Dieser Prüfkörper mit bekanntem "),
        QStringLiteral(" Durchmesser D wird mit einer defi-"),
        QStringLiteral(" nierten Prüfkraft F senkrecht in die"),
        QStringLiteral(" Oberfläche einer glatt aufliegenden"),
        QStringLiteral(" Probe eingedrückt."),
        QStringLiteral(" Die Prüfkraft ist dabei innerhalb "),
        QStringLiteral(" einer bestimmten Zeitspanne aufzu-"),
        QStringLiteral(" bringen. Die Einwirkzeit muss 10 bis"),
        QStringLiteral(" 15 Sekunden betragen."),
        QStringLiteral(" Mit Hilfe des Durchmessers d des "),
        QStringLiteral(" Eindrucks, dem Prüfkörperdurch-"),
        QStringLiteral(" messer D und der Prüfkraft F er-"),
        QStringLiteral(" rechnet man die Brinellhärte HB:"),
        QString(),
        QStringLiteral(" Das Brinellhärteverfahren kommt"),
        QStringLiteral(" bevorzugt bei Eisenwerkstoffen "),
        QStringLiteral(" und NE-Legierungen mit unter-"),
        QStringLiteral(" schiedlichen Gefügebestandteilen"),
        QStringLiteral(" zur Anwendung. Es eignet sich aller-"),
        QStringLiteral(" dings nicht für sehr harte Stoffe und"),
        QStringLiteral(" für dünne Oberflächenschichten."),
    };
    return lines;
}

TFormBrinell::TFormBrinell()
    : tk::Form(QStringLiteral("TFormBrinell"), QStringLiteral("Härtemessung nach Brinell (DIN EN 6506-1)"))
{
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    m_startDown = addMenuItem(QStringLiteral("&Start"), QStringLiteral("StartDown"), [this] { StartDownClick(); });
    m_calculatorItem = addMenuItem(QStringLiteral("&Berechnung der Brinellwerte"),
                                   QStringLiteral("BerechnungderBrinellwerte1"),
                                   [this] { BerechnungderBrinellwerte1Click(); });
    addMenuItem(QStringLiteral("Be&rechnungsgrundlagen"), QStringLiteral("Berechnungsgrundlagen1"),
                [this] { Berechnungsgrundlagen1Click(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 220, 5, 560, 500);
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_paintBoxDown = new tk::PaintBox(client(), QStringLiteral("PaintBoxDown"), m_paintBoxHaupt);

    // The text lies over the left edge of the drawing.
    m_memo = makeExplanationMemo(client(), explanation());

    setStatusText(QStringLiteral("ESC = Abbruch"));
    statusBar()->setFont(tk::qtFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 15)));

    m_timerDown = new QTimer(this);
    m_timerDown->setObjectName(QStringLiteral("TimerDown"));
    m_timerDown->setInterval(IndentationScene::fastInterval);
    connect(m_timerDown, &QTimer::timeout, this, &TFormBrinell::TimerDownTimer);
}

void TFormBrinell::formCreate() { FormBrinell->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600); }

void TFormBrinell::EndeClick() { close(); }

void TFormBrinell::ESCClick() { close(); }

void TFormBrinell::StartDownClick()
{
    m_scene.start();
    applyRunState();
    // Clears what the last run drew and shows the indenter at rest.
    repaintAll();
}

void TFormBrinell::BerechnungderBrinellwerte1Click()
{
    tk::Form* calculator = tk::Form::find(calculatorClass);
    if (!calculator)
        return;
    // The calculator sits at the left edge; this window makes room for it.
    FormBrinell->setLeft(tk::screenSize().width() - 800);
    calculator->showModal();
}

void TFormBrinell::Berechnungsgrundlagen1Click()
{
    // A repaint still due would wipe the formulas at once.
    m_paintBoxHaupt->ensurePainted();
    m_scene.paintFormulaBlock(m_paintBoxHaupt->canvas());
    m_paintBoxHaupt->update();
    m_paintBoxDown->update();
}

void TFormBrinell::PaintBoxHauptPaint() { m_scene.paintStatic(m_paintBoxHaupt->canvas(), formWidth()); }

void TFormBrinell::TimerDownTimer()
{
    // A repaint still due (new background colour) comes first, so this
    // tick's drawing is not lost to it.
    m_paintBoxHaupt->ensurePainted();
    m_scene.tick(m_paintBoxDown->canvas(), m_paintBoxHaupt->canvas());
    m_paintBoxHaupt->update();
    m_paintBoxDown->update();
    applyRunState();
}

void TFormBrinell::formClose()
{
    m_scene.reset();
    applyRunState();
}

void TFormBrinell::showEvent(QShowEvent* e)
{
    m_calculatorItem->setEnabled(tk::Form::find(calculatorClass) != nullptr);
    tk::Form::showEvent(e);
}

void TFormBrinell::applyRunState()
{
    setInputEnabled(m_scene.inputEnabled());
    m_startDown->setEnabled(m_scene.inputEnabled());
    if (m_timerDown->interval() != m_scene.interval())
        m_timerDown->setInterval(m_scene.interval());
    if (m_scene.timerEnabled() && !m_timerDown->isActive())
        m_timerDown->start();
    else if (!m_scene.timerEnabled())
        m_timerDown->stop();
}
