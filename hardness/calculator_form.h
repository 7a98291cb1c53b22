#pragma once

#include "toolkit/form.h"

#include <QStringList>
#include <cstdint>

class QLabel;
class QPushButton;

namespace tk {
class Edit;
class Panel;
class PaintBox;
}

namespace hardness {

class ValueList;
struct CollectedValues;

// What the Vickers and the Brinell calculator share: the panel with the
// input fields and buttons, the list of accepted values beside it, the
// counting, copying and clearing of that list, and the small table of usual
// loads at the bottom of the panel. Each calculator adds its own labels,
// formula and heading.
class CalculatorForm : public tk::Form {
    Q_OBJECT
public:
    // Texts and names in which the two calculators differ.
    struct Layout {
        QString listTitle;       // above the value list
        QString heading;         // first line of the panel
        QString loadLabel;       // beside EditPruef
        QString forceLabel;      // beside Edit1
        QString d1Label;         // beside Edit2
        QString d2Label;         // beside Edit3
        QString resultLabel;     // beside Edit4
        QString countLabelName;  // the label above the count field
        QString countEditName;   // the count field
        QString resetCaption;
        QStringList loadTable;   // three lines in PaintBoxStahl
        QString lengthUnit;      // of the two lengths, as their unit labels show it
        CollectedValues* values; // where the value list publishes its lines
    };

    ValueList* MemoDaten;
    tk::Panel* PanelRech;
    tk::Edit* EditPruef;
    tk::Edit* Edit1;
    tk::Edit* Edit2;
    tk::Edit* Edit3;
    tk::Edit* Edit4;
    tk::Edit* countEdit; // EditViN or EditBrN
    QPushButton* BitBtnRech;
    QPushButton* BitBtnUeber;
    QPushButton* Button1;
    QPushButton* ButtonDiagramm;
    QPushButton* ButtonNeu;
    QPushButton* BitBtn1;
    tk::PaintBox* PaintBoxStahl;

    // Handlers in which the calculators differ.
    virtual void EditPruefExit() = 0;
    virtual void BitBtnRechClick() = 0;
    virtual void BitBtnUeberClick() = 0;
    virtual void ButtonDiagrammClick() = 0;
    virtual void ButtonNeuClick() = 0;

    void Button1Click();
    void BitBtn1Click();
    void PaintBoxStahlPaint();
    void Ende1Click();
    void ESC1Click();

protected:
    CalculatorForm(const QString& className, const QString& caption, const Layout& layout);

    // The window stands at the left screen edge, centred vertically.
    void placeAtLeftEdge();
    // Appends Edit4 as it stands and shows the new count.
    void acceptValue(std::int32_t& counter);
    // Empties the value list and the six edit fields.
    void clearData();
    // Puts the measurement window of this calculator back in the horizontal
    // centre of the screen, if it exists.
    static void centreMeasurementWindow(tk::Form* window);

    // Labels for units, placed by the calculator.
    QLabel* addPanelLabel(const QString& name, int left, int top, const QString& text, bool symbolFont = false);

    void showEvent(QShowEvent* e) override;

private:
    QStringList m_loadTable;
};

}
