// Drawing benchmarks of the pendulum impact tester.
#include "bench.h"

#include "impact/pendulum_scene.h"
#include "toolkit/colours.h"

#include <memory>

using impact::PendulumScene;

namespace {

const QColor windowColour = tk::colours::windowGreen;

struct PendulumStage {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(520, 450);
    tk::Canvas canvas{surface};
    PendulumScene scene{800};

    void paint()
    {
        surface->fill(windowColour);
        canvas.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), windowColour);
        scene.paintMachine(canvas);
    }
};

}

BENCHMARK(pendulum_tick, "pendulum: one swing tick", {
    PendulumStage s;
    s.paint();
    for (int i = 0; i < repetitions; ++i) {
        // A swing has 48 ticks; start a new one when it has ended, so every
        // repetition draws and erases a moving hammer.
        if (!s.scene.running())
            s.scene.start();
        s.scene.tick(s.canvas);
    }
    s.surface->image();
})

BENCHMARK(pendulum_repaint, "pendulum: static repaint of the machine", {
    PendulumStage s;
    for (int i = 0; i < repetitions; ++i)
        s.paint();
    s.surface->image();
})
