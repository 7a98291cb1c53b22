#include "bench.h"

#include "fatigue/woehler_recording_scene.h"
#include "toolkit/canvas.h"

#include <memory>

namespace {

struct WoehlerBench {
    WoehlerBench()
        : panel(std::make_shared<tk::Surface>(788, 510)), diagram(std::make_shared<tk::Surface>(530, 440))
    {
        // Every series done and two probability lines shown: the fullest
        // static picture of the normal view.
        for (int series = 0; series < 10; ++series) {
            scene.startSeries(series);
            while (scene.running())
                scene.tick(panel, diagram);
        }
        scene.showProbabilityLine(1);
        scene.showProbabilityLine(4);
    }
    void repaint()
    {
        scene.updateDiagramFactors();
        scene.paintPanel(panel, QSize(788, 510));
        scene.paintDiagram(diagram, QSize(788, 510));
    }
    fatigue::WoehlerRecordingScene scene;
    tk::Canvas panel;
    tk::Canvas diagram;
};

}

BENCHMARK(woehler_tick, "Woehler recording: one tick (run average)", {
    static WoehlerBench b;
    for (int i = 0; i < repetitions; ++i) {
        // Averaged over whole runs: 73 curve segments, four of them with the
        // six fracture points.
        if (!b.scene.running()) {
            b.scene.reset();
            b.scene.startSeries(4);
        }
        b.scene.tick(b.panel, b.diagram);
    }
    b.panel.surface().image();
});

BENCHMARK(woehler_repaint, "Woehler recording: full static repaint", {
    static WoehlerBench b;
    for (int i = 0; i < repetitions; ++i)
        b.repaint();
    b.panel.surface().image();
    b.diagram.surface().image();
});
