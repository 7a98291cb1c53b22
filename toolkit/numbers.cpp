#include "numbers.h"
#include "errors.h"

#include <QCoreApplication>
#include <QLocale>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tk {

// The messages of the error box for numbers; %1 is the text as typed.
QString messages::invalidFloat(const QString& text)
{
    //: Error box after a bad real number; %1 is the text as typed
    return QCoreApplication::translate("tk::Numbers", "'%1' ist kein gültiger Gleitkommawert").arg(text);
}

QString messages::invalidInteger(const QString& text)
{
    //: Error box after a bad whole number; %1 is the text as typed
    return QCoreApplication::translate("tk::Numbers", "'%1' ist kein gültiger Integerwert").arg(text);
}

QString messages::invalidOperation()
{
    //: Error box: a computation without a result (root of a negative number, 0/0)
    return QCoreApplication::translate("tk::Numbers", "Ungültige Gleitkommaoperation");
}

QString messages::divisionByZero()
{
    //: Error box
    return QCoreApplication::translate("tk::Numbers", "Gleitkommadivision durch Null");
}

QString messages::overflow()
{
    //: Error box: a result beyond the range of the numbers
    return QCoreApplication::translate("tk::Numbers", "Gleitkommaüberlauf");
}

std::int64_t roundHalfEven(long double value)
{
    if (std::isnan(value) || std::fabs(value) > 9.2e18L)
        throw Error(messages::invalidOperation());
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; be explicit.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double r = std::nearbyintl(value);
    std::fesetround(previous);
    return static_cast<std::int64_t>(r);
}

namespace {

QChar decimalSeparator()
{
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QChar('.') : s.at(0);
}

bool isBlank(QChar c) { return c == QChar(' ') || c == QChar('\t'); }

// Parses [sign] digits [separator digits] [(E|e) [sign] digits] with at least
// one mantissa digit, and rewrites it in the C locale for strtold.
bool parseFloat(const QString& text, long double& result)
{
    const QChar sep = decimalSeparator();
    int i = 0;
    const int n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    int end = n;
    while (end > i && isBlank(text[end - 1]))
        --end;

    QByteArray c;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        c += char(text[i++].unicode());
    int digits = 0;
    while (i < end && text[i].isDigit() && text[i].unicode() < 128) {
        c += char(text[i++].unicode());
        ++digits;
    }
    if (i < end && text[i] == sep) {
        c += '.';
        ++i;
        while (i < end && text[i].isDigit() && text[i].unicode() < 128) {
            c += char(text[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            c += char(text[i++].unicode());
        int expDigits = 0;
        while (i < end && text[i].isDigit() && text[i].unicode() < 128) {
            c += char(text[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != end)
        return false;
    result = std::strtold(c.constData(), nullptr);
    return std::isfinite(result);
}

}

long double strToFloat(const QString& text)
{
    long double v = 0;
    if (!parseFloat(text, v))
        throw Error(messages::invalidFloat(text));
    return v;
}

int strToInt(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == QChar(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        throw Error(messages::invalidInteger(text));
    long long value = 0;
    for (; i < n; ++i) {
        const char16_t u = text[i].unicode();
        int d = -1;
        if (u >= '0' && u <= '9')
            d = u - '0';
        else if (base == 16 && u >= 'a' && u <= 'f')
            d = u - 'a' + 10;
        else if (base == 16 && u >= 'A' && u <= 'F')
            d = u - 'A' + 10;
        if (d < 0)
            throw Error(messages::invalidInteger(text));
        value = value * base + d;
        if (value > 0x100000000LL)
            throw Error(messages::invalidInteger(text));
    }
    if (negative)
        value = -value;
    if (base == 10 && (value > INT32_MAX || value < INT32_MIN))
        throw Error(messages::invalidInteger(text));
    if (base == 16 && (value > 0xFFFFFFFFLL || value < -0xFFFFFFFFLL))
        throw Error(messages::invalidInteger(text));
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

QString floatToStr(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, as d.dddddddddddddde±x
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", value);
    const QByteArray s(buf);
    const bool negative = s.startsWith('-');
    const int ePos = s.indexOf('e');
    QByteArray mantissa = s.mid(negative ? 1 : 0, ePos - (negative ? 1 : 0));
    mantissa.remove(1, 1); // the '.'
    int exponent = s.mid(ePos + 1).toInt();
    while (mantissa.size() > 1 && mantissa.endsWith('0'))
        mantissa.chop(1);

    const QString sep = QString(decimalSeparator());
    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -5) {
        out += QChar(mantissa[0]);
        if (mantissa.size() > 1)
            out += sep + QString::fromLatin1(mantissa.mid(1));
        out += QStringLiteral("E") + (exponent < 0 ? QStringLiteral("-") : QString()) +
               QString::number(std::abs(exponent));
        return out;
    }
    if (exponent < 0) {
        out += QStringLiteral("0") + sep + QString(-exponent - 1, QChar('0')) + QString::fromLatin1(mantissa);
        return out;
    }
    const int intDigits = exponent + 1;
    if (mantissa.size() <= intDigits) {
        out += QString::fromLatin1(mantissa) + QString(intDigits - mantissa.size(), QChar('0'));
    } else {
        out += QString::fromLatin1(mantissa.left(intDigits)) + sep + QString::fromLatin1(mantissa.mid(intDigits));
    }
    return out;
}

float toSingle(long double value)
{
    if (std::isnan(value))
        throw Error(messages::invalidOperation());
    if (std::fabs(value) > FLT_MAX)
        throw Error(messages::overflow());
    return static_cast<float>(value);
}

long double divide(long double dividend, long double divisor)
{
    if (divisor == 0) {
        if (dividend == 0 || std::isnan(dividend))
            throw Error(messages::invalidOperation());
        throw Error(messages::divisionByZero());
    }
    return checked(dividend / divisor);
}

long double squareRoot(long double value)
{
    if (value < 0 || std::isnan(value))
        throw Error(messages::invalidOperation());
    return checked(std::sqrt(value));
}

long double checked(long double value)
{
    if (std::isnan(value))
        throw Error(messages::invalidOperation());
    if (std::isinf(value))
        throw Error(messages::overflow());
    return value;
}

}
