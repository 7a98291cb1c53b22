#include "printing.h"
#include "export_support.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <memory>

namespace tk {

namespace {

// The texts' context for translation, the same as the rest of saving's.
class DrawingExport {
    Q_DECLARE_TR_FUNCTIONS(tk::DrawingExport)
};

bool writeSvg(QIODevice& file, const ExportedDrawing& drawing)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    const QSize size = drawing.size().toSize();
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(drawing.caption);
    svg.setDescription(QCoreApplication::applicationName());
    QPainter p;
    if (!p.begin(&svg))
        return false;
    paintDrawing(p, drawing);
    return p.end();
}

// A printer at its best resolution, the page turned to fit the drawing.
std::shared_ptr<QPrinter> printerFor(const ExportedDrawing& drawing)
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(drawing.caption);
    orientPage(*printer, drawing);
    return printer;
}

void printFromDialog(QWidget* parent, const ExportedDrawing& drawing)
{
    if (drawing.isNull())
        return;
    const std::shared_ptr<QPrinter> printer = printerFor(drawing);
    auto* dialog = new QPrintDialog(printer.get(), parent);
    dialog->setObjectName(QStringLiteral("DruckenDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The printer lives as long as the dialog's connection.
    // The page is made on another thread, as a file is written.
    QObject::connect(dialog, qOverload<>(&QDialog::accepted), dialog, [parent, printer, drawing] {
        const QString name = printer->printerName();
        aside([printer, own = ownCopy(drawing)] { return printDrawing(*printer, own) ? QString() : QStringLiteral("-"); },
              parent, [parent, name](const QString& failure) {
                  if (!failure.isEmpty())
                      //: Title of the message box when printing failed.
                      showFailure(parent, DrawingExport::tr("Drucken"),
                                  //: %1 is the printer's name.
                                  DrawingExport::tr("Der Drucker „%1“ lässt sich nicht ansprechen.").arg(name));
              });
    });
    dialog->open();
}

void preview(QWidget* parent, const ExportedDrawing& drawing)
{
    if (drawing.isNull())
        return;
    const std::shared_ptr<QPrinter> printer = printerFor(drawing);
    auto* preview = new QPrintPreviewDialog(printer.get(), parent);
    preview->setObjectName(QStringLiteral("DruckvorschauDialog"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    //: Title of the print preview; %1 is the window's caption.
    preview->setWindowTitle(DrawingExport::tr("Druckvorschau: %1").arg(drawing.caption));
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [printer, drawing](QPrinter* target) { printDrawing(*target, drawing); });
    preview->open();
}

}

bool printDrawing(QPrinter& printer, const ExportedDrawing& drawing)
{
    return !drawing.isNull() && paintPage(printer, drawing);
}

void orientPage(QPrinter& printer, const ExportedDrawing& drawing)
{
    printer.setPageOrientation(drawing.size().width() > drawing.size().height() ? QPageLayout::Landscape
                                                                               : QPageLayout::Portrait);
}

}

const tk::PrintingPart* werkstoff_part_printing()
{
    static const tk::PrintingPart part{&tk::writeSvg, &tk::printFromDialog, &tk::preview};
    return &part;
}
