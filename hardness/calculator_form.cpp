#include "calculator_form.h"

#include "value_list.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/parts.h"
#include "toolkit/screen.h"

#include <QClipboard>
#include <QGuiApplication>

namespace hardness {

namespace {

const QString sansSerif = QStringLiteral("MS Sans Serif");

tk::Font boldBlack(int charHeight) { return tk::Font::character(sansSerif, charHeight, true); }

tk::Edit* makeResultEdit(QWidget* parent, const QString& name, int top)
{
    auto* edit = new tk::Edit(parent, name, 160, top, 65, 24);
    edit->setFont(tk::qtFont(boldBlack(15)));
    return edit;
}

}

CalculatorForm::CalculatorForm(const QString& className, const QString& caption, const Layout& layout)
    : tk::Form(className, caption), m_loadTable(layout.loadTable)
{
    setBorder(Border::Sizeable);
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(sansSerif, 11));

    //: Menu item that closes the calculator; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    setStatusText(QString());

    QLabel* listTitle = tk::makeLabel(client(), QStringLiteral("Label10"), 251, 14, layout.listTitle, boldBlack(16));
    MemoDaten = new ValueList(client(), QStringLiteral("MemoDaten"), 251, 38, 121, 385, *layout.values);
    MemoDaten->setFont(tk::qtFont(tk::Font::character(sansSerif, 16)));

    PanelRech = new tk::Panel(client(), QStringLiteral("PanelRech"), 7, 14, 234, 483, tk::colours::silver);
    addPanelLabel(QStringLiteral("Label1"), 10, 8, layout.heading);
    QLabel* loadLabel = addPanelLabel(QStringLiteral("LabelPruef"), 10, 48, layout.loadLabel);
    QLabel* forceLabel = addPanelLabel(QStringLiteral("Label2"), 10, 88, layout.forceLabel);
    QLabel* d1Label = addPanelLabel(QStringLiteral("Label3"), 10, 120, layout.d1Label);
    QLabel* d2Label = addPanelLabel(QStringLiteral("Label4"), 10, 152, layout.d2Label);
    QLabel* resultLabel = addPanelLabel(QStringLiteral("Label5"), 10, 192, layout.resultLabel);

    EditPruef = new tk::Edit(PanelRech, QStringLiteral("EditPruef"), 160, 48, 65, 21, QStringLiteral("0"));
    EditPruef->setOnExit([this] { EditPruefExit(); });
    Edit1 = makeResultEdit(PanelRech, QStringLiteral("Edit1"), 88);
    Edit2 = makeResultEdit(PanelRech, QStringLiteral("Edit2"), 120);
    Edit3 = makeResultEdit(PanelRech, QStringLiteral("Edit3"), 152);
    Edit4 = makeResultEdit(PanelRech, QStringLiteral("Edit4"), 184);

    BitBtnRech = tk::makeButton(PanelRech, QStringLiteral("BitBtnRech"), 8, 216, 89, 25,
                                //: Button, 89 px wide; access key after &
                                tr("&Berechnen"), [this] { BitBtnRechClick(); });
    BitBtnUeber = tk::makeButton(PanelRech, QStringLiteral("BitBtnUeber"), 112, 216, 113, 25,
                                 //: Button that adds the result to the list, 113 px wide; access key after &
                                 tr("&Übernehmen"), [this] { BitBtnUeberClick(); });
    QLabel* countLabel = tk::makeLabel(PanelRech, layout.countLabelName, 8, 248,
                                       //: Label of the field with the number of values, room for about 30 characters
                                       tr("Anzahl der Härtewerte"), boldBlack(13));
    countEdit = new tk::Edit(PanelRech, layout.countEditName, 8, 264, 49, 21, QStringLiteral("0"));
    Button1 = tk::makeButton(PanelRech, QStringLiteral("Button1"), 88, 264, 81, 25,
                             //: Button that confirms the number of values, 81 px wide
                             tr("ok"), [this] { Button1Click(); });
    Button1->setFont(tk::qtFont(tk::Font::character(sansSerif, 13)));
    ButtonDiagramm = tk::makeButton(PanelRech, QStringLiteral("ButtonDiagramm"), 8, 296, 161, 25,
                                    //: Button that opens the chart of the values, 161 px wide
                                    tr("Diagramm"), [this] { ButtonDiagrammClick(); });
    ButtonDiagramm->setEnabled(false);
    ButtonNeu = tk::makeButton(PanelRech, QStringLiteral("ButtonNeu"), 8, 328, 217, 25, layout.resetCaption,
                               [this] { ButtonNeuClick(); });
    BitBtn1 = tk::makeButton(PanelRech, QStringLiteral("BitBtn1"), 8, 360, 217, 25,
                             //: Button, 217 px wide; access key after &
                             tr("Daten kopieren in die &Zwischenablage"), [this] { BitBtn1Click(); });

