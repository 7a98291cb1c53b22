#include "common/test_main.h"

#include "fatigue/influence_factors_form.h"
#include "fatigue/introduction_form.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"

#include <QAction>
#include <QLabel>
#include <memory>

namespace {

constexpr QRgb black = 0x000000, white = 0xFFFFFF, lightYellow = 0xFFFF80;

template <typename Window>
std::unique_ptr<Window> open(Window*& global)
{
    global = new Window;
    global->formCreate();
    global->show();
    QApplication::processEvents();
    return std::unique_ptr<Window>(global);
}

QRgb pixel(tk::PaintBox* box, int x, int y)
{
    box->ensurePainted();
    return box->canvas().pixel(x, y);
}

bool inkInRows(tk::PaintBox* box, int top, int bottom, int left = 0, int right = 749)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (pixel(box, x, y) == black)
                return true;
    return false;
}

}

class InfluenceFactorsTest : public QObject {
    Q_OBJECT
private slots:
    // Fifteen captioned panels over the tree's lines: every group is joined
    // at its middle to the bus, and every factor to its bus at its middle.
    void panelsAndConnectors()
    {
        auto w = open(FormDauerEinfluss);
        tk::PaintBox* box = w->paintBoxHaupt();
        const QList<tk::Panel*> panels = w->client()->findChildren<tk::Panel*>();
        QCOMPARE(panels.size(), 15);
        int groups = 0;
        for (tk::Panel* p : panels) {
            QVERIFY2(!p->caption().isEmpty(), qPrintable(p->objectName()));
            auto* caption = p->findChild<QLabel*>();
            QVERIFY(caption->font().bold());
            QCOMPARE(w->client()->childAt(p->geometry().center()), static_cast<QWidget*>(caption));
            // The connector meets the panel at its vertical centre, in the
            // gap on the side that faces the bus.
            const QRect g = p->geometry().translated(-box->x(), -box->y());
            const bool group = g.right() < 300;
            groups += group ? 1 : 0;
            const int x = group ? g.right() + 10 : g.left() - 10;
            QVERIFY2(pixel(box, x, g.center().y()) == black, qPrintable(p->caption()));
            QVERIFY2(pixel(box, x, g.top() - 3) == white, qPrintable(p->caption()));
        }
        QCOMPARE(groups, 4);
        QCOMPARE(w->findChild<tk::Panel*>("PanelOber")->caption(), QStringLiteral("Oberflächenzustand"));
        // The buses of neighbouring groups stay apart.
        QCOMPARE(pixel(box, 300, 140), white);
        QCOMPARE(pixel(box, 300, 400), white);
        QCOMPARE(pixel(box, 300, 100), black);
    }
};

class IntroductionTest : public QObject {
    Q_OBJECT
private slots:
    // The bold status bar of its own name; Escape closes the window.
    void statusBarAndEscape()
    {
        auto w = open(FormDauerTExt);
        QCOMPARE(w->statusBar()->objectName(), QStringLiteral("StatusBarHint"));
        QVERIFY(w->statusBar()->font().bold());
        QAction* escape = w->findChild<QAction*>("ESCAPE");
        escape->trigger();
        QVERIFY(!w->isVisible());
    }

    // Three paragraphs of black text on the light-yellow sheet with its
    // frame, a blank row between the paragraphs.
    void theSheet()
    {
        auto w = open(FormDauerTExt);
        tk::PaintBox* box = w->paintBoxText();
        QCOMPARE(pixel(box, 0, 175), black);
        QCOMPARE(pixel(box, 749, 175), black);
        QCOMPARE(pixel(box, 5, 5), lightYellow);
        QCOMPARE(pixel(box, 700, 420), lightYellow);
        for (int row : {20, 50, 80, 110, 140, 190, 220, 250, 280, 330, 360})
            QVERIFY2(inkInRows(box, row + 4, row + 20, 20, 100), qPrintable(QString::number(row)));
        QVERIFY(!inkInRows(box, 165, 188, 1, 748));
        QVERIFY(!inkInRows(box, 305, 328, 1, 748));
        QVERIFY(!inkInRows(box, 385, 448, 1, 748));
    }

    // The font name is matched without regard to case.
    void fontNameInAnyCase()
    {
        auto draw = [](const QString& name) {
            auto surface = std::make_shared<tk::Surface>(300, 30);
            surface->fill(Qt::white);
            tk::Canvas c(surface);
            c.setFont(tk::Font::cell(name, 24));
            c.textOut(0, 0, QStringLiteral("Zeitlich verändernde"));
            return surface->image().copy();
        };
        const QImage reference = draw(QStringLiteral("MS Sans Serif"));
        QVERIFY(draw(QStringLiteral("Ms Sans Serif")) == reference);
        QVERIFY(draw(QStringLiteral("ms sans serif")) == reference);
    }
};

REGISTER_TEST(InfluenceFactorsTest)
REGISTER_TEST(IntroductionTest)
#include "tst_influence_and_introduction.moc"
