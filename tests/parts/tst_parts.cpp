// The parts as the program loads them. This executable is linked as the
// program is, without the parts' code, so that the hardness chart, printing
// and the evaluation come from their libraries in the build's part folder.
#include "common/test_main.h"

#include "app/hub_form.h"
#include "app/registry.h"
#include "hardness/bar_chart.h"
#include "hardness/hardness_chart_form.h"
#include "toolkit/export.h"
#include "toolkit/parts.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

namespace {

bool mapped(const char* name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

// The parts and the libraries only they use, as far as they are mapped into
// this process.
QStringList loadedModules()
{
    QStringList found;
    for (const char* module : {"libwerkstoff-", "libQt6Charts", "libQt6Svg", "libQt6PrintSupport", "libgsl"})
        if (mapped(module))
            found << QString::fromLatin1(module);
    return found;
}

tk::ExportedDrawing someDrawing()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    return tk::recordedDrawing(QStringLiteral("Zeichnung"), image,
                               [](QPainter& p) { p.drawLine(0, 0, 40, 30); });
}

int countOf(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

}

class PartsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void startsWithoutTheParts() { QCOMPARE(loadedModules(), QStringList()); }

    // The extension arrow every menu bar asks for comes from Qt's PNG files
    // without the image-format plugins (and Qt Svg with them) being loaded,
    // and looks as the platform style's own.
    void menuBarsLoadNoImagePlugins()
    {
        {
            QMenuBar bar;
        }
        QVERIFY2(!mapped("imageformats/"), "an image-format plugin was loaded");
        const QIcon programs = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(proxy);
        QStyle* platforms = QStyleFactory::create(proxy->baseStyle()->name());
        QVERIFY(platforms);
        const QIcon platformsIcon = platforms->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        for (int size : {8, 16, 32})
            QCOMPARE(programs.pixmap(size).toImage(), platformsIcon.pixmap(size).toImage());
        delete platforms;
    }

    void missingPartsAreReported()
    {
        QTemporaryDir empty;
        tk::setPartFolder(empty.path());
        const auto restore = qScopeGuard([] { tk::setPartFolder(QString()); });
        QWidget window;

        std::unique_ptr<hardness::BarChart> chart(hardness::makeBarChart(&window, QStringLiteral("Chart1")));
        auto* standIn = qobject_cast<QLabel*>(chart->widget());
        QVERIFY(standIn);
        QVERIFY2(standIn->text().contains(QStringLiteral("libwerkstoff-charts.so")), qPrintable(standIn->text()));
        chart->addBar(hardness::BarChart::Vickers, 200, QStringLiteral("HV"), Qt::blue);
        QVERIFY(!chart->picture().isNull());
        chart.reset();

        const QString svg = m_dir.filePath(QStringLiteral("ohne.svg"));
        const QString failure = tk::writeDrawing(someDrawing(), svg, tk::ExportFormat::Svg);
        QVERIFY2(failure.contains(QStringLiteral("libwerkstoff-printing.so")), qPrintable(failure));
        QVERIFY(!QFile::exists(svg));
        // PNG and PDF need no part.
        QCOMPARE(tk::writeDrawing(someDrawing(), m_dir.filePath(QStringLiteral("mit.pdf")), tk::ExportFormat::Pdf),
                 QString());

        tk::printDrawingFromDialog(&window, someDrawing());
        auto* box = window.findChild<QMessageBox*>(QStringLiteral("ExportFehler"));
        QVERIFY(box);
        QVERIFY2(box->text().contains(QStringLiteral("libwerkstoff-printing.so")), qPrintable(box->text()));
        // (Qt Svg may have come with the image-format plugins that the
        // message box's icon loads.)
        QVERIFY(!mapped("libQt6Charts") && !mapped("libQt6PrintSupport"));

        // The hub's evaluation items say why their windows cannot come.
        app::createWindows();
        QAction* item = FormMPUeber->findChild<QAction*>(QStringLiteral("Zugversuchauswerten1"));
        QVERIFY(item);
        item->trigger();
        auto* evaluationBox = FormMPUeber->findChild<QMessageBox*>(QStringLiteral("AuswertungFehler"));
        QVERIFY(evaluationBox);
        QCOMPARE(evaluationBox->windowTitle(), QStringLiteral("Zugversuch auswerten …"));
        QVERIFY2(evaluationBox->text().startsWith(QStringLiteral("Die Auswertung ist nicht möglich: ")) &&
                     evaluationBox->text().contains(QStringLiteral("libwerkstoff-evaluation.so")),
                 qPrintable(evaluationBox->text()));
        evaluationBox->close();
        QVERIFY(!mapped("libgsl"));
    }

    void evaluationLoadedWhenChosen()
    {
        QVERIFY(!mapped("libgsl"));
        app::createWindows();
        FormMPUeber->findChild<QAction*>(QStringLiteral("KerbschlagAuswerten"))->trigger();
        QWidget* shown = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && QLatin1String(w->metaObject()->className()) ==
                                      QLatin1String("evaluation::windows::ImpactEvaluationWindow"))
                shown = w;
        QVERIFY(shown);
        QVERIFY(mapped("libwerkstoff-evaluation.so") && mapped("libgsl"));
        shown->close();
    }

    void chartWindowLoadsItsChart()
    {
        app::createWindows();
        QVERIFY(!FormHVGraph->Chart1); // not before it is needed
        FormHVGraph->show();
        QVERIFY(FormHVGraph->Chart1);
        QCOMPARE(QString::fromLatin1(FormHVGraph->Chart1->widget()->metaObject()->className()),
                 QStringLiteral("hardness::HardnessChart"));
        QVERIFY2(loadedModules().contains(QStringLiteral("libQt6Charts")), qPrintable(loadedModules().join(' ')));
        QVERIFY2(!loadedModules().contains(QStringLiteral("libQt6PrintSupport")), qPrintable(loadedModules().join(' ')));
        FormHVGraph->CK45Click();
        const QImage chart = FormHVGraph->copiedPicture();
        QVERIFY(countOf(chart, QColor(0, 0, 255)) > 0);
        QVERIFY(countOf(chart, QColor(255, 0, 0)) > 0);
        FormHVGraph->close();
    }

    void partLoadedAhead()
    {
        QVERIFY(!mapped("libQt6PrintSupport"));
        tk::preloadPart("printing");
        QTRY_VERIFY(mapped("libQt6PrintSupport"));
    }

    void savingAsSvgLoadsThePrintingPart()
    {
        const QString svg = m_dir.filePath(QStringLiteral("linie.svg"));
        QCOMPARE(tk::writeDrawing(someDrawing(), svg, tk::ExportFormat::Svg), QString());
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("<svg") && text.contains("<title>Zeichnung</title>"));
        QVERIFY(loadedModules().contains(QStringLiteral("libQt6Svg")));
    }

    void printDialogComesFromThePart()
    {
        QWidget window;
        tk::printDrawingFromDialog(&window, someDrawing());
        auto* dialog = window.findChild<QDialog*>(QStringLiteral("DruckenDialog"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        dialog->reject();
        QVERIFY(loadedModules().contains(QStringLiteral("libQt6PrintSupport")));
    }
};

REGISTER_TEST(PartsTest)
#include "tst_parts.moc"
