#include "pictures.h"

namespace pictures {

namespace {
QString picture(const char* file) { return QStringLiteral(":/pictures/") + QLatin1String(file); }
}

QString titleFracture() { return picture("title_fracture.jpg"); }

QStringList applicationIcon()
{
    return {QStringLiteral(":/icons/werkstoffpruefung-48.png"), QStringLiteral(":/icons/werkstoffpruefung-128.png"),
            QStringLiteral(":/icons/werkstoffpruefung-256.png")};
}

QString vickersTester() { return picture("hva223.jpg"); }
QString vickersReadingDevice() { return picture("hva223_lese.jpg"); }
QString vickersLoadSupport() { return picture("hva223_kraft.jpg"); }
QString vickersIndenterAndSpecimen() { return picture("hva223_koerper.jpg"); }
QString fractureDuctile() { return picture("fracture_ductile.jpg"); }
QString fractureMixed() { return picture("fracture_mixed.jpg"); }
QString fractureBrittle() { return picture("fracture_brittle.jpg"); }
QString fractureAustenitic() { return picture("fracture_austenitic.jpg"); }
QString pendulumTester() { return picture("pendulum_tester.jpg"); }
QString tensileMachine() { return picture("tensile_machine.jpg"); }
QString fatigueFracture() { return picture("fatigue_fracture.jpg"); }

}
