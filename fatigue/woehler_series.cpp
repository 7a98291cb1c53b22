#include "woehler_series.h"

#include "toolkit/colours.h"

namespace fatigue {

QColor treatmentColour(Treatment t) { return t == Treatment::SoftAnnealed ? tk::colours::red : tk::colours::blue; }

const std::array<LoadSeries, 10>& loadSeries()
{
    using enum Treatment;
    static const std::array<LoadSeries, 10> series = {{
        {SoftAnnealed, "WeichSp180", 180, 90, 150, {335, 342, 347, 352, 360, 366}},
        {SoftAnnealed, "WeichSp160", 160, 80, 200, {354, 370, 378, 388, 398, 404}},
        {SoftAnnealed, "WeichSp140", 140, 70, 250, {417, 426, 437, 440, 446, 454}},
        {SoftAnnealed, "WeichSp130", 130, 65, 275, {460, 466, 470, 475, 505, 525}},
        {SoftAnnealed, "WeichSp120", 120, 60, 300, {532, 557, 620, 650, 652, 654}},
        {ShotPeened, "KugelSp200", 200, 100, 100, {355, 360, 365, 370, 378, 385}},
        {ShotPeened, "KugelSp185", 185, 92, 135, {365, 381, 386, 394, 403, 412}},
        {ShotPeened, "KugelSp170", 170, 85, 175, {400, 410, 417, 430, 434, 438}},
        {ShotPeened, "KugelSp160", 160, 80, 200, {416, 436, 442, 448, 455, 460}},
        {ShotPeened, "KugelSp150", 150, 75, 225, {560, 569, 581, 591, 651, 655}},
    }};
    return series;
}

const std::array<ProbabilityLine, 6>& probabilityLines()
{
    using enum Treatment;
    // The soft-annealed 10 % line passes its 140 N/mm² circle two pixels to
    // the left of its centre, as the evaluated line runs.
    static const std::array<ProbabilityLine, 6> lines = {{
        {SoftAnnealed, "WahrscheinW0", 10, {530, 444, 413, 364, 330}, {530, 444, 411, 364, 330}, {470, 310}},
        {SoftAnnealed, "WahrscheinW50", 50, {600, 474, 432, 377, 346}, {600, 474, 432, 377, 346}, {570, 310}},
        {SoftAnnealed, "WahrscheinW100", 90, {670, 510, 452, 397, 361}, {670, 510, 452, 397, 361}, {680, 310}},
        {ShotPeened, "WahrscheinK0", 10, {532, 418, 401, 370, 351}, {532, 418, 401, 370, 351}, {470, 230}},
        {ShotPeened, "WahrscheinK50", 50, {593, 436, 416, 389, 366}, {593, 436, 416, 389, 366}, {590, 230}},
        {ShotPeened, "WahrscheinK100", 90, {650, 470, 438, 405, 384}, {650, 470, 438, 405, 384}, {670, 230}},
    }};
    return lines;
}

const std::array<int, 5>& probabilityRows(Treatment t)
{
    static const std::array<int, 5> soft = {300, 275, 250, 200, 150};
    static const std::array<int, 5> shot = {225, 200, 175, 135, 100};
    return t == Treatment::SoftAnnealed ? soft : shot;
}

}
