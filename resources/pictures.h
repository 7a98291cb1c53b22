#pragma once

#include <QString>
#include <QStringList>

// Resource paths of the pictures compiled into the program.
namespace pictures {
QString titleFracture(); // green-toned cleavage fracture surface, 1200 x 816
QStringList applicationIcon(); // the program's icon in 48, 128 and 256 pixels

// The Vickers tester and three of its details, 800 x 600 each.
QString vickersTester();
QString vickersReadingDevice();
QString vickersLoadSupport();
QString vickersIndenterAndSpecimen();

// Impact-test fracture surfaces of St 37 (220 x 161) and of an austenitic
// steel (230 x 161).
QString fractureDuctile();
QString fractureMixed();
QString fractureBrittle();
QString fractureAustenitic();

// The testing machines, 800 x 600 each.
QString pendulumTester();
QString tensileMachine();

// Fatigue striations of an austenitic Cr-Ni steel, 800 x 550, grey.
QString fatigueFracture();
}
