#include "tensile_evaluation.h"

#include "curve_fitting.h"
#include "yield_point.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TensileEvaluation)
};
QString number(double value, int decimals = 1) { return QLocale().toString(value, 'f', decimals); }

constexpr double proofExtension = 0.2;       // % for Rp0,2
constexpr double smoothingStrain = 0.025;    // % strain on either side of a smoothed point
constexpr size_t largestHalfWidth = 25;
constexpr size_t minimumCurvePoints = 20;

using Q = TensileQuantity;
using Value = TensileOutcome;

Value determined(double value, std::optional<CurvePoint> mark = std::nullopt)
{
    return TensileValue{.value = value, .mark = mark};
}

struct Curve {
    std::vector<double> strain;  // from the origin of the elastic line, %
    std::vector<double> stress;  // MPa
    std::vector<double> smoothed;
    size_t halfWidth = 0;
    double noise = 0;
    size_t end = 0;  // the rows evaluated: [0, end)
};

// Half the width of the smoothing window: as many samples as lie within
// smoothingStrain at the curve's typical spacing.
size_t smoothingHalfWidth(const std::vector<double>& strain, size_t end)
{
    if (end < 3)
        return 0;
    std::vector<double> steps;
    steps.reserve(end - 1);
    for (size_t i = 1; i < end; ++i)
        steps.push_back(std::abs(strain[i] - strain[i - 1]));
    auto middle = steps.begin() + long(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    if (*middle <= 0)
        return largestHalfWidth;
    return std::min(largestHalfWidth, size_t(smoothingStrain / *middle));
}

// The first row from which the force falls by the set share within the set
// number of samples, searched from the highest force on.
std::optional<size_t> findFracture(const std::vector<double>& stress, size_t highest, const TensileSettings& settings)
{
    const double fall = settings.fractureDropShare * stress[highest];
    const size_t window = size_t(std::max(1, settings.fractureDropSamples));
    for (size_t i = highest; i + 1 < stress.size(); ++i) {
        const size_t last = std::min(stress.size() - 1, i + window);
        for (size_t j = i + 1; j <= last; ++j)
            if (stress[i] - stress[j] > fall) {
                // The fall begins after the last point still within half of
                // it of the stress it starts from.
                size_t before = i;
                for (size_t k = i + 1; k < j; ++k)
                    if (stress[k] >= stress[i] - fall / 2)
                        before = k;
                return before;
            }
    }
    return std::nullopt;
}

void setAll(TensileResult& result, std::initializer_list<Q> quantities, const QString& reason)
{
    for (Q q : quantities)
        if (result[q].undecided())
            result[q] = Value::none(reason);
}

const std::initializer_list<Q> curveQuantities{Q::ElasticSlope,
                                               Q::UpperYieldStrength,
                                               Q::LowerYieldStrength,
                                               Q::ProofStrength,
                                               Q::MaximumForce,
                                               Q::TensileStrength,
                                               Q::PlasticExtensionAtMaxForce,
                                               Q::TotalExtensionAtMaxForce,
                                               Q::TotalExtensionAtFracture,
                                               Q::ElongationAfterFracture};

// The values measured on the specimen after the test.
void evaluateTypedValues(const Specimen& specimen, double S0, TensileResult& result)
{
    if (specimen.Lu) {
        if (*specimen.Lu >= specimen.L0 && specimen.L0 > 0) {
            result[Q::ElongationAfterFracture]
                = TensileValue{.value = (*specimen.Lu - specimen.L0) / specimen.L0 * 100.0,
                               .note = Text::tr("aus der gemessenen Länge Lu nach dem Bruch")};
        }
    }
    const std::optional<double> Su = finalCrossSection(specimen);
    if (!Su)
        result[Q::ReductionOfArea] = Value::none(specimen.crossSection == CrossSection::Round
                                                     ? Text::tr("du oder Su nach dem Bruch ist nicht angegeben.")
                                                     : Text::tr("Su nach dem Bruch ist nicht angegeben."));
    else if (*Su > 0 && *Su <= S0)
        result[Q::ReductionOfArea] = determined((S0 - *Su) / S0 * 100.0);
}

// mE from the first rise between the set shares of the highest stress;
// returns the range [first, last) of its points.
bool fitElasticLine(const Curve& curve, double highestStress, const TensileSettings& settings, TensileResult& result,
                    size_t& first, size_t& last)
{
    const double lower = settings.modulusLowerShare * highestStress;
    const double upper = settings.modulusUpperShare * highestStress;
    first = 0;
    while (first < curve.end && curve.stress[first] < lower)
        ++first;
    last = first;
    while (last < curve.end && curve.stress[last] <= upper)
        ++last;
    //: Fills %2 of "Only %1 measured points lie %2" and %1 of "The stress does not rise %1": the stress range of the
    //: elastic line
    const QString range = Text::tr("zwischen %1 und %2 MPa (%3 % bis %4 % der Höchstspannung)")
                              .arg(number(lower, 0), number(upper, 0), number(settings.modulusLowerShare * 100, 0),
                                   number(settings.modulusUpperShare * 100, 0));
    if (last - first < minimumElasticPoints) {
        result[Q::ElasticSlope]
            //: %2 is the stress range ("between 100 and 300 MPa (10 % to 40 % of the maximum stress)")
            = Value::none(Text::tr("Nur %1 Messpunkte liegen %2; für die Gerade werden mindestens %3 gebraucht.")
                              .arg(last - first)
                              .arg(range)
                              .arg(minimumElasticPoints));
        return false;
    }
    const auto line = fitStraightLine(curve.strain, curve.stress, first, last);
    if (!line || !(line->slope > 0)) {
        result[Q::ElasticSlope] = Value::none(Text::tr("Die Spannung steigt %1 nicht mit der Dehnung an.").arg(range));
        return false;
    }
    result.elastic = ElasticLine{line->slope, lower, upper, line->points};
    result.strainOrigin = -line->intercept / line->slope;
    // mE in GPa: MPa per % is 100 MPa per unit strain.
    result[Q::ElasticSlope] = determined(line->slope * 100.0 / megapascalPerGigapascal);
    return true;
}

// Rp0,2: the first crossing of the smoothed curve with the offset line,
// refined by a straight line through the raw points around it.
Value proofStrength(const Curve& c, double slope, size_t from)
{
    auto offsetGap = [&](size_t i) { return c.smoothed[i] - slope * (c.strain[i] - proofExtension); };
    size_t crossing = from;
    while (crossing < c.end && offsetGap(crossing) > 0)
        ++crossing;
    if (crossing >= c.end || crossing == 0)
        return Value::none(Text::tr("Die Kurve erreicht vor dem Bruch keine plastische Dehnung von 0,2 %."));
    size_t lo = crossing, hi = crossing + 1;
    const double span = 2 * smoothingStrain;
    while (lo > from && (c.strain[crossing] - c.strain[lo - 1] <= span || crossing - lo < 3))
        --lo;
    while (hi < c.end && (c.strain[hi] - c.strain[crossing] <= span || hi - crossing < 4))
        ++hi;
    double e = 0;
    const auto local = fitStraightLine(c.strain, c.stress, lo, hi);
    if (local && local->slope < slope) {
        e = (local->intercept + slope * proofExtension) / (slope - local->slope);
        if (e < c.strain[lo] || e > c.strain[hi - 1])
            e = 0;
    }
    if (e == 0) {
        // Straight between the two points on either side of the crossing.
        const double g0 = offsetGap(crossing - 1), g1 = offsetGap(crossing);
        const double t = g0 / (g0 - g1);
        e = c.strain[crossing - 1] + t * (c.strain[crossing] - c.strain[crossing - 1]);
    }
    const double stress = slope * (e - proofExtension);
    return determined(stress, CurvePoint{e, stress});
}

// Fm's stress and strain: the parabola's vertex through the band below the
// highest smoothed stress in [from, end), or the middle of a flat band.
std::optional<CurvePoint> maximum(const Curve& c, size_t from)
{
    if (from >= c.end)
        return std::nullopt;
    const size_t top = size_t(std::max_element(c.smoothed.begin() + long(from), c.smoothed.begin() + long(c.end))
                              - c.smoothed.begin());
    const double band = std::max(0.005 * c.smoothed[top], 5.0 * c.noise);
    size_t lo = top, hi = top + 1;
    while (lo > from && c.smoothed[lo - 1] >= c.smoothed[top] - band)
        --lo;
    while (hi < c.end && c.smoothed[hi] >= c.smoothed[top] - band)
        ++hi;
    const double first = c.strain[lo], last = c.strain[hi - 1];
    if (hi - lo >= 8) {
        // A cubic follows the lopsided top of a real curve (slow rise, faster
        // fall) that would pull a parabola's vertex aside.
        if (const auto p = fitPolynomial(c.strain, c.stress, lo, hi, 3)) {
            // The highest point of the cubic in the band, from the roots of
            // its derivative.
            const double a = 3 * p->coefficients[3], b = 2 * p->coefficients[2], d = p->coefficients[1];
            std::vector<double> roots;
            if (std::abs(a) > 1e-12 * std::abs(b)) {
                const double disc = b * b - 4 * a * d;
                if (disc >= 0) {
                    roots.push_back(p->x0 + (-b + std::sqrt(disc)) / (2 * a));
                    roots.push_back(p->x0 + (-b - std::sqrt(disc)) / (2 * a));
                }
            } else if (b != 0) {
                roots.push_back(p->x0 - d / b);
            }
            for (double r : roots) {
                const double curvature = 2 * p->coefficients[2] + 6 * p->coefficients[3] * (r - p->x0);
                // A top that stands out of the noise; else the band is a
                // plateau and its middle counts.
                const double depth = p->at(r) - std::max(p->at(first), p->at(last));
                if (r > first && r < last && curvature < 0 && depth > 2 * c.noise)
                    return CurvePoint{r, p->at(r)};
            }
        }
        double sum = 0;
        for (size_t i = lo; i < hi; ++i)
            sum += c.stress[i];
        // A maximum at the fracture, without necking, lies at the band's end.
        const double at = hi == c.end ? last : (first + last) / 2;
        return CurvePoint{at, sum / double(hi - lo)};
    }
    return CurvePoint{c.strain[top], c.smoothed[top]};
}

}

