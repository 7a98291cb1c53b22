#pragma once

#include <QString>
#include <cstdint>

// Numbers as the windows compute and show them: real values are evaluated in
// extended precision (long double) and stored in single precision (float)
// where a window keeps them; conversions use the decimal separator of the
// current locale (the interface language's, see language.h) and fail with
// messages in the interface language.
namespace tk {

// Nearest integer, halves to the even neighbour.
std::int64_t roundHalfEven(long double value);

// Text to number; leading and trailing blanks are allowed. Throws Error
// "'<text>' ist kein gültiger Gleitkommawert".
long double strToFloat(const QString& text);

// Text to a 32-bit integer (decimal, or hexadecimal after '$'); leading blanks
// are allowed. Throws Error "'<text>' ist kein gültiger Integerwert".
int strToInt(const QString& text);

// Number to text in the general format with 15 significant digits:
// trailing zeros dropped, exponent form for very large or small values.
QString floatToStr(long double value);

// Stores a value in single precision, as assigning to a single-precision
// variable does; a value beyond its range is an overflow.
float toSingle(long double value);

// Checked arithmetic: these throw Error "Ungültige Gleitkommaoperation" and
// "Gleitkommadivision durch Null" where the hardware would deliver NaN or
// infinity, so the fault ends the handler and reaches the error box instead
// of travelling on as a number nobody can read.
long double divide(long double dividend, long double divisor);
long double squareRoot(long double value);
long double checked(long double value);

namespace messages {
QString invalidFloat(const QString& text);
QString invalidInteger(const QString& text);
QString invalidOperation();
QString divisionByZero();
QString overflow();
}

}
