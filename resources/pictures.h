#pragma once

#include <QString>
#include <QStringList>

// Resource paths of the pictures compiled into the program.
namespace pictures {
QString titleFracture(); // green-toned cleavage fracture surface, 1200 x 816
QStringList applicationIcon(); // the program's icon in 48, 128 and 256 pixels
}
