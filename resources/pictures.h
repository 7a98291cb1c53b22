#pragma once

#include <QString>

// Resource paths of the pictures compiled into the program.
namespace pictures {
QString titleFracture(); // green-toned cleavage fracture surface, 1200 x 816
}
