// The stress-strain diagram: one curve tick, and one full static repaint of
// the diagram and the terms panel.
#include "bench.h"

#include "tensile/zug_scene.h"
#include "tensile/zug_terms.h"
#include "toolkit/canvas.h"

#include <memory>

BENCHMARK(zug_tick, "Zug: one curve tick (both steels in turn)", {
    static auto surface = std::make_shared<tk::Surface>(500, 410);
    static tk::Canvas canvas(surface);
    static ZugScene scene;
    static Steel steel = Steel::Unalloyed;
    static bool painted = false;
    if (!painted) {
        scene.paintDiagram(canvas, 800);
        painted = true;
    }
    for (int i = 0; i < repetitions; ++i) {
        if (!scene.running()) {
            steel = steel == Steel::Unalloyed ? Steel::Austenitic : Steel::Unalloyed;
            scene.start(steel, canvas);
        }
        scene.tick(steel, canvas);
    }
    surface->image();
})

BENCHMARK(zug_repaint, "Zug: static repaint (diagram and terms panel)", {
    static auto diagram = std::make_shared<tk::Surface>(500, 410);
    static auto panel = std::make_shared<tk::Surface>(550, 140);
    static tk::Canvas d(diagram);
    static tk::Canvas t(panel);
    static ZugScene scene;
    for (int i = 0; i < repetitions; ++i) {
        diagram->fill(QColor(0, 202, 156));
        scene.paintDiagram(d, 800);
        panel->fill(QColor(0, 202, 156));
        zugterms::paintPanel(t);
        diagram->image();
        panel->image();
    }
})
