#pragma once

// The table of a fatigue series: stress amplitude, cycles, whether the
// specimen ran out and whether it belongs to the staircase series.
#include "evaluation/fatigue_series.h"
#include "specimen_table_model.h"

namespace evaluation::windows {

class FatigueTableModel : public SpecimenTableModel {
    Q_OBJECT
public:
    enum ColumnIndex { StressAmplitude, Cycles, RunOut, Staircase };

    explicit FatigueTableModel(QObject* parent = nullptr);

    void setSpecimens(const std::vector<evaluation::FatigueSpecimen>& specimens);
    std::vector<evaluation::FatigueSpecimen> specimens() const;

protected:
    QString valueProblem(const Row& row) const override;
};

}
