#include "rockwell_form.h"

#include "toolkit/fonts.h"
#include "toolkit/screen.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>

using hardness::IndentationScene;

TFormRockwell* FormRockwell = nullptr;

const QStringList& TFormRockwell::explanation()
{
    static const QStringList lines = {
        QStringLiteral(" Bei der Härtebestimmung nach "),
        QStringLiteral(" Rockwell (DIN EN 6508-1)"),
        QStringLiteral(" -Verfahren HRC-"),
        QStringLiteral(" dient ein Diamantkegel mit 120° "),
        QStringLiteral(" Spitzenwinkel als Eindringkörper."),
        QString(),
        QStringLiteral(" Dieser Prüfkörper wird unter Ver-"),
        QStringLiteral(" wendung einer Prüfvorkraft und"),
        QStringLiteral(" einer Hauptkraft senkrecht "),
        QStringLiteral(" in die Oberfläche einer glatt "),
        QStringLiteral(" aufliegenden Probe eingedrückt."),
        QStringLiteral(" Bei diesem Prüfverfahren wird "),
        QStringLiteral(" der Härtewert über die Eindring-"),
        QStringLiteral(" tiefe ermittelt."),
        QStringLiteral(" Dabei werden Eindringtiefe t und"),
        QStringLiteral(" der Härtewert mit einem Tiefen-"),
        QStringLiteral(" messgerät abgelesen."),
        QString(),
        QStringLiteral(" Das Rockwellhärtemessverfahren"),
        QStringLiteral(" hat eine kurze Prüfzeit und läßt "),
        QStringLiteral(" sich automatisieren."),
        QStringLiteral(" Allerdings ist das Verfahren bei "),
        QStringLiteral(" sehr hoher Härte des Prüfwerk-"),
        QStringLiteral(" stoffes ungenau, da sich bei "),
        QStringLiteral(" kleinen Eindringtiefen der Einfluss "),
        QStringLiteral(" der Abrundung bemerkbar macht."),
        QString(),
        QString(),
        QString(),
        QStringLiteral(" "),
        QString(),
        QStringLiteral(" "),
    };
    return lines;
}

TFormRockwell::TFormRockwell()
    : IndentationForm(QStringLiteral("TFormRockwell"),
                      QStringLiteral("Härtemessung nach Rockwell DIN EN 6508-1 (früher DIN 50103)"), explanation(), 220)
{
    // An invisible item: off the menu bar, but on the window, where its key
    // works; and it works while a run keeps every other input away.
    m_stop = addMenuItem(QStringLiteral("&Anhalten"), QStringLiteral("Stop"), [this] { StopClick(); }, nullptr,
                         QKeySequence(Qt::Key_F1));
    menuBar()->removeAction(m_stop);
    addAction(m_stop);
    keepLiveWhileDisabled(m_stop);
    describeDrawing(QStringLiteral("Rockwellhärtemessung (schematisch)"),
                    QStringLiteral("Messung beendet: Eindringtiefen to, t und tges und Eindruck von oben"));

    setStatusText(QStringLiteral("ESC = Abbruch, F1 = Prozess anhalten/fortfahren"));
    statusBar()->setFont(tk::qtFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 15, true)));
}

void TFormRockwell::formCreate() { FormRockwell->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600); }

// Pauses a run or continues it; the interval in force then starts again from
// its beginning. Before the first run this starts one over the picture as it
// stands; after a finished run it starts a new one as Start does.
void TFormRockwell::StopClick()
{
    m_scene.togglePause();
    if (m_scene.y() == IndentationScene::restY && m_scene.direction() == IndentationScene::Direction::Up)
        StartDownClick();
}
