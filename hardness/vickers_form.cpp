#include "vickers_form.h"

#include "explanation_memo.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QAction>
#include <QTimer>

TFormVickers* FormVickers = nullptr;

namespace {
const QString calculatorClass = QStringLiteral("TFormHV");
}

const QStringList& TFormVickers::explanation()
{
    static const QStringList lines = {
        QStringLiteral(" Bei der Härtebestimmung nach"),
        QStringLiteral(" Vickers (EN ISO 6507-1) dient "),
        QStringLiteral(" eine vierseitige Pyramide "),
        QStringLiteral(" mit 136° Spitzenwinkel als "),
        QStringLiteral(" Eindringkörper."),
        QString(),
        QStringLiteral(" Dieser Prüfkörper mit einer defi-"),
        QStringLiteral(" nierten Prüfkraft F wird senkrecht "),
        QStringLiteral(" in die Oberfläche einer glatt "),
        QStringLiteral(" aufliegenden Probe eingedrückt."),
        QStringLiteral(" Die Prüfkraft ist dabei innerhalb "),
        QStringLiteral(" einer bestimmten Zeitspanne aufzu-"),
        QStringLiteral(" bringen. "),
        QStringLiteral(" Bei diesem Prüfverfahren wird aus"),
        QStringLiteral(" den Diagonalen (d1 und d2) des "),
        QStringLiteral(" Eindrucks, die nach dem Entlasten "),
        QStringLiteral(" der Probe gemessen werden, und "),
        QStringLiteral(" der Prüfkraft F die Vickershärte "),
        QStringLiteral(" berechnet."),
        QString(),
        QStringLiteral(" Besonders gut geeignet ist das "),
        QStringLiteral(" Vickershärteverfahren zur Prüfung "),
        QStringLiteral(" sehr harter Werkstoffe "),
        QStringLiteral(" insbesondere auch für kleine und"),
        QStringLiteral(" dünne Proben sowie harte"),
        QStringLiteral(" Oberflächenschichten. "),
        QStringLiteral(" "),
    };
    return lines;
}

TFormVickers::TFormVickers()
    : tk::Form(QStringLiteral("TFormVickers"), QStringLiteral("Härtemessung nach Vickers (DIN 50133)"))
{
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    m_startDown = addMenuItem(QStringLiteral("&Start"), QStringLiteral("StartDown"), [this] { StartDownClick(); });
    m_rechnung = addMenuItem(QStringLiteral("&Berechnung der Vickerswerte"), QStringLiteral("Rechnung"),
                             [this] { RechnungClick(); });
    addMenuItem(QStringLiteral("Berechnungs&grundlage"), QStringLiteral("Berechnungsgrundlage1"),
                [this] { Berechnungsgrundlage1Click(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 220, 5, 560, 500);
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_paintBoxDown = new tk::PaintBox(client(), QStringLiteral("PaintBoxDown"), m_paintBoxHaupt);

    // The text lies over the left edge of the drawing.
    m_memo = makeExplanationMemo(client(), explanation());

    setStatusText(QStringLiteral("ESC = Abbruch"));

    m_timerDown = new QTimer(this);
    m_timerDown->setObjectName(QStringLiteral("TimerDown"));
    m_timerDown->setInterval(IndentationScene::fastInterval);
    connect(m_timerDown, &QTimer::timeout, this, &TFormVickers::TimerDownTimer);
}

void TFormVickers::formCreate() { FormVickers->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600); }

void TFormVickers::EndeClick() { close(); }

void TFormVickers::ESCClick() { close(); }

void TFormVickers::StartDownClick()
{
    m_scene.start();
    applyRunState();
    // Clears what the last run drew and shows the indenter at rest.
    repaintAll();
}

void TFormVickers::RechnungClick()
{
    tk::Form* calculator = tk::Form::find(calculatorClass);
    if (!calculator)
        return;
    // The calculator sits at the left edge; this window makes room for it.
    FormVickers->setLeft(tk::screenSize().width() - 800);
    calculator->showModal();
}

void TFormVickers::Berechnungsgrundlage1Click()
{
    // A repaint still due would wipe the formulas at once.
    m_paintBoxHaupt->ensurePainted();
    m_scene.paintCalculationBasis(m_paintBoxDown->canvas());
    m_paintBoxDown->update();
}

void TFormVickers::PaintBoxHauptPaint() { m_scene.paintStatic(m_paintBoxHaupt->canvas(), formWidth()); }

void TFormVickers::TimerDownTimer()
{
    // A repaint still due (new background colour) comes first, so this
    // tick's drawing is not lost to it.
    m_paintBoxHaupt->ensurePainted();
    m_scene.tick(m_paintBoxDown->canvas(), m_paintBoxHaupt->canvas());
    m_paintBoxHaupt->update();
    m_paintBoxDown->update();
    applyRunState();
}

void TFormVickers::formClose()
{
    m_scene.reset();
    applyRunState();
}

void TFormVickers::showEvent(QShowEvent* e)
{
    m_rechnung->setEnabled(tk::Form::find(calculatorClass) != nullptr);
    tk::Form::showEvent(e);
}

void TFormVickers::applyRunState()
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
