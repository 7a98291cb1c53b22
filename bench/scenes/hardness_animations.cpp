// The animated hardness measurements: one timer tick (averaged over whole
// runs, so the turn with its plan view and the end with its formulas count
// in their share) and one full repaint of the static scene.
#include "bench.h"

#include "hardness/brinell_scene.h"
#include "hardness/rockwell_scene.h"
#include "hardness/vickers_scene.h"
#include "toolkit/colours.h"

#include <memory>

using hardness::BrinellScene;
using hardness::RockwellScene;
using hardness::VickersScene;

namespace {

template <class Scene>
struct Indentation {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(560, 500);
    tk::Canvas haupt{surface};
    tk::Canvas down{surface};
    Scene scene;

    // What the paint box does: clear to the window colour, then the paint handler.
    void repaint()
    {
        surface->fill(tk::colours::windowGreen);
        haupt.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), tk::colours::windowGreen);
        scene.paintStatic(haupt, 800);
    }
    void tick()
    {
        if (!scene.timerEnabled())
            scene.start();
        scene.tick(down, haupt);
    }
};

template <class Scene>
Indentation<Scene>& painted()
{
    static Indentation<Scene> s;
    static const bool once = (s.repaint(), true);
    (void)once;
    return s;
}

}

BENCHMARK(vickers_tick, "Vickers measurement: one tick", {
    auto& s = painted<VickersScene>();
    for (int i = 0; i < repetitions; ++i)
        s.tick();
    (void)s.surface->pixel(0, 0); // the painter finishes its strokes
})

BENCHMARK(vickers_repaint, "Vickers measurement: static repaint", {
    auto& s = painted<VickersScene>();
    for (int i = 0; i < repetitions; ++i)
        s.repaint();
    (void)s.surface->pixel(0, 0);
})

BENCHMARK(brinell_tick, "Brinell measurement: one tick", {
    auto& s = painted<BrinellScene>();
    for (int i = 0; i < repetitions; ++i)
        s.tick();
    (void)s.surface->pixel(0, 0);
})

BENCHMARK(brinell_repaint, "Brinell measurement: static repaint", {
    auto& s = painted<BrinellScene>();
    for (int i = 0; i < repetitions; ++i)
        s.repaint();
    (void)s.surface->pixel(0, 0);
})

BENCHMARK(rockwell_tick, "Rockwell measurement: one tick", {
    auto& s = painted<RockwellScene>();
    for (int i = 0; i < repetitions; ++i)
        s.tick();
    (void)s.surface->pixel(0, 0);
})

BENCHMARK(rockwell_repaint, "Rockwell measurement: static repaint", {
    auto& s = painted<RockwellScene>();
    for (int i = 0; i < repetitions; ++i)
        s.repaint();
    (void)s.surface->pixel(0, 0);
})
