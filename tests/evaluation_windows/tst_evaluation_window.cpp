#include "common/test_main.h"

#include "evaluation/tensile_series_json.h"
#include "evaluation_windows/evaluation_window.h"
#include "evaluation_windows/evaluation_part.h"
#include "evaluation_windows/recovery_offer.h"
#include "evaluation_windows/results_table_model.h"
#include "toolkit/form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(evaluation::windows::ResultCell)

using namespace evaluation;
using namespace evaluation::windows;

namespace {

// The smallest evaluation window: a tensile series of typed values, one row
// of Fm per specimen.
class TypedValuesWindow : public EvaluationWindow {
public:
    TypedValuesWindow() : EvaluationWindow(QString::fromLatin1(tensileSeriesKind), QStringLiteral("Prüffenster"))
    {
        m_model = new ResultsTableModel(QStringLiteral("Probe"), this);
        m_model->setColumns({{QStringLiteral("Fm/kN"), {}}});
        auto* view = new QTableView(this);
        setResultsTable(view, m_model);
        setCentralWidget(view);
    }

    void addSpecimen(double Fm)
    {
        TensileSpecimen s;
        s.name = QStringLiteral("P%1").arg(m_series.specimens.size() + 1);
        s.specimen.d0 = 10;
        s.specimen.L0 = 50;
        s.specimen.Fm = Fm;
        m_series.specimens.push_back(s);
        showSeries();
        contentChanged();
    }
    std::vector<double> forces() const
    {
        std::vector<double> f;
        for (const TensileSpecimen& s : m_series.specimens)
            f.push_back(s.specimen.Fm.value_or(-1));
        return f;
    }

protected:
    QJsonObject seriesContent(const QString& seriesPath) const override { return toJson(m_series, seriesPath); }
    OpenResult openDocument(const SeriesDocument& document, const QString& seriesPath) override
    {
        TensileSeriesReading reading = tensileSeriesFromDocument(document, seriesPath);
        if (!reading.series)
            return {reading.error, {}};
        m_series = *reading.series;
        showSeries();
        return {{}, reading.warnings};
    }
    void clearContent() override
    {
        m_series = {};
        showSeries();
    }

private:
    void showSeries()
    {
        std::vector<ResultsTableModel::Row> rows;
        for (const TensileSpecimen& s : m_series.specimens)
            rows.push_back({s.name, {{QString::number(*s.specimen.Fm), {}}}, true, false});
        m_model->setRows(std::move(rows));
    }

    TensileSeries m_series;
    ResultsTableModel* m_model;
};

QMessageBox* openQuestion(const QWidget* window, const char* name)
{
    for (QMessageBox* box : window->findChildren<QMessageBox*>(QString::fromLatin1(name)))
        if (box->isVisible())
            return box;
    return nullptr;
}

void answer(QMessageBox* box, QMessageBox::StandardButton button)
{
    box->button(button)->click();
    QCoreApplication::processEvents();
}

// Qt tells a window when a modal window starts or stops blocking it.
class BlockWatch : public QObject {
public:
    explicit BlockWatch(QWidget* w) { w->installEventFilter(this); }
    bool blocked = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowBlocked)
            blocked = true;
        else if (e->type() == QEvent::WindowUnblocked)
            blocked = false;
        return false;
    }
};

}

class EvaluationWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        testsupport::hidePlatformNotes();
    }
    void init() { discardRecoveryFile(QString::fromLatin1(tensileSeriesKind)); }

    void savedSeriesOpensAsItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("reihe.wpserie");
        TypedValuesWindow window;
        window.addSpecimen(31.5);
        window.addSpecimen(32.25);
        QVERIFY(window.hasUnsavedWork());
        QVERIFY(window.saveTo(path));
        QVERIFY(!window.hasUnsavedWork());
        QVERIFY(window.windowTitle().startsWith("reihe.wpserie"));

        TypedValuesWindow reopened;
        QVERIFY(reopened.openFile(path));
        QCOMPARE(reopened.forces(), (std::vector<double>{31.5, 32.25}));
        QCOMPARE(reopened.filePath(), path);
        QVERIFY(!reopened.hasUnsavedWork());
    }

    void fileThatCannotBeOpenedLeavesTheWork()
    {
        QTemporaryDir dir;
        QFile broken(dir.filePath("kaputt.wpserie"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("{\"format\": \"werkstoffpruefung-series\", \"version\": 1, \"kind\": \"tensile\", \"series\": 3}");
        broken.close();
        TypedValuesWindow window;
        window.addSpecimen(20);
        QVERIFY(!window.openFile(broken.fileName()));
        QCOMPARE(window.forces(), std::vector<double>{20});
        QVERIFY(window.hasUnsavedWork());
        QVERIFY(window.findChild<QMessageBox*>());
    }

    void everyChangeIsAutosavedUntilSaved()
    {
        const QString kind = QString::fromLatin1(tensileSeriesKind);
        QTemporaryDir dir;
        TypedValuesWindow window;
        QVERIFY(!QFile::exists(recoveryFilePath(kind)));
        window.addSpecimen(40);
        window.addSpecimen(41);
        const SeriesFileReading kept = readSeriesFile(recoveryFilePath(kind), kind);
        QVERIFY(kept.document);
        QCOMPARE(kept.document->series.value("specimens").toArray().size(), 2);
        // What the program asks at start before it loads the evaluation.
        QVERIFY(recoveryFilesPresent());

        QVERIFY(window.saveTo(dir.filePath("a.wpserie")));
        QVERIFY(!QFile::exists(recoveryFilePath(kind)));
        QCOMPARE(recoveryFilesPresent(), !findRecoveryFiles().empty());
        window.addSpecimen(42);
        const std::vector<RecoveryFile> found = findRecoveryFiles();
        QCOMPARE(found.size(), size_t(1));
        QCOMPARE(found[0].originalPath, dir.filePath("a.wpserie"));
    }

    void restoredWorkIsUnsavedWorkOfItsFile()
    {
        const QString kind = QString::fromLatin1(tensileSeriesKind);
        QTemporaryDir dir;
        {
            TypedValuesWindow crashed;
            QVERIFY(crashed.saveTo(dir.filePath("b.wpserie")));
            crashed.addSpecimen(55);
        }
        const std::vector<RecoveryFile> found = findRecoveryFiles();
        QCOMPARE(found.size(), size_t(1));
        TypedValuesWindow window;
        QVERIFY(window.restore(*readSeriesFile(found[0].path, kind).document));
        QCOMPARE(window.forces(), std::vector<double>{55});
        QCOMPARE(window.filePath(), dir.filePath("b.wpserie"));
        QVERIFY(window.hasUnsavedWork());
        QVERIFY(QFile::exists(recoveryFilePath(kind)));
    }

    // The question at start: restore, discard, or leave it for later.
    void recoveryOffer_data()
    {
        QTest::addColumn<int>("button");  // 0 restore, 1 discard, 2 later
        QTest::addColumn<bool>("fileKept");
        QTest::newRow("restore") << 0 << true;
        QTest::newRow("discard") << 1 << false;
        QTest::newRow("later") << 2 << true;
    }
    void recoveryOffer()
    {
        QFETCH(int, button);
        QFETCH(bool, fileKept);
        const QString kind = QString::fromLatin1(tensileSeriesKind);
        {
            TypedValuesWindow crashed;
            crashed.addSpecimen(60);
        }
        QWidget parent;
        parent.show();
        bool answered = false;
        askAboutRecovery(findRecoveryFiles().at(0), &parent, true, [&] { answered = true; });
        QMessageBox* box = openQuestion(&parent, "recoveryQuestion");
        QVERIFY(box);
        QCOMPARE(box->buttons().size(), 3);
        const char* texts[] = {"&Wiederherstellen", "&Verwerfen", "&Später"};
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QString::fromUtf8(texts[button]))
                chosen = b;
        QVERIFY(chosen);
        if (button == 0) {
            // No window of this kind in this build of the test: the restore
            // fails with a message and the file stays.
            chosen->click();
            QVERIFY(openQuestion(&parent, "recoveryQuestion") == nullptr);
        } else {
            chosen->click();
        }
        QCoreApplication::processEvents();
        QVERIFY(answered);
        QCOMPARE(QFile::exists(recoveryFilePath(kind)), fileKept);
    }

    // Closing asks only when there is unsaved work; the answer decides.
    void closing_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("emptyAfter");
        QTest::newRow("nothing changed") << false << 0 << false << true << false;
        QTest::newRow("changed, save") << true << int(QMessageBox::Save) << true << true << false;
        QTest::newRow("changed, discard") << true << int(QMessageBox::Discard) << true << true << true;
        QTest::newRow("changed, cancel") << true << int(QMessageBox::Cancel) << true << false << false;
    }
    void closing()
    {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closed);
        QFETCH(bool, emptyAfter);
        QTemporaryDir dir;
        TypedValuesWindow window;
        window.addSpecimen(30);
        QVERIFY(window.saveTo(dir.filePath("c.wpserie")));
        if (changed)
            window.addSpecimen(31);
        window.show();
        window.close();
        QMessageBox* box = openQuestion(&window, "unsavedWorkQuestion");
        QCOMPARE(box != nullptr, asked);
        if (box) {
            QVERIFY(window.isVisible());
            ::answer(box, QMessageBox::StandardButton(answer));
        }
        QCOMPARE(!window.isVisible(), closed);
        QCOMPARE(window.forces().empty(), emptyAfter);
        // A closed window gives its native window (and backing store) back;
        // one that stays open keeps it. Opened again, it shows its series.
        QCoreApplication::processEvents();
        QCOMPARE(window.windowHandle() == nullptr, closed);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.forces().empty(), emptyAfter);
        QCOMPARE(QFile::exists(recoveryFilePath(QString::fromLatin1(tensileSeriesKind))),
                 answer == QMessageBox::Cancel);
        if (answer == QMessageBox::Save) {
            TypedValuesWindow reopened;
            QVERIFY(reopened.openFile(dir.filePath("c.wpserie")));
            QCOMPARE(reopened.forces(), (std::vector<double>{30, 31}));
        }
    }

    void copiesTheTableForASpreadsheet()
    {
        TypedValuesWindow window;
        window.addSpecimen(30.5);
        window.addSpecimen(31);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QApplication::clipboard()->clear();
        // Ctrl+C anywhere in the window but a text field.
        window.centralWidget()->setFocus();
        QTest::keyClick(window.centralWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Probe\tFm/kN\nP1\t30.5\nP2\t31\n"));
    }

    // A window shown free is not blocked by the modal windows that open and
    // close around it, and no window closing takes it along.
    void staysUsableBesideModalWindows()
    {
        tk::Form hub(QStringLiteral("TFormHub"), QStringLiteral("Hub"));
        tk::Form teaching(QStringLiteral("TFormLehre"), QStringLiteral("Lehre"));
        hub.showModal();
        TypedValuesWindow window;
        BlockWatch watch(&window);
        window.showWindow();
        QVERIFY(!watch.blocked);
        teaching.showModal();
        QVERIFY(!watch.blocked);
        teaching.close();
        QVERIFY(!watch.blocked);
        hub.close();
        QVERIFY(window.isVisible());
        QVERIFY(!watch.blocked);
        // A modal window opened later does not block it either.
        teaching.showModal();
        QVERIFY(!watch.blocked);
        teaching.close();
        // An ordinary window beside it is blocked, as modality demands.
        QWidget other;
        BlockWatch otherWatch(&other);
        other.show();
        hub.showModal();
        QVERIFY(otherWatch.blocked);
        QVERIFY(!watch.blocked);
        hub.close();
    }
};

