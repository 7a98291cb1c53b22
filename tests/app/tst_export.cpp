#include "common/test_main.h"

#include "app/registry.h"
#include "toolkit/export.h"
#include "toolkit/form.h"
#include "toolkit/paintbox.h"
#include "toolkit/printing.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

namespace {

// The diagrams, saved as lines and texts; every other drawing as its pixels.
const QStringList vectorWindows = {"TFormZug",   "TFormZugAnniHoch", "TFormAvT",  "TFormDauer1", "TFormDauerWoehler",
                                   "TFormDauer2", "TFormDauer3",     "TFormDauer4", "TFormHVGraph"};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: install poppler-utils (scripts/setup.sh --tests)>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& file)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto match = pages.match(run(QStringLiteral("pdfinfo"), {file}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdfText(const QString& file)
{
    return run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}).simplified();
}

QImage pdfPage(const QString& file)
{
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("48"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), file, file});
    return QImage(file + QStringLiteral(".png"));
}

// The share of the pictures' 8 x 8 blocks whose mean colours differ clearly.
// Averaged over blocks, lines and letters drawn smooth (as vectors are drawn)
// match the same drawn sharp; a curve of the one missing in the other does
// not.
constexpr double closeEnough = 0.01;
double differingShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1;
    const QSize blocks = a.size() / 8;
    const QImage x = a.convertToFormat(QImage::Format_RGB32).scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.convertToFormat(QImage::Format_RGB32).scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 96)
                ++differing;
        }
    return double(differing) / (x.width() * x.height());
}

QImage renderedSvg(const QString& file, QSize size, bool vectors)
{
    QSvgRenderer svg(file);
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    // A line one pixel wide on the screen fills the row of pixels below its
    // coordinate; drawn smooth, it lies half on the row above. Half a pixel
    // down and right, both cover the same pixels.
    if (vectors)
        p.translate(0.5, 0.5);
    svg.render(&p, QRectF(QPointF(0, 0), size));
    return out;
}

QImage plain(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    out.setDevicePixelRatio(1);
    return out;
}

// Fires every running timer of the window once per round, `rounds` times or
// until nothing runs.
void runTicks(tk::Form* form, int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        bool running = false;
        for (tk::Timer* timer : form->findChildren<tk::Timer*>())
            if (timer->isActive()) {
                timer->fire();
                running = true;
            }
        if (!running)
            return;
    }
}

void start(tk::Form* form, const QString& item)
{
    if (auto* amplitude = form->findChild<QLineEdit*>(QStringLiteral("EditAmpli")))
        amplitude->setText(QStringLiteral("100"));
    if (auto* action = form->findChild<QAction*>(item))
        action->trigger();
    else
        form->findChild<QPushButton*>(item)->click();
}

// What a user types as the file's name.
void typeName(QFileDialog* dialog, const QString& name)
{
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
}

template<class T>
T* waitingDialog(QWidget* parent, const QString& name)
{
    QApplication::processEvents();
    return parent->findChild<T*>(name);
}

}

