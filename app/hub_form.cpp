#include "hub_form.h"

#include "evaluation_windows/evaluation_part.h"
#include "fatigue/bending_machine_form.h"
#include "fatigue/influence_factors_form.h"
#include "fatigue/introduction_form.h"
#include "fatigue/load_range_form.h"
#include "fatigue/woehler_influence_form.h"
#include "fatigue/fatigue_picture_form.h"
#include "fatigue/woehler_recording_form.h"
#include "hardness/brinell_form.h"
#include "hardness/tester_schematic_form.h"
#include "hardness/brinell_calculator_form.h"
#include "hardness/vickers_calculator_form.h"
#include "hardness/rockwell_form.h"
#include "hardness/vickers_device_forms.h"
#include "hardness/vickers_form.h"
#include "impact/pendulum_form.h"
#include "impact/photograph_forms.h"
#include "registry.h"
#include "tensile/standard_specimen_form.h"
#include "tensile/stress_strain_form.h"
#include "tensile/tensile_machine_form.h"

#include "toolkit/colours.h"
#include "toolkit/diagram.h"
#include "toolkit/numbers.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

TFormMPUeber* FormMPUeber = nullptr;

namespace {

// The window behind a global reference, as a topic opens it.
template <auto& globalReference>
tk::Form* windowOf()
{
    return globalReference;
}

}

