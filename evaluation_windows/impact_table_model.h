#pragma once

// The table of an impact series: test temperature, absorbed energy, and
// where measured the shear fracture percentage and the lateral expansion.
#include "evaluation/impact_series.h"
#include "specimen_table_model.h"

namespace evaluation::windows {

class ImpactTableModel : public SpecimenTableModel {
    Q_OBJECT
public:
    enum ColumnIndex { Temperature, Energy, ShearFraction, LateralExpansion };

    explicit ImpactTableModel(QObject* parent = nullptr);

    // The energy column's title names the symbol of the specimen and striker
    // ("KV2 in J"); the window sets it when either changes.
    void setEnergySymbol(const QString& symbol);

    void setSpecimens(const std::vector<evaluation::ImpactSpecimen>& specimens);
    // The complete rows as specimens, in the order of the table.
    std::vector<evaluation::ImpactSpecimen> specimens() const;

protected:
    QString valueProblem(const Row& row) const override;
};

}