class ResultsTableModelTest : public QObject {
    Q_OBJECT
private slots:
    void cells_data()
    {
        QTest::addColumn<ResultCell>("cell");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("copied");
        QTest::newRow("value") << ResultCell{QStringLiteral("412"), {}} << "412" << "" << false << "412";
        QTest::newRow("not determined")
            << ResultCell{Outcome<QString>::none(QStringLiteral("Kurve ohne Fließgrenze")), {}} << "–"
            << "Kurve ohne Fließgrenze" << false << "-";
        QTest::newRow("with a note") << ResultCell{QStringLiteral("24,5"), QStringLiteral("aus dem Traversenweg")}
                                     << "24,5" << "aus dem Traversenweg" << true << "24,5";
        QTest::newRow("tab inside") << ResultCell{QStringLiteral("a\tb"), {}} << "a\tb" << "" << false << "a b";
    }
    void cells()
    {
        QFETCH(ResultCell, cell);
        QFETCH(QString, shown);
        QFETCH(QString, toolTip);
        QFETCH(bool, italic);
        QFETCH(QString, copied);
        ResultsTableModel model(QStringLiteral("Probe"));
        model.setColumns({{QStringLiteral("Wert"), QStringLiteral("Was er ist")}});
        model.setRows({{QStringLiteral("P1"), {cell}, std::nullopt, false}});
        const QModelIndex i = model.index(0, 1);
        QCOMPARE(i.data().toString(), shown);
        QCOMPARE(i.data(Qt::ToolTipRole).toString(), toolTip);
        QCOMPARE(i.data(Qt::FontRole).value<QFont>().italic(), italic);
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("Was er ist"));
        QCOMPARE(model.tabSeparated(), QStringLiteral("Probe\tWert\nP1\t") + copied + "\n");
    }

    void rowsSwitchOffAndOn()
    {
        ResultsTableModel model(QStringLiteral("Probe"));
        model.setColumns({{QStringLiteral("Rm/MPa"), {}}});
        model.setRows({{QStringLiteral("P1"), {{QStringLiteral("400"), {}}}, true, false},
                       {QStringLiteral("Mittelwert"), {{QStringLiteral("400"), {}}}, std::nullopt, true}});
        QSignalSpy toggled(&model, &ResultsTableModel::inclusionToggled);
        QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemIsUserCheckable));
        QVERIFY(model.setData(model.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(toggled.size(), 1);
        QCOMPARE(toggled[0], (QVariantList{0, false}));
        QCOMPARE(model.index(0, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
        QVERIFY(model.index(1, 0).data(Qt::FontRole).value<QFont>().bold());
    }
};

REGISTER_TEST(EvaluationWindowTest)
REGISTER_TEST(ResultsTableModelTest)

#include "tst_evaluation_window.moc"