const std::vector<TFormMPUeber::TopicMenu>& TFormMPUeber::topicMenus()
{
    // The captions are translated as the menus are made (context TFormMPUeber).
    static const std::vector<TopicMenu> menus = {
        {QT_TRANSLATE_NOOP("TFormMPUeber", "&Härteprüfung"), "Hrteprfung1",
         {{QT_TRANSLATE_NOOP("TFormMPUeber", "Härteprüfmaschine (schematisch)"), "SchematischeHrteprfmaschine1", windowOf<FormHaerte>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Brinellhärtemessung "), "Brinellhrtemessung1", windowOf<FormBrinell>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Rockwellhärtemessung"), "Rockwellhrtemessung1", windowOf<FormRockwell>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Vickershärtemessung"), "Vickershrtemessung1", windowOf<FormVickers>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Vickershärteprüfeinrichtung"), "vickershrteprfeinrichtung1", windowOf<FormHVA223>}}},
        {QT_TRANSLATE_NOOP("TFormMPUeber", "Kerbschlagbiegeversuch"), "Kerbschlagbiegeversuch1",
         {{QT_TRANSLATE_NOOP("TFormMPUeber", "Pendelschlagwerk (schematisch)"), "Kerbschlagbiegeversuch2", windowOf<FormKerbHa>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Pendelschlagwerk "), "Pendelschlagwerkschematisch1", windowOf<FormHammerD108>}}},
        {QT_TRANSLATE_NOOP("TFormMPUeber", "Zugversuch"), "Zugversuch1",
         {{QT_TRANSLATE_NOOP("TFormMPUeber", "Zugprüfmaschine (schematisch)"), "SchematischeZugprfmaschine1", windowOf<FormZugma>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Spannungs-Dehnungs-Kurve"), "SpannungsDehnungskurve1", windowOf<FormZugAnniHoch>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Stahl im Zugversuch"), "StahlimZugversuch1", windowOf<FormZug>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Zugprüfmaschine"), "ZUgprfmaschine1", windowOf<FormZugD108>}}},
        {QT_TRANSLATE_NOOP("TFormMPUeber", "&Dauerschwingversuch"), "Dauerschwingversuch1",
         {{QT_TRANSLATE_NOOP("TFormMPUeber", "Einleitung"), "Einleitung1", windowOf<FormDauerTExt>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Wechselbiegemaschine"), "Wechselbiegemaschine1", windowOf<FormDauerWBM>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Belastungsbereiche"), "Belastungsbereiche1", windowOf<FormDauer1>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Einflussgrößen"), "Einflussgren1", windowOf<FormDauerEinfluss>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Einfluss: Kristallgitter"), "Whlerkurven1", windowOf<FormDauer2>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Einfluss: Umgebung"), "EinflussUmgebung1", windowOf<FormDauer3>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Einfluss: Eigenspannungen"), "EinflussEigenspannungen1", windowOf<FormDauer4>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Aufnahme einer Wöhlerlinie"), "AufnahmeeinerWhlerlinie1", windowOf<FormDauerWoehler>},
          {QT_TRANSLATE_NOOP("TFormMPUeber", "Dauerbruchfläche"), "DauerBruchflche1", windowOf<FormDauerBild>}}},
        {QT_TRANSLATE_NOOP("TFormMPUeber", "&Berechnungen"), "Berechnungen1",
         {{QT_TRANSLATE_NOOP("TFormMPUeber", "&Vickers"), "FormHauptVickers1", windowOf<FormHV>}, {QT_TRANSLATE_NOOP("TFormMPUeber", "&Brinell"), "Brinell1", windowOf<FormHB>}}},
    };
    return menus;
}

TFormMPUeber::TFormMPUeber()
    //: Caption of the overview window
    : tk::Form(QStringLiteral("TFormMPUeber"), tr("Ermittlung von Werkstoffkennwerten"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the overview; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    for (const TopicMenu& m : topicMenus()) {
        QMenu* menu = addMenu(tr(m.caption), QString::fromUtf8(m.name));
        for (const Topic& t : m.topics) {
            QAction* item = addMenuItem(tr(t.caption), QString::fromUtf8(t.item),
                                        [this, &t] { showTopic(t); }, menu);
            // A topic whose window this build does not contain stays visible
            // but cannot be chosen.
            item->setEnabled(t.window != nullptr);
        }
    }
    // One's own measurements are evaluated in windows of their own, which
    // stay usable beside this one.
    // The evaluation is loaded when one of them is first chosen.
    QMenu* evaluationMenu = addMenu(tr("&Auswertung"), QStringLiteral("Auswertung1"));
    for (const auto& k : evaluation::windows::evaluationWindowKinds())
        addMenuItem(k.translatedMenuText(), QString::fromUtf8(k.itemName), [this, &k] {
            if (const auto* part = app::evaluationPartOrReport(this, k.translatedMenuText()))
                part->showWindow(QString::fromLatin1(k.kind));
        }, evaluationMenu);

    m_paintBox = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 0, 0, 800, 550);
    //: Screen reader: name of the overview drawing
    m_paintBox->describe(tr("Übersicht der Prüfverfahren"),
                         //: Screen reader: description of the overview drawing
                         tr("Normen und Werkstoffkennwerte von Zugversuch, Härteprüfung, Kerbschlagbiegeversuch und "
                            "Dauerschwingversuch"));
    m_paintBox->setOnPaint([this] { PaintBoxHauptPaint(); });
    //: Status bar: the Escape key closes the window
    setStatusText(tr("ESC = Abbruch"));
}

void TFormMPUeber::formCreate()
{
    const QSize screen = tk::screenSize();
    FormMPUeber->m_horizontalFactor = screen.width() / 800.0;
    FormMPUeber->m_verticalFactor = screen.height() / 600.0;
    FormMPUeber->setBounds(tk::idiv(screen.width() - screen.width(), 2), tk::idiv(screen.height() - screen.height(), 2),
                           screen.width(), screen.height());
    const int top = tk::idiv(clientHeight() - 550 - int(tk::roundHalfEven(m_verticalFactor * 10)), 2);
    FormMPUeber->m_paintBox->setBounds(tk::idiv(clientWidth() - 800, 2), top, 800, 550);
}

void TFormMPUeber::Ende1Click() { close(); }

void TFormMPUeber::ESC1Click() { close(); }

void TFormMPUeber::showTopic(const Topic& topic)
{
    if (tk::Form* window = topic.window ? topic.window() : nullptr)
        window->showModal();
}

void TFormMPUeber::PaintBoxHauptPaint()
{
    app::paintOverview(m_paintBox->canvas(), m_horizontalFactor, m_verticalFactor);
}

namespace app {

void paintOverview(tk::Canvas& c, double horizontalFactor, double verticalFactor)
{
    c.setFontHeight(30);
    c.setPenColor(Qt::black);
    c.setPenWidth(1);
    c.setBrushColor(tk::colours::lightYellow);
    // The background reaches below the box, so its bottom edge is not seen.
    c.rectangle(int(tk::roundHalfEven(horizontalFactor * 0)), int(tk::roundHalfEven(verticalFactor * 0)), c.width(),
                c.width());

    c.setBrushColor(Qt::white);
    c.rectangle(20, 20, 260, 340);  // tensile test
    c.rectangle(280, 20, 520, 340); // hardness test
    c.rectangle(540, 20, 790, 170); // notched-bar impact test
    c.rectangle(540, 180, 790, 340); // fatigue test

    // Drawn texts in the context app::Overview; each heading has the width
    // of its box (about 230 pixels at this size, about 16 characters).
    constexpr const char* context = "app::Overview";
    c.setBrushStyle(tk::BrushStyle::Clear);
    //: Overview, the caption below the boxes on two lines of about 50 characters; | marks the line break
    tk::drawPieces(c, QCoreApplication::translate("app::Overview", "Normbezeichnungen und zu ermittelnde Werkstoffkennwerte|"
                                                           "der hier behandelten Werkstoffprüfverfahren "),
                   {{50, 380}, {150, 420}});
    tk::drawTexts(c, context, {
        //: Overview, heading of a box, about 16 characters
        {50, 30, QT_TRANSLATE_NOOP("app::Overview", "Zugversuch")},
        //: Overview, heading of a box, about 16 characters
        {305, 30, QT_TRANSLATE_NOOP("app::Overview", "Härteprüfung")},
        //: Overview, heading of a box, about 16 characters
        {550, 190, QT_TRANSLATE_NOOP("app::Overview", "Dauerschwingversuch")},
    });
    //: Overview, heading of a box drawn on two lines of about 16 characters each; | marks the line break
    tk::drawPieces(c, QCoreApplication::translate("app::Overview", "Kerbschlagbiege-|versuch"), {{555, 30}, {555, 52}});

    c.setFontHeight(22);
    tk::drawTexts(c, context, {
        {50, 80, "DIN EN 10002"},
        //: Overview: a list of material properties follows; the texts of a box have about 20 characters
        {50, 120, QT_TRANSLATE_NOOP("app::Overview", "Werkstoffkennwerte:")},
        {50, 150, QT_TRANSLATE_NOOP("app::Overview", "Zugfestigkeit")},
        {50, 180, QT_TRANSLATE_NOOP("app::Overview", "Streckgrenze")},
        {50, 210, QT_TRANSLATE_NOOP("app::Overview", "0.2%-Dehngrenze")},
        {50, 240, QT_TRANSLATE_NOOP("app::Overview", "Bruchdehnung")},
        {50, 270, QT_TRANSLATE_NOOP("app::Overview", "Brucheinschnürung")},
        {50, 300, QT_TRANSLATE_NOOP("app::Overview", "Elastizitätsmodul")},
        {305, 80, QT_TRANSLATE_NOOP("app::Overview", "Härteprüfung nach Brinell")},
        {305, 110, "EN ISO 6506-1"},
        {305, 140, QT_TRANSLATE_NOOP("app::Overview", "Härteprüfung nach Rockwell")},
        {305, 170, "EN ISO 6508-1"},
        {305, 200, QT_TRANSLATE_NOOP("app::Overview", "Härteprüfung nach Vickers")},
        {305, 230, "EN ISO 6507-1"},
        {305, 260, QT_TRANSLATE_NOOP("app::Overview", "Werkstoffkennwert: Härte")},
        {555, 80, "EN ISO 10045-1"},
        //: Overview, impact box: "Werkstoffkennwert:" followed by "Zähigkeit" on the next line
        {555, 110, QT_TRANSLATE_NOOP("app::Overview", "Werkstoffkennwert:")},
        {555, 140, QT_TRANSLATE_NOOP("app::Overview", "Zähigkeit")},
        {555, 230, "DIN 50100"},
    });
    //: Overview, fatigue box: two lines of about 20 characters; | marks the line break
    tk::drawPieces(c, QCoreApplication::translate("app::Overview", "Ermittlung der|Dauerfestigkeit"), {{555, 260}, {555, 290}});
}

}
