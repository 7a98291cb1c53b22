#include "indentation_scene.h"

#include <algorithm>

QColor indentation::stripeColour(int i) { return tk::tcolor(std::uint32_t(65536 - i)); }

void IndentationScene::start()
{
    m_interval = fastInterval;
    m_timerEnabled = true;
    m_direction = Direction::Down;
}

void IndentationScene::reset()
{
    m_inputEnabled = true;
    m_timerEnabled = false;
    m_y = restY;
    m_direction = Direction::Down;
}

void IndentationScene::setFrameAndColours(const tk::Canvas& c)
{
    m_frame = Frame{40, 20, c.width() - 20, c.height() - 20};
    m_sceneColour = tk::colours::sceneRose;
    m_indenterColour = tk::colours::indenterRed;
}

void IndentationScene::paintBackground(tk::Canvas& c, int windowWidth)
{
    setFrameAndColours(c);

    c.setPenWidth(3);
    for (int i = 0; i <= 200; ++i) {
        c.setPenColor(indentation::stripeColour(i));
        c.line(4, 3 * i, windowWidth, 3 * i);
    }

    c.setFontName(QStringLiteral("MS Sans Serif"));
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.setPenColor(Qt::black);
    c.setBrushColor(m_sceneColour);
    c.rectangle(m_frame.left, m_frame.top, m_frame.right, m_frame.bottom);
}

void IndentationScene::beginTick(tk::Canvas& down)
{
    m_inputEnabled = false;
    down.setBrushColor(m_indenterColour);
    down.setPenWidth(1);
}

void IndentationScene::endRun()
{
    m_inputEnabled = true;
    m_timerEnabled = false;
}
