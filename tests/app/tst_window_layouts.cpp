#include "common/test_main.h"

#include "app/registry.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace {

using Border = tk::Form::Border;

// Where a window stands on the screen.
enum class Place {
    FullScreen,
    Centred,
    LeftEdge,  // at left 1, centred vertically
    RightEdge, // 10 pixels from the right edge, centred vertically
    Fixed,     // at the same place on every screen
};

// A window as its layout describes it. The menu has one line per item,
// "name=caption", the items of a sub-menu indented by two blanks under it,
// with the shortcut and "hidden" or "disabled" in brackets; the hidden items
// sit on the window, where their keys work, but are never drawn. Timers are
// "name interval", with "running" for one that runs.
struct Layout {
    const char* window;
    const char* caption;
    QColor colour;
    const char* status; // null: no status bar
    QStringList menu;
    QStringList timers;
    Border border;
    Place place;
    QSize size;
    QPoint at = {}; // where the place is fixed
};

const QColor green(0, 202, 156), buttonFace(212, 208, 200), rose(255, 191, 191), white(Qt::white);
const char* const esc = "ESC = Abbruch";
const QStringList closing = {"Ende1=&Ende", "ESC1=ESC (Esc, hidden)"};
const QSize topic(800, 600);

const std::vector<Layout>& layouts()
{
    static const std::vector<Layout> table = {
        {"TFormHaupt", "Mechanische Werkstoffprüfung", QColor(0, 128, 128), esc,
         {"Datei=&Datei", "  Hintergrundfarbe1=Hintergrundfarbe", "  Beenden=&Beenden",
          "  Sprache=Sprache / Language …", "bersicht1=&Einleitung ",
          "Information1=&Information", "ESC1=ESC (Esc, hidden)"},
         {}, Border::ToolWindow, Place::FullScreen, {}},
        {"TFormHaerte", "Härteprüfmaschine (schematisch)", green, esc, {"Ende=&Ende", "ESC=ESC (Esc, hidden)"}, {},
         Border::ToolWindow, Place::Centred, topic},
        {"TFormBrinell", "Härtemessung nach Brinell (DIN EN 6506-1)", green, esc,
         {"Ende=&Ende", "StartDown=&Start", "BerechnungderBrinellwerte1=&Berechnung der Brinellwerte",
          "Berechnungsgrundlagen1=Be&rechnungsgrundlagen", "ESC=ESC (Esc, hidden)"},
         {"TimerDown 50"}, Border::ToolWindow, Place::Centred, topic},
        {"TFormRockwell", "Härtemessung nach Rockwell DIN EN 6508-1 (früher DIN 50103)", green,
         "ESC = Abbruch, F1 = Prozess anhalten/fortfahren",
         {"Ende=&Ende", "StartDown=&Start", "ESC=ESC (Esc, hidden)", "Stop=&Anhalten (F1, hidden)"},
         {"TimerDown 50"}, Border::ToolWindow, Place::Centred, topic},
        {"TFormVickers", "Härtemessung nach Vickers (DIN 50133)", green, esc,
         {"Ende=&Ende", "StartDown=&Start", "Rechnung=&Berechnung der Vickerswerte",
          "Berechnungsgrundlage1=Berechnungs&grundlage", "ESC=ESC (Esc, hidden)"},
         {"TimerDown 50"}, Border::ToolWindow, Place::Centred, topic},
        {"TFormZugma", "Zugversuch nach DIN EN 10002: Zugprüfmaschine (schematisch)", green, esc,
         {"Ende=&Ende", "Start=&Start bewegliches Querhaupt", "Neu=&Neu (disabled)", "ESC=ESC (Esc, hidden)"},
         {"TimerBew 50"}, Border::ToolWindow, Place::Centred, topic},
        {"TFormZug", "Zugversuch nach DIN EN 10002: Spannungs-Dehnungs-Kurve", green, esc,
         {"Ende=&Ende", "StartUn=&unlegierter Stahl", "StartCrNi=&hochlegierter austenitischer Stahl",
          "Neu=&Loeschen/Neu (disabled)", "ESC=ESC (Esc, hidden)"},
         {"TimerUn 50", "TimerCrNi 50"}, Border::ToolWindow, Place::Centred, topic},
        {"TFormKerbHa", "Kerbschlagbiegeversuch (DIN 50115, DIN EN 10045-1): Pendelschlagwerk (schematisch)", green,
         esc, {"Ende=&Ende", "Start=&Start", "Neu=&Löschen/neu (disabled)", "ESC=ESC (Esc, hidden)"},
         {"TimerHammer1 50"}, Border::ToolWindow, Place::Centred, topic},
        {"TFormAvT", "Kerbschlagarbeit-Temperatur-Kurve: ISO-V-Probe", white, esc,
         {"Ende=&Ende", "CharakteristischeBruchflchen1=&Charakteristische Bruchflächen", "ESC=ESC (Esc, hidden)"},
         {}, Border::ToolWindow, Place::Fixed, {550, 460}, {10, 50}},
        // The fracture pictures have no menu; Escape closes them all the same.
        {"TFormBildH", "Zäher Bruch St 37", buttonFace, nullptr, {"ESC=ESC (Esc, hidden)"}, {}, Border::ToolWindow,
         Place::Fixed, {230, 190}, {570, 1}},
        {"TFormBildM", "Mischbruch St 37", buttonFace, nullptr, {"ESC=ESC (Esc, hidden)"}, {}, Border::ToolWindow,
         Place::Fixed, {230, 190}, {570, 191}},
        {"TFormBildT", "Sprödbruch St 37", buttonFace, nullptr, {"ESC=ESC (Esc, hidden)"}, {}, Border::ToolWindow,
         Place::Fixed, {230, 190}, {570, 381}},
        {"TFormHB", "Berechnung der Brinallhärte HB", green, "", closing, {}, Border::Sizeable, Place::LeftEdge,
         {480, 600}},
        {"TFormHV", "Berechnung der Vickershärte HV", green, "", closing, {}, Border::Sizeable, Place::LeftEdge,
         {480, 600}},
        {"TFormZugAnniHoch", "Zugversuch nach DIN EN 10002: Spannungs-Dehnungs-Kurve mit Standardprobe",
         QColor(0, 128, 64), esc, {"Ende=&Ende", "StartZug=&Start Zugversuch", "ESC=ESC (Esc, hidden)"},
         {"TimerKurve 50", "TimerAni 50"}, Border::ToolWindow, Place::Centred, topic},
        {"TFormBildAus", "Zäher Bruch austenitischer Stahl", buttonFace, nullptr, {"ESC=ESC (Esc, hidden)"}, {},
         Border::ToolWindow, Place::Fixed, {230, 190}, {330, 1}},
        {"TFormInfo", "Information", QColor(0, 242, 188), nullptr, closing, {}, Border::ToolWindow, Place::Centred,
         {710, 400}},
        {"TFormHVA223", "Vickershärteprüfgerät Harlunde", buttonFace, nullptr,
         {"Ende1=&Ende", "Ableseeinrichtung1=&Ableseeinrichtung", "Prfkraftauflage1=&Prüfkraftauflage",
          "PrfkrperundProbe1=Prüfkörpereinfassung und P&robe", "ESC1=ESC (Esc, hidden)"},
         {}, Border::ToolWindow, Place::Centred, topic},
        {"TFormHVA223Koerper", "Vickershärteprüfgerät: Prüfkörpereinfassung und Probe", buttonFace, nullptr, closing,
         {}, Border::ToolWindow, Place::Centred, topic},
        {"TFormHVA223Kraft", "Vickershärteprüfgerät: Prüfkraftauflage", buttonFace, nullptr, closing, {},
         Border::ToolWindow, Place::Centred, topic},
        {"TFormHVA223Lese", "Vickershärteprüfgerät: Ableseeinrichtung", buttonFace, nullptr, closing, {},
         Border::ToolWindow, Place::Centred, topic},
        {"TFormMPUeber", "Ermittlung von Werkstoffkennwerten", green, esc,
         {"Ende1=&Ende",
          "Hrteprfung1=&Härteprüfung",
          "  SchematischeHrteprfmaschine1=Härteprüfmaschine (schematisch)",
          "  Brinellhrtemessung1=Brinellhärtemessung ",
          "  Rockwellhrtemessung1=Rockwellhärtemessung",
          "  Vickershrtemessung1=Vickershärtemessung",
          "  vickershrteprfeinrichtung1=Vickershärteprüfeinrichtung",
          "Kerbschlagbiegeversuch1=Kerbschlagbiegeversuch",
          "  Kerbschlagbiegeversuch2=Pendelschlagwerk (schematisch)",
          "  Pendelschlagwerkschematisch1=Pendelschlagwerk ",
          "Zugversuch1=Zugversuch",
          "  SchematischeZugprfmaschine1=Zugprüfmaschine (schematisch)",
          "  SpannungsDehnungskurve1=Spannungs-Dehnungs-Kurve",
          "  StahlimZugversuch1=Stahl im Zugversuch",
          "  ZUgprfmaschine1=Zugprüfmaschine",
          "Dauerschwingversuch1=&Dauerschwingversuch",
          "  Einleitung1=Einleitung",
          "  Wechselbiegemaschine1=Wechselbiegemaschine",
          "  Belastungsbereiche1=Belastungsbereiche",
          "  Einflussgren1=Einflussgrößen",
          "  Whlerkurven1=Einfluss: Kristallgitter",
          "  EinflussUmgebung1=Einfluss: Umgebung",
          "  EinflussEigenspannungen1=Einfluss: Eigenspannungen",
          "  AufnahmeeinerWhlerlinie1=Aufnahme einer Wöhlerlinie",
          "  DauerBruchflche1=Dauerbruchfläche",
          "Berechnungen1=&Berechnungen",
          "  FormHauptVickers1=&Vickers",
          "  Brinell1=&Brinell",
          "Auswertung1=&Auswertung",
          "  Zugversuchauswerten1=Zugversuch auswerten …",
          "  KerbschlagAuswerten=Kerbschlagbiegeversuch auswerten …",
          "  WoehlerAuswerten=Wöhlerversuch auswerten …",
          "ESC1=ESC (Esc, hidden)"},
         {}, Border::ToolWindow, Place::FullScreen, {}},
        {"TFormZugD108", "Zugprüfmaschine Harlunde", rose, nullptr, closing, {}, Border::ToolWindow, Place::Centred,
         topic},
        {"TFormHammerD108", "Pendelschlagwerk Harlunde", rose, nullptr, closing, {}, Border::ToolWindow,
         Place::Centred, topic},
        {"TFormHVGraph", "Graphische Ausgabe der ermittelten Härtewerte", green, esc,
         {"Ende1=&Ende", "Diagramm1=&Diagramm Zeichnen", "Beispiele1=&Beispiele", "  CK45=CK45",
          "  Einsatzstahl1=Einsatzstahl", "NeuZeichnen=&Neu Zeichnen", "ESC1=ESC (Esc, hidden)"},
         {}, Border::Sizeable, Place::RightEdge, {700, 500}},
        {"TFormDauer1", "Bereiche der Dauerschwingbeanspruchung", green, esc,
         {"Ende1=&Ende", "NeuZeichnen1=&Neu Zeichnen", "ESC1=ESC (Esc, hidden)"}, {"TimerSchwing 50"},
         Border::ToolWindow, Place::Centred, topic},
        {"TFormDauer2", "Wöhlerkurve: Einfluss des Kristallgitters ", green, esc,
         {"Ende1=&Ende", "KubischraumzentrierteSthle1=Kubisch-&raumzentriertes Gitter",
          "KubischflchenzentrierteSthle1=Kubisch-&flächenzentriertes Gitter", "NeuZeichnen1=&Neu Zeichnen",
          "ESC1=ESC (Esc, hidden)"},
         {"TimerKRZ 50", "TimerKFZ 50"}, Border::SizeableToolWindow, Place::Centred, topic},
        {"TFormDauerWBM", "Wechselbiegemaschine (schematisch)", white, esc,
         {"Ende1=&Ende", "Start1=Start", "Stopp1=Stopp", "NeuStarten1=&Neu Starten", "ESC1=ESC (Esc, hidden)"},
         {"TimerRot 50"}, Border::SizeableToolWindow, Place::Centred, topic},
        {"TFormDauerEinfluss", "Einflussgrößen auf die Dauerfestigkeit von Bauteilen", green, esc, closing, {},
         Border::SizeableToolWindow, Place::Centred, topic},
        {"TFormDauer3", "Wöhlerkurve: Einfluss des Umgebungsmedium", green, esc,
         {"Ende1=&Ende", "KubischraumzentrierteSthle1=&Ausgangszustand", "KubischflchenzentrierteSthle1=K&orrosion",
          "NeuZeichnen1=&Neu Zeichnen", "ESC1=ESC (Esc, hidden)"},
         {"TimerKRZ 50", "TimerKFZ 50"}, Border::SizeableToolWindow, Place::Centred, topic},
        {"TFormDauerWoehler",
         "Aufnahme einer Wöhlerlinie einer weichgeglühten und kugelgestrahlten Aluminiumlegierung AlMg4,5Mn", green,
         esc,
         {"Ende1=&Ende",
          "SpannampWeich=&Weichgeglüht",
          "  WeichSp180=Spannungsamplitude 180 N/qmm",
          "  WeichSp160=Spannungsamplitude 160 N/qmm",
          "  WeichSp140=Spannungsamplitude 140 N/qmm",
          "  WeichSp130=Spannungsamplitude 130 N/qmm",
          "  WeichSp120=Spannungsamplitude 120 N/qmm",
          "SpannampKugel=&Kugelgestrahlt",
          "  KugelSp200=Spannungsamplitude 200 N/qmm",
          "  KugelSp185=Spannungsamplitude 185 N/qmm",
          "  KugelSp170=Spannungsamplitude 170 N/qmm",
          "  KugelSp160=Spannungsamplitude 160 N/qmm",
          "  KugelSp150=Spannungsamplitude 150 N/qmm",
          "Vollbild=&Vollbild (disabled)",
          "Wahrscheinlichkeiten=&Bruchwahrscheinlichkeit (disabled)",
          "  WahrscheinW0=Weichgeglüht 10%",
          "  WahrscheinK0=Kugelgestrahlt 10%",
          "  WahrscheinW50=Weichgeglüht 50%",
          "  WahrscheinK50=Kugelgestrahlt 50%",
          "  WahrscheinW100=Weichgeglüht 90%",
          "  WahrscheinK100=Kugelgestrahlt 90%",
          "NeuZeichnen1=&Neu Zeichnen",
          "ESC1=ESC (Esc, hidden)"},
         {"TimerSchwing 50"}, Border::SizeableToolWindow, Place::Centred, topic},
        {"TFormDauerBild", "Dauerbruch: Austenitischer Chrom-Nickel Stahl", QColor(Qt::black), esc, closing, {},
         Border::SizeableToolWindow, Place::Centred, topic},
        {"TFormDauerTExt", "Ermittlung der Dauerfestigkeit", green, esc,
         {"Ende=&Ende", "ESCAPE=ESCAPE (Esc, hidden)"}, {}, Border::ToolWindow, Place::Centred, topic},
        {"TFormDauer4", "Wöhlerkurve: Einfluss von Eigenspannungen", green, esc,
         {"Ende1=&Ende", "Frei=&Keine Eigenspannungen", "Zug=&Zugeigenspannungen", "Druck=&Druckeigenspannungen",
          "NeuZeichnen1=&Neu Zeichnen", "ESC1=ESC (Esc, hidden)"},
         {"TimerFrei 50", "TimerZug 50", "TimerDruck 50"}, Border::SizeableToolWindow, Place::Centred, topic},
    };
    return table;
}

