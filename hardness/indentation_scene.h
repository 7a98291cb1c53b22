#pragma once

#include "toolkit/canvas.h"
#include "toolkit/diagram.h"

#include <QColor>
#include <QString>
#include <span>

namespace hardness {

// What the Brinell, Vickers and Rockwell measurements have in common: the
// position and direction of the indenter, the state of a run as the window
// reflects it (timer interval, timer on or off, input accepted or not), the
// frame and colours of the scene, the striped background behind it, and the
// run itself.
//
// A run is driven by ticks. The indenter descends one pixel per tick, turns at
// its lowest point and rises one pixel per tick back to its rest position,
// where the run ends. Between these, each method has its own stages: at a
// given position, going down or up, the timer takes another interval and the
// scene draws what belongs to that moment (the force texts, the depth marks,
// the plan view of the impression). Each method describes its stages in a
// table; the tick is the same for all.
class IndentationScene {
public:
    enum class Direction { Down, Up };

    struct Frame {
        int left, top, right, bottom;
    };

    using StageDrawing = void (IndentationScene::*)(tk::Canvas& down, tk::Canvas& haupt);

    // A stage of the run: reached when the indenter stands at `y` going in
    // `direction`. From then on the timer runs at `interval` (0 keeps the
    // interval); at the lowest point (`turn`) the indenter turns up; `draw`,
    // if any, draws what the stage shows; `announcement`, if any, says what
    // the run does from then on (a text of the context "IndentationScene").
    struct Stage {
        Direction direction;
        int y;
        int interval;
        bool turn;
        StageDrawing draw;
        const char* announcement = nullptr;
    };

    // A stage's drawing, from a member of a method's own scene.
    template <class Scene>
    static StageDrawing drawing(void (Scene::*draw)(tk::Canvas&, tk::Canvas&))
    {
        return static_cast<StageDrawing>(draw);
    }

    static constexpr int restY = 200;         // position between runs
    static constexpr int descentLimitY = 280; // the descent never draws below this
    static constexpr int fastInterval = 50;   // ms

    virtual ~IndentationScene() = default;
    IndentationScene(const IndentationScene&) = delete;
    IndentationScene& operator=(const IndentationScene&) = delete;

    int y() const { return m_y; }
    Direction direction() const { return m_direction; }
    int interval() const { return m_interval; }
    bool timerEnabled() const { return m_timerEnabled; }
    // The window and its Start item take input while no run is going on, and
    // while a run is paused.
    bool inputEnabled() const { return m_inputEnabled || !m_timerEnabled; }
    const Frame& frame() const { return m_frame; }

    // The Start command: a new run begins at rest with fast ticks,
    // descending. The window repaints itself afterwards, which clears what
    // the last run drew.
    void start();
    // Stops or continues a run where it stands: the timer goes off or on.
    void togglePause() { m_timerEnabled = !m_timerEnabled; }
    // The window closes: whatever state a run left, the next showing starts
    // from rest, with fast ticks.
    void reset();

    // The static picture, on the canvas of the main paint box: background
    // stripes, the pink scene, the indenter at its current position with the
    // load arrow, the silver specimen and the scene's texts.
    void paintStatic(tk::Canvas& haupt, int windowWidth);
    // One timer tick: on the canvas of the box above, the plan view on the
    // main box's canvas (the same surface).
    void tick(tk::Canvas& down, tk::Canvas& haupt);

    // The lowest point of the run, where the indenter turns.
    int lowestY() const;
    // The number of ticks of a whole run, and its nominal duration in ms.
    int ticksPerRun() const;
    int runDuration() const;

    // What the run is doing now, as a screen reader says it: the descent from
    // Start on, then each stage that names itself; empty outside a run.
    QString stageText() const;

protected:
    // The frame of the scene lies `frameLeft` from the left edge of the
    // drawing surface and `frameRightInset` from its right edge.
    IndentationScene(int frameLeft, int frameRightInset);

    virtual std::span<const Stage> stages() const = 0;
    // The indenter at the current position, with the load arrow (and what
    // else is drawn in the indenter's colour), and the texts of the scene in
    // a cell height of 24.
    virtual void drawIndenterAtRest(tk::Canvas& c) = 0;
    // Drawn in the interface language (context "IndentationScene").
    virtual std::span<const tk::PlacedText> sceneTexts() const = 0;
    // The indenter at y, going down (the pen is black) and going up (with
    // the pen and brush the run left).
    virtual void drawDescending(tk::Canvas& down, int y) = 0;
    virtual void drawAscending(tk::Canvas& down, int y) = 0;
    // The last tick of a run, back at rest: input accepted again, timer off
    // (done before this runs), and the indenter drawn at rest.
    virtual void finishRun(tk::Canvas& down) = 0;

    // The fraction both hardness formulas start from: 0.102 times the test
    // force over the area of the indentation.
    static QString testForceNumerator();
    static QString indentationAreaDenominator();

    int m_y = restY;
    Direction m_direction = Direction::Down;
    int m_interval = fastInterval;
    bool m_timerEnabled = false;
    bool m_inputEnabled = true;
    Frame m_frame;

private:
    void setFrame(const tk::Canvas& c);
    void paintBackground(tk::Canvas& c, int windowWidth);
    void reachStages(Direction direction, tk::Canvas& down, tk::Canvas& haupt);

    int m_frameLeft;
    int m_frameRightInset;
    const char* m_announcement = nullptr;
};

}
