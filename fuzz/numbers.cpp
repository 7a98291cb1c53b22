// Number conversions and checked arithmetic of the toolkit, in the German
// locale the program runs in.
//   text mode: a rejected text throws tk::Error with exactly the toolkit's
//   message; an accepted one gives a finite value whose floatToStr text is
//   accepted again, converts to the value within the 15 printed digits and
//   prints the same text again.
//   arithmetic mode: divide, squareRoot, checked, toSingle and roundHalfEven
//   give finite values or throw tk::Error with one of the arithmetic
//   messages, never NaN or infinity.
#include "fuzz_support.h"

#include "toolkit/errors.h"
#include "toolkit/numbers.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

namespace {

const QString invalidOperation = QStringLiteral("Ungültige Gleitkommaoperation");
const QString divisionByZero = QStringLiteral("Gleitkommadivision durch Null");
const QString overflow = QStringLiteral("Gleitkommaüberlauf");

void checkFloatText(const QString& text)
{
    long double value = 0;
    try {
        value = tk::strToFloat(text);
    } catch (const tk::Error& e) {
        fuzz::require(e.message() == QStringLiteral("'") + text + QStringLiteral("' ist kein gültiger Gleitkommawert"),
                      "rejected float text: exact message", e.message());
        return;
    }
    fuzz::require(std::isfinite(value), "accepted float text gives a finite value", text);
    const QString printed = tk::floatToStr(value);
    long double again = 0;
    try {
        again = tk::strToFloat(printed);
    } catch (const tk::Error&) {
        fuzz::broken("floatToStr prints a text strToFloat accepts", text + QStringLiteral(" -> ") + printed);
    }
    const long double tolerance = std::fabs(value) * 1e-14L;
    fuzz::require(std::fabs(again - value) <= tolerance, "printed text converts to the same value within 15 digits",
                  text + QStringLiteral(" -> ") + printed);
    fuzz::require(tk::floatToStr(again) == printed, "printing the converted text again gives the same text",
                  text + QStringLiteral(" -> ") + printed + QStringLiteral(" -> ") + tk::floatToStr(again));
}

void checkIntegerText(const QString& text)
{
    int value = 0;
    try {
        value = tk::strToInt(text);
    } catch (const tk::Error& e) {
        fuzz::require(e.message() == QStringLiteral("'") + text + QStringLiteral("' ist kein gültiger Integerwert"),
                      "rejected integer text: exact message", e.message());
        return;
    }
    try {
        fuzz::require(tk::strToInt(QString::number(value)) == value, "an integer's decimal text converts back", text);
    } catch (const tk::Error&) {
        fuzz::broken("an integer's decimal text is accepted", text);
    }
}

template <class Operation>
void checkArithmetic(const char* name, Operation operation)
{
    try {
        const long double result = operation();
        fuzz::require(std::isfinite(result), name, QStringLiteral("non-finite result"));
    } catch (const tk::Error& e) {
        fuzz::require(e.message() == invalidOperation || e.message() == divisionByZero || e.message() == overflow,
                      name, QStringLiteral("unexpected message: ") + e.message());
    }
}

// A value from the input: one of the edge cases of extended precision
// (infinities, NaN, the limits, zeros) where the first byte asks for one,
// else the double in the next eight bytes.
long double takeValue(const uint8_t*& data, size_t& size)
{
    static const long double special[] = {
        std::numeric_limits<long double>::infinity(),   -std::numeric_limits<long double>::infinity(),
        std::numeric_limits<long double>::quiet_NaN(),  std::numeric_limits<long double>::max(),
        std::numeric_limits<long double>::lowest(),     std::numeric_limits<long double>::denorm_min(),
        std::numeric_limits<long double>::min(),        -0.0L,
    };
    if (size > 0) {
        const uint8_t selector = *data++;
        --size;
        if (selector & 0x80)
            return special[selector % std::size(special)];
    }
    double d = 0;
    const size_t n = size < sizeof d ? size : sizeof d;
    std::memcpy(&d, data, n);
    data += n;
    size -= n;
    return d;
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    ++data;
    --size;
    if (mode & 1) {
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
        checkFloatText(text);
        checkIntegerText(text);
        return 0;
    }
    // Values of extended range: a double, scaled by a power of two up to
    // 2^±8191, as chains of long double operations produce them.
    const long double a = takeValue(data, size);
    const long double b = takeValue(data, size);
    const int scale = size >= 2 ? (int(data[0]) << 8 | data[1]) % 16384 - 8192 : 0;
    const long double x = std::ldexp(a, scale);
    for (long double v : {a, x}) {
        checkArithmetic("divide", [&] { return tk::divide(v, b); });
        checkArithmetic("divide reversed", [&] { return tk::divide(b, v); });
        checkArithmetic("squareRoot", [&] { return tk::squareRoot(v); });
        checkArithmetic("checked product", [&] { return tk::checked(v * b); });
        checkArithmetic("toSingle", [&] { return static_cast<long double>(tk::toSingle(v)); });
        checkArithmetic("roundHalfEven", [&] { return static_cast<long double>(tk::roundHalfEven(v)); });
    }
    return 0;
}