QStringList tensileTableHeader(const ElongationSymbol& elongation)
{
    QStringList header = QStringList{QStringLiteral("Datei")} + termColumnTitles(tensileResultTerms());
    header[1 + int(Q::ElongationAfterFracture)]
        = elongation.text + u'/' + tensileTerm(Q::ElongationAfterFracture).unitText();
    return header;
}

QStringList tensileTableRow(const QString& source, const TensileResult& result)
{
    QStringList row{source};
    for (Q q : allTensileQuantities)
        row << (result[q] ? tensileTerm(q).format(result[q]->value, true) : notDetermined);
    return row;
}

QStringList tensileNotes(const TensileResult& result)
{
    QStringList notes;
    for (Q q : allTensileQuantities) {
        const QString symbol = q == Q::ElongationAfterFracture ? result.elongation.text : tensileTerm(q).symbolText();
        if (!result[q])
            notes << symbol + QStringLiteral(": ") + result[q].reason();
        else if (!result[q]->valid)
            notes << symbol + QStringLiteral(": ") + result[q]->note;
    }
    return notes;
}

QStringList settingsProblems(const TensileSettings& s)
{
    QStringList problems;
    if (!(s.modulusLowerShare >= 0 && s.modulusUpperShare <= 1 && s.modulusLowerShare < s.modulusUpperShare))
        problems << Text::tr(
            "Der Bereich der Hookeschen Geraden muss zwischen 0 % und 100 % der Höchstspannung liegen, "
            "die untere Grenze unter der oberen.");
    if (!(s.fractureDropShare > 0 && s.fractureDropShare < 1))
        problems << Text::tr("Der Kraftabfall, der als Bruch gilt, muss zwischen 0 % und 100 % von Fm liegen.");
    if (s.fractureDropSamples < 1)
        problems << Text::tr("Der Kraftabfall beim Bruch braucht mindestens einen Messpunkt.");
    return problems;
}

