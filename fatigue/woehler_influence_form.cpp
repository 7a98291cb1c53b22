#include "woehler_influence_form.h"

#include "woehler_influence_curves.h"

#include "toolkit/colours.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>

TFormDauer2* FormDauer2 = nullptr;
TFormDauer3* FormDauer3 = nullptr;
TFormDauer4* FormDauer4 = nullptr;

namespace fatigue {

namespace {

std::vector<const WoehlerCurve*> curvesOf(const WoehlerInfluenceForm::Layout& layout)
{
    std::vector<const WoehlerCurve*> curves;
    for (const WoehlerInfluenceForm::CurveItem& item : layout.items)
        curves.push_back(&item.curve());
    return curves;
}

}

WoehlerInfluenceForm::WoehlerInfluenceForm(const Layout& layout)
    : tk::Form(QString::fromLatin1(layout.className), QString::fromUtf8(layout.caption)),
      m_itemRepaints(layout.itemRepaints),
      m_scene(QString::fromUtf8(layout.title), curvesOf(layout))
{
    setBorder(Border::SizeableToolWindow);
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 10));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    for (std::size_t i = 0; i < layout.items.size(); ++i) {
        const CurveItem& item = layout.items[i];
        const int curve = int(i);
        m_items.push_back(addMenuItem(QString::fromUtf8(item.caption), QString::fromLatin1(item.item),
                                      [this, curve] { CurveItemClick(curve); }));
        m_timers.push_back(addTimer(QString::fromLatin1(item.timer), 50, [this, curve] { CurveTimer(curve); }));
    }
    addMenuItem(QStringLiteral("&Neu Zeichnen"), QStringLiteral("NeuZeichnen1"), [this] { NeuZeichnen1Click(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 10, 10, 770, 500);
    m_paintBoxHaupt->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_paintBoxHaupt->describe(QStringLiteral("Wöhlerdiagramm"),
                              QStringLiteral("Spannungsamplitude über der Bruchzyklenzahl, logarithmisch"));
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    setStatusText(QStringLiteral("ESC = Abbruch"));

    for (std::size_t i = 0; i < m_timers.size(); ++i)
        bindTimer(m_timers[i], [this, i] { return m_scene.running(int(i)); });
    bindAnnouncement(m_paintBoxHaupt, [this] {
        for (int i = 0; i < m_scene.curveCount(); ++i)
            if (m_scene.running(i))
                return QStringLiteral("Wöhlerkurve wird gezeichnet");
        return QString();
    });
}

void WoehlerInfluenceForm::place(WoehlerInfluenceForm* window)
{
    window->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    const ScaleFactors& s = window->m_scene.scale();
    window->m_paintBoxHaupt->setBounds(s.x(10), s.y(10), s.x(770), s.y(500));
}

void WoehlerInfluenceForm::Ende1Click() { close(); }

void WoehlerInfluenceForm::ESC1Click() { close(); }

void WoehlerInfluenceForm::formClose() { m_scene.stopAll(); }

void WoehlerInfluenceForm::CurveItemClick(int curve)
{
    if (m_itemRepaints)
        repaintAll();
    m_scene.start(curve);
}

void WoehlerInfluenceForm::CurveTimer(int curve)
{
    // A repaint that is due comes first, so the step lands on the picture
    // that is shown.
    m_paintBoxHaupt->ensurePainted();
    m_scene.tick(curve, m_paintBoxHaupt->canvas());
    m_paintBoxHaupt->showDrawn();
}

void WoehlerInfluenceForm::NeuZeichnen1Click()
{
    m_scene.stopAll();
    repaintAll();
}

void WoehlerInfluenceForm::PaintBoxHauptPaint() { m_scene.paint(m_paintBoxHaupt->canvas(), m_paintBoxHaupt->size()); }

}

TFormDauer2::TFormDauer2()
    : WoehlerInfluenceForm({"TFormDauer2",
                            "Wöhlerkurve: Einfluss des Kristallgitters ",
                            "Einfuss des Kristallgitters auf die Dauerfestigkeit",
                            {{"Kubisch-&raumzentriertes Gitter", "KubischraumzentrierteSthle1", "TimerKRZ",
                              fatigue::bodyCentredCubicCurve},
                             {"Kubisch-&flächenzentriertes Gitter", "KubischflchenzentrierteSthle1", "TimerKFZ",
                              fatigue::faceCentredCubicCurve}},
                            true})
{
}

void TFormDauer2::formCreate() { place(FormDauer2); }

TFormDauer3::TFormDauer3()
    : WoehlerInfluenceForm({"TFormDauer3",
                            "Wöhlerkurve: Einfluss des Umgebungsmedium",
                            "Einfuss des Umgebungsmediums (Korrosion) auf die Dauerfestigkeit",
                            {{"&Ausgangszustand", "KubischraumzentrierteSthle1", "TimerKRZ", fatigue::initialStateCurve},
                             {"K&orrosion", "KubischflchenzentrierteSthle1", "TimerKFZ", fatigue::corrosionCurve}},
                            false})
{
}

void TFormDauer3::formCreate() { place(FormDauer3); }

TFormDauer4::TFormDauer4()
    : WoehlerInfluenceForm({"TFormDauer4",
                            "Wöhlerkurve: Einfluss von Eigenspannungen",
                            "Einfluss von Eigenspannungen auf die Dauerfestigkeit",
                            {{"&Keine Eigenspannungen", "Frei", "TimerFrei", fatigue::freeOfResidualStressCurve},
                             {"&Zugeigenspannungen", "Zug", "TimerZug", fatigue::tensileResidualStressCurve},
                             {"&Druckeigenspannungen", "Druck", "TimerDruck", fatigue::compressiveResidualStressCurve}},
                            false})
{
}

void TFormDauer4::formCreate() { place(FormDauer4); }
