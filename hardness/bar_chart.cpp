#include "bar_chart.h"

#include "toolkit/parts.h"

#include <QCoreApplication>
#include <QLabel>

namespace hardness {

namespace {

// Takes the chart's place when the charts part is missing or does not fit
// the program, so that the window still opens and says what is wrong.
class MissingChart : public QLabel, public BarChart {
public:
    MissingChart(QWidget* parent, const QString& name, const QString& reason)
        //: Shown in the chart window instead of the chart; %1 is the reason the system gives.
        : QLabel(QCoreApplication::translate("hardness::BarChart", "Das Diagramm kann nicht gezeigt werden:\n%1")
                     .arg(reason),
                 parent)
    {
        setObjectName(name);
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setAutoFillBackground(true);
    }

    QWidget* widget() override { return this; }
    void addBar(Series, int, const QString&, const QColor&) override {}
    void clearBars() override {}
    void setColour(const QColor& colour) override
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, colour);
        setPalette(p);
    }
    QImage picture() override { return grab().toImage(); }
    tk::ExportedDrawing exportedDrawing() override { return {window()->windowTitle(), picture(), {}}; }
};

}

BarChart* makeBarChart(QWidget* parent, const QString& name)
{
    QString failure;
    if (const auto entry = tk::partEntry<decltype(werkstoff_part_charts)>("charts", &failure))
        return entry(parent, name);
    return new MissingChart(parent, name, failure);
}

}
