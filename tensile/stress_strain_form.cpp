#include "stress_strain_form.h"

#include "stress_strain_terms.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/errors.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QKeyEvent>
#include <QListWidget>

using tensile::Steel;
using tensile::StressStrainScene;

TFormZug* FormZug = nullptr;

namespace {

// The list of terms: a click on an item, or moving through the list with the
// keyboard, shows the current term. The highlight is the term shown: one term
// at a time, chosen again when clicked again, with Ctrl or Shift held too.
class TermListBox : public QListWidget {
public:
    TermListBox(QWidget* parent, std::function<void()> onClick) : QListWidget(parent), m_onClick(std::move(onClick))
    {
        setSelectionMode(QAbstractItemView::SingleSelection);
        connect(this, &QListWidget::itemClicked, this, [this] { tk::runWindowHandler(this, m_onClick); });
    }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent*) const override
    {
        return index.isValid() ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                               : QItemSelectionModel::NoUpdate;
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        const int before = currentRow();
        QListWidget::keyPressEvent(e);
        if (currentRow() != before)
            tk::runWindowHandler(this, m_onClick);
    }

private:
    std::function<void()> m_onClick;
};

//: Explanation memo beside the stress-strain diagram: 263 pixels wide, about 36
//: characters a line, 19 lines; break the lines by hand with \n.
const char* const curveExplanation = QT_TRANSLATE_NOOP("TFormZug",
    " Die Grafik zeigt schematisch die\n"
    " Spannungs-Dehnungskurven für einen\n"
    " unlegierten- und einen hochlegierten\n"
    " Stahl.\n"
    "  \n"
    " Im weiteren werden die wichtigsten\n"
    " Kenngrößen, die bei Ermittlung einer\n"
    " Spannungs-Dehnungskurve von \n"
    " Bedeutung sind, erläutert.\n"
    "\n"
    " Austenitische Stähle verfügen im \n"
    " lösungsgeglühten Zustand im Vergleich\n"
    " zu einem unlegierten Stahl über eine\n"
    " wesentlich höhere Bruchdehnung.");

}

