#include "result_term.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace evaluation {

QString ResultTerm::symbolText() const { return QString::fromUtf8(symbol); }
QString ResultTerm::htmlText() const { return QString::fromUtf8(html); }
QString ResultTerm::unitText() const { return QString::fromUtf8(unit); }

QString ResultTerm::translatedName() const
{
    return QCoreApplication::translate(context, name);
}

QString ResultTerm::translatedDefinition() const
{
    return QCoreApplication::translate(context, definition);
}

QString ResultTerm::columnTitle() const
{
    return *unit ? symbolText() + QLatin1Char('/') + unitText() : symbolText();
}

int ResultTerm::decimals() const
{
    int d = 0;
    for (double s = step; s < 1 - 1e-9 && d < 9; s *= 10)
        ++d;
    return d;
}

namespace {

double roundToStep(double value, double step)
{
    // std::nearbyint rounds halves to even in the default rounding mode.
    const double multiples = value / step;
    // value/step may miss a half by one ulp (2.25/0.1); count what lies
    // within a few ulps of a half as a half.
    const double fraction = std::abs(multiples - std::trunc(multiples));
    if (std::abs(fraction - 0.5) < 1e-9 * std::max(1.0, std::abs(multiples))) {
        const double lower = std::trunc(multiples);
        const double upper = lower + (multiples < 0 ? -1 : 1);
        return (std::fmod(lower, 2.0) == 0 ? lower : upper) * step;
    }
    return std::nearbyint(multiples) * step;
}

}

double ResultTerm::rounded(double value) const
{
    return roundToStep(value, step);
}

QString ResultTerm::format(double value, bool decimalPoint, int extraDecimals) const
{
    const double r = roundToStep(value, step / std::pow(10.0, extraDecimals));
    // No "-0" for a value that rounds to zero from below.
    const double shown = r == 0 ? 0.0 : r;
    const int places = decimals() + extraDecimals;
    return decimalPoint ? QString::number(shown, 'f', places) : QLocale().toString(shown, 'f', places);
}

QStringList termColumnTitles(std::span<const ResultTerm> terms)
{
    QStringList titles;
    for (const ResultTerm& t : terms) {
        titles << t.columnTitle();
        if (t.withError)
            titles << QStringLiteral("SE(%1)").arg(t.symbolText()) + (*t.unit ? u'/' + t.unitText() : QString());
    }
    return titles;
}

QStringList termCells(std::span<const ResultTerm> terms,
                      const std::function<Outcome<Estimate>(const ResultTerm&)>& result)
{
    QStringList cells;
    for (const ResultTerm& t : terms) {
        const Outcome<Estimate> r = result(t);
        cells << (r ? t.format(r->value, true) : notDetermined);
        if (t.withError)
            cells << (r && !r->fixed() ? t.format(r->standardError, true, 1) : notDetermined);
    }
    return cells;
}

}
