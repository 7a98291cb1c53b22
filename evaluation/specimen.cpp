#include "specimen.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <numbers>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Specimen)
};

QString number(double value) { return QLocale().toString(value, 'g', 6); }

bool positive(double value) { return std::isfinite(value) && value > 0; }

}

double originalCrossSection(const Specimen& s)
{
    if (s.crossSection == CrossSection::Round)
        return positive(s.d0) ? std::numbers::pi / 4 * s.d0 * s.d0 : 0.0;
    return positive(s.a0) && positive(s.b0) ? s.a0 * s.b0 : 0.0;
}

std::optional<double> finalCrossSection(const Specimen& s)
{
    if (s.Su)
        return *s.Su;
    if (s.du && s.crossSection == CrossSection::Round)
        return std::numbers::pi / 4 * *s.du * *s.du;
    return std::nullopt;
}

double extensionGaugeLength(const Specimen& s) { return s.Le ? *s.Le : s.L0; }

std::vector<SpecimenProblem> checkSpecimen(const Specimen& s)
{
    using F = SpecimenField;
    std::vector<SpecimenProblem> problems;
    auto needPositive = [&](double value, F field, const char* symbol) {
        if (positive(value))
            return true;
        problems.push_back(
            {field,
             Text::tr("%1 muss größer als null sein (angegeben: %2 mm).").arg(QLatin1String(symbol), number(value))});
        return false;
    };
    if (s.crossSection == CrossSection::Round) {
        needPositive(s.d0, F::d0, "d0");
    } else {
        needPositive(s.a0, F::a0, "a0");
        needPositive(s.b0, F::b0, "b0");
    }
    needPositive(s.L0, F::L0, "L0");
    if (s.Le)
        needPositive(*s.Le, F::Le, "Le");
    if (s.Lu && needPositive(*s.Lu, F::Lu, "Lu") && positive(s.L0) && *s.Lu < s.L0)
        problems.push_back({F::Lu,
                            Text::tr("Lu (%1 mm) ist kleiner als L0 (%2 mm): eine Probe wird im Zugversuch nicht "
                                     "kürzer.")
                                .arg(number(*s.Lu), number(s.L0))});
    if (s.du) {
        if (s.crossSection == CrossSection::Flat)
            problems.push_back({F::du, Text::tr("du gilt nur für runde Proben; für eine Flachprobe Su angeben.")});
        else if (needPositive(*s.du, F::du, "du") && positive(s.d0) && *s.du > s.d0)
            problems.push_back(
                {F::du, Text::tr("du (%1 mm) ist größer als d0 (%2 mm).").arg(number(*s.du), number(s.d0))});
    }
    if (s.Su) {
        if (!positive(*s.Su))
            problems.push_back(
                {F::Su, Text::tr("Su muss größer als null sein (angegeben: %1 mm²).").arg(number(*s.Su))});
        else if (const double S0 = originalCrossSection(s); S0 > 0 && *s.Su > S0)
            problems.push_back(
                {F::Su, Text::tr("Su (%1 mm²) ist größer als S0 (%2 mm²).").arg(number(*s.Su), number(S0))});
    }
    if (s.Fm && !positive(*s.Fm))
        problems.push_back({F::Fm, Text::tr("Fm muss größer als null sein (angegeben: %1 kN).").arg(number(*s.Fm))});
    return problems;
}

bool blocksEvaluation(const SpecimenProblem& problem)
{
    using F = SpecimenField;
    return problem.field == F::d0 || problem.field == F::a0 || problem.field == F::b0 || problem.field == F::L0
        || problem.field == F::Le;
}

ElongationSymbol elongationSymbol(const Specimen& s)
{
    const double S0 = originalCrossSection(s);
    if (S0 > 0 && positive(s.L0)) {
        for (const double k : {5.65, 11.3}) {
            const double exact = k * std::sqrt(S0);
            const double rounded = 5.0 * std::round(exact / 5.0);
            const bool matches = std::abs(s.L0 - exact) <= 0.005 * exact
                || (std::abs(s.L0 - rounded) < 1e-9 && std::abs(rounded - exact) < 0.1 * s.L0);
            if (matches) {
                if (k == 5.65)
                    return {QStringLiteral("A"), QStringLiteral("A"), k};
                return {QStringLiteral("A11,3"), QStringLiteral("A<sub>11,3</sub>"), k};
            }
        }
    }
    const QString length = QLocale(QLocale::German).toString(s.L0, 'g', 6);
    return {QStringLiteral("A") + length + QStringLiteral("mm"),
            QStringLiteral("A<sub>") + length + QStringLiteral(" mm</sub>"), std::nullopt};
}

}

namespace evaluation {

SpecimenHints specimenHintsFromMetadata(const QStringList& metadata)
{
    SpecimenHints hints;
    static const QRegularExpression fieldSeparator(QStringLiteral("[;\\t]|\\s{2,}"));
    static const QRegularExpression wordSeparator(QStringLiteral("[^\\w]+"));
    for (const QString& line : metadata) {
        QStringList fields = line.split(fieldSeparator, Qt::SkipEmptyParts);
        if (fields.size() < 2 || fields.size() > 3)
            continue;
        if (fields.size() == 3 && fields[2].trimmed() != u"mm")
            continue;
        QString number = fields[1].trimmed();
        number.replace(u',', u'.');
        bool ok = false;
        const double value = number.toDouble(&ok);
        if (!ok || !(value > 0))
            continue;
        const QStringList words = fields[0].toLower().split(wordSeparator, Qt::SkipEmptyParts);
        auto has = [&](std::initializer_list<const char*> names) {
            for (const char* n : names)
                if (words.contains(QString::fromUtf8(n)))
                    return true;
            return false;
        };
        if (has({"le", "feindehnung", "extensometer"}))
            hints.Le = value;
        else if (has({"l0", "anfangsmesslänge", "messlänge", "gauge"}))
            hints.L0 = value;
        else if (has({"d0", "durchmesser", "diameter"}))
            hints.d0 = value;
        else if (has({"a0", "dicke", "thickness"}))
            hints.a0 = value;
        else if (has({"b0", "breite", "width"}))
            hints.b0 = value;
    }
    return hints;
}

}
