#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The arithmetic of the hardness calculators. Entered values are stored in
// single precision, as the calculators keep them; every formula is evaluated
// in extended precision on those stored values. Faults (a negative root, a
// division by zero, a result beyond the integer range) throw tk::Error.
namespace hardness {

// Test force in N for a test load in kp, stored in single precision, so that
// 10 kp gives 98.0999984741211 N.
float testForce(float testLoad);

// HV = 0.189 F / d² with d the mean diagonal in mm (diagonals in µm); no
// value when the force or a diagonal is not positive.
std::optional<std::int32_t> vickersHardness(float force, float d1, float d2);

// HB = 0.204 F / ((D - √(D² - d²)) · π · D) with π taken as 3.1415; no value
// when the force or a diameter is not positive.
std::optional<std::int32_t> brinellHardness(float force, float ballDiameter, float indentDiameter);

// Headings of the value lists, built from the texts as the user typed them.
QString vickersHeading(const QString& testCondition);
QString brinellHeading(const QString& ballDiameter, const QString& testLoad);

}
