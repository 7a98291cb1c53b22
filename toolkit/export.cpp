#include "export.h"
#include "export_support.h"
#include "form.h"
#include "parts.h"
#include "printing.h"
#include "clipboard.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThreadPool>
#include <algorithm>
#include <memory>

namespace tk {

void paintDrawing(QPainter& p, const ExportedDrawing& drawing)
{
    const QRectF frame(QPointF(0, 0), drawing.size());
    p.save();
    p.setClipRect(frame, Qt::IntersectClip);
    if (drawing.vectors)
        drawing.vectors(p);
    else
        p.drawImage(frame, drawing.image);
    p.restore();
}

bool paintPage(QPagedPaintDevice& device, const ExportedDrawing& drawing)
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    const QRectF area(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    QFont heading(QStringLiteral("Arial"));
    heading.setBold(true);
    heading.setPointSizeF(14);
    p.setFont(heading);
    p.setPen(Qt::black);
    constexpr int headingFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF headingBox = p.boundingRect(area, headingFlags, drawing.caption);
    p.drawText(headingBox, headingFlags, drawing.caption);

    const QRectF room = area.adjusted(0, headingBox.height() * 1.5, 0, 0);
    const QSizeF size = drawing.size();
    if (!size.isEmpty() && !room.isEmpty()) {
        const qreal scale = std::min(room.width() / size.width(), room.height() / size.height());
        p.translate(room.left() + (room.width() - size.width() * scale) / 2, room.top());
        p.scale(scale, scale);
        paintDrawing(p, drawing);
    }
    return p.end();
}

void showFailure(QWidget* parent, const QString& title, const QString& text)
{
    showWarning(parent, QStringLiteral("ExportFehler"), title, text);
}

void aside(std::function<QString()> work, QObject* context, std::function<void(const QString&)> done)
{
    QPointer<QObject> guard(context);
    QThreadPool::globalInstance()->start([work = std::move(work), guard, done = std::move(done)] {
        const QString result = work();
        QMetaObject::invokeMethod(qApp, [guard, done, result] {
            if (guard && done)
                done(result);
        }, Qt::QueuedConnection);
    });
}

ExportedDrawing ownCopy(const ExportedDrawing& drawing)
{
    if (!drawing.vectors)
        return {drawing.caption, drawing.image.copy(), {}};
    return recordedDrawing(drawing.caption, drawing.image.copy(), drawing.vectors);
}

namespace {

// The texts' context for translation.
class DrawingExport {
    Q_DECLARE_TR_FUNCTIONS(tk::DrawingExport)
};

bool writePdf(QIODevice& file, const ExportedDrawing& drawing)
{
    QPdfWriter pdf(&file);
    pdf.setTitle(drawing.caption);
    pdf.setCreator(QCoreApplication::applicationName());
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                  drawing.size().width() > drawing.size().height() ? QPageLayout::Landscape
                                                                                   : QPageLayout::Portrait,
                                  QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    return paintPage(pdf, drawing);
}

QString shownName(const QString& fileName) { return QDir::toNativeSeparators(fileName); }

// The save dialog's filters, each with its format and suffix.
struct FileType {
    ExportFormat format;
    const char* suffix;
    QString filter;
};

QList<FileType> fileTypes(bool withVectors)
{
    //: File type in the save dialog.
    QList<FileType> types{{ExportFormat::Png, "png", DrawingExport::tr("PNG-Bild (*.png)")},
                          //: File type in the save dialog.
                          {ExportFormat::Pdf, "pdf", DrawingExport::tr("PDF-Dokument (*.pdf)")}};
    if (withVectors)
        //: File type in the save dialog: lines and texts that stay sharp at any size.
        types.append({ExportFormat::Svg, "svg", DrawingExport::tr("SVG-Vektorgrafik (*.svg)")});
    return types;
}

const QString folderKey = QStringLiteral("export/folder");

QString lastFolder()
{
    const QString folder = QSettings().value(folderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

void writeAndReport(QWidget* parent, const ExportedDrawing& drawing, const QString& fileName, ExportFormat format)
{
    writeDrawingAside(drawing, fileName, format, parent, [parent](const QString& failure) {
        if (!failure.isEmpty())
            //: Title of the message box when a picture could not be saved.
            showFailure(parent, DrawingExport::tr("Bild speichern"), failure);
    });
}

void reportPrintingMissing(QWidget* parent, const QString& reason)
{
    //: Title of the message box when printing is not possible.
    showFailure(parent, DrawingExport::tr("Drucken"),
                //: %1 is the reason the system gives why the program's part for printing cannot be loaded.
                DrawingExport::tr("Drucken ist nicht möglich:\n%1").arg(reason));
}

// Saves to the chosen file, asking first (without waiting) before an
// existing file is replaced.
void saveChosen(QWidget* parent, const ExportedDrawing& drawing, const QString& fileName, ExportFormat format)
{
    QSettings().setValue(folderKey, QFileInfo(fileName).absolutePath());
    if (!QFileInfo::exists(fileName)) {
        writeAndReport(parent, drawing, fileName, format);
        return;
    }
    //: Title of the question before an existing file is replaced.
    auto* ask = new QMessageBox(QMessageBox::Question, DrawingExport::tr("Bild speichern"),
                                //: %1 is the file's name.
                                DrawingExport::tr("Die Datei „%1“ gibt es schon. Soll sie ersetzt werden?").arg(shownName(fileName)),
                                QMessageBox::Yes | QMessageBox::No, parent);
    ask->setObjectName(QStringLiteral("ErsetzenFrage"));
    ask->setDefaultButton(QMessageBox::No);
    ask->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(ask, &QMessageBox::finished, parent, [parent, drawing, fileName, format, ask] {
        if (ask->clickedButton() == ask->button(QMessageBox::Yes))
            writeAndReport(parent, drawing, fileName, format);
    });
    ask->open();
}

}

ExportedDrawing recordedDrawing(const QString& caption, const QImage& image,
                                const std::function<void(QPainter&)>& paint)
{
    QPicture recording;
    {
        QPainter p(&recording);
        paint(p);
    }
    return {caption, image, [recording](QPainter& p) { replayPicture(p, recording); }};
}

void replayPicture(QPainter& p, const QPicture& picture)
{
    const QPaintDevice* device = p.device();
    p.save();
    p.scale(qreal(picture.logicalDpiX()) / device->logicalDpiX(), qreal(picture.logicalDpiY()) / device->logicalDpiY());
    p.drawPicture(0, 0, picture);
    p.restore();
}

std::optional<ExportFormat> exportFormatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const FileType& type : fileTypes(true))
        if (suffix == QLatin1String(type.suffix))
            return type.format;
    return std::nullopt;
}

QString proposedFileName(const QString& caption)
{
    static const QRegularExpression others(QStringLiteral("[^\\w-]+"), QRegularExpression::UseUnicodePropertiesOption);
    QString name = caption;
    name.replace(others, QStringLiteral("_"));
    name = name.left(80);
    while (name.startsWith(u'_') || name.startsWith(u'-'))
        name.remove(0, 1);
    while (name.endsWith(u'_'))
        name.chop(1);
    //: File name proposed for a drawing whose window has no caption.
    return name.isEmpty() ? DrawingExport::tr("Bild") : name;
}

QString writeDrawing(const ExportedDrawing& drawing, const QString& fileName, ExportFormat format)
{
    if (drawing.isNull())
        //: Message when a drawing is to be saved before anything is drawn.
        return DrawingExport::tr("Es gibt noch kein Bild zum Speichern.");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        //: %1 is the file's name, %2 the reason the system gives.
        return DrawingExport::tr("Die Datei „%1“ kann nicht angelegt werden:\n%2").arg(shownName(fileName), file.errorString());
    bool written = false;
    switch (format) {
    case ExportFormat::Png: {
        QImageWriter writer(&file, "png");
        written = writer.write(atDrawnDensity(drawing.image));
        break;
    }
    case ExportFormat::Pdf: written = writePdf(file, drawing); break;
    case ExportFormat::Svg: {
        QString missing;
        const PrintingPart* part = printingPart(&missing);
        if (!part)
            //: %1 is the reason the system gives why the program's part for SVG files cannot be loaded.
            return DrawingExport::tr("SVG-Dateien können nicht geschrieben werden:\n%1").arg(missing);
        written = part->writeSvg(file, drawing);
        break;
    }
    }
    if (!written)
        file.cancelWriting();
    // A full disk shows at the latest here: the temporary file is removed and
    // an earlier file of the name stays as it was.
    if (!file.commit())
        //: %1 is the file's name, %2 the reason the system gives.
        return DrawingExport::tr("Die Datei „%1“ konnte nicht geschrieben werden:\n%2").arg(shownName(fileName), file.errorString());
    return {};
}

void writeDrawingAside(const ExportedDrawing& drawing, const QString& fileName, ExportFormat format, QObject* context,
                       std::function<void(const QString& failure)> done)
{
    aside([own = ownCopy(drawing), fileName, format] { return writeDrawing(own, fileName, format); }, context,
          std::move(done));
}

void saveDrawing(QWidget* parent, const ExportedDrawing& drawing)
{
    if (drawing.isNull())
        return;
    //: Title of the save dialog.
    auto* dialog = new QFileDialog(parent, DrawingExport::tr("Bild speichern"));
    dialog->setObjectName(QStringLiteral("BildSpeichernDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Replacing a file is asked without waiting, once the name is chosen.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    const QList<FileType> types = fileTypes(drawing.hasVectors());
    QStringList filters;
    for (const FileType& type : types)
        filters << type.filter;
    dialog->setNameFilters(filters);
    dialog->setDirectory(lastFolder());
    dialog->selectFile(proposedFileName(drawing.caption) + QStringLiteral(".png"));

    const auto typeOfFilter = [types](const QString& filter) {
        const auto found = std::find_if(types.begin(), types.end(), [&](const FileType& t) { return t.filter == filter; });
        return found != types.end() ? *found : types.first();
    };
    // Choosing another type changes the proposed name's suffix with it.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog, typeOfFilter](const QString& filter) {
        const QString suffix = QString::fromLatin1(typeOfFilter(filter).suffix);
        const QStringList chosen = dialog->selectedFiles();
        if (chosen.size() == 1 && exportFormatOf(chosen.first())) {
            const QFileInfo file(chosen.first());
            dialog->selectFile(file.completeBaseName() + u'.' + suffix);
        }
    });
    QObject::connect(dialog, &QFileDialog::fileSelected, parent,
                     [parent, dialog, drawing, typeOfFilter](QString fileName) {
                         std::optional<ExportFormat> format = exportFormatOf(fileName);
                         if (!format) {
                             // A name without one of the three suffixes gets
                             // that of the chosen type.
                             const FileType type = typeOfFilter(dialog->selectedNameFilter());
                             fileName += u'.' + QString::fromLatin1(type.suffix);
                             format = type.format;
                         }
                         saveChosen(parent, drawing, fileName, *format);
                     });
    dialog->open();
}

const PrintingPart* printingPart(QString* failure)
{
    const auto entry = partEntry<decltype(werkstoff_part_printing)>("printing", failure);
    return entry ? entry() : nullptr;
}

void printDrawingFromDialog(QWidget* parent, const ExportedDrawing& drawing)
{
    QString missing;
    if (const PrintingPart* part = printingPart(&missing))
        part->printFromDialog(parent, drawing);
    else
        reportPrintingMissing(parent, missing);
}

void previewDrawing(QWidget* parent, const ExportedDrawing& drawing)
{
    QString missing;
    if (const PrintingPart* part = printingPart(&missing))
        part->preview(parent, drawing);
    else
        reportPrintingMissing(parent, missing);
}

void offerExport(QWidget* widget, std::function<ExportedDrawing()> drawing)
{
    auto source = std::make_shared<std::function<ExportedDrawing()>>(std::move(drawing));
    const auto add = [widget](const QString& text, const char* name, auto act) {
        auto* action = new QAction(text, widget);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, widget, act);
        widget->addAction(action);
    };
    //: Context menu of a drawing, beside "Bild kopieren".
    add(DrawingExport::tr("Bild speichern …"), "BildSpeichern", [widget, source] { saveDrawing(widget->window(), (*source)()); });
    //: Context menu of a drawing.
    add(DrawingExport::tr("Drucken …"), "Drucken", [widget, source] { printDrawingFromDialog(widget->window(), (*source)()); });
    //: Context menu of a drawing.
    add(DrawingExport::tr("Druckvorschau …"), "Druckvorschau", [widget, source] { previewDrawing(widget->window(), (*source)()); });
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QList<QAction*> addExportKeys(QWidget* window, std::function<ExportedDrawing()> drawing)
{
    auto source = std::make_shared<std::function<ExportedDrawing()>>(std::move(drawing));
    //: Key Ctrl+S in a window with a drawing.
    auto* save = new QAction(DrawingExport::tr("Bild speichern …"), window);
    save->setObjectName(QStringLiteral("BildSpeichernTaste"));
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(save, &QAction::triggered, window, [window, source] { saveDrawing(window, (*source)()); });
    //: Key Ctrl+P in a window with a drawing.
    auto* print = new QAction(DrawingExport::tr("Drucken …"), window);
    print->setObjectName(QStringLiteral("DruckenTaste"));
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(print, &QAction::triggered, window,
                     [window, source] { printDrawingFromDialog(window, (*source)()); });
    window->addAction(save);
    window->addAction(print);
    return {save, print};
}

}
