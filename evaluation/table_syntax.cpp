#include "table_syntax.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>

namespace evaluation {

QString separatorName(Separator separator)
{
    switch (separator) {
    //: Names of the field separator a table file uses: items of a choice box
    case Separator::Semicolon: return QCoreApplication::translate("TableSyntax", "Semikolon");
    case Separator::Tab: return QCoreApplication::translate("TableSyntax", "Tabulator");
    case Separator::Comma: return QCoreApplication::translate("TableSyntax", "Komma");
    case Separator::Blanks: return QCoreApplication::translate("TableSyntax", "Leerzeichen");
    }
    return {};
}

QString decimalMarkName(DecimalMark mark)
{
    //: Names of the decimal mark a table file uses: items of a choice box, also quoted in a message
    return mark == DecimalMark::Comma ? QCoreApplication::translate("TableSyntax", "Dezimalkomma")
                                      : QCoreApplication::translate("TableSyntax", "Dezimalpunkt");
}

std::string_view stripQuotes(std::string_view field)
{
    field = detail::trimmed(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = detail::trimmed(field.substr(1, field.size() - 2));
    return field;
}

bool parseNumber(std::string_view field, DecimalMark mark, double& value)
{
    field = stripQuotes(field);
    if (field.empty() || field.size() > 64)
        return false;
    if (field.front() == '+') {
        field.remove_prefix(1);
        if (field.empty() || field.front() == '-' || field.front() == '+')
            return false;
    }
    char buffer[64];
    const char foreign = mark == DecimalMark::Comma ? '.' : ',';
    size_t length = 0;
    for (char c : field) {
        // Only what a decimal number is made of: from_chars would also take
        // "inf", "nan" and the like.
        if (c == foreign)
            return false;
        if (c == ',')
            c = '.';
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E' || c == '+'))
            return false;
        buffer[length++] = c;
    }
    const auto [end, error] = std::from_chars(buffer, buffer + length, value, std::chars_format::general);
    return error == std::errc() && end == buffer + length && std::isfinite(value);
}

}
