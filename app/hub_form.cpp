#include "hub_form.h"

#include "registry.h"
#include "toolkit/colours.h"
#include "toolkit/numbers.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QAction>
#include <QMenu>

TFormMPUeber* FormMPUeber = nullptr;

const std::vector<TFormMPUeber::TopicMenu>& TFormMPUeber::topicMenus()
{
    static const std::vector<TopicMenu> menus = {
        {"&Härteprüfung", "Hrteprfung1",
         {{"Härteprüfmaschine (schematisch)", "SchematischeHrteprfmaschine1", "TFormHaerte"},
          {"Brinellhärtemessung ", "Brinellhrtemessung1", "TFormBrinell"},
          {"Rockwellhärtemessung", "Rockwellhrtemessung1", "TFormRockwell"},
          {"Vickershärtemessung", "Vickershrtemessung1", "TFormVickers"},
          {"Vickershärteprüfeinrichtung", "vickershrteprfeinrichtung1", "TFormHVA223"}}},
        {"Kerbschlagbiegeversuch", "Kerbschlagbiegeversuch1",
         {{"Pendelschlagwerk (schematisch)", "Kerbschlagbiegeversuch2", "TFormKerbHa"},
          {"Pendelschlagwerk ", "Pendelschlagwerkschematisch1", "TFormHammerD108"}}},
        {"Zugversuch", "Zugversuch1",
         {{"Zugprüfmaschine (schematisch)", "SchematischeZugprfmaschine1", "TFormZugma"},
          {"Spannungs-Dehnungs-Kurve", "SpannungsDehnungskurve1", "TFormZugAnniHoch"},
          {"Stahl im Zugversuch", "StahlimZugversuch1", "TFormZug"},
          {"Zugprüfmaschine", "ZUgprfmaschine1", "TFormZugD108"}}},
        {"&Dauerschwingversuch", "Dauerschwingversuch1",
         {{"Einleitung", "Einleitung1", "TFormDauerTExt"},
          {"Wechselbiegemaschine", "Wechselbiegemaschine1", "TFormDauerWBM"},
          {"Belastungsbereiche", "Belastungsbereiche1", "TFormDauer1"},
          {"Einflussgrößen", "Einflussgren1", "TFormDauerEinfluss"},
          {"Einfluss: Kristallgitter", "Whlerkurven1", "TFormDauer2"},
          {"Einfluss: Umgebung", "EinflussUmgebung1", "TFormDauer3"},
          {"Einfluss: Eigenspannungen", "EinflussEigenspannungen1", "TFormDauer4"},
          {"Aufnahme einer Wöhlerlinie", "AufnahmeeinerWhlerlinie1", "TFormDauerWoehler"},
          {"Dauerbruchfläche", "DauerBruchflche1", "TFormDauerBild"}}},
        {"&Berechnungen", "Berechnungen1",
         {{"&Vickers", "FormHauptVickers1", "TFormHV"}, {"&Brinell", "Brinell1", "TFormHB"}}},
    };
    return menus;
}

TFormMPUeber::TFormMPUeber()
    : tk::Form(QStringLiteral("TFormMPUeber"), QStringLiteral("Ermittlung von Werkstoffkennwerten"))
{
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    for (const TopicMenu& m : topicMenus()) {
        QMenu* menu = addMenu(QString::fromUtf8(m.caption), QString::fromUtf8(m.name));
        for (const Topic& t : m.topics) {
            const QString windowClass = QString::fromUtf8(t.windowClass);
            QAction* item = addMenuItem(QString::fromUtf8(t.caption), QString::fromUtf8(t.item),
                                        [this, windowClass] { showTopic(windowClass); }, menu);
            // A topic whose window this build does not contain stays visible
            // but cannot be chosen.
            item->setEnabled(app::isBuilt(windowClass));
        }
    }

    m_paintBox = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 0, 0, 800, 550);
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

void TFormMPUeber::showTopic(const QString& windowClass)
{
    if (tk::Form* window = app::findWindow(windowClass))
        window->showModal();
}

void TFormMPUeber::PaintBoxHauptPaint()
{
    paintOverview(m_paintBox->canvas(), m_horizontalFactor, m_verticalFactor);
}

void paintOverview(tk::Canvas& c, double horizontalFactor, double verticalFactor)
{
    struct Text {
        int x, y;
        const char* text;
    };

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
    static const Text headings[] = {
        {50, 380, "Normbezeichnungen und zu ermittelnde Werkstoffkennwerte"},
        {150, 420, "der hier behandelten Werkstoffprüfverfahren "},
        {50, 30, "Zugversuch"},
        {305, 30, "Härteprüfung"},
        {555, 30, "Kerbschlagbiege-"},
        {555, 52, "versuch"},
        {550, 190, "Dauerschwingversuch"},
    };
    for (const Text& t : headings)
        c.textOut(t.x, t.y, QString::fromUtf8(t.text));

    c.setFontHeight(22);
    static const Text entries[] = {
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
    };
    for (const Text& t : entries)
        c.textOut(t.x, t.y, QString::fromUtf8(t.text));
}
