#include "indentation_scene.h"

#include "toolkit/colours.h"
#include "toolkit/diagram.h"

#include <QCoreApplication>

namespace hardness {

IndentationScene::IndentationScene(int frameLeft, int frameRightInset)
    : m_frame{frameLeft, 20, 560 - frameRightInset, 480}, m_frameLeft(frameLeft), m_frameRightInset(frameRightInset)
{
}

void IndentationScene::start()
{
    // A run ends at rest; only a paused run leaves the indenter elsewhere,
    // and Start then begins a new run rather than going on from there.
    m_y = restY;
    m_interval = fastInterval;
    m_timerEnabled = true;
    m_direction = Direction::Down;
    m_announcement = QT_TRANSLATE_NOOP("IndentationScene", "Prüfkörper senkt sich auf die Probe");
}

QString IndentationScene::testForceNumerator()
{
    //: Numerator of the hardness formula over a fraction bar of about 180 px
    return QCoreApplication::translate("IndentationScene", "0.102 * Prüfkraft F ");
}

QString IndentationScene::indentationAreaDenominator()
{
    //: Denominator of the hardness formula under a fraction bar of about 180 px
    return QCoreApplication::translate("IndentationScene", "Eindruckoberfläche A ");
}

QString IndentationScene::stageText() const
{
    return m_announcement ? QCoreApplication::translate("IndentationScene", m_announcement) : QString();
}

void IndentationScene::reset()
{
    m_inputEnabled = true;
    m_timerEnabled = false;
    m_y = restY;
    m_direction = Direction::Down;
    // A run paused in a slow stage and closed would otherwise leave its slow
    // interval to a run that is continued rather than started (Rockwell's F1).
    m_interval = fastInterval;
    m_announcement = nullptr;
}

void IndentationScene::setFrame(const tk::Canvas& c)
{
    m_frame = Frame{m_frameLeft, 20, c.width() - m_frameRightInset, c.height() - 20};
}

void IndentationScene::paintBackground(tk::Canvas& c, int windowWidth)
{
    setFrame(c);
    tk::drawStripes(c, windowWidth);

    c.setFontName(QStringLiteral("MS Sans Serif"));
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.setPenColor(Qt::black);
    c.setBrushColor(tk::colours::sceneRose);
    c.rectangle(m_frame.left, m_frame.top, m_frame.right, m_frame.bottom);
}

void IndentationScene::paintStatic(tk::Canvas& c, int windowWidth)
{
    paintBackground(c, windowWidth);

    c.setBrushColor(tk::colours::indenterRed);
    drawIndenterAtRest(c);

    c.setBrushColor(tk::colours::silver);
    c.rectangle(50, 270, 380, 300);

    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setFontHeight(24);
    tk::drawTexts(c, "IndentationScene", sceneTexts());
}

void IndentationScene::reachStages(Direction direction, tk::Canvas& down, tk::Canvas& haupt)
{
    for (const Stage& stage : stages()) {
        if (stage.direction != direction || m_direction != direction || m_y != stage.y)
            continue;
        if (stage.turn)
            m_direction = Direction::Up;
        if (stage.interval > 0)
            m_interval = stage.interval;
        if (stage.draw)
            (this->*stage.draw)(down, haupt);
        if (stage.announcement)
            m_announcement = stage.announcement;
    }
}

void IndentationScene::tick(tk::Canvas& down, tk::Canvas& haupt)
{
    // No input during a run; the indenter is drawn in its colour.
    m_inputEnabled = false;
    down.setBrushColor(tk::colours::indenterRed);
    down.setPenWidth(1);

    // The descent draws each position over the last without erasing it, so
    // the holder's black top edges pile up into a dark column.
    if (m_direction == Direction::Down && m_y < descentLimitY) {
        down.setPenColor(Qt::black);
        drawDescending(down, m_y);
        ++m_y;
    }
    reachStages(Direction::Down, down, haupt);
    reachStages(Direction::Up, down, haupt);

    if (m_direction == Direction::Up && m_y <= lowestY()) {
        down.setPenWidth(1);
        drawAscending(down, m_y);
        --m_y;
    }
    if (m_direction == Direction::Up && m_y == restY) {
        m_inputEnabled = true;
        m_timerEnabled = false;
        m_announcement = nullptr;
        finishRun(down);
    }
}

int IndentationScene::lowestY() const
{
    for (const Stage& stage : stages())
        if (stage.turn)
            return stage.y;
    return descentLimitY;
}

// Down to the lowest point (the tick that reaches it also takes the first
// step up), then up from one above it back to rest.
int IndentationScene::ticksPerRun() const { return 2 * (lowestY() - restY) - 1; }

int IndentationScene::runDuration() const
{
    // Each tick waits the interval in force before it; a stage reached in a
    // tick sets the interval of the ticks after it.
    int duration = 0;
    int interval = fastInterval;
    auto intervalAt = [&](Direction direction, int y) {
        for (const Stage& stage : stages())
            if (stage.direction == direction && stage.y == y && stage.interval > 0)
                interval = stage.interval;
    };
    for (int y = restY + 1; y <= lowestY(); ++y) {
        duration += interval;
        intervalAt(Direction::Down, y);
    }
    for (int y = lowestY() - 1; y > restY; --y) {
        duration += interval;
        intervalAt(Direction::Up, y);
    }
    return duration;
}

}
