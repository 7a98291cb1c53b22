#include "recovery_offer.h"

#include "evaluation_window.h"
#include "window_kinds.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace evaluation::windows {

namespace {

struct RecoveryOffer {
    Q_DECLARE_TR_FUNCTIONS(evaluation::windows::RecoveryOffer)
};

void askFrom(std::vector<RecoveryFile> files, size_t next, QPointer<QWidget> parent)
{
    while (next < files.size() && !evaluationWindow(files[next].kind))
        ++next;
    if (next >= files.size())
        return;
    const RecoveryFile file = files[next];
    askAboutRecovery(file, parent, true, [files = std::move(files), next, parent] { askFrom(files, next + 1, parent); });
}

}

void offerRecovery(QWidget* parent) { askFrom(findRecoveryFiles(), 0, parent); }

QString restoreRecoveryFile(const RecoveryFile& file)
{
    EvaluationWindow* window = evaluationWindow(file.kind);
    if (!window)
        return RecoveryOffer::tr("Für Versuchsreihen der Art „%1“ gibt es kein Auswertungsfenster.").arg(file.kind);
    const SeriesFileReading reading = readSeriesFile(file.path, file.kind);
    if (!reading.document)
        return reading.error;
    window->showWindow();
    return window->restore(*reading.document) ? QString() : RecoveryOffer::tr("Die gesicherte Arbeit ließ sich nicht übernehmen.");
}

void askAboutRecovery(const RecoveryFile& file, QWidget* parent, bool allowLater, std::function<void()> then)
{
    const QString work = file.originalPath.isEmpty()
                             ? RecoveryOffer::tr("eine ungespeicherte Versuchsreihe")
                             : RecoveryOffer::tr("Änderungen an „%1“").arg(QDir::toNativeSeparators(file.originalPath));
    const QString when = QLocale().toString(file.saved.toLocalTime(), QLocale::ShortFormat);
    auto* box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("recoveryQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(RecoveryOffer::tr("Ungesicherte Arbeit"));
    QPushButton* restore = nullptr;
    if (file.problem.isEmpty()) {
        box->setIcon(QMessageBox::Question);
        //: %1 is the kind of test ("Zugversuch"), %2 the work, %3 date and time of the autosave
        box->setText(RecoveryOffer::tr("Von der letzten Sitzung ist Arbeit an der Auswertung „%1“ übrig: %2, automatisch gesichert "
                        "am %3. Soll sie wiederhergestellt werden?")
                         .arg(seriesKindTitle(file.kind), work, when));
        restore = box->addButton(RecoveryOffer::tr("&Wiederherstellen"), QMessageBox::AcceptRole);
    } else {
        box->setIcon(QMessageBox::Warning);
        box->setText(RecoveryOffer::tr("Die automatisch gesicherte Arbeit an der Auswertung „%1“ lässt sich nicht wiederherstellen: "
                        "%2")
                         .arg(seriesKindTitle(file.kind), file.problem));
    }
    QPushButton* discard = box->addButton(RecoveryOffer::tr("&Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton* later = allowLater ? box->addButton(RecoveryOffer::tr("&Später"), QMessageBox::RejectRole) : nullptr;
    // Escape loses nothing: it leaves the question for later, or restores.
    box->setEscapeButton(later ? later : restore ? restore : discard);
    box->setDefaultButton(restore ? restore : discard);
    QObject::connect(box, &QMessageBox::finished, box, [box, file, restore, discard, then] {
        QAbstractButton* answer = box->clickedButton();
        if (answer && answer == restore) {
            const QString error = restoreRecoveryFile(file);
            if (!error.isEmpty()) {
                auto* failed = new QMessageBox(QMessageBox::Warning, RecoveryOffer::tr("Ungesicherte Arbeit"), error,
                                               QMessageBox::Ok, box->parentWidget());
                failed->setAttribute(Qt::WA_DeleteOnClose);
                failed->open();
            }
        } else if (answer && answer == discard) {
            discardRecoveryFile(file.kind);
        }
        if (then)
            then();
    });
    box->open();
}

}
