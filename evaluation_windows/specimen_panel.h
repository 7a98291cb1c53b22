#pragma once

// The data of the specimen chosen in the table: its name, cross-section
// (round d0 or flat a0 × b0), gauge lengths L0 and Le and what the extension
// was measured with, the optional values after fracture (Lu, du or Su), the
// maximum force for a specimen without a curve, and the settings of its
// evaluation. Numbers are typed with a decimal comma (a point is taken too);
// an empty optional field has no value.
#include "evaluation/tensile_series.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QFormLayout;

namespace evaluation::windows {

class SpecimenPanel : public QWidget {
    Q_OBJECT
public:
    explicit SpecimenPanel(QWidget* parent = nullptr);

    // Shows a specimen; null shows nothing to edit.
    void showSpecimen(const TensileSpecimen* specimen);
    // Writes what the fields hold into the specimen; false (the specimen
    // unchanged) where a field holds no number.
    bool read(TensileSpecimen& specimen) const;

    // A number as typed, with a decimal comma or point; nullopt for an empty
    // field, NaN for one that is not a number.
    static std::optional<double> parseNumber(const QString& text);

signals:
    // The user changed a field and left it (or pressed Enter).
    void edited();

private:
    QLineEdit* addNumber(QFormLayout* form, const QString& label, const QString& toolTip);
    void updateShape();
    void showProblems(const TensileSpecimen& specimen);

    QLineEdit* m_name;
    QComboBox* m_shape;
    QLineEdit *m_d0, *m_a0, *m_b0, *m_L0, *m_Le, *m_Lu, *m_du, *m_Su, *m_Fm;
    QComboBox* m_source;
    QLineEdit *m_lowerShare, *m_upperShare, *m_dropShare;
    QLabel* m_problems;
    bool m_hasCurve = false;
    bool m_showing = false;
};

}