    PaintBoxStahl = new tk::PaintBox(PanelRech, QStringLiteral("PaintBoxStahl"), 8, 392, 217, 81);
    PaintBoxStahl->setOnPaint([this] { PaintBoxStahlPaint(); });

    // A screen reader names each field by the label beside it; the lengths
    // take the unit their separate unit labels show.
    const auto name = [](QLabel* label, QWidget* field, const QString& unit = {}) {
        label->setBuddy(field);
        field->setAccessibleName((label->text().simplified() + QChar(' ') + unit).trimmed());
    };
    name(loadLabel, EditPruef);
    name(forceLabel, Edit1);
    name(d1Label, Edit2, layout.lengthUnit);
    name(d2Label, Edit3, layout.lengthUnit);
    name(resultLabel, Edit4);
    name(countLabel, countEdit);
    name(listTitle, MemoDaten);
    PaintBoxStahl->setAccessibleName(layout.loadTable.value(0));
    PaintBoxStahl->setAccessibleDescription(layout.loadTable.mid(1).join(QStringLiteral(", ")));

    const QList<QWidget*> tabOrder = {EditPruef, Edit2,     Edit3,   Edit4,          Edit1,    BitBtnRech, BitBtnUeber,
                                      BitBtn1,   ButtonNeu, countEdit, Button1, ButtonDiagramm, MemoDaten};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

QLabel* CalculatorForm::addPanelLabel(const QString& name, int left, int top, const QString& text, bool symbolFont)
{
    tk::Font font = boldBlack(15);
    if (symbolFont)
        font.name = QStringLiteral("Symbol");
    return tk::makeLabel(PanelRech, name, left, top, symbolFont ? tk::symbolToUnicode(text) : text, font);
}

void CalculatorForm::placeAtLeftEdge() { setBounds(1, tk::centredTop(600), 480, 600); }

void CalculatorForm::showEvent(QShowEvent* e)
{
    // Each opening starts in the first field of the tab order, its text
    // selected as tabbing into a field selects it, so typing replaces it.
    EditPruef->setFocus(Qt::OtherFocusReason);
    EditPruef->selectAll();
    // "Diagramm" opens the chart window from here: its part is loaded
    // beside, so that the chart need not wait for it.
    tk::preloadPart("charts");
    tk::Form::showEvent(e);
}

void CalculatorForm::acceptValue(std::int32_t& counter)
{
    ++counter;
    countEdit->setText(QString::number(counter));
    MemoDaten->appendValue(Edit4->text());
}

void CalculatorForm::Button1Click() { ButtonDiagramm->setEnabled(true); }

void CalculatorForm::BitBtn1Click() { QGuiApplication::clipboard()->setText(MemoDaten->clipboardText()); }

void CalculatorForm::clearData()
{
    setStatusText(QString());
    MemoDaten->setValueLines({});
    for (tk::Edit* edit : {EditPruef, Edit1, Edit2, Edit3, Edit4, countEdit})
        edit->clear();
}

void CalculatorForm::centreMeasurementWindow(tk::Form* window)
{
    if (window)
        window->setLeft(tk::centredLeft(window->formWidth()));
}

void CalculatorForm::PaintBoxStahlPaint()
{
    tk::Canvas& c = PaintBoxStahl->canvas();
    c.setFont(boldBlack(15));
    c.setBrushColor(Qt::white);
    c.setPenColor(Qt::black);
    c.setPenWidth(1);
    c.rectangle(0, 0, PaintBoxStahl->width(), PaintBoxStahl->height());
    for (int i = 0; i < m_loadTable.size(); ++i)
        c.textOut(10, 10 + 20 * i, m_loadTable[i]);
}

void CalculatorForm::Ende1Click() { close(); }

void CalculatorForm::ESC1Click() { close(); }

}