StressStrainCurve stressStrainCurve(const TestRecord& record, const Specimen& specimen, double strainOrigin)
{
    StressStrainCurve curve;
    const double S0 = originalCrossSection(specimen);
    const double length = extensionGaugeLength(specimen);
    const size_t n = record.size();
    curve.stress.resize(n);
    curve.strain.resize(n);
    const double loadFactor = record.loadIsStress ? 1.0 : (S0 > 0 ? 1.0 / S0 : 0.0);
    const double strainFactor = record.deformationIsStrain ? 1.0 : (length > 0 ? 100.0 / length : 0.0);
    for (size_t i = 0; i < n; ++i) {
        curve.stress[i] = record.load[i] * loadFactor;
        curve.strain[i] = record.deformation[i] * strainFactor - strainOrigin;
    }
    return curve;
}

TensileResult evaluateTensileTest(const Specimen& specimen, const TestRecord* record, const TensileSettings& settings)
{
    TensileResult result;
    result.elongation = elongationSymbol(specimen);
    result.specimenProblems = checkSpecimen(specimen);
    const double S0 = originalCrossSection(specimen);
    const bool crosshead = specimen.extensionSource == ExtensionSource::Crosshead;

    QStringList blocking;
    for (const SpecimenProblem& p : result.specimenProblems)
        if (blocksEvaluation(p))
            blocking << p.message;
    if (!blocking.isEmpty()) {
        setAll(result, curveQuantities, blocking.join(u' '));
        setAll(result, {Q::ReductionOfArea}, blocking.join(u' '));
        return result;
    }
    evaluateTypedValues(specimen, S0, result);
    for (const SpecimenProblem& p : result.specimenProblems) {
        if (p.field == SpecimenField::Lu)
            setAll(result, {Q::ElongationAfterFracture}, p.message);
        if (p.field == SpecimenField::du || p.field == SpecimenField::Su)
            setAll(result, {Q::ReductionOfArea}, p.message);
        if (p.field == SpecimenField::Fm && !record)
            setAll(result, {Q::MaximumForce, Q::TensileStrength}, p.message);
    }

    if (!record) {
        if (specimen.Fm && *specimen.Fm > 0) {
            result[Q::MaximumForce] = determined(*specimen.Fm);
            result[Q::TensileStrength] = determined(*specimen.Fm * 1000.0 / S0);
        } else {
            setAll(result, {Q::MaximumForce, Q::TensileStrength}, Text::tr("Fm ist nicht angegeben."));
        }
        setAll(result, {Q::ElongationAfterFracture},
               Text::tr("Ohne Messkurve wird A aus Lu bestimmt; Lu ist nicht angegeben."));
        setAll(result, curveQuantities, Text::tr("Ohne Messkurve nicht bestimmbar."));
        return result;
    }
    if (const QStringList p = settingsProblems(settings); !p.isEmpty()) {
        setAll(result, curveQuantities, p.join(u' '));
        return result;
    }

    auto failCurve = [&](const QString& problem) {
        result.curveProblem = problem;
        setAll(result, curveQuantities, problem);
        return result;
    };
    const QString file = QFileInfo(record->fileName).fileName();
    const size_t n = std::min(record->load.size(), record->deformation.size());
    if (n < minimumCurvePoints)
        return failCurve(Text::tr("%1 enthält nur %2 Messpunkte; ausgewertet werden Kurven ab %3 Punkten.")
                             .arg(file)
                             .arg(n)
                             .arg(minimumCurvePoints));

    StressStrainCurve raw = stressStrainCurve(*record, specimen);
    Curve c;
    c.strain = std::move(raw.strain);
    c.stress = std::move(raw.stress);
    c.end = n;
    const size_t highest = size_t(std::max_element(c.stress.begin(), c.stress.end()) - c.stress.begin());
    c.noise = noiseDeviation(c.stress, 0, n);
    if (!(c.stress[highest] > 0) || c.stress[highest] - c.stress.front() <= 10 * c.noise)
        return failCurve(
            Text::tr("In %1 steigt die Kraft nicht an: die größte Kraft liegt nicht merklich über der ersten.")
                .arg(file));

    const auto fracture = findFracture(c.stress, highest, settings);
    if (fracture) {
        result.fractureRow = *fracture;
        c.end = *fracture + 1;
    }
    // An extension that runs backwards makes every extension value untrustworthy.
    {
        const auto [lo, hi] = std::minmax_element(c.strain.begin(), c.strain.begin() + long(c.end));
        const double tolerance = std::max(0.02 * (*hi - *lo), 10 * noiseDeviation(c.strain, 0, c.end));
        double reached = c.strain[0];
        for (size_t i = 1; i < c.end; ++i) {
            reached = std::max(reached, c.strain[i]);
            if (c.strain[i] < reached - tolerance)
                return failCurve(Text::tr("%1: die Verlängerung läuft rückwärts (von %2 % auf %3 % Dehnung).")
                                     .arg(record->whereRow(i), number(reached, 3), number(c.strain[i], 3)));
        }
        if (c.strain[c.end - 1] <= c.strain[0])
            return failCurve(Text::tr("In %1 nimmt die Verlängerung nicht zu.").arg(file));
    }

    c.halfWidth = smoothingHalfWidth(c.strain, c.end);
    c.smoothed = movingAverage(c.stress, c.halfWidth);

    size_t first = 0, last = 0;
    const bool elastic = fitElasticLine(c, c.stress[highest], settings, result, first, last);
    const double slope = elastic ? result.elastic->slope : 0.0;
    if (elastic) {
        for (double& e : c.strain)
            e -= result.strainOrigin;
        if (crosshead)
            result[Q::ElasticSlope]->note
                = Text::tr("aus dem Traversenweg: die Maschine federt mit, mE ist daher deutlich "
                           "kleiner als der Elastizitätsmodul.");
    }
    const QString needsSlope = Text::tr("mE ist nicht bestimmt: %1").arg(result[Q::ElasticSlope].reason());

    // Yield behaviour.
    const auto yield = findYieldPoint(c.strain, c.stress, c.smoothed, c.halfWidth, c.noise, slope, first, c.end);
    size_t hardeningFrom = 0;
    if (yield) {
        result.discontinuousYielding = true;
        result[Q::UpperYieldStrength] =
            determined(yield->upperStress, CurvePoint{c.strain[yield->upperIndex], yield->upperStress});
        result[Q::LowerYieldStrength] =
            determined(yield->lowerStress, CurvePoint{c.strain[yield->lowerIndex], yield->lowerStress});
        result[Q::ProofStrength]
            = Value::none(Text::tr("Der Werkstoff hat eine ausgeprägte Streckgrenze; bestimmt werden ReH und ReL."));
        hardeningFrom = yield->yieldEnd;
    } else {
        const QString continuous
            = Text::tr("Kein ausgeprägtes Fließen: der Übergang in den plastischen Bereich ist stetig.");
        result[Q::UpperYieldStrength] = Value::none(continuous);
        result[Q::LowerYieldStrength] = Value::none(continuous);
        result[Q::ProofStrength] = elastic ? proofStrength(c, slope, first) : Value::none(needsSlope);
    }

    // Maximum force.
    std::optional<CurvePoint> top = maximum(c, hardeningFrom);
    if (yield && top && top->stress < yield->lowerStress + yield->drop) {
        top.reset();
        setAll(
            result, {Q::MaximumForce, Q::TensileStrength, Q::PlasticExtensionAtMaxForce, Q::TotalExtensionAtMaxForce},
            Text::tr("Nach dem Fließen verfestigt der Werkstoff nicht; eine Höchstkraft Fm ist dann nicht definiert."));
    }
    if (top) {
        result[Q::TensileStrength] = determined(top->stress, *top);
        result[Q::MaximumForce] = determined(top->stress * S0 / 1000.0, *top);
        if (record->loadIsStress)
            result[Q::MaximumForce]->note = Text::tr("aus der Spannung in der Datei und S0 berechnet");
        result[Q::TotalExtensionAtMaxForce] = determined(top->strain, *top);
        if (elastic)
            result[Q::PlasticExtensionAtMaxForce] = determined(top->strain - top->stress / slope, *top);
        else
            result[Q::PlasticExtensionAtMaxForce] = Value::none(needsSlope);
    }

    // Fracture.
    if (fracture) {
        const CurvePoint at{c.strain[*fracture], c.stress[*fracture]};
        result[Q::TotalExtensionAtFracture] = determined(at.strain, at);
        if (result[Q::ElongationAfterFracture].undecided()) {
            if (!elastic) {
                result[Q::ElongationAfterFracture] = Value::none(needsSlope);
            } else {
                Value& A = result[Q::ElongationAfterFracture];
                A = determined(at.strain - at.stress / slope, CurvePoint{at.strain - at.stress / slope, 0.0});
                if (crosshead) {
                    A->valid = false;
                    A->note
                        = Text::tr("aus dem Traversenweg: nicht normgerecht, die Messlänge L0 wurde nicht gemessen.");
                } else if (std::abs(extensionGaugeLength(specimen) - specimen.L0) > 1e-9) {
                    A->valid = false;
                    A->note = Text::tr("aus der Kurve über Le = %1 mm, nicht über L0 = %2 mm gemessen.")
                                  .arg(number(extensionGaugeLength(specimen), 1), number(specimen.L0, 1));
                } else {
                    A->note = Text::tr("aus der Kurve: At ohne den elastischen Anteil beim Bruch");
                }
            }
        }
    } else {
        const QString noFracture = Text::tr("Kein Bruch erkannt: die Kraft fällt nach der Höchstkraft nirgends um mehr "
                                            "als %1 % von Fm innerhalb von "
                                            "%2 Messpunkten.")
                                       .arg(number(settings.fractureDropShare * 100, 0))
                                       .arg(settings.fractureDropSamples);
        setAll(result, {Q::TotalExtensionAtFracture, Q::ElongationAfterFracture}, noFracture);
    }
    if (crosshead)
        for (Q q : {Q::PlasticExtensionAtMaxForce, Q::TotalExtensionAtMaxForce, Q::TotalExtensionAtFracture})
            if (result[q])
                result[q]->note = Text::tr("aus dem Traversenweg");
    return result;
}

}
