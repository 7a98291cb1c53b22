#include "woehler_influence_form.h"

#include "woehler_influence_curves.h"

#include "toolkit/colours.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QCoreApplication>

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
    : tk::Form(QString::fromLatin1(layout.className), QCoreApplication::translate(layout.className, layout.caption)),
      m_itemRepaints(layout.itemRepaints),
      m_scene(QCoreApplication::translate(layout.className, layout.title), curvesOf(layout))
{
    setBorder(Border::SizeableToolWindow);
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 10));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    for (std::size_t i = 0; i < layout.items.size(); ++i) {
        const CurveItem& item = layout.items[i];
        const int curve = int(i);
        m_items.push_back(addMenuItem(QCoreApplication::translate(layout.className, item.caption),
                                      QString::fromLatin1(item.item),
                                      [this, curve] { CurveItemClick(curve); }));
        m_timers.push_back(addTimer(QString::fromLatin1(item.timer), 50, [this, curve] { CurveTimer(curve); }));
    }
    //: Menu item that clears the diagram; access key after &
    addMenuItem(tr("&Neu Zeichnen"), QStringLiteral("NeuZeichnen1"), [this] { NeuZeichnen1Click(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 10, 10, 770, 500);
    m_paintBoxHaupt->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_paintBoxHaupt->describe(tr("Wöhlerdiagramm"),
                              tr("Spannungsamplitude über der Bruchzyklenzahl, logarithmisch"));
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));

    for (std::size_t i = 0; i < m_timers.size(); ++i)
        bindTimer(m_timers[i], [this, i] { return m_scene.running(int(i)); });
    bindAnnouncement(m_paintBoxHaupt, [this] {
        for (int i = 0; i < m_scene.curveCount(); ++i)
            if (m_scene.running(i))
                //: Announced to screen readers while a curve grows
                return tr("Wöhlerkurve wird gezeichnet");
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

// The texts of the three windows, translated in each window's context.
TFormDauer2::TFormDauer2()
    : WoehlerInfluenceForm(
          {"TFormDauer2",
           //: Window title
           QT_TRANSLATE_NOOP("TFormDauer2", "Wöhlerkurve: Einfluss des Kristallgitters "),
           //: Title of the diagram in its grey header band, about 60 characters
           QT_TRANSLATE_NOOP("TFormDauer2", "Einfuss des Kristallgitters auf die Dauerfestigkeit"),
           {//: Menu item that draws the curve of body-centred cubic metals; access key after &
            {QT_TRANSLATE_NOOP("TFormDauer2", "Kubisch-&raumzentriertes Gitter"), "KubischraumzentrierteSthle1",
             "TimerKRZ", fatigue::bodyCentredCubicCurve},
            //: Menu item that draws the curve of face-centred cubic metals; access key after &
            {QT_TRANSLATE_NOOP("TFormDauer2", "Kubisch-&flächenzentriertes Gitter"), "KubischflchenzentrierteSthle1",
             "TimerKFZ", fatigue::faceCentredCubicCurve}},
           true})
{
}

void TFormDauer2::formCreate() { place(FormDauer2); }

TFormDauer3::TFormDauer3()
    : WoehlerInfluenceForm(
          {"TFormDauer3",
           //: Window title
           QT_TRANSLATE_NOOP("TFormDauer3", "Wöhlerkurve: Einfluss des Umgebungsmedium"),
           //: Title of the diagram in its grey header band, about 60 characters
           QT_TRANSLATE_NOOP("TFormDauer3", "Einfuss des Umgebungsmediums (Korrosion) auf die Dauerfestigkeit"),
           {//: Menu item that draws the curve of the initial state, without corrosion; access key after &
            {QT_TRANSLATE_NOOP("TFormDauer3", "&Ausgangszustand"), "KubischraumzentrierteSthle1", "TimerKRZ",
             fatigue::initialStateCurve},
            //: Menu item that draws the curve under corrosion; access key after &
            {QT_TRANSLATE_NOOP("TFormDauer3", "K&orrosion"), "KubischflchenzentrierteSthle1", "TimerKFZ",
             fatigue::corrosionCurve}},
           false})
{
}

void TFormDauer3::formCreate() { place(FormDauer3); }

TFormDauer4::TFormDauer4()
    : WoehlerInfluenceForm(
          {"TFormDauer4",
           //: Window title
           QT_TRANSLATE_NOOP("TFormDauer4", "Wöhlerkurve: Einfluss von Eigenspannungen"),
           //: Title of the diagram in its grey header band, about 60 characters
           QT_TRANSLATE_NOOP("TFormDauer4", "Einfluss von Eigenspannungen auf die Dauerfestigkeit"),
           {//: Menu item: curve without residual stresses; access key after &
            {QT_TRANSLATE_NOOP("TFormDauer4", "&Keine Eigenspannungen"), "Frei", "TimerFrei",
             fatigue::freeOfResidualStressCurve},
            //: Menu item: curve with residual tensile stresses; access key after &
            {QT_TRANSLATE_NOOP("TFormDauer4", "&Zugeigenspannungen"), "Zug", "TimerZug",
             fatigue::tensileResidualStressCurve},
            //: Menu item: curve with residual compressive stresses; access key after &
            {QT_TRANSLATE_NOOP("TFormDauer4", "&Druckeigenspannungen"), "Druck", "TimerDruck",
             fatigue::compressiveResidualStressCurve}},
           false})
{
}

void TFormDauer4::formCreate() { place(FormDauer4); }
