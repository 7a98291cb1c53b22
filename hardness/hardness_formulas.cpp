#include "hardness_formulas.h"

#include "toolkit/errors.h"
#include "toolkit/numbers.h"

#include <cstdint>
#include <limits>

namespace hardness {

namespace {

constexpr long double gravity = 9.81L;
constexpr long double vickersFactor = 0.189L;
constexpr long double brinellFactor = 0.204L;
constexpr long double brinellPi = 3.1415L;

// A hardness is kept as a 32-bit integer; a quotient beyond that range (a
// tiny indentation) is reported instead of wrapping around to a wrong value.
std::int32_t hardnessValue(long double quotient)
{
    constexpr long double limit = static_cast<long double>(std::numeric_limits<std::int32_t>::max()) + 0.5L;
    if (!(quotient < limit && quotient > -limit))
        throw tk::Error(tk::messages::overflow());
    return static_cast<std::int32_t>(tk::roundHalfEven(quotient));
}

}

float testForce(float testLoad) { return tk::toSingle(static_cast<long double>(testLoad) * gravity); }

std::optional<std::int32_t> vickersHardness(float force, float d1, float d2)
{
    if (!(force > 0 && d1 > 0 && d2 > 0))
        return std::nullopt;
    // µm to mm and the mean of both diagonals in one step.
    const long double d = (static_cast<long double>(d1) + d2) / 2000.0L;
    return hardnessValue(tk::divide(vickersFactor * force, d * d));
}

std::optional<std::int32_t> brinellHardness(float force, float ballDiameter, float indentDiameter)
{
    if (!(force > 0 && ballDiameter > 0 && indentDiameter > 0))
        return std::nullopt;
    const long double D = ballDiameter;
    const long double d = indentDiameter;
    const long double depthTerm = D - tk::squareRoot(D * D - d * d);
    return hardnessValue(tk::divide(brinellFactor * force, depthTerm * brinellPi * D));
}

QString vickersHeading(const QString& testCondition) { return QStringLiteral("HV ") + testCondition; }

QString brinellHeading(const QString& ballDiameter, const QString& testLoad)
{
    return QStringLiteral("HB ") + ballDiameter + QStringLiteral(" / ") + testLoad;
}

}
