#pragma once

// The base of the evaluation windows (tensile, impact and fatigue series).
// It is a normal resizable main window, built with layouts, that no modal
// teaching window blocks and that stays open whichever other window closes.
// It gives every evaluation the same handling of its work:
//   - "Datei": Neu, Öffnen … (Ctrl+O), Speichern (Ctrl+S), Speichern unter …,
//     Schließen; series files in the envelope of evaluation/series_file.h;
//   - autosave: every change is written at once into the kind's recovery
//     file (no timer), which goes away when the work is saved or discarded;
//     the next start offers to restore it (recovery_offer.h);
//   - closing with unsaved work asks whether to save, without a nested event
//     loop; the title window's "Beenden" ends the program without asking,
//     the recovery file already holds the work;
//   - "Bearbeiten › Ergebnistabelle kopieren" (Ctrl+C) puts the results table
//     on the clipboard as tab-separated text for a spreadsheet.
//
// A window of one kind derives from it and
//   1. passes its kind ("tensile", as the series file names it) and its
//      title to the constructor and builds its central widget;
//   2. shows its results in a ResultsTableModel in a view, both given to
//      setResultsTable();
//   3. implements seriesContent() (the "series" object of the file),
//      openDocument() (reads one back, replacing what the window shows) and
//      clearContent() (an empty series);
//   4. calls contentChanged() after every change the user makes;
//   5. is opened with showWindow(), from the table in window_kinds.h.
// Menus of its own go after fileMenu() and editMenu() (menuBar()).
#include "evaluation/series_file.h"

#include <QJsonObject>
#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAbstractItemView;
class QAction;
class QLabel;
class QMenu;

namespace evaluation::windows {

class ResultsTableModel;

class EvaluationWindow : public QMainWindow {
    Q_OBJECT
public:
    EvaluationWindow(QString kind, QString title, QWidget* parent = nullptr);

    const QString& kind() const { return m_kind; }
    // The series file the work belongs to; empty for work never saved.
    const QString& filePath() const { return m_filePath; }
    bool hasUnsavedWork() const { return isWindowModified(); }

    // Shows the window beside whatever is open (tk::showFree). Where an
    // earlier session left unsaved work of this kind that has not been dealt
    // with, it asks first whether to restore it.
    void showWindow();

    // Opens a series file in place of the current work; a file that cannot
    // be opened is reported and the work stays as it was. Returns success.
    bool openFile(const QString& path);
    // Saves the work into the file; a failure is reported. Returns success.
    bool saveTo(const QString& path);
    // Takes over the work kept in a recovery file: it shows as unsaved work
    // of the file it belonged to.
    bool restore(const SeriesDocument& document);

    // The document of the current work, as it would be saved at seriesPath.
    SeriesDocument document(const QString& seriesPath) const;

    // What Ctrl+C puts on the clipboard.
    QString resultsText() const;

    // The question the window asks before it drops unsaved work: runs
    // `proceed` at once when there is none, otherwise after the user saved
    // or discarded it; cancelling runs nothing.
    void askToKeepWork(std::function<void()> proceed);

    // User commands, as the menu runs them.
    void newSeries();
    void chooseFileToOpen();
    void save(std::function<void()> afterSaving = {});
    void chooseFileToSaveAs(std::function<void()> afterSaving = {});
    void copyResults();

    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* editMenu() const { return m_editMenu; }

signals:
    // The file the work belongs to changed (opened, saved under a name, new).
    void filePathChanged(const QString& path);

protected:
    struct OpenResult {
        QString error;         // the content cannot be used: nothing changed
        QStringList warnings;  // opened, but something is not as it was
    };
    virtual QJsonObject seriesContent(const QString& seriesPath) const = 0;
    virtual OpenResult openDocument(const SeriesDocument& document, const QString& seriesPath) = 0;
    virtual void clearContent() = 0;

    // Marks the work as changed and writes the recovery file.
    void contentChanged();
    // The table Ctrl+C copies; the view leaves the key to the window, which
    // copies the whole table rather than the view's current cell.
    void setResultsTable(QAbstractItemView* view, ResultsTableModel* model);
    // A message to the user that needs no answer (window modal, not waited for).
    void report(const QString& title, const QString& text, bool warning = true);

    void closeEvent(QCloseEvent* event) override;
    // A closed window gives its native window back, and with it the backing
    // store (on X11 a shared-memory image of the whole window); showing it
    // again makes a new one. Its series, table and diagram stay.
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setFilePath(const QString& path);
    void markSaved();
    void updateTitle();
    QString dialogFolder() const;

    QString m_kind;
    QString m_title;
    QString m_filePath;
    ResultsTableModel* m_resultsModel = nullptr;
    QMenu* m_fileMenu;
    QMenu* m_editMenu;
    QLabel* m_autosaveState;
    // This window wrote the recovery file of its kind in this session; one
    // found otherwise is an earlier session's and is offered first.
    bool m_ownsRecovery = false;
    bool m_closingAnswered = false;
};

}
