#include "common/test_main.h"
#include "common/text_layout.h"

#include "app/registry.h"
#include "toolkit/form.h"

#include <QApplication>
#include <QMultiHash>

namespace {

// Labels of a schematic that their layout places across the outline of a
// part on purpose (the label names what it lies on); each is named with the
// window.
const QMultiHash<QString, QString> crossingByDesign = {
    // Names the spindles to the right of the frame's opening; the opening
    // ends 30 pixels after the label begins.
    {QStringLiteral("TFormZugma"), QStringLiteral("\"Gewinde-\" at (360, 210) crosses the right edge")},
    {QStringLiteral("TFormZugma"), QStringLiteral("\"stangen\" at (360, 230) crosses the right edge")},
};

}

// Every window of the program, drawn as it first shows: its texts fit the
// boxes, bars and frames they were placed in, and its subscripts and
// exponents stand next to their letters. Windows join this check by being
// created at start-up.
class TextFitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::createWindows(); }

    void textsFitTheirRooms_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString& name : app::createdWindows())
            QTest::newRow(qPrintable(name)) << name;
    }
    void textsFitTheirRooms()
    {
        QFETCH(QString, window);
        tk::Form* form = app::findWindow(window);
        QVERIFY(form);
        textlayout::Recording recording;
        form->show();
        QApplication::processEvents();
        form->grab();
        form->hide();
        QStringList found = textlayout::faults(recording.drawings());
        found.removeIf([&](const QString& fault) {
            for (const QString& expected : crossingByDesign.values(window))
                if (fault.startsWith(expected))
                    return true;
            return false;
        });
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n  "))));
    }
};

REGISTER_TEST(TextFitsTest)
#include "tst_text_fits.moc"
