#include "rockwell_form.h"

#include "toolkit/fonts.h"
#include "toolkit/screen.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>

using hardness::IndentationScene;

TFormRockwell* FormRockwell = nullptr;

QStringList TFormRockwell::explanation()
{
    // One text, so a translation chooses its own line breaks.
    //: Explanation box of the Rockwell window: one line per \n, lines of at most about 33 characters (narrower box), at most 27 lines
    return tr(
        " Bei der Härtebestimmung nach \n"
        " Rockwell (DIN EN 6508-1)\n"
        " -Verfahren HRC-\n"
        " dient ein Diamantkegel mit 120° \n"
        " Spitzenwinkel als Eindringkörper.\n"
        "\n"
        " Dieser Prüfkörper wird unter Ver-\n"
        " wendung einer Prüfvorkraft und\n"
        " einer Hauptkraft senkrecht \n"
        " in die Oberfläche einer glatt \n"
        " aufliegenden Probe eingedrückt.\n"
        " Bei diesem Prüfverfahren wird \n"
        " der Härtewert über die Eindring-\n"
        " tiefe ermittelt.\n"
        " Dabei werden Eindringtiefe t und\n"
        " der Härtewert mit einem Tiefen-\n"
        " messgerät abgelesen.\n"
        "\n"
        " Das Rockwellhärtemessverfahren\n"
        " hat eine kurze Prüfzeit und läßt \n"
        " sich automatisieren.\n"
        " Allerdings ist das Verfahren bei \n"
        " sehr hoher Härte des Prüfwerk-\n"
        " stoffes ungenau, da sich bei \n"
        " kleinen Eindringtiefen der Einfluss \n"
        " der Abrundung bemerkbar macht.\n"
        "\n"
        "\n"
        "\n"
        " \n"
        "\n"
        " ").split(QChar('\n'));
}

TFormRockwell::TFormRockwell()
    //: Caption of the Rockwell window
    : IndentationForm(QStringLiteral("TFormRockwell"), tr("Härtemessung nach Rockwell DIN EN 6508-1 (früher DIN 50103)"),
                      explanation(), 220)
{
    // An invisible item: off the menu bar, but on the window, where its key
    // works; and it works while a run keeps every other input away.
    //: Hidden menu item (key F1) that pauses or continues a run
    m_stop = addMenuItem(tr("&Anhalten"), QStringLiteral("Stop"), [this] { StopClick(); }, nullptr,
                         QKeySequence(Qt::Key_F1));
    menuBar()->removeAction(m_stop);
    addAction(m_stop);
    keepLiveWhileDisabled(m_stop);
    //: Screen reader: name of the drawing, then what it shows after a run; to, t, tges are symbols
    describeDrawing(tr("Rockwellhärtemessung (schematisch)"),
                    tr("Messung beendet: Eindringtiefen to, t und tges und Eindruck von oben"));

    //: Status bar of the Rockwell window (bold), room for about 60 characters
    setStatusText(tr("ESC = Abbruch, F1 = Prozess anhalten/fortfahren"));
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
