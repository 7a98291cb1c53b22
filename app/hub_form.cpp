#include "hub_form.h"

#include "evaluation_windows/evaluation_window.h"
#include "evaluation_windows/window_kinds.h"
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
#include "tensile/standard_specimen_form.h"
#include "tensile/stress_strain_form.h"
#include "tensile/tensile_machine_form.h"

#include "toolkit/colours.h"
#include "toolkit/diagram.h"
#include "toolkit/numbers.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QAction>
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
    static const std::vector<TopicMenu> menus = {
        {"&Härteprüfung", "Hrteprfung1",
         {{"Härteprüfmaschine (schematisch)", "SchematischeHrteprfmaschine1", windowOf<FormHaerte>},
          {"Brinellhärtemessung ", "Brinellhrtemessung1", windowOf<FormBrinell>},
          {"Rockwellhärtemessung", "Rockwellhrtemessung1", windowOf<FormRockwell>},
          {"Vickershärtemessung", "Vickershrtemessung1", windowOf<FormVickers>},
          {"Vickershärteprüfeinrichtung", "vickershrteprfeinrichtung1", windowOf<FormHVA223>}}},
        {"Kerbschlagbiegeversuch", "Kerbschlagbiegeversuch1",
         {{"Pendelschlagwerk (schematisch)", "Kerbschlagbiegeversuch2", windowOf<FormKerbHa>},
          {"Pendelschlagwerk ", "Pendelschlagwerkschematisch1", windowOf<FormHammerD108>}}},
        {"Zugversuch", "Zugversuch1",
         {{"Zugprüfmaschine (schematisch)", "SchematischeZugprfmaschine1", windowOf<FormZugma>},
          {"Spannungs-Dehnungs-Kurve", "SpannungsDehnungskurve1", windowOf<FormZugAnniHoch>},
          {"Stahl im Zugversuch", "StahlimZugversuch1", windowOf<FormZug>},
          {"Zugprüfmaschine", "ZUgprfmaschine1", windowOf<FormZugD108>}}},
        {"&Dauerschwingversuch", "Dauerschwingversuch1",
         {{"Einleitung", "Einleitung1", windowOf<FormDauerTExt>},
          {"Wechselbiegemaschine", "Wechselbiegemaschine1", windowOf<FormDauerWBM>},
          {"Belastungsbereiche", "Belastungsbereiche1", windowOf<FormDauer1>},
          {"Einflussgrößen", "Einflussgren1", windowOf<FormDauerEinfluss>},
          {"Einfluss: Kristallgitter", "Whlerkurven1", windowOf<FormDauer2>},
          {"Einfluss: Umgebung", "EinflussUmgebung1", windowOf<FormDauer3>},
          {"Einfluss: Eigenspannungen", "EinflussEigenspannungen1", windowOf<FormDauer4>},
          {"Aufnahme einer Wöhlerlinie", "AufnahmeeinerWhlerlinie1", windowOf<FormDauerWoehler>},
          {"Dauerbruchfläche", "DauerBruchflche1", windowOf<FormDauerBild>}}},
        {"&Berechnungen", "Berechnungen1",
         {{"&Vickers", "FormHauptVickers1", windowOf<FormHV>}, {"&Brinell", "Brinell1", windowOf<FormHB>}}},
    };
    return menus;
}

TFormMPUeber::TFormMPUeber()
    : tk::Form(QStringLiteral("TFormMPUeber"), QStringLiteral("Ermittlung von Werkstoffkennwerten"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    for (const TopicMenu& m : topicMenus()) {
        QMenu* menu = addMenu(QString::fromUtf8(m.caption), QString::fromUtf8(m.name));
        for (const Topic& t : m.topics) {
            QAction* item = addMenuItem(QString::fromUtf8(t.caption), QString::fromUtf8(t.item),
                                        [this, &t] { showTopic(t); }, menu);
            // A topic whose window this build does not contain stays visible
            // but cannot be chosen.
            item->setEnabled(t.window != nullptr);
        }
    }
    // One's own measurements are evaluated in windows of their own, which
    // stay usable beside this one.
    if (const auto& kinds = evaluation::windows::evaluationWindowKinds(); !kinds.empty()) {
        QMenu* menu = addMenu(tr("&Auswertung"), QStringLiteral("Auswertung1"));
        for (const auto& k : kinds)
            addMenuItem(k.translatedMenuText(), QString::fromUtf8(k.itemName), [&k] { k.window()->showWindow(); }, menu);
    }

    m_paintBox = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 0, 0, 800, 550);
    m_paintBox->describe(QStringLiteral("Übersicht der Prüfverfahren"),
                         QStringLiteral("Normen und Werkstoffkennwerte von Zugversuch, Härteprüfung, Kerbschlagbiegeversuch und ") +
                         QStringLiteral("Dauerschwingversuch"));
    m_paintBox->setOnPaint([this] { PaintBoxHauptPaint(); });
    setStatusText(QStringLiteral("ESC = Abbruch"));
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

    c.setBrushStyle(tk::BrushStyle::Clear);
    tk::drawTexts(c, {
        {50, 380, "Normbezeichnungen und zu ermittelnde Werkstoffkennwerte"},
        {150, 420, "der hier behandelten Werkstoffprüfverfahren "},
        {50, 30, "Zugversuch"},
        {305, 30, "Härteprüfung"},
        {555, 30, "Kerbschlagbiege-"},
        {555, 52, "versuch"},
        {550, 190, "Dauerschwingversuch"},
    });

    c.setFontHeight(22);
    tk::drawTexts(c, {
        {50, 80, "DIN EN 10002"},
        {50, 120, "Werkstoffkennwerte:"},
        {50, 150, "Zugfestigkeit"},
        {50, 180, "Streckgrenze"},
        {50, 210, "0.2%-Dehngrenze"},
        {50, 240, "Bruchdehnung"},
        {50, 270, "Brucheinschnürung"},
        {50, 300, "Elastizitätsmodul"},
        {305, 80, "Härteprüfung nach Brinell"},
        {305, 110, "EN ISO 6506-1"},
        {305, 140, "Härteprüfung nach Rockwell"},
        {305, 170, "EN ISO 6508-1"},
        {305, 200, "Härteprüfung nach Vickers"},
        {305, 230, "EN ISO 6507-1"},
        {305, 260, "Werkstoffkennwert: Härte"},
        {555, 80, "EN ISO 10045-1"},
        {555, 110, "Werkstoffkennwert:"},
        {555, 140, "Zähigkeit"},
        {555, 230, "DIN 50100"},
        {555, 260, "Ermittlung der"},
        {555, 290, "Dauerfestigkeit"},
    });
}

}
