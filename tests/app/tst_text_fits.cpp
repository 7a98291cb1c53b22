#include "common/test_main.h"
#include "common/text_layout.h"

#include "app/registry.h"
#include "toolkit/form.h"

#include <QApplication>

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
        const QStringList found = textlayout::faults(recording.drawings());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n  "))));
    }
};

REGISTER_TEST(TextFitsTest)
#include "tst_text_fits.moc"
