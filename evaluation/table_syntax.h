#pragma once

// The syntax of a machine's text table: how a line splits into fields and how
// a field reads as a number. Locale-free and allocation-free, since a file may
// have millions of lines.
#include <QString>
#include <string_view>

namespace evaluation {

enum class Separator { Semicolon, Tab, Comma, Blanks };
enum class DecimalMark { Point, Comma };

QString separatorName(Separator separator);
QString decimalMarkName(DecimalMark mark);

// Splits one line (without its line break) into fields and calls
// field(index, text) for each until it returns false. Blanks and tabs around
// a field are dropped; a field in double quotes may hold the separator.
// "Blanks" separates by runs of blanks and tabs. Returns the number of fields
// seen (trailing empty fields included).
template <class Field>
int splitFields(std::string_view line, Separator separator, Field&& field);

// The number a field holds: an optional sign, digits with the decimal mark,
// an optional exponent; surrounding blanks and quotes are allowed. Thousands
// separators, infinities, NaN and hexadecimal numbers are not numbers here.
bool parseNumber(std::string_view field, DecimalMark mark, double& value);

// The text of a field for showing: quotes removed, "" read as ".
std::string_view stripQuotes(std::string_view field);

// ---------------------------------------------------------------------------

namespace detail {
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline char separatorChar(Separator s)
{
    switch (s) {
    case Separator::Semicolon: return ';';
    case Separator::Tab: return '\t';
    case Separator::Comma: return ',';
    case Separator::Blanks: break;
    }
    return ' ';
}
inline std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (isBlank(s.front()) || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}
}

template <class Field>
int splitFields(std::string_view line, Separator separator, Field&& field)
{
    const size_t n = line.size();
    size_t i = 0;
    int index = 0;
    if (separator == Separator::Blanks) {
        while (true) {
            while (i < n && detail::isBlank(line[i]))
                ++i;
            if (i >= n)
                return index;
            const size_t start = i;
            if (line[i] == '"') {
                ++i;
                while (i < n && line[i] != '"')
                    ++i;
                if (i < n)
                    ++i;
            }
            while (i < n && !detail::isBlank(line[i]))
                ++i;
            if (!field(index++, line.substr(start, i - start)))
                return index;
        }
    }
    const char sep = detail::separatorChar(separator);
    while (true) {
        size_t start = i;
        while (start < n && detail::isBlank(line[start]) && line[start] != sep)
            ++start;
        size_t end = start;
        if (start < n && line[start] == '"') {
            end = start + 1;
            while (end < n) {
                if (line[end] == '"') {
                    if (end + 1 < n && line[end + 1] == '"') {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
        }
        while (end < n && line[end] != sep)
            ++end;
        if (!field(index++, detail::trimmed(line.substr(i, end - i))))
            return index;
        if (end >= n)
            return index;
        i = end + 1;
    }
}

}
