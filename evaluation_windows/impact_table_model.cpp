#include "impact_table_model.h"

namespace evaluation::windows {

namespace {

std::vector<SpecimenTableModel::Column> impactColumns(const QString& energySymbol)
{
    using K = SpecimenTableModel::Kind;
    return {
        // The titles break into two lines, so that the columns stay narrow.
        //: Column of the impact table; the temperature the specimen was broken at.
        {ImpactTableModel::tr("Temperatur\nin °C"), K::Number, true, ImpactTableModel::tr("die Prüftemperatur")},
        //: Column of the impact table; %1 is the energy's symbol (KV2, KU8).
        {ImpactTableModel::tr("%1\nin J").arg(energySymbol), K::Number, true,
         ImpactTableModel::tr("die verbrauchte Schlagenergie")},
        {ImpactTableModel::tr("Scherbruch-\nanteil\nin %"), K::Number, false, {}},
        {ImpactTableModel::tr("Laterale\nBreitung\nin mm"), K::Number, false, {}},
    };
}

evaluation::ImpactSpecimen impactSpecimenOf(const SpecimenTableModel::Row& row)
{
    evaluation::ImpactSpecimen s;
    // A value not typed yet is taken as one the checks accept.
    s.temperature = row[ImpactTableModel::Temperature].value_or(20);
    s.absorbedEnergy = row[ImpactTableModel::Energy].value_or(0);
    s.shearFraction = row[ImpactTableModel::ShearFraction];
    s.lateralExpansion = row[ImpactTableModel::LateralExpansion];
    return s;
}

}

ImpactTableModel::ImpactTableModel(QObject* parent)
    : SpecimenTableModel(impactColumns(evaluation::energySymbol(evaluation::NotchType::V,
                                                                evaluation::StrikerRadius::TwoMillimetres)),
                         parent)
{
}

void ImpactTableModel::setEnergySymbol(const QString& symbol)
{
    setColumnTitle(Energy, impactColumns(symbol)[Energy].title);
}

void ImpactTableModel::setSpecimens(const std::vector<evaluation::ImpactSpecimen>& specimens)
{
    std::vector<Row> rows;
    for (const auto& s : specimens)
        rows.push_back({s.temperature, s.absorbedEnergy, s.shearFraction, s.lateralExpansion});
    resetRows(std::move(rows));
}

std::vector<evaluation::ImpactSpecimen> ImpactTableModel::specimens() const
{
    std::vector<evaluation::ImpactSpecimen> specimens;
    for (const Row* row : completeRows())
        specimens.push_back(impactSpecimenOf(*row));
    return specimens;
}

QString ImpactTableModel::valueProblem(const Row& row) const
{
    return evaluation::impactSpecimenProblem(impactSpecimenOf(row));
}

}
