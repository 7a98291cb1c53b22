#include "tensile_machine_scene.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/diagram.h"

#include <QCoreApplication>

namespace tensile {

namespace {

// The specimen as the run shows it: hanging loose from the lower grip, held
// by both grips, stretched, and broken with a gap of five pixels.
enum class Specimen { Loose, Gripped, Stretched, Broken };

// The threaded spindles, hatched over what lies below them. The ticks redraw
// them down to row 340, below the lowest row the crosshead bar ever covers.
// The brush is solid again afterwards, for the parts that follow.
void drawSpindles(tk::Canvas& c, int bottom)
{
    c.setBrushColor(Qt::black);
    c.setBrushStyle(tk::BrushStyle::FDiagonal);
    c.rectangle(210, 110, 220, bottom);
    c.rectangle(350, 110, 360, bottom);
    c.setBrushStyle(tk::BrushStyle::Solid);
}

// The crosshead with the lower grip at position p. `spaceTop` is the upper
// edge of the white space above the grip: the static picture leaves only 10
// pixels there, the moving group clears 44, which takes away the specimen it
// drew one tick before.
void drawMovingGroup(tk::Canvas& c, int p, const QColor& outline, int spaceTop)
{
    c.setPenColor(outline);
    c.setBrushColor(tk::colours::olive);
    c.rectangle(200, 460 - p, 370, 470 - p); // crosshead bar
    c.rectangle(265, 470 - p, 305, 480 - p); // hub
    c.rectangle(275, 450 - p, 295, 460 - p); // grip neck
    c.ellipse(265, 415 - p, 305, 455 - p);   // grip body
    c.setPenColor(Qt::white);
    c.setBrushColor(Qt::white);
    c.rectangle(270, spaceTop, 300, 420 - p); // space above the grip
    c.rectangle(280, 420 - p, 290, 440 - p);  // slot for the specimen head
    c.setPenColor(Qt::black);
    c.line(270, 420 - p, 300, 420 - p); // grip edge
}

void drawSpecimen(tk::Canvas& c, int p, Specimen s)
{
    c.setBrushColor(tk::colours::silver);
    c.rectangle(280, 420 - p, 290, 440 - p); // lower head, always in the lower grip
    switch (s) {
    case Specimen::Loose:
        c.rectangle(280, 355 - p, 290, 375 - p);
        c.rectangle(282, 375 - p, 288, 420 - p);
        break;
    case Specimen::Gripped:
        c.rectangle(280, 145, 290, 165);
        c.rectangle(282, 165, 288, 420 - p);
        break;
    case Specimen::Stretched:
        c.rectangle(280, 145, 290, 165);
        c.rectangle(282, 165, 288, 190);
        c.rectangle(282, 190, 288, 420 - p);
        break;
    case Specimen::Broken:
        c.rectangle(280, 145, 290, 165);
        c.rectangle(282, 165, 288, 190);
        c.rectangle(282, 195, 288, 420 - p);
        break;
    }
}

void drawUpperGrip(tk::Canvas& c)
{
    c.setPenColor(tk::colours::almostBlack);
    c.setBrushColor(tk::colours::olive);
    c.rectangle(265, 115, 305, 130);
    c.rectangle(275, 110, 295, 115);
    c.rectangle(275, 130, 295, 135);
    c.ellipse(265, 130, 305, 170);
    c.setPenColor(Qt::white);
    c.setBrushColor(Qt::white);
    c.rectangle(270, 165, 300, 180);
    c.rectangle(280, 145, 290, 165);
    c.setPenColor(Qt::black);
    c.line(270, 163, 300, 163);
}

// The names of the machine's parts; a name of two lines has its break at \n,
// the second line `step` pixels below the first.
struct PartLabel {
    int x, y, step;
    const char* text;
};

const PartLabel partLabels[] = {
    //: Part name beside the schematic tensile machine, room for about 16 characters
    {220, 60, 0, QT_TRANSLATE_NOOP("tensile::TensileMachineScene", "oberes Querhaupt")},
    //: Part name in two lines (break at \n), about 11 characters each
    {240, 310, 20, QT_TRANSLATE_NOOP("tensile::TensileMachineScene", "bewegliches\nQuerhaupt")},
    //: Part name in two lines (break at \n), about 9 characters each
    {360, 210, 20, QT_TRANSLATE_NOOP("tensile::TensileMachineScene", "Gewinde-\nstangen")},
    //: Part name: the test piece, room for about 8 characters
    {230, 180, 0, QT_TRANSLATE_NOOP("tensile::TensileMachineScene", "Probe")},
    //: Part name in two lines (break at \n, lines 15 pixels apart), about 6 characters each
    {220, 135, 15, QT_TRANSLATE_NOOP("tensile::TensileMachineScene", "Spann\nbacken")},
};

void drawPartLabels(tk::Canvas& c)
{
    for (const PartLabel& label : partLabels) {
        const QStringList lines =
            QCoreApplication::translate("tensile::TensileMachineScene", label.text).split(u'\n');
        for (int i = 0; i < lines.size(); ++i)
            c.textOut(label.x, label.y + i * label.step, lines[i]);
    }
}

}

void TensileMachineScene::paintMachine(tk::Canvas& c, int windowWidth) const
{
    tk::drawStripes(c, windowWidth);

    // The scene frame, 20 pixels inside the box.
    const int left = 20, top = 20, right = c.width() - 20, bottom = c.height() - 20;
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.setPenColor(tk::colours::almostBlack);
    c.setBrushColor(Qt::white);
    c.rectangle(left, top, right, bottom);

    c.setBrushColor(tk::colours::machineGreen);
    c.rectangle(left, 460, right, bottom); // floor
    c.polygon({{120, 460}, {150, 450}, {420, 450}, {450, 460}});
    c.rectangle(150, 80, 420, 450);
    c.setBrushColor(Qt::white);
    c.rectangle(180, 110, 390, 360); // opening of the frame

    drawSpindles(c, 360);
    drawMovingGroup(c, m_p, tk::colours::almostBlack, 410 - m_p);
    drawUpperGrip(c);
    drawSpecimen(c, m_p, Specimen::Loose);

    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setFontColor(Qt::black);
    c.setFontHeight(18);
    drawPartLabels(c);
    c.setFontHeight(24);
    //: Title drawn at the top of the machine picture, room for about 30 characters
    c.textOut(30, 30, QCoreApplication::translate("tensile::TensileMachineScene", " Zugprüfmaschine (schematisch)"));
}

void TensileMachineScene::start(tk::Canvas& moving)
{
    m_interval = riseInterval;
    m_startEnabled = false;
    m_running = true;
    moving.setPenColor(Qt::white);
    moving.setBrushColor(Qt::white);
}

// The four stages are tested in this order within one tick, each seeing p
// and q as the stages before left them: the tick that reaches the upper
// grip also makes the first step down, and the tick that reaches the break
// position also breaks the specimen.
void TensileMachineScene::tick(tk::Canvas& c)
{
    if (!m_running)
        return;
    c.setPenMode(tk::PenMode::Copy);
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);