void addItems(const QList<QAction*>& actions, int depth, bool hidden, QStringList& lines)
{
    for (const QAction* a : actions) {
        // Left out: the keys that copy, save and print the picture, which
        // every window has, and the keys of a drawing's regions, which carry
        // no caption.
        static const QStringList everyWindowsKeys = {QStringLiteral("BildKopierenTaste"),
                                                     QStringLiteral("BildSpeichernTaste"),
                                                     QStringLiteral("DruckenTaste")};
        if (hidden && (a->text().isEmpty() || everyWindowsKeys.contains(a->objectName())))
            continue;
        QStringList flags;
        if (!a->shortcut().isEmpty())
            flags << a->shortcut().toString(QKeySequence::PortableText);
        if (hidden)
            flags << QStringLiteral("hidden");
        if (!a->isEnabled())
            flags << QStringLiteral("disabled");
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        lines << QString(2 * depth, u' ') + name + u'=' + a->text() +
                     (flags.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(flags.join(QStringLiteral(", "))));
        if (a->menu())
            addItems(a->menu()->actions(), depth + 1, false, lines);
    }
}

QStringList menuOutline(const tk::Form* form)
{
    QStringList lines;
    addItems(form->menuBar()->actions(), 0, false, lines);
    addItems(form->actions(), 0, true, lines);
    return lines;
}