// Every drawing saved as PNG, PDF and, for the diagrams, SVG; printed on a
// PDF printer; the save dialog; failures and runs that go on meanwhile.
class ExportTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("export"));
        app::createWindows();
        QVERIFY(m_dir.isValid());
    }

    void everyDrawingIsSaved_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString& name : app::createdWindows())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyDrawingIsSaved()
    {
        QFETCH(QString, window);
        tk::Form* form = app::findWindow(window);
        form->show();
        QApplication::processEvents();
        const tk::ExportedDrawing drawing = form->exportedDrawing();
        form->hide();
        QVERIFY(!drawing.isNull());
        QCOMPARE(drawing.caption, form->windowTitle());
        QCOMPARE(drawing.hasVectors(), vectorWindows.contains(window));

        // PNG: the pixels as shown, tagged with the screen's density.
        const QString png = path(window + QStringLiteral(".png"));
        QCOMPARE(tk::writeDrawing(drawing, png, tk::ExportFormat::Png), QString());
        const QImage read(png);
        QCOMPARE(plain(read), plain(drawing.image));
        QCOMPARE(read.dotsPerMeterX(), qRound(96 / 0.0254 * drawing.image.devicePixelRatio()));

        // PDF: one page, headed by the caption.
        const QString pdf = path(window + QStringLiteral(".pdf"));
        QCOMPARE(tk::writeDrawing(drawing, pdf, tk::ExportFormat::Pdf), QString());
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY2(pdfText(pdf).startsWith(drawing.caption.simplified()), qPrintable(pdfText(pdf)));
        if (drawing.hasVectors()) {
            // The vectors lie where the pixels would.
            const QString pixels = path(window + QStringLiteral("-pixels.pdf"));
            QCOMPARE(tk::writeDrawing({drawing.caption, drawing.image, {}}, pixels, tk::ExportFormat::Pdf), QString());
            QVERIFY(differingShare(pdfPage(pdf), pdfPage(pixels)) < closeEnough);
        }

        // SVG: the diagrams as paths and texts that look like the screen;
        // other drawings as their picture.
        const QString svg = path(window + QStringLiteral(".svg"));
        QCOMPARE(tk::writeDrawing(drawing, svg, tk::ExportFormat::Svg), QString());
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QCOMPARE(content.contains("<image"), !drawing.hasVectors());
        if (drawing.hasVectors()) {
            QVERIFY(content.contains("<path") || content.contains("<polyline"));
            QVERIFY(content.contains("<text"));
        }
        const QImage rendered = renderedSvg(svg, drawing.size().toSize(), drawing.hasVectors());
        const double differing = differingShare(rendered, plain(drawing.image));
        QVERIFY2(differing < closeEnough, qPrintable(QString::number(differing)));
    }

    // Taken in the middle of a run, the drawing is what the run has drawn so
    // far, and the run ends as it would have without it.
    void midRunExport_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("ticks");
        QTest::newRow("stress-strain curve") << "TFormZug" << "StartUn" << 200;
        QTest::newRow("standard specimen") << "TFormZugAnniHoch" << "StartZug" << 60;
        QTest::newRow("load ranges") << "TFormDauer1" << "ButtonStart" << 50;
        QTest::newRow("Wöhler series") << "TFormDauerWoehler" << "WeichSp180" << 30;
        QTest::newRow("pendulum") << "TFormKerbHa" << "Start" << 20;
        QTest::newRow("Vickers") << "TFormVickers" << "StartDown" << 30;
    }
    void midRunExport()
    {
        QFETCH(QString, window);
        QFETCH(QString, start);
        QFETCH(int, ticks);
        tk::Form* form = app::findWindow(window);
        const auto runToEnd = [&](bool exporting, QImage& end) {
            form->show();
            QApplication::processEvents();
            const QImage before = plain(form->copiedPicture());
            ::start(form, start);
            runTicks(form, ticks);
            if (exporting) {
                const tk::ExportedDrawing drawing = form->exportedDrawing();
                QCOMPARE(plain(drawing.image), plain(form->copiedPicture()));
                const QString svg = path(window + QStringLiteral("-mid.svg"));
                QCOMPARE(tk::writeDrawing(drawing, svg, tk::ExportFormat::Svg), QString());
                const QImage rendered = renderedSvg(svg, drawing.size().toSize(), drawing.hasVectors());
                const double differing = differingShare(rendered, plain(drawing.image));
                QVERIFY2(differing < closeEnough, qPrintable(QString::number(differing)));
                // ... and shows what the run has drawn so far.
                QVERIFY(differingShare(rendered, before) > closeEnough);
            }
            runTicks(form, 200000);
            // A blinking text cursor in an edit field of the picture is no
            // part of the run's drawing.
            if (QWidget* focused = form->focusWidget())
                focused->clearFocus();
            end = form->copiedPicture();
            form->close();
            QApplication::processEvents();
        };
        // The first run after the window's first showing may differ at the
        // drawing's edges from later ones; compare two later runs.
        QImage first, undisturbed, exported;
        runToEnd(false, first);
        runToEnd(false, undisturbed);
        runToEnd(true, exported);
        QVERIFY(!exported.isNull());
        QCOMPARE(plain(exported), plain(undisturbed));
    }

    void drawnDensityIsTagged()
    {
        QImage sharp(200, 100, QImage::Format_RGB32);
        sharp.fill(Qt::red);
        sharp.setDevicePixelRatio(2);
        const QString png = path(QStringLiteral("sharp.png"));
        QCOMPARE(tk::writeDrawing({QStringLiteral("Scharf"), sharp, {}}, png, tk::ExportFormat::Png), QString());
        const QImage read(png);
        QCOMPARE(read.size(), QSize(200, 100));
        QCOMPARE(qRound(read.dotsPerMeterX() * 0.0254), 192);
    }

    void printsOnOnePage_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("wide") << QSize(500, 300) << true;
        QTest::newRow("tall") << QSize(220, 500) << false;
    }
    void printsOnOnePage()
    {
        QFETCH(QSize, size);
        QFETCH(bool, landscape);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const tk::ExportedDrawing drawing{QStringLiteral("Kerbschlagarbeit-Temperatur-Kurve"), image, {}};
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = path(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(pdf);
        tk::orientPage(printer, drawing);
        QVERIFY(tk::printDrawing(printer, drawing));
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(pdfText(pdf).startsWith(drawing.caption));
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        static const QRegularExpression page(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"));
        const auto match = page.match(info);
        QVERIFY2(match.hasMatch(), qPrintable(info));
        QCOMPARE(match.captured(1).toDouble() > match.captured(2).toDouble(), landscape);

        // Scaled to fit: the drawing spans most of the page's width or height.
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, path(QStringLiteral("printed"))});
        const QImage shown(path(QStringLiteral("printed.png")));
        QVERIFY(!shown.isNull());
        QRect blue;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (qBlue(shown.pixel(x, y)) > 200 && qRed(shown.pixel(x, y)) < 50 && qGreen(shown.pixel(x, y)) < 50)
                    blue |= QRect(x, y, 1, 1);
        QVERIFY(std::max(double(blue.width()) / shown.width(), double(blue.height()) / shown.height()) > 0.75);
        QVERIFY(qAbs(blue.center().x() - shown.width() / 2) <= 2);
    }

    void previewShowsOnePage()
    {
        tk::Form* form = app::findWindow(QStringLiteral("TFormAvT"));
        form->show();
        QApplication::processEvents();
        tk::previewDrawing(form, form->exportedDrawing());
        auto* preview = waitingDialog<QPrintPreviewDialog>(form, QStringLiteral("DruckvorschauDialog"));
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->windowModality(), Qt::WindowModal); // opened, not waited for
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        pages->updatePreview();
        QCOMPARE(pages->pageCount(), 1);
        QCOMPARE(preview->printer()->pageLayout().orientation(), QPageLayout::Landscape);
        preview->reject();
        form->close();
        QApplication::processEvents();
    }

    // The save dialog: a name from the caption in the folder used last, the
    // format from the type chosen, replacing only when asked, failures shown.
    void saveDialog()
    {
        tk::Form* form = app::findWindow(QStringLiteral("TFormAvT"));
        form->show();
        QApplication::processEvents();
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("zuletzt")));
        QSettings().setValue(QStringLiteral("export/folder"), path(QStringLiteral("zuletzt")));
        const auto dialog = [&] {
            tk::saveDrawing(form, form->exportedDrawing());
            return waitingDialog<QFileDialog>(form, QStringLiteral("BildSpeichernDialog"));
        };

        QFileDialog* first = dialog();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowModality(), Qt::WindowModal);
        QCOMPARE(first->selectedFiles(),
                 QStringList{path(QStringLiteral("zuletzt/Kerbschlagarbeit-Temperatur-Kurve_ISO-V-Probe.png"))});
        QCOMPARE(first->nameFilters().size(), 3); // with SVG: the curve has vectors
        first->selectNameFilter(first->nameFilters()[1]);
        typeName(first, path(QStringLiteral("bericht")));
        static_cast<QDialog*>(first)->accept();
        QTRY_COMPARE(pdfPages(path(QStringLiteral("bericht.pdf"))), 1);
        QCOMPARE(QSettings().value(QStringLiteral("export/folder")).toString(), m_dir.path());

        // An existing file is replaced only after a yes.
        QFile::remove(path(QStringLiteral("bericht.png")));
        QFile old(path(QStringLiteral("bericht.svg")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            QFileDialog* again = dialog();
            typeName(again, path(QStringLiteral("bericht.svg")));
            static_cast<QDialog*>(again)->accept();
            auto* ask = waitingDialog<QMessageBox>(form, QStringLiteral("ErsetzenFrage"));
            QVERIFY(ask);
            ask->button(answer)->click();
            const auto content = [this] {
                QFile svg(path(QStringLiteral("bericht.svg")));
                return svg.open(QIODevice::ReadOnly) ? svg.readAll() : QByteArray();
            };
            if (answer == QMessageBox::No) {
                QApplication::processEvents();
                QCOMPARE(content(), QByteArray("old"));
            } else {
                QTRY_VERIFY(content().contains("<svg"));
            }
        }

        // Cancelled: nothing written.
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        QFileDialog* cancelled = dialog();
        typeName(cancelled, path(QStringLiteral("nie.png")));
        cancelled->reject();
        QApplication::processEvents();
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);

        // A folder that cannot be written to: a message, no file, and the
        // window goes on.
        QFile blocker(path(QStringLiteral("keinOrdner")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QStringList files = QDir(m_dir.path()).entryList(QDir::Files);
        QFileDialog* blocked = dialog();
        typeName(blocked, path(QStringLiteral("keinOrdner/bild.png")));
        static_cast<QDialog*>(blocked)->accept();
        QTRY_VERIFY(form->findChild<QMessageBox*>(QStringLiteral("ExportFehler")));
        auto* failure = form->findChild<QMessageBox*>(QStringLiteral("ExportFehler"));
        QVERIFY(failure->isVisible());
        QVERIFY2(failure->text().contains(QStringLiteral("bild.png")), qPrintable(failure->text()));
        failure->accept();
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), files);
        QVERIFY(form->isVisible() && form->inputEnabled());
        form->close();
        QApplication::processEvents();
    }

    void failuresLeaveNoFile()
    {
        const QImage image(10, 10, QImage::Format_RGB32);
        QFile blocker(path(QStringLiteral("datei")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (const auto format : {tk::ExportFormat::Png, tk::ExportFormat::Pdf, tk::ExportFormat::Svg}) {
            const QString failure = tk::writeDrawing({QStringLiteral("A"), image, {}}, path(QStringLiteral("datei/a")), format);
            QVERIFY(failure.contains(QStringLiteral("datei")));
        }
        QVERIFY(!tk::writeDrawing({}, path(QStringLiteral("leer.png")), tk::ExportFormat::Png).isEmpty());
        QVERIFY(!QFile::exists(path(QStringLiteral("leer.png"))));
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::newRow("colon and blanks") << "Zugversuch nach DIN EN 10002: Spannungs-Dehnungs-Kurve"
                                          << "Zugversuch_nach_DIN_EN_10002_Spannungs-Dehnungs-Kurve";
        QTest::newRow("umlauts kept, slash") << "Wöhlerkurven: Einfluss der Umgebung / Korrosion"
                                             << "Wöhlerkurven_Einfluss_der_Umgebung_Korrosion";
        QTest::newRow("dots and leading blanks") << " ..Härte HV 10 ." << "Härte_HV_10";
        QTest::newRow("nothing left") << "::" << "Bild";
    }
    void fileNames()
    {
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QCOMPARE(tk::proposedFileName(caption), name);
    }

    // Every drawing offers saving and printing beside its copy, and Ctrl+S
    // and Ctrl+P mean nothing else in any window.
    void everyDrawingOffersExport_data() { everyDrawingIsSaved_data(); }
    void everyDrawingOffersExport()
    {
        QFETCH(QString, window);
        tk::Form* form = app::findWindow(window);
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!w->findChild<QAction*>(QStringLiteral("BildKopieren"), Qt::FindDirectChildrenOnly))
                continue;
            for (const char* name : {"BildSpeichern", "Drucken", "Druckvorschau"})
                QVERIFY2(w->findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly), name);
        }
        int saving = 0, printing = 0;
        for (QAction* a : form->findChildren<QAction*>()) {
            // Not those of the windows it has opened beside itself.
            if (auto* owner = qobject_cast<QWidget*>(a->parent()); !owner || owner->window() != form)
                continue;
            saving += a->shortcut() == QKeySequence::Save;
            printing += a->shortcut() == QKeySequence::Print;
        }
        QCOMPARE(saving, 1);
        QCOMPARE(printing, 1);
    }
};

REGISTER_TEST(ExportTest)
#include "tst_export.moc"
