// The stress-strain diagram: one curve tick, and one full static repaint of
// the diagram and the terms panel.
#include "bench.h"

#include "tensile/stress_strain_scene.h"
#include "tensile/stress_strain_terms.h"
#include "toolkit/canvas.h"
#include "toolkit/colours.h"

#include <memory>

BENCHMARK(stress_strain_tick, "Stress-strain: one curve tick (both steels in turn)", {
    static auto surface = std::make_shared<tk::Surface>(500, 410);
    static tk::Canvas canvas(surface);
    static tensile::StressStrainScene scene;
    static tensile::Steel steel = tensile::Steel::Unalloyed;
    static bool painted = false;
    if (!painted) {
        scene.paintDiagram(canvas, 800);
        painted = true;
    }
    for (int i = 0; i < repetitions; ++i) {
        if (!scene.running()) {
            steel = steel == tensile::Steel::Unalloyed ? tensile::Steel::Austenitic : tensile::Steel::Unalloyed;
            scene.start(steel, canvas);
        }
        scene.tick(steel, canvas);
    }
    surface->image();
})

BENCHMARK(stress_strain_repaint, "Stress-strain: static repaint (diagram and terms panel)", {
    static auto diagram = std::make_shared<tk::Surface>(500, 410);
    static auto panel = std::make_shared<tk::Surface>(550, 140);
    static tk::Canvas d(diagram);
    static tk::Canvas t(panel);
    static tensile::StressStrainScene scene;
    for (int i = 0; i < repetitions; ++i) {
        diagram->fill(tk::colours::windowGreen);
        scene.paintDiagram(d, 800);
        panel->fill(tk::colours::windowGreen);
        tensile::paintTermsPanel(t);
        diagram->image();
        panel->image();
    }
})
