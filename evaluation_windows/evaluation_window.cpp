#include "evaluation_window.h"

#include "recovery_offer.h"
#include "results_table_model.h"

#include "toolkit/form.h"

#include <QAction>
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

namespace evaluation::windows {

namespace {

QString fileFilter()
{
    return EvaluationWindow::tr("Versuchsreihen (*.%1);;Alle Dateien (*)").arg(QLatin1String(seriesFileSuffix));
}

const QString lastFolderKey = QStringLiteral("evaluation/lastFolder");

}

EvaluationWindow::EvaluationWindow(QString kind, QString title, QWidget* parent)
    : QMainWindow(parent), m_kind(std::move(kind)), m_title(std::move(title))
{
    setObjectName(QStringLiteral("EvaluationWindow_") + m_kind);
    // The title window alone ends the program; this one only closes.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_fileMenu = menuBar()->addMenu(tr("&Datei"));
    m_fileMenu->addAction(tr("&Neu"), QKeySequence::New, this, [this] { askToKeepWork([this] { newSeries(); }); });
    m_fileMenu->addAction(tr("Ö&ffnen …"), QKeySequence::Open, this, &EvaluationWindow::chooseFileToOpen);
    m_fileMenu->addAction(tr("&Speichern"), QKeySequence::Save, this, [this] { save(); });
    m_fileMenu->addAction(tr("Speichern &unter …"), QKeySequence::SaveAs, this, [this] { chooseFileToSaveAs(); });
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(tr("S&chließen"), QKeySequence::Close, this, &QWidget::close);

    m_editMenu = menuBar()->addMenu(tr("&Bearbeiten"));
    // Ctrl+C copies the table wherever the focus is, except in a text field,
    // which keeps the key for its own text.
    QAction* copy = m_editMenu->addAction(tr("Ergebnistabelle &kopieren"), QKeySequence::Copy, this,
                                          &EvaluationWindow::copyResults);
    copy->setObjectName(QStringLiteral("copyResults"));

    // Escape closes the window, as it does the teaching windows.
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);

    m_autosaveState = new QLabel(this);
    statusBar()->addPermanentWidget(m_autosaveState);
    // 1100 x 760 pixels where the screen has room for them beside the
    // window's frame and the desktop's panels; on a smaller screen (1024 x
    // 768, a laptop's 1366 x 768) as much as it has.
    QSize size(1100, 760);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    resize(size);
    updateTitle();
}

void EvaluationWindow::showWindow()
{
    tk::showFree(this);
    if (m_ownsRecovery)
        return;
    for (const RecoveryFile& file : findRecoveryFiles())
        if (file.kind == m_kind) {
            askAboutRecovery(file, this, false);
            return;
        }
}

SeriesDocument EvaluationWindow::document(const QString& seriesPath) const
{
    SeriesDocument d;
    d.kind = m_kind;
    d.series = seriesContent(seriesPath);
    d.originalPath = m_filePath;
    return d;
}

bool EvaluationWindow::openFile(const QString& path)
{
    const SeriesFileReading file = readSeriesFile(path, m_kind);
    if (!file.document) {
        report(tr("Öffnen nicht möglich"), file.error);
        return false;
    }
    const OpenResult opened = openDocument(*file.document, QFileInfo(path).absoluteFilePath());
    if (!opened.error.isEmpty()) {
        report(tr("Öffnen nicht möglich"), tr("%1: %2").arg(QFileInfo(path).fileName(), opened.error));
        return false;
    }
    setFilePath(QFileInfo(path).absoluteFilePath());
    markSaved();
    if (!opened.warnings.isEmpty())
        report(tr("Geöffnet, mit Hinweisen"), opened.warnings.join(QLatin1Char('\n')));
    return true;
}

bool EvaluationWindow::saveTo(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString error = writeSeriesFile(absolute, document(absolute));
    if (!error.isEmpty()) {
        report(tr("Speichern nicht möglich"), error);
        return false;
    }
    setFilePath(absolute);
    markSaved();
    statusBar()->showMessage(tr("Gespeichert: %1").arg(QDir::toNativeSeparators(absolute)), 5000);
    return true;
}

bool EvaluationWindow::restore(const SeriesDocument& document)
{
    const OpenResult opened = openDocument(document, document.originalPath);
    if (!opened.error.isEmpty()) {
        report(tr("Wiederherstellen nicht möglich"), opened.error);
        return false;
    }
    setFilePath(document.originalPath);
    if (!opened.warnings.isEmpty())
        report(tr("Wiederhergestellt, mit Hinweisen"), opened.warnings.join(QLatin1Char('\n')));
    // Still unsaved: the recovery file stays until the work is saved.
    contentChanged();
    return true;
}

void EvaluationWindow::contentChanged()
{
    setWindowModified(true);
    SeriesDocument d = document(m_filePath.isEmpty() ? recoveryFilePath(m_kind) : m_filePath);
    const QString error = writeRecoveryFile(d);
    m_ownsRecovery = true;
    if (error.isEmpty()) {
        m_autosaveState->setText(tr("Automatisch gesichert"));
        m_autosaveState->setToolTip(tr("Ungesicherte Änderungen werden bei jeder Änderung in %1 gesichert und beim "
                                       "nächsten Start zur Wiederherstellung angeboten.")
                                        .arg(QDir::toNativeSeparators(recoveryFilePath(m_kind))));
    } else {
        m_autosaveState->setText(tr("Automatische Sicherung fehlgeschlagen"));
        m_autosaveState->setToolTip(error);
    }
}

