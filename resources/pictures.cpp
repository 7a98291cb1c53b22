#include "pictures.h"

namespace pictures {
QString titleFracture() { return QStringLiteral(":/pictures/title_fracture.jpg"); }

QStringList applicationIcon()
{
    return {QStringLiteral(":/icons/werkstoffpruefung-48.png"), QStringLiteral(":/icons/werkstoffpruefung-128.png"),
            QStringLiteral(":/icons/werkstoffpruefung-256.png")};
}
}
