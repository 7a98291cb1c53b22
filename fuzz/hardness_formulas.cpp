// The hardness formulas with any single-precision inputs: a value only for
// positive inputs, never a negative hardness, and every fault a tk::Error
// with one of the arithmetic messages rather than undefined behaviour (the
// sanitizers watch the conversions to integers).
#include "fuzz_support.h"

#include "hardness/hardness_formulas.h"
#include "toolkit/errors.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

bool isArithmeticMessage(const QString& m)
{
    return m == QStringLiteral("Ungültige Gleitkommaoperation") || m == QStringLiteral("Gleitkommadivision durch Null") ||
           m == QStringLiteral("Gleitkommaüberlauf");
}

template <class Formula>
void check(const char* name, bool positive, Formula formula)
{
    std::optional<std::int32_t> value;
    try {
        value = formula();
    } catch (const tk::Error& e) {
        fuzz::require(positive, name, QStringLiteral("error for inputs that are not all positive: ") + e.message());
        fuzz::require(isArithmeticMessage(e.message()), name, e.message());
        return;
    }
    fuzz::require(value.has_value() == positive, name, QStringLiteral("a value exactly for positive inputs"));
    if (value)
        fuzz::require(*value >= 0, name, QStringLiteral("negative hardness %1").arg(*value));
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    float in[3] = {};
    std::memcpy(in, data, size < sizeof in ? size : sizeof in);
    const float force = in[0], a = in[1], b = in[2];

    try {
        const float f = hardness::testForce(force);
        fuzz::require(std::isfinite(f) || std::isnan(force), "testForce gives a finite force");
    } catch (const tk::Error& e) {
        fuzz::require(isArithmeticMessage(e.message()), "testForce", e.message());
    }
    const bool positive = force > 0 && a > 0 && b > 0;
    check("vickersHardness", positive, [&] { return hardness::vickersHardness(force, a, b); });
    check("brinellHardness", positive, [&] { return hardness::brinellHardness(force, a, b); });
    return 0;
}