QStringList timerOutline(const tk::Form* form)
{
    QStringList lines;
    for (const tk::Timer* t : form->findChildren<tk::Timer*>())
        lines << QStringLiteral("%1 %2%3")
                     .arg(t->objectName())
                     .arg(t->interval())
                     .arg(t->isActive() ? QStringLiteral(" running") : QString());
    return lines;
}

QRect expectedBounds(const Layout& l, QSize screen)
{
    const int centredTop = (screen.height() - l.size.height()) / 2;
    switch (l.place) {
    case Place::FullScreen:
        return QRect(QPoint(0, 0), screen);
    case Place::Centred:
        return QRect(QPoint((screen.width() - l.size.width()) / 2, centredTop), l.size);
    case Place::LeftEdge:
        return QRect(QPoint(1, centredTop), l.size);
    case Place::RightEdge:
        return QRect(QPoint(screen.width() - l.size.width() - 10, centredTop), l.size);
    case Place::Fixed:
        break;
    }
    return QRect(l.at, l.size);
}

QRect bounds(const tk::Form* form) { return QRect(form->left(), form->top(), form->formWidth(), form->formHeight()); }

void addRows()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < layouts().size(); ++i)
        QTest::newRow(layouts()[i].window) << int(i);
}

}

// Every window as its layout writes it: caption, background colour, status
// bar, menus and timers when the program has started, its frame, and where
// it stands on screens of two sizes. This table is the one place the tests
// spell out the captions and menu texts; a typo here or in the program is a
// fault.
class WindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::createWindows(); }
    void cleanup()
    {
        tk::setScreenSize(QSize(1024, 768));
        if (tk::Form* form = app::findWindow(QString::fromLatin1(QTest::currentDataTag())))
            form->formCreate();
    }

    void everyWindowHasARow()
    {
        QStringList listed;
        for (const Layout& l : layouts())
            listed << QString::fromLatin1(l.window);
        QCOMPARE(listed, app::windowOrder());
    }

    void captionsMenusAndTimers_data() { addRows(); }
    void captionsMenusAndTimers()
    {
        QFETCH(int, row);
        const Layout& l = layouts()[row];
        tk::Form* form = app::findWindow(QString::fromLatin1(l.window));
        QVERIFY(form);
        form->refreshBindings(); // as every showing does
        QCOMPARE(form->windowTitle(), QString::fromUtf8(l.caption));
        QCOMPARE(form->color(), l.colour);
        QCOMPARE(form->statusBar() != nullptr, l.status != nullptr);
        if (l.status)
            QCOMPARE(form->statusBar()->text(), QString::fromUtf8(l.status));
        QCOMPARE(menuOutline(form), l.menu);
        QCOMPARE(timerOutline(form), l.timers);
    }

    // The frame, and the place by the window's rule on the screen the
    // program starts on and on a larger one.
    void placement_data() { addRows(); }
    void placement()
    {
        QFETCH(int, row);
        const Layout& l = layouts()[row];
        tk::Form* form = app::findWindow(QString::fromLatin1(l.window));
        QCOMPARE(form->border(), l.border);
        for (const QSize screen : {QSize(1024, 768), QSize(1280, 1024)}) {
            tk::setScreenSize(screen);
            form->formCreate();
            QCOMPARE(bounds(form), expectedBounds(l, screen));
        }
    }
};

REGISTER_TEST(WindowLayoutTest)

#include "tst_window_layouts.moc"