    // Rise: the white outline left behind erases the group's last image.
    if (m_p < gripPosition && m_q == restPosition) {
        drawMovingGroup(c, m_p, Qt::white, 376 - m_p);
        c.setPenColor(tk::colours::almostBlack);
        drawSpecimen(c, m_p, Specimen::Loose);
        m_p += 1;
        drawSpindles(c, 340);
    }
    // The upper head has reached the upper grip: from now on the crosshead
    // pulls, one step every five seconds.
    if (m_p == gripPosition) {
        m_interval = pullInterval;
        m_q = gripPosition;
        drawMovingGroup(c, m_p, Qt::black, 376 - m_p);
        c.setPenColor(tk::colours::almostBlack);
        drawSpecimen(c, m_p, Specimen::Gripped);
        m_p -= 1;
    }
    if (m_p < gripPosition && m_q == gripPosition) {
        m_interval = pullInterval;
        c.setPenColor(Qt::white);
        c.line(200, 459 - m_p, 380, 459 - m_p); // the row the group has just left
        drawMovingGroup(c, m_p, Qt::white, 376 - m_p);
        c.setPenColor(tk::colours::almostBlack);
        drawSpecimen(c, m_p, Specimen::Stretched);
        m_p -= 1;
        drawSpindles(c, 340);
    }
    if (m_p == breakPosition && m_q == gripPosition) {
        m_newEnabled = true;
        m_running = false;
        drawMovingGroup(c, m_p, Qt::black, 376 - m_p);
        c.setPenColor(tk::colours::almostBlack);
        drawSpecimen(c, m_p, Specimen::Broken);
        m_p -= 1;
        drawSpindles(c, 340);
    }
}

void TensileMachineScene::renew()
{
    m_interval = riseInterval;
    m_newEnabled = false;
    m_startEnabled = true;
    m_p = restPosition;
    m_q = restPosition;
}

void TensileMachineScene::close()
{
    m_startEnabled = true;
    m_running = false;
    m_p = restPosition;
    m_q = restPosition;
}

}
