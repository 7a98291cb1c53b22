#pragma once

#include <QPoint>
#include <vector>

namespace tk {
class Canvas;
}

// The impact energy-temperature diagram of the ISO-V specimen: measured
// values and trend curves of a body-centred cubic steel (upper shelf, a wide
// transition with strong scatter, lower shelf) and of a face-centred cubic
// austenitic steel (high and almost constant), with the regions labelled.
namespace impact {

// The fracture surfaces the regions of the diagram show.
enum class FracturePicture {
    Tough,      // upper shelf
    Mixed,      // transition
    Brittle,    // lower shelf
    Austenitic, // the austenitic steel
};

inline constexpr FracturePicture allFracturePictures[] = {FracturePicture::Tough, FracturePicture::Mixed,
                                                  FracturePicture::Brittle, FracturePicture::Austenitic};

// Draws the whole diagram on a canvas of the window's client size.
void paintEnergyTemperatureDiagram(tk::Canvas& c);

// The fracture pictures whose regions contain the point (paint-box
// coordinates, region bounds excluded), in the order the regions are tested.
std::vector<FracturePicture> fracturePicturesAt(QPoint point);

// The dots of the two trend curves in the order they are drawn, one per
// column; the body-centred curve draws the columns where two of its pieces
// meet twice, once by each piece. Each row is its formula evaluated in
// extended precision, stored in single precision and rounded to the nearest
// pixel, halves to even.
std::vector<QPoint> bodyCentredTrend();
std::vector<QPoint> faceCentredTrend();

}
