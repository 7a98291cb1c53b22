#include "pictures.h"

namespace pictures {
QString titleFracture() { return QStringLiteral(":/pictures/title_fracture.jpg"); }
}
