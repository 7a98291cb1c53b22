#include "common/test_main.h"

#include "tensile/stress_strain_form.h"
#include "tensile/stress_strain_terms.h"
#include "toolkit/paintbox.h"

#include <QApplication>
#include <QListWidget>
#include <QTranslator>

namespace {

// Gives the terms names that sort the other way round, as a translation
// may: the last term in German comes first.
class ReversingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "tensile::StressStrainTerms") != 0)
            return {};
        const QStringList german = {QStringLiteral("Bruchdehnung"),  QStringLiteral("Brucheinschnürung"),
                                    QStringLiteral("Dehngrenze-0.2%"), QStringLiteral("Elastizitätsgrenze"),
                                    QStringLiteral("Hookesche Gerade"), QStringLiteral("Proportionalstäbe"),
                                    QStringLiteral("Streckgrenze"),  QStringLiteral("Zugfestigkeit"),
                                    QStringLiteral("Zugspannung")};
        const int index = german.indexOf(QString::fromUtf8(source));
        return index < 0 ? QString() : QStringLiteral("Term %1").arg(QChar(u'Z' - index));
    }
    bool isEmpty() const override { return false; }
};

constexpr QRgb ink = 0x010000;
constexpr QRgb panelYellow = 0xFFFF80;

}

class TranslatedTermsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QCoreApplication::installTranslator(&m_translator);
        FormZug = new TFormZug;
        FormZug->formCreate();
        FormZug->show();
        QApplication::processEvents();
    }
    void cleanup()
    {
        delete FormZug;
        FormZug = nullptr;
        QCoreApplication::removeTranslator(&m_translator);
    }

    // A row shows the explanation of the term it names, not of the term in
    // the German list's place: each term is recognised by the fraction bar
    // of its formula.
    void rowShowsItsOwnTerm_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("bar");
        QTest::newRow("Zugspannung first") << 0 << QStringLiteral("Term R") << QPoint(455, 68);
        QTest::newRow("Streckgrenze third") << 2 << QStringLiteral("Term T") << QPoint(475, 108);
        QTest::newRow("Dehngrenze seventh") << 6 << QStringLiteral("Term X") << QPoint(455, 103);
    }
    void rowShowsItsOwnTerm()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QPoint, bar);
        QListWidget* list = FormZug->termList();
        QCOMPARE(list->item(row)->text(), name);
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(FormZug->termsPanel()->canvas().pixel(bar.x(), bar.y()), ink);
        QCOMPARE(FormZug->termsPanel()->canvas().pixel(200, 93), panelYellow); // the first term is gone
    }

private:
    ReversingTranslator m_translator;
};

REGISTER_TEST(TranslatedTermsTest)

#include "tst_translated_terms.moc"