TFormZug::TFormZug()
    : tk::Form(QStringLiteral("TFormZug"),
               //: Window title
               tr("Zugversuch nach DIN EN 10002: Spannungs-Dehnungs-Kurve"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    //: Menu item that draws the curve of an unalloyed steel; access key after &
    m_startUn = addMenuItem(tr("&unlegierter Stahl"), QStringLiteral("StartUn"), [this] { StartUnClick(); });
    //: Menu item that draws the curve of a high-alloy austenitic steel; access key after &
    m_startCrNi = addMenuItem(tr("&hochlegierter austenitischer Stahl"), QStringLiteral("StartCrNi"),
                              [this] { StartCrNiClick(); });
    //: Menu item that clears the diagram; access key after &
    m_neu = addMenuItem(tr("&Loeschen/Neu"), QStringLiteral("Neu"), [this] { NeuClick(); });

    m_diagram = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 280, 5, 500, 410);
    m_diagram->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_diagram->describe(tr("Spannungs-Dehnungs-Diagramm"),
                        tr("Spannung über der Dehnung für einen unlegierten und einen hochlegierten austenitischen "
                           "Stahl"));
    m_diagram->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_terms = new tk::PaintBox(client(), QStringLiteral("PaintBoxBegriffe"), 230, 380, 550, 140);
    m_terms->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_terms->describe(tr("Begriffe des Zugversuchs"),
                      tr("Definition und Formel des in der Liste gewählten Begriffs"));
    m_terms->setOnPaint([this] { PaintBoxBegriffePaint(); });

    m_memo = new tk::Memo(client(), QStringLiteral("MemoErlaeuterung"), 28, 5, 263, 375, tk::colours::lightYellow);
    m_memo->setReadOnly(true);
    m_memo->setFocusPolicy(Qt::ClickFocus);
    m_memo->setFixedLines(tr(curveExplanation).split(u'\n'), tk::Font::cell(QStringLiteral("MS Sans Serif"), 18));

    // Above the memo, whose lower edge it overlaps, so all terms can be seen.
    m_list = new TermListBox(client(), [this] { ListBoxBegriffeClick(); });
    m_list->setObjectName(QStringLiteral("ListBoxBegriffe"));
    //: Accessible name of the list of tensile test terms
    m_list->setAccessibleName(tr("Begriffe"));
    m_list->setGeometry(28, 360, 200, 160);
    m_list->setUniformItemSizes(true);
    m_list->setFont(tk::qtFont(tk::Font::character(QStringLiteral("MS Sans Serif"), 15, true)));
    QPalette p = m_list->palette();
    p.setColor(QPalette::Base, tk::colours::lightYellow);
    p.setColor(QPalette::Text, Qt::black);
    m_list->setPalette(p);
    m_list->setSortingEnabled(true);
    // The list sorts its names; each item keeps the number of its explanation,
    // since the sorted order is that of the explanations only in German.
    const QStringList names = tensile::termNames();
    for (int i = 0; i < names.size(); ++i) {
        auto* item = new QListWidgetItem(names[i], m_list);
        item->setData(Qt::UserRole, i);
        item->setSizeHint(QSize(0, 16));
    }

    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));

    m_timerUn = addTimer(QStringLiteral("TimerUn"), StressStrainScene::tickInterval, [this] { TimerUnTimer(); });
    m_timerCrNi = addTimer(QStringLiteral("TimerCrNi"), StressStrainScene::tickInterval, [this] { TimerCrNiTimer(); });

    // While a curve grows the window takes no input and cannot be closed.
    bindInput([this] { return !m_scene.running(); });
    bindEnabled(m_startUn, [this] { return m_scene.startEnabled(Steel::Unalloyed); });
    bindEnabled(m_startCrNi, [this] { return m_scene.startEnabled(Steel::Austenitic); });
    bindEnabled(m_neu, [this] { return m_scene.eraseEnabled(); });
    bindTimer(m_timerUn, [this] { return m_scene.running() == Steel::Unalloyed; });
    bindTimer(m_timerCrNi, [this] { return m_scene.running() == Steel::Austenitic; });
    bindAnnouncement(m_diagram, [this] {
        if (m_scene.running())
            return tr("Kurve wird gezeichnet");
        QStringList drawn;
        if (!m_scene.startEnabled(Steel::Unalloyed))
            drawn << tr("unlegierter Stahl");
        if (!m_scene.startEnabled(Steel::Austenitic))
            drawn << tr("hochlegierter austenitischer Stahl");
        //: Announced to screen readers; %1 lists the curves drawn, separated by commas
        return drawn.isEmpty() ? QString() : tr("Kurven gezeichnet: %1").arg(drawn.join(QStringLiteral(", ")));
    });
}

void TFormZug::formCreate()
{
    FormZug->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    tk::PaintBox* haupt = FormZug->m_diagram;
    haupt->setBounds(280, 5, 500, 410);
    FormZug->m_terms->setBounds(haupt->x() - 50, 380, 550, 140);
    FormZug->m_list->setGeometry(haupt->x() - 252, 360, 200, 160);
    FormZug->m_memo->setGeometry(haupt->x() - 252, haupt->y(), 263, 375);
}

void TFormZug::PaintBoxHauptPaint() { m_scene.paintDiagram(m_diagram->canvas(), formWidth()); }

void TFormZug::PaintBoxBegriffePaint()
{
    // The panel shows its first term by default, with no term chosen.
    tensile::paintTermsPanel(m_terms->canvas());
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
}

void TFormZug::StartUnClick() { startCurve(Steel::Unalloyed); }

void TFormZug::StartCrNiClick() { startCurve(Steel::Austenitic); }

void TFormZug::startCurve(Steel steel)
{
    // The curve grows on the diagram as painted, never on a stale surface.
    m_diagram->ensurePainted();
    m_scene.start(steel, m_diagram->canvas());
}

void TFormZug::TimerUnTimer() { curveTick(Steel::Unalloyed); }

void TFormZug::TimerCrNiTimer() { curveTick(Steel::Austenitic); }

void TFormZug::curveTick(Steel steel)
{
    m_scene.tick(steel, m_diagram->canvas());
    m_diagram->showDrawn();
}

void TFormZug::NeuClick()
{
    repaintAll();
    m_scene.erase();
}

void TFormZug::EndeClick() { close(); }

void TFormZug::ESCClick() { close(); }

void TFormZug::ListBoxBegriffeClick()
{
    m_terms->ensurePainted();
    const QListWidgetItem* item = m_list->currentItem();
    if (item && tensile::showTerm(m_terms->canvas(), item->data(Qt::UserRole).toInt()))
        m_terms->showDrawn();
}

void TFormZug::formClose() { m_scene.close(m_diagram->canvas()); }