void EvaluationWindow::markSaved()
{
    setWindowModified(false);
    // A recovery file an earlier session left stays until it is dealt with.
    if (m_ownsRecovery)
        discardRecoveryFile(m_kind);
    m_autosaveState->clear();
    m_autosaveState->setToolTip({});
}

void EvaluationWindow::setFilePath(const QString& path)
{
    if (path == m_filePath) {
        updateTitle();
        return;
    }
    m_filePath = path;
    updateTitle();
    emit filePathChanged(path);
}

void EvaluationWindow::updateTitle()
{
    const QString name = m_filePath.isEmpty() ? tr("Neue Versuchsreihe") : QFileInfo(m_filePath).fileName();
    setWindowTitle(tr("%1[*] – %2").arg(name, m_title));
}

QString EvaluationWindow::dialogFolder() const
{
    if (!m_filePath.isEmpty())
        return QFileInfo(m_filePath).absolutePath();
    const QString last = QSettings().value(lastFolderKey).toString();
    return last.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : last;
}

void EvaluationWindow::newSeries()
{
    clearContent();
    setFilePath({});
    markSaved();
}

void EvaluationWindow::chooseFileToOpen()
{
    askToKeepWork([this] {
        auto* dialog = new QFileDialog(this, tr("Versuchsreihe öffnen"), dialogFolder(), fileFilter());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setFileMode(QFileDialog::ExistingFile);
        connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
            QSettings().setValue(lastFolderKey, QFileInfo(path).absolutePath());
            openFile(path);
        });
        dialog->open();
    });
}

void EvaluationWindow::save(std::function<void()> afterSaving)
{
    if (m_filePath.isEmpty()) {
        chooseFileToSaveAs(std::move(afterSaving));
        return;
    }
    if (saveTo(m_filePath) && afterSaving)
        afterSaving();
}

void EvaluationWindow::chooseFileToSaveAs(std::function<void()> afterSaving)
{
    auto* dialog = new QFileDialog(this, tr("Versuchsreihe speichern"), dialogFolder(), fileFilter());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QLatin1String(seriesFileSuffix));
    connect(dialog, &QFileDialog::fileSelected, this, [this, afterSaving](const QString& path) {
        QSettings().setValue(lastFolderKey, QFileInfo(path).absolutePath());
        if (saveTo(path) && afterSaving)
            afterSaving();
    });
    dialog->open();
}

void EvaluationWindow::setResultsTable(QAbstractItemView* view, ResultsTableModel* model)
{
    m_resultsModel = model;
    view->setModel(model);
    view->installEventFilter(this);
}

bool EvaluationWindow::eventFilter(QObject* watched, QEvent* event)
{
    // An item view claims Ctrl+C for its current cell.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

QString EvaluationWindow::resultsText() const { return m_resultsModel ? m_resultsModel->tabSeparated() : QString(); }

void EvaluationWindow::copyResults()
{
    if (!m_resultsModel)
        return;
    QApplication::clipboard()->setText(resultsText());
    statusBar()->showMessage(tr("Die Ergebnistabelle ist in der Zwischenablage."), 5000);
}

void EvaluationWindow::askToKeepWork(std::function<void()> proceed)
{
    if (!hasUnsavedWork()) {
        proceed();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Question, m_title,
                                tr("Die Versuchsreihe „%1“ hat ungesicherte Änderungen. Sollen sie gespeichert werden?")
                                    .arg(m_filePath.isEmpty() ? tr("Neue Versuchsreihe")
                                                              : QFileInfo(m_filePath).fileName()),
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("unsavedWorkQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->button(QMessageBox::Save)->setText(tr("&Speichern"));
    box->button(QMessageBox::Discard)->setText(tr("&Verwerfen"));
    box->button(QMessageBox::Cancel)->setText(tr("&Abbrechen"));
    box->setDefaultButton(QMessageBox::Save);
    box->setEscapeButton(QMessageBox::Cancel);
    connect(box, &QMessageBox::finished, this, [this, box, proceed](int) {
        const QMessageBox::StandardButton answer = box->standardButton(box->clickedButton());
        if (answer == QMessageBox::Save) {
            save(proceed);
        } else if (answer == QMessageBox::Discard) {
            proceed();
        }
    });
    box->open();
}

void EvaluationWindow::closeEvent(QCloseEvent* event)
{
    if (!hasUnsavedWork() || m_closingAnswered) {
        m_closingAnswered = false;
        event->accept();
        return;
    }
    event->ignore();
    askToKeepWork([this] {
        // Discarded or saved: the window starts empty when it opens again.
        if (hasUnsavedWork())
            newSeries();
        m_closingAnswered = true;
        close();
    });
}

void EvaluationWindow::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimised: the window is still open
    // Not at once: the window may be hiding from inside its own native
    // window's event handling.
    QTimer::singleShot(0, this, [this] {
        // A dialog or message box of this window that is still open keeps it.
        if (isVisible() || !windowHandle() || tk::hasOpenWindowBeside(this))
            return;
        destroy(true, false);
        tk::returnFreedMemory();
    });
}

void EvaluationWindow::report(const QString& title, const QString& text, bool warning)
{
    auto* box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information, title, text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}
