#include "fatigue_table_model.h"

namespace evaluation::windows {

namespace {

evaluation::FatigueSpecimen fatigueSpecimenOf(const SpecimenTableModel::Row& row)
{
    evaluation::FatigueSpecimen s;
    // A value not typed yet is taken as one the checks accept.
    s.stressAmplitude = row[FatigueTableModel::StressAmplitude].value_or(1);
    s.cycles = row[FatigueTableModel::Cycles].value_or(1);
    s.runOut = row[FatigueTableModel::RunOut].value_or(0) != 0;
    s.staircase = row[FatigueTableModel::Staircase].value_or(0) != 0;
    return s;
}

}

FatigueTableModel::FatigueTableModel(QObject* parent)
    : SpecimenTableModel(
          {
              //: Column of the fatigue table.
              {tr("Spannungs-\namplitude\nσa in MPa"), Kind::Number, true, tr("die Spannungsamplitude")},
              //: Column of the fatigue table; cycles to fracture, or to the end of a run-out.
              {tr("Schwingspiel-\nzahl\nN"), Kind::Count, true, tr("die Schwingspielzahl")},
              //: Column of the fatigue table; checked for a specimen that did not break.
              {tr("Durchläufer"), Kind::Flag, false, {}},
              //: Column of the fatigue table; checked for a specimen of the staircase series.
              {tr("Treppenstufe"), Kind::Flag, false, {}},
          },
          parent)
{
}

void FatigueTableModel::setSpecimens(const std::vector<evaluation::FatigueSpecimen>& specimens)
{
    std::vector<Row> rows;
    for (const auto& s : specimens)
        rows.push_back({s.stressAmplitude, s.cycles, s.runOut ? 1.0 : 0.0, s.staircase ? 1.0 : 0.0});
    resetRows(std::move(rows));
}

std::vector<evaluation::FatigueSpecimen> FatigueTableModel::specimens() const
{
    std::vector<evaluation::FatigueSpecimen> specimens;
    for (const Row* row : completeRows())
        specimens.push_back(fatigueSpecimenOf(*row));
    return specimens;
}

QString FatigueTableModel::valueProblem(const Row& row) const
{
    return evaluation::fatigueSpecimenProblem(fatigueSpecimenOf(row));
}

}
